#pragma once

#include <QString>
#include <optional>

namespace mdlRKVUtilities {

// The one number rule of every text file the viewer reads (palettes,
// schemes, manifests, colour files):
//  - blanks (spaces, tabs, line feeds) anywhere in the field are ignored;
//  - the value is the longest leading decimal number: an optional sign,
//    digits with an optional decimal point and fraction, an optional
//    exponent; any text after it is ignored;
//  - a field with no leading number reads as 0.
double LeadingNumberOf(const QString& field);

// The field's number rounded to the nearest whole number (a half goes to the
// even neighbour), or nothing when the rounded value lies outside
// minimum..maximum (which makes the field malformed).
std::optional<qint32> ReadNumber(const QString& field, qint32 minimum = INT32_MIN,
                                 qint32 maximum = INT32_MAX);

}  // namespace mdlRKVUtilities
