#pragma once

#include <QString>
#include <optional>

// The numeric test of an input box: a text is numeric when, after any blanks
// around it, it is an optional sign followed by digits with an optional
// decimal point and fraction (".5" and "5." count, a lone "." does not) and
// an optional exponent ("e" or "E", an optional sign, digits). Empty text, a
// lone sign and a value too large for a double are not numeric. Returns the
// value of a numeric text, nothing otherwise.
std::optional<double> NumericValueOf(const QString& text);
