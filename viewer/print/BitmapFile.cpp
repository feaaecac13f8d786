#include "BitmapFile.h"

#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace {

bool savePicture(const QImage& picture, const QString& path, const char* format)
{
    if (picture.isNull() || path.isEmpty()) return false;
    // Qt writes every image of more than 8 bits per pixel as a 24-bit
    // bitmap (and an opaque one as a 24-bit PNG); an opaque 32-bit copy
    // keeps an indexed or alpha picture from coming out in another depth.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a file-size limit)
    // fails the write itself and the old file is never replaced.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    QImageWriter writer(&file, format);
    if (!writer.write(rgb)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

bool SaveBitmapFile(const QImage& picture, const QString& path) { return savePicture(picture, path, "bmp"); }

bool SavePngFile(const QImage& picture, const QString& path) { return savePicture(picture, path, "png"); }
