#include "SafeTextWriter.h"

#include "TextEncoding.h"

#include <QSaveFile>

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
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = EncodeTextLines(lines);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString BareNumberText(qint64 value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) + QLatin1Char(' ');
}

}  // namespace mdlRKVUtilities
