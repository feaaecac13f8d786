#pragma once

#include "model/core/ModelState.h"

#include <QString>

namespace mdlRKVUtilities {

// Reads a model manifest (.RKV3) into model:
//   line 1           the resolution (a number)
//   line 2           the scheme file name, the whole line
//   line 3           the page count N (a number)
//   next N lines     image file name, a semicolon, page title
//   next line        the region count M (a number)
//   next M lines     region names, each the whole line
// Anything after the last region name is not read. A page line is split at
// its first semicolon only, and neither part is trimmed. Numbers follow the
// viewer's number rule and must fit a signed 32-bit integer.
// Returns false on any fault: a file that cannot be read, the end of the
// file before the last announced line, a page line without a semicolon, a
// negative count, a number out of range, a page count of 0 (a model needs
// a page), a page or region count above 32767, or a file that runs past
// 64 MiB before its last announced line. The values read before a fault stay in model; ModelFolder,
// ModelFileName and CurrentPage are not touched.
bool ReadManifest(const QString& path, ModelState& model);

// Writes the manifest of model in the format above, safely, with CR LF line
// ends: the counts are those of the Pages and RegionNames lists, and numbers
// are plain decimals. A page file name holding a semicolon cannot be read
// back, so such a model is not written (false), nor is one with no page; a
// line break in any text is written as a blank. False, with no message of
// its own, when the file could not be written.
bool SaveManifest(const QString& path, const ModelState& model);

}  // namespace mdlRKVUtilities
