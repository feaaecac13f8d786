#include "TextLines.h"

#include <QStringDecoder>

namespace mdlRKVUtilities {

QString TextLines::decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes);
}

bool TextLines::open(const QString& path)
{
    file_.close();
    file_.setFileName(path);
    atStart_ = true;
    return file_.open(QIODevice::ReadOnly);
}

std::optional<QString> TextLines::next()
{
    if (!file_.isOpen()) return std::nullopt;
    if (atStart_) {
        atStart_ = false;
        if (file_.peek(3) == QByteArray("\xEF\xBB\xBF")) file_.skip(3);
    }

    QByteArray line;
    char c = 0;
    bool ended = false;
    while (file_.getChar(&c)) {
        if (c == '\n') {
            ended = true;
            break;
        }
        if (c == '\r') {
            char following = 0;
            if (file_.peek(&following, 1) == 1 && following == '\n') file_.skip(1);
            ended = true;
            break;
        }
        if (line.size() >= MaxLineBytes) {
            file_.close();
            return std::nullopt;
        }
        line.append(c);
    }
    if (file_.error() != QFileDevice::NoError) {
        file_.close();
        return std::nullopt;
    }
    if (!ended && line.isEmpty()) return std::nullopt;
    return decode(line);
}

}  // namespace mdlRKVUtilities
