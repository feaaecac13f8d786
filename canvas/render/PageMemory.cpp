#include "render/PageMemory.h"

#include <cstdlib>
#include <limits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t LargePage = std::size_t(2) << 20;

void release(void* memory) { std::free(memory); }

}  // namespace

QImage MakePageImage(QSize size, QImage::Format format)
{
    if (size.isEmpty() || format == QImage::Format_Invalid) return QImage();
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerLine = (qint64(size.width()) * depth + 31) / 32 * 4;
    const qint64 bytes = bytesPerLine * size.height();
    // Small pages gain nothing; a line too long for an int is not an image.
    if (bytes < qint64(LargePage) || bytesPerLine > std::numeric_limits<int>::max())
        return QImage(size, format);
    const std::size_t rounded = (std::size_t(bytes) + LargePage - 1) / LargePage * LargePage;
    void* memory = std::aligned_alloc(LargePage, rounded);
    if (memory == nullptr) return QImage();
#if defined(MADV_HUGEPAGE)
    madvise(memory, rounded, MADV_HUGEPAGE);
#endif
    QImage image(static_cast<uchar*>(memory), size.width(), size.height(), qsizetype(bytesPerLine),
                 format, release, memory);
    if (image.isNull()) std::free(memory);
    return image;
}
