#include "model/core/TextLines.h"

#include "model/core/TextEncoding.h"

#include "platform/files/RegularFile.h"

namespace mdlRKVUtilities {

bool TextLines::open(const QString& path)
{
    if (Platform::openRegularFile(file_, path) && decideEncoding()) return true;
    file_.close();
    return false;
}

bool TextLines::decideEncoding()
{
    if (file_.peek(3) == QByteArray(Utf8Bom)) {
        utf8_ = true;
        return file_.skip(3) == 3;
    }
    Utf8Scan scan;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    qint64 scanned = 0;
    while (!scan.failed() && (byteLimit_ < 0 || scanned < byteLimit_)) {
        const qint64 read = file_.read(chunk.data(), chunk.size());
        if (read < 0) return false;
        if (read == 0) break;
        scan.feed(chunk.constData(), read);
        scanned += read;
    }
    utf8_ = scan.readsAsUtf8();
    return file_.seek(0);
}

std::optional<QString> TextLines::next()
{
    if (!file_.isOpen()) return std::nullopt;
    if (byteLimit_ >= 0 && file_.pos() >= byteLimit_) {
        file_.close();
        return std::nullopt;
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
        if (line.size() >= MaxLineBytes || (byteLimit_ >= 0 && file_.pos() > byteLimit_)) {
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
    return utf8_ ? QString::fromUtf8(line) : DecodeWindows1252(line);
}

}  // namespace mdlRKVUtilities
