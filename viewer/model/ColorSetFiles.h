#pragma once

#include "model/core/ColorSetFormats.h"

#include <QString>

namespace mdlRKVUtilities {

// The viewer's palette and scheme loading and saving: the file formats of
// ColorSetFormats.h over the program's own palette and scheme, with the
// message the user sees when one fails.

// Reads the palette as ReadPaletteFile does. Any fault (a file that cannot be
// read, too few lines, a malformed line, a count above 257) shows "Error
// loading palette."; a negative count reads no entry, shows nothing and
// leaves PaletteCount at 0. Returns true when the whole palette was read.
bool LoadPalette(const QString& path);

// Writes the palette as WritePaletteFile does. A failed save keeps the old
// file, shows "Error saving palette." and returns false.
bool SavePalette(const QString& path);

// Replaces scheme entries 1 to 255 from the file, each as soon as its line is
// read. Any fault (a file that cannot be read, fewer than 255 lines, a
// malformed line) stops the reading and shows "Error loading color scheme.";
// the entries not reached keep their values. Returns true when all 255 were
// read.
bool LoadScheme(const QString& path);

// Writes scheme entries 1 to 255, replacing the file only when the whole
// file was written. A failed save keeps the old file, shows "Error saving
// color scheme." and returns false.
bool SaveScheme(const QString& path);

}  // namespace mdlRKVUtilities
