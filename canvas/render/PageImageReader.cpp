#include "PageImageReader.h"

#include "PageMemory.h"
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <atomic>
#include <climits>
#include <unistd.h>

namespace {

constexpr qint64 BudgetCeiling = qint64(2) << 30;

std::atomic<qint64> budgetOverride{0};

qint64 physicalMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return qint64(pages) * qint64(pageSize);
}

}  // namespace

qint64 PageSurfaceBudget()
{
    if (const qint64 set = budgetOverride.load(); set > 0) return set;
    const qint64 memory = physicalMemory();
    // A machine that does not tell its memory gets the ceiling.
    return memory > 0 ? std::min(memory / 4, BudgetCeiling) : BudgetCeiling;
}

void SetPageSurfaceBudget(qint64 bytes) { budgetOverride.store(std::max<qint64>(bytes, 0)); }

bool PageSizeAllowed(QSize size)
{
    if (size.width() < 1 || size.height() < 1) return false;
    if (size.width() > MaxPageSide || size.height() > MaxPageSide) return false;
    return qint64(size.width()) * size.height() * PageSurfaceBytesPerPixel <= PageSurfaceBudget();
}

QImage ReadPageImage(const QString& path)
{
    QFile file;
    if (!Platform::openRegularFile(file, path)) return QImage();
    // The name's suffix is a hint only; the content decides the format.
    QImageReader reader(&file, QFileInfo(path).suffix().toLatin1());
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (!reader.canRead()) return QImage();

    // A header that declares more than a page may take is refused before a
    // single pixel is decoded (a small file can declare a huge picture).
    const QSize declared = reader.size();
    if (declared.isValid() && !PageSizeAllowed(declared)) return QImage();

    // Pages are big by nature (A3 at 600 pixels per inch is 278 MB in one
    // surface), so the reader's own default limit of 128 MB would refuse
    // real pages. For this read its limit is one surface of the budget
    // instead: it also stops a format whose header gives no size.
    const int allocationLimit = QImageReader::allocationLimit();
    const qint64 surfaceMegabytes = PageSurfaceBudget() / 2 / (1 << 20);  // the loader's half
    QImageReader::setAllocationLimit(int(std::clamp<qint64>(surfaceMegabytes, 1, INT_MAX)));
    // A reader that fills the image it is given puts the page in large-page
    // memory (PageMemory.h); any other allocates its own.
    QImage image = declared.isValid() ? MakePageImage(declared, reader.imageFormat()) : QImage();
    if (!reader.read(&image)) image = QImage();
    QImageReader::setAllocationLimit(allocationLimit);
    if (image.isNull() || !PageSizeAllowed(image.size())) return QImage();

    // Converting to RGB32 keeps the 8-bit values of every source format that
    // holds them (indexed, grayscale, RGB, RGBA); dithering is switched off so
    // that no reduction ever alters a value.
    // The conversion is done in place where the formats allow, so a page
    // read with alpha does not briefly take twice its memory.
    image.convertTo(QImage::Format_RGB32,
                    Qt::ThresholdDither | Qt::ThresholdAlphaDither | Qt::AvoidDither);
    return image;
}
