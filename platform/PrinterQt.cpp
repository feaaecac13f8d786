#include "platform/PrinterQt.h"

#include "platform/files/ReplacementFile.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QStringList>
#include <cmath>

namespace Platform {

namespace {

// The page sizes of the classic paper codes the viewer and printers use.
bool pageSizeOfCode(int code, QPageSize::PageSizeId& id)
{
    switch (code) {
    case 1: id = QPageSize::Letter; return true;
    case 5: id = QPageSize::Legal; return true;
    case 8: id = QPageSize::A3; return true;
    case 9: id = QPageSize::A4; return true;
    case 11: id = QPageSize::A5; return true;
    default: return false;
    }
}

// Device resolution for a quality code: the four named qualities, or a
// positive value taken as dots per inch.
int resolutionOfQuality(int quality)
{
    switch (quality) {
    case QualityDraft: return 150;
    case QualityLow: return 300;
    case QualityMedium: return 600;
    case QualityHigh: return 1200;
    default: return quality > 0 ? quality : 0;
    }
}

}  // namespace

const QString PdfFilePrinter::Name = QStringLiteral("PDF File");

QtPrinter::~QtPrinter()
{
    if (painter_.isActive()) painter_.end();
}

QPrinter& QtPrinter::device() const
{
    if (sheets_) return *sheets_;
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        prepareDevice(*printer_);
        printer_->setResolution(resolutionOfQuality(QualityMedium));
    }
    return *printer_;
}

void QtPrinter::PrepareSheets(QPrinter& sheets) const
{
    prepareDevice(sheets);
    sheets.setResolution(device().resolution());
    sheets.setPageLayout(device().pageLayout());
    sheets.setCopyCount(1);
}

bool QtPrinter::setDocumentTitle(const QString& title)
{
    if (!jobRunning()) device().setDocName(title);
    return true;
}

bool QtPrinter::setPrintQuality(short value)
{
    const int dpi = resolutionOfQuality(value);
    if (dpi <= 0) return false;
    // The resolution of a running job cannot change; it takes effect with
    // the next job.
    if (!jobRunning()) device().setResolution(dpi);
    return true;
}

bool QtPrinter::setCopies(short value)
{
    if (value < 1) return false;
    device().setCopyCount(value);
    return true;
}

bool QtPrinter::setPaperSize(short value)
{
    QPageSize::PageSizeId id;
    if (!pageSizeOfCode(value, id)) return false;
    return device().setPageSize(QPageSize(id));
}

bool QtPrinter::setFontName(const QString& name)
{
    if (name.trimmed().isEmpty()) return false;
    fontName_ = name;
    return true;
}

bool QtPrinter::setFontSize(float points)
{
    if (!(points > 0) || points > 2048) return false;
    fontSize_ = points;
    return true;
}

bool QtPrinter::setDrawWidth(int pixels)
{
    if (pixels < 1) return false;
    drawWidth_ = pixels;
    return true;
}

bool QtPrinter::setScaleMode(int mode)
{
    if (deviceUnitsPerScaleUnit(mode, 1.0) <= 0) return false;
    scaleMode_ = mode;
    return true;
}

double QtPrinter::unit() const { return deviceUnitsPerScaleUnit(scaleMode_, device().resolution()); }

double QtPrinter::ScaleWidth() const { return device().pageRect(QPrinter::DevicePixel).width() / unit(); }

double QtPrinter::ScaleHeight() const { return device().pageRect(QPrinter::DevicePixel).height() / unit(); }

double QtPrinter::TwipsPerPixelX() const { return 1440.0 / device().resolution(); }

double QtPrinter::TwipsPerPixelY() const { return 1440.0 / device().resolution(); }

int QtPrinter::GetDeviceCaps(int index) const
{
    QPrinter& p = device();
    const QRectF paper = p.paperRect(QPrinter::DevicePixel);
    const QRectF page = p.pageRect(QPrinter::DevicePixel);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return p.resolution();
    case PHYSICALWIDTH: return int(std::lround(paper.width()));
    case PHYSICALHEIGHT: return int(std::lround(paper.height()));
    case PHYSICALOFFSETX: return int(std::lround(page.left() - paper.left()));
    case PHYSICALOFFSETY: return int(std::lround(page.top() - paper.top()));
    default: return 0;
    }
}

QFont QtPrinter::currentFont() const
{
    QFont font(fontName_);
    font.setPointSizeF(fontSize_);
    return font;
}

double QtPrinter::TextWidth(const QString& text)
{
    const QFontMetricsF metrics(currentFont(), &device());
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest / unit();
}

double QtPrinter::TextHeight(const QString& text)
{
    const QFontMetricsF metrics(currentFont(), &device());
    return metrics.height() * double(text.count(QLatin1Char('\n')) + 1) / unit();
}

bool QtPrinter::ensureJob()
{
    if (painter_.isActive()) return true;
    if (!prepareJob() || !painter_.begin(&device())) return false;
    // Pictures go to the device as they are: kept lossless and never
    // smoothed by the painter.
    painter_.setRenderHint(QPainter::LosslessImageRendering, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    return true;
}

bool QtPrinter::PaintPicture(const QImage& picture, double x, double y, double width, double height)
{
    if (picture.isNull() || !ensureJob()) return false;
    const double k = unit();
    painter_.drawImage(QRectF(x * k, y * k, width * k, height * k), picture);
    return true;
}

bool QtPrinter::Print(const QString& text)
{
    if (!ensureJob()) return false;
    const double k = unit();
    const QFont font = currentFont();
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter_.device());
    double y = currentY_ * k;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        painter_.drawText(QPointF(currentX_ * k, y + metrics.ascent()), line);
        y += metrics.height();
    }
    currentX_ = 0;
    currentY_ = y / k;
    return true;
}

void QtPrinter::setPen(int color)
{
    QPen pen(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    pen.setWidthF(drawWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

bool QtPrinter::Line(double x1, double y1, double x2, double y2, int color)
{
    if (!ensureJob()) return false;
    const double k = unit();
    setPen(color);
    painter_.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
    return true;
}

bool QtPrinter::Box(double x1, double y1, double x2, double y2, int color)
{
    if (!ensureJob()) return false;
    const double k = unit();
    setPen(color);
    painter_.drawRect(QRectF(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k)).normalized());
    return true;
}

bool QtPrinter::NewPage()
{
    if (!ensureJob()) return false;
    return device().newPage();
}

void QtPrinter::abandonJob()
{
    if (painter_.isActive()) painter_.end();
}

bool QtPrinter::EndDoc()
{
    if (!painter_.isActive()) return true;
    if (!painter_.end()) return false;
    return finishJob();
}

void SystemPrinter::prepareDevice(QPrinter& printer) const
{
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(name_);
    printer.setColorMode(QPrinter::Color);
}

void PdfFilePrinter::prepareDevice(QPrinter& printer) const
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setColorMode(QPrinter::Color);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setCreator(QStringLiteral("RKVViewer3"));
}

PdfFilePrinter::PdfFilePrinter() = default;

// A job never ended (the program closing on a print that failed half way)
// leaves no file behind: its painter lets go of the file, and the file
// goes with its private folder.
PdfFilePrinter::~PdfFilePrinter()
{
    if (jobRunning()) abandonJob();
    file_.reset();
}

bool PdfFilePrinter::setOutputFileName(const QString& path)
{
    if (path.isEmpty()) return false;
    // A job that failed half way is dropped with its file: a new file starts
    // a new job.
    if (jobRunning()) abandonJob();
    file_.reset();
    target_ = path;
    return true;
}

// Qt's PDF engine opens its file by name, with create-and-truncate. The name
// it gets leads to a file made exclusively in a private folder of ours (mode
// 0700, a random name, reached through the open folder itself), where no one
// else can plant a link or swap the file, so the engine writes only that
// file.
bool PdfFilePrinter::prepareJob()
{
    file_.reset();
    if (target_.isEmpty()) return false;
    auto file = std::make_unique<ReplacementFile>(target_);
    if (!file->open()) return false;
    device().setOutputFileName(file->writingPath());
    file_ = std::move(file);
    return true;
}

namespace {

// Qt's PDF engine does not report a write that failed part-way (a full disk):
// a whole PDF ends in its "%%EOF" trailer, a cut-off one does not.
bool endsAsWholePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
    file.seek(qMax<qint64>(0, file.size() - 32));
    return file.readAll().contains("%%EOF");
}

}  // namespace

bool PdfFilePrinter::finishJob()
{
    const bool whole = file_ && endsAsWholePdf(file_->writingPath()) && file_->commit();
    file_.reset();  // a file not renamed over the target is dropped
    return whole;
}

}  // namespace Platform
