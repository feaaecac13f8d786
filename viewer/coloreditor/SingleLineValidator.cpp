#include "SingleLineValidator.h"

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const
{
    if (!input.contains(QLatin1Char('\r')) && !input.contains(QLatin1Char('\n'))) return Acceptable;
    QString text;
    text.reserve(input.size());
    int cursor = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            text.append(c);
            continue;
        }
        text.append(QLatin1Char(' '));
        if (c == QLatin1Char('\r') && i + 1 < input.size() && input[i + 1] == QLatin1Char('\n')) {
            ++i;  // the pair is one break
            if (i < pos) --cursor;
        }
    }
    input = text;
    pos = cursor;
    return Acceptable;
}
