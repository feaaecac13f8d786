#pragma once

#include "model/core/ColorSets.h"

#include <QString>

namespace mdlRKVUtilities {

// Palette files (.RPL): line 1 the number of entries, written as a bare
// number (" 3 "), then one colour line per entry.
// Scheme files (.RKS3): exactly 255 colour lines, for regions 1 to 255; the
// paper entry (index 0) is not stored.
// Readers take CR LF, LF or CR as a line end; writers write CR LF. None of
// these shows a message: the viewer's LoadPalette and friends do.

// Replaces PaletteCount and palette entries 0 to count - 1 from the file. The
// count is stored as soon as line 1 is read, and every entry as soon as its
// line is read. Any fault (a file that cannot be read, too few lines, a
// malformed line, a count above 257) stops the reading and returns false; a
// count above 257 reads 257 entries and leaves PaletteCount at 257. A
// negative count reads no entry and leaves PaletteCount at 0, which is a
// whole (empty) palette. Returns true when the whole palette was read.
bool ReadPaletteFile(const QString& path);

// Writes PaletteCount and entries 0 to PaletteCount - 1, replacing the file
// only when the whole file was written; false (the old file kept) otherwise.
bool WritePaletteFile(const QString& path);

// Reads regions 1 to 255 of a scheme file into any scheme, each entry as
// soon as its line is read; false at the first fault.
bool ReadSchemeFile(const QString& path, std::array<ColorRecord, SchemeSize>& colors,
                    std::array<QString, SchemeSize>& names);

// Writes regions 1 to 255 of any scheme as a scheme file, safely; false when
// the file could not be written.
bool WriteSchemeFile(const QString& path, const std::array<ColorRecord, SchemeSize>& colors,
                     const std::array<QString, SchemeSize>& names);

}  // namespace mdlRKVUtilities
