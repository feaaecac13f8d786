#include "render/PageImageReader.h"

#include "platform/files/RegularFile.h"
#include "render/JpegFrame.h"
#include "render/PageMemory.h"

#include <QByteArrayView>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <climits>

namespace {

// The formats a page may come in, by the bytes each file starts with, and
// the reader that decodes each. Other formats are refused even where the
// machine has a reader for them: they are no model's pages, and every
// reader more is more code that hostile files can reach.
struct PageFormat {
    QByteArrayView signature;
    const char* reader;
};

constexpr PageFormat PageFormats[] = {
    {QByteArrayView("\x89PNG\r\n\x1A\n", 8), "png"},
    {QByteArrayView("BM", 2), "bmp"},
    {QByteArrayView("GIF87a", 6), "gif"},
    {QByteArrayView("GIF89a", 6), "gif"},
    {QByteArrayView("\xFF\xD8\xFF", 3), "jpeg"},
};

const char* pageFormatOf(const QByteArray& start)
{
    for (const PageFormat& format : PageFormats)
        if (QByteArrayView(start).startsWith(format.signature)) return format.reader;
    return nullptr;
}

qint64 imageBytes(QSize size, int bitsPerPixel)
{
    return (qint64(size.width()) * bitsPerPixel + 31) / 32 * 4 * size.height();
}

}  // namespace

qint64 PageReadCost(QSize size, int decodedBitsPerPixel, qint64 decoderBytes)
{
    const qint64 decoded = imageBytes(size, decodedBitsPerPixel);
    const qint64 copy = decodedBitsPerPixel == 32 ? 0 : imageBytes(size, 32);
    const qint64 shown = qint64(size.width()) * size.height() * PageSurfaceBytesPerPixel;
    return std::max(decoded + std::max(decoderBytes, copy), shown);
}

qint64 RunIndexRoom(QSize size)
{
    return std::max<qint64>(
        0, PageSurfaceBudget() - qint64(size.width()) * size.height() * PageSurfaceBytesPerPixel);
}

namespace {

// Decodes the page in the file, in the reader's own format. The reader, and
// with it the decoder's memory, is gone when this returns.
QImage decodePage(QFile& file, const char* format, qint64 decoderBytes)
{
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    if (!reader.canRead()) return QImage();

    // A header that declares more than a page may take is refused before a
    // single pixel is decoded (a small file can declare a huge picture); so
    // is a header that declares no size at all.
    const QSize declared = reader.size();
    const QImage::Format decodedFormat = reader.imageFormat();
    // A reader that does not tell its format is counted at the widest, 64
    // bits a pixel.
    const int decodedBits = decodedFormat == QImage::Format_Invalid
                                ? 64
                                : QImage::toPixelFormat(decodedFormat).bitsPerPixel();
    if (!declared.isValid() || !PageSizeAllowed(declared)
        || PageReadCost(declared, decodedBits, decoderBytes) > PageSurfaceBudget())
        return QImage();

    // Pages are big by nature (A3 at 600 pixels per inch is 278 MB in one
    // surface), so the reader's own default limit of 128 MB would refuse
    // real pages. For this read its limit is the decoded picture as counted
    // above: a reader that would make a larger one fails instead.
    const int allocationLimit = QImageReader::allocationLimit();
    const qint64 megabytes = (imageBytes(declared, decodedBits) + (1 << 20) - 1) >> 20;
    QImageReader::setAllocationLimit(int(std::clamp<qint64>(megabytes, 1, INT_MAX)));
    // A reader that fills the image it is given puts the page in large-page
    // memory (PageMemory.h); any other allocates its own.
    QImage image = MakePageImage(declared, decodedFormat);
    if (!reader.read(&image)) image = QImage();
    QImageReader::setAllocationLimit(allocationLimit);
    return image;
}

}  // namespace

QImage ReadPageImage(const QString& path)
{
    QFile file;
    if (!Platform::openRegularFile(file, path)) return QImage();
    // The content decides the format, never the name, and only a page
    // format's reader is ever asked.
    const char* format = pageFormatOf(file.peek(8));
    if (format == nullptr) return QImage();
    const qint64 decoderBytes = qstrcmp(format, "jpeg") == 0 ? JpegDecoderBytes(file) : 0;
    if (decoderBytes < 0) return QImage();
    QImage image = decodePage(file, format, decoderBytes);
    if (image.isNull() || !PageSizeAllowed(image.size())) return QImage();

    // Converting to RGB32 keeps the 8-bit values of every source format that
    // holds them (indexed, grayscale, RGB, RGBA); dithering is switched off so
    // that no reduction ever alters a value.
    image.convertTo(QImage::Format_RGB32,
                    Qt::ThresholdDither | Qt::ThresholdAlphaDither | Qt::AvoidDither);
    return image;
}
