#include "platform/testing/PrinterRecording.h"

#include <cmath>

namespace Platform {

QStringList RecordingPrinter::ops() const
{
    QStringList names;
    for (const PrinterCall& call : calls_) names.append(call.op);
    return names;
}

QList<PrinterCall> RecordingPrinter::callsOf(const QString& op) const
{
    QList<PrinterCall> found;
    for (const PrinterCall& call : calls_)
        if (call.op == op) found.append(call);
    return found;
}

bool RecordingPrinter::record(const QString& op, QList<double> values, const QString& text,
                              const QImage& picture)
{
    calls_.append(PrinterCall{op, std::move(values), text, picture});
    return !refused_.contains(op);
}

bool RecordingPrinter::setOutputFileName(const QString& path)
{
    return record("OutputFileName", {}, path) && writesFile_;
}

bool RecordingPrinter::setPaperSize(short value)
{
    if (!record("PaperSize", {double(value)})) return false;
    double width = 0, height = 0;
    if (value == PaperA4) {
        width = 210 / 25.4;
        height = 297 / 25.4;
    } else if (value == PaperLetter) {
        width = 8.5;
        height = 11.0;
    } else {
        return false;
    }
    // The unprintable margins stay as they are.
    sheet_.printWidth += width - sheet_.paperWidth;
    sheet_.printHeight += height - sheet_.paperHeight;
    sheet_.paperWidth = width;
    sheet_.paperHeight = height;
    return true;
}

bool RecordingPrinter::setFontName(const QString& name) { return record("FontName", {}, name); }

bool RecordingPrinter::setFontSize(float points)
{
    fontSize_ = points;
    return record("FontSize", {double(points)});
}

bool RecordingPrinter::setScaleMode(int mode)
{
    if (!record("ScaleMode", {double(mode)})) return false;
    if (deviceUnitsPerScaleUnit(mode, 1.0) <= 0) return false;
    scaleMode_ = mode;
    return true;
}

int RecordingPrinter::GetDeviceCaps(int index) const
{
    const auto pixels = [](double inches, int dpi) { return int(std::lround(inches * dpi)); };
    switch (index) {
    case LOGPIXELSX: return sheet_.dpiX;
    case LOGPIXELSY: return sheet_.dpiY;
    case PHYSICALWIDTH: return pixels(sheet_.paperWidth, sheet_.dpiX);
    case PHYSICALHEIGHT: return pixels(sheet_.paperHeight, sheet_.dpiY);
    case PHYSICALOFFSETX: return pixels(sheet_.offsetX, sheet_.dpiX);
    case PHYSICALOFFSETY: return pixels(sheet_.offsetY, sheet_.dpiY);
    default: return 0;
    }
}

bool RecordingPrinter::setCurrentX(double x)
{
    currentX_ = x;
    return record("CurrentX", {x});
}

bool RecordingPrinter::setCurrentY(double y)
{
    currentY_ = y;
    return record("CurrentY", {y});
}

double RecordingPrinter::TextWidth(const QString& text)
{
    return text.size() * fontSize_ * 0.1 / 72.0 * sheet_.dpiX / unitX();
}

double RecordingPrinter::TextHeight(const QString& text)
{
    return fontSize_ / 72.0 * sheet_.dpiY / unitY();
}

bool RecordingPrinter::PaintPicture(const QImage& picture, double x, double y, double width,
                                    double height)
{
    return record("PaintPicture", {x, y, width, height}, QString(), picture);
}

bool RecordingPrinter::Print(const QString& text)
{
    const bool ok = record("Print", {currentX_, currentY_}, text);
    currentX_ = 0;
    currentY_ += TextHeight(text);
    return ok;
}

bool RecordingPrinter::Box(double x1, double y1, double x2, double y2, int color)
{
    return record("Box", {x1, y1, x2, y2, double(color)});
}

bool RecordingPrinter::Line(double x1, double y1, double x2, double y2, int color)
{
    return record("Line", {x1, y1, x2, y2, double(color)});
}

RecordingPrinters::RecordingPrinters(QList<std::shared_ptr<RecordingPrinter>> printers,
                                     const QString& defaultName)
    : printers_(std::move(printers))
{
    PrinterRegistry::Installed list;
    for (const auto& printer : printers_) list.printers.append(printer);
    list.defaultName = defaultName.isEmpty() && !printers_.isEmpty() ? printers_.first()->DeviceName()
                                                                     : defaultName;
    previous_ = PrinterRegistry::install(std::move(list));
}

RecordingPrinters::~RecordingPrinters() { PrinterRegistry::install(std::move(previous_)); }

}  // namespace Platform
