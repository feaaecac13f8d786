#include "BitmapFile.h"

#include "ReplacementFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace {

bool savePicture(const QImage& picture, const QString& path, const char* format)
{
    if (picture.isNull() || path.isEmpty()) return false;
    // Qt writes every image of more than 8 bits per pixel as a 24-bit
    // bitmap (and an opaque one as a 24-bit PNG); an opaque 32-bit copy
    // keeps an indexed or alpha picture from coming out in another depth.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
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

bool SaveBitmapFile(const QImage& picture, const QString& path) { return savePicture(picture, path, "bmp"); }

bool SavePngFile(const QImage& picture, const QString& path) { return savePicture(picture, path, "png"); }
