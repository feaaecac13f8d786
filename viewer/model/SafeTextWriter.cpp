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
    // Unbuffered, so that a short write (a full disk, a file-size limit) is
    // seen here: through the buffer it would reach the file only at commit,
    // which then renames a truncated file over the old one as a success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
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
