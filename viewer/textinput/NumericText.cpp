#include "textinput/NumericText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

std::optional<double> NumericValueOf(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;

    qsizetype i = begin;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    int digits = 0;
    while (i < end && isDigit(text[i])) ++i, ++digits;
    if (i < end && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < end && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != end) return std::nullopt;

    // from_chars reads the C form whatever the user's locale; it takes no
    // leading plus sign.
    if (text[begin] == QLatin1Char('+')) ++begin;
    const QByteArray number = text.mid(begin, end - begin).toLatin1();
    double value = 0;
    const auto [ptr, error] = std::from_chars(number.constData(), number.constData() + number.size(), value);
    if (error != std::errc() || ptr != number.constData() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
