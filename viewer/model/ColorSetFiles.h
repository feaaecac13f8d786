#pragma once

#include "ColorSets.h"

#include <QString>

namespace mdlRKVUtilities {

// Palette files (.RPL): line 1 the number of entries, written as a bare
// number (" 3 "), then one colour line per entry.
// Scheme files (.RKS3): exactly 255 colour lines, for regions 1 to 255; the
// paper entry (index 0) is not stored.
// Readers take CR LF, LF or CR as a line end; writers write CR LF.

// Replaces PaletteCount and palette entries 0 to count - 1 from the file. The
// count is stored as soon as line 1 is read, and every entry as soon as its
// line is read. Any fault (a file that cannot be read, too few lines, a
// malformed line, a count above 257) stops the reading and shows "Error
// loading palette."; a count above 257 reads 257 entries and leaves
// PaletteCount at 257. A negative count reads no entry, shows nothing and
// leaves PaletteCount at 0. Returns true when the whole palette was read.
bool LoadPalette(const QString& path);

// Writes PaletteCount and entries 0 to PaletteCount - 1, replacing the file
// only when the whole file was written. A failed save keeps the old file,
// shows "Error saving palette." and returns false.
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

// Reads regions 1 to 255 of a scheme file into any scheme, each entry as
// soon as its line is read; false at the first fault, with no message of its
// own.
bool ReadSchemeFile(const QString& path, std::array<ColorRecord, SchemeSize>& colors,
                    std::array<QString, SchemeSize>& names);

// Writes regions 1 to 255 of any scheme as a scheme file, safely, with no
// message of its own; false when the file could not be written.
bool WriteSchemeFile(const QString& path, const std::array<ColorRecord, SchemeSize>& colors,
                     const std::array<QString, SchemeSize>& names);

}  // namespace mdlRKVUtilities
