#include "SafeTextWriter.h"

#include <QSaveFile>

namespace mdlRKVUtilities {

QByteArray EncodeTextLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    bool latin1 = true;
    for (QChar c : text)
        if (c.unicode() > 0xFF) { latin1 = false; break; }
    return latin1 ? text.toLatin1() : text.toUtf8();
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
