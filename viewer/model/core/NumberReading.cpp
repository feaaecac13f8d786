#include "model/core/NumberReading.h"

#include <charconv>
#include <cmath>
#include <string>

namespace mdlRKVUtilities {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LeadingNumberOf(const QString& field)
{
    // Only ASCII can be part of a number, so the scan works on bytes.
    std::string text;
    text.reserve(size_t(field.size()));
    for (QChar c : field) {
        if (isBlank(c)) continue;
        text.push_back(c.unicode() < 128 ? char(c.unicode()) : '\x7f');
    }

    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    const size_t mantissaStart = pos;
    size_t integerDigits = 0;
    while (pos < text.size() && isDigit(text[pos])) ++pos, ++integerDigits;
    const size_t integerEnd = pos;
    size_t fractionDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        size_t p = pos + 1;
        while (p < text.size() && isDigit(text[p])) ++p, ++fractionDigits;
        if (integerDigits + fractionDigits > 0) pos = p;
    }
    if (integerDigits + fractionDigits == 0) return 0.0;
    const size_t mantissaEnd = pos;

    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t p = pos + 1;
        bool negativeExponent = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) negativeExponent = text[p++] == '-';
        const size_t digitsStart = p;
        while (p < text.size() && isDigit(text[p])) {
            if (exponent < 100000) exponent = exponent * 10 + (text[p] - '0');
            ++p;
        }
        if (p > digitsStart) {
            pos = p;
            if (negativeExponent) exponent = -exponent;
        } else {
            exponent = 0;
        }
    }

    // from_chars reads the number without its sign, in the C locale whatever
    // the program's locale is.
    double value = 0.0;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + pos;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: tell which by the number's
        // decimal magnitude (significant integer digits plus exponent).
        size_t leadingZeros = 0;
        for (size_t i = mantissaStart; i < integerEnd && text[i] == '0'; ++i) ++leadingZeros;
        const long long magnitude = (long long)(integerDigits - leadingZeros) + exponent;
        value = magnitude > 0 ? HUGE_VAL : 0.0;
    } else if (ec != std::errc() || ptr != last) {
        // Cannot happen for the text scanned above; read what precedes it.
        value = 0.0;
        std::from_chars(first, text.data() + mantissaEnd, value, std::chars_format::fixed);
    }
    return negative ? -value : value;
}

std::optional<qint32> ReadNumber(const QString& field, qint32 minimum, qint32 maximum)
{
    // Round to nearest, halves to even (the FPU's default rounding mode).
    const double rounded = std::nearbyint(LeadingNumberOf(field));
    if (!(rounded >= double(minimum) && rounded <= double(maximum))) return std::nullopt;
    return qint32(rounded);
}

}  // namespace mdlRKVUtilities
