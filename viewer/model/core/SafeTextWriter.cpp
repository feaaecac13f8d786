#include "model/core/SafeTextWriter.h"

#include "model/core/TextEncoding.h"
#include "platform/files/ReplacementFile.h"

namespace mdlRKVUtilities {

QString SingleLineText(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

QByteArray EncodeTextLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += SingleLineText(line);
        text += QLatin1String("\r\n");
    }
    return EncodeText(text);
}

bool WriteTextLines(const QString& path, const QStringList& lines)
{
    return Platform::replaceFile(path, EncodeTextLines(lines));
}

QString BareNumberText(qint64 value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) + QLatin1Char(' ');
}

}  // namespace mdlRKVUtilities
