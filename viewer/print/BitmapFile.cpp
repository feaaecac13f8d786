#include "print/BitmapFile.h"

#include "platform/files/ReplacementFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cmath>

namespace {

bool savePicture(const QImage& picture, const QString& path, const char* format, int pixelsPerInch)
{
    if (picture.isNull() || path.isEmpty()) return false;
    // Qt writes every image of more than 8 bits per pixel as a 24-bit
    // bitmap (and an opaque one as a 24-bit PNG); an opaque 32-bit copy
    // keeps an indexed or alpha picture from coming out in another depth.
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    // Both formats keep the resolution in pixels per metre.
    if (pixelsPerInch > 0) {
        const int perMetre = int(std::lround(pixelsPerInch / 0.0254));
        rgb.setDotsPerMeterX(perMetre);
        rgb.setDotsPerMeterY(perMetre);
    }
    // The picture is encoded in memory first and then written in one go, so
    // a full disk fails our own write (the image encoders do not clean up
    // after a failed write of theirs) and the old file is never replaced.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(rgb)) return false;
    return Platform::replaceFile(path, bytes);
}

}  // namespace

bool SaveBitmapFile(const QImage& picture, const QString& path, int pixelsPerInch)
{
    return savePicture(picture, path, "bmp", pixelsPerInch);
}

bool SavePngFile(const QImage& picture, const QString& path, int pixelsPerInch)
{
    return savePicture(picture, path, "png", pixelsPerInch);
}
