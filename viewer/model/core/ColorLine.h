#pragma once

#include "model/core/ColorRecord.h"

#include <QString>

namespace mdlRKVUtilities {

// The colour line shared by palette and scheme files: red, green, blue,
// offset and name separated by commas, e.g. "127,127,127,-127,Default Gray".
// The name is the whole rest of the line, commas included.

// Reads line into color and name. A line with fewer than five fields, or with
// a component outside 0..255 or an offset outside -32768..32767, is malformed
// (false). The fields are stored one by one in the order Red, Green, Blue,
// Offset, name, so a bad field leaves the fields before it already replaced.
bool ReadColorLine(const QString& line, ColorRecord& color, QString& name);

// The line of a colour and its name.
QString ColorLineOf(const ColorRecord& color, const QString& name);

}  // namespace mdlRKVUtilities
