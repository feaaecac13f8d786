#include "PageImageReader.h"

#include "PageMemory.h"

#include <QImageReader>

QImage ReadPageImage(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (!reader.canRead()) return QImage();

    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxPageSide || size.height() > MaxPageSide))
        return QImage();

    // Pages are big by nature (a Letter sheet at 600 pixels per inch is about
    // 130 MB of pixels); the side check above is the limit that matters. The
    // reader's process-wide allocation limit is lifted for this read only.
    const int allocationLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(0);
    // A reader that fills the image it is given puts the page in large-page
    // memory (PageMemory.h); any other allocates its own.
    QImage image = size.isValid() ? MakePageImage(size, reader.imageFormat()) : QImage();
    if (!reader.read(&image)) image = QImage();
    QImageReader::setAllocationLimit(allocationLimit);
    if (image.isNull()) return QImage();
    if (image.width() > MaxPageSide || image.height() > MaxPageSide) return QImage();

    // Converting to RGB32 keeps the 8-bit values of every source format that
    // holds them (indexed, grayscale, RGB, RGBA); dithering is switched off so
    // that no reduction ever alters a value.
    // The conversion is done in place where the formats allow, so a page
    // read with alpha does not briefly take twice its memory.
    image.convertTo(QImage::Format_RGB32,
                    Qt::ThresholdDither | Qt::ThresholdAlphaDither | Qt::AvoidDither);
    return image;
}
