#include "print/PrintLayout.h"

#include "platform/Printer.h"
#include "textinput/NumericText.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

using namespace Platform;

LengthUnit UnitOfPaper(qint32 paperCode)
{
    if (paperCode == PaperLetter) return {true, 1.0f, QStringLiteral(" in"), QStringLiteral("in")};
    if (paperCode == PaperA4) return {true, 25.4f, QStringLiteral(" mm"), QStringLiteral("mm")};
    return {};
}

void ApplyPrinterSettings(const PrintSettings& settings, Printer& printer)
{
    // A refused value is skipped; the next one is still set.
    printer.setPaperSize(short(settings.PaperCode));
    printer.setCopies(short(settings.CopyCount));
    printer.setPrintQuality(short(settings.QualityCode));
}

void MeasurePrinter(PrintSettings& s, Printer& printer)
{
    printer.setScaleMode(ScalePixels);
    const double twipsX = printer.TwipsPerPixelX();
    const double twipsY = printer.TwipsPerPixelY();
    s.PhysicalWidth = float(printer.GetDeviceCaps(PHYSICALWIDTH) * twipsX / 1440.0);
    s.PhysicalHeight = float(printer.GetDeviceCaps(PHYSICALHEIGHT) * twipsY / 1440.0);
    s.PrintWidth = float(printer.ScaleWidth() * twipsX / 1440.0);
    s.PrintHeight = float(printer.ScaleHeight() * twipsY / 1440.0);
    s.TopMargin = float(printer.GetDeviceCaps(PHYSICALOFFSETY) * twipsY / 1440.0);
    s.BottomMargin = s.PhysicalHeight - (s.PrintHeight + s.TopMargin);
    s.LeftMargin = float(printer.GetDeviceCaps(PHYSICALOFFSETX) * twipsX / 1440.0);
    s.RightMargin = s.PhysicalWidth - (s.LeftMargin + s.PrintWidth);
}

QString TwoDecimals(double value) { return QLocale().toString(value, 'f', 2); }

QString FormatLength(float inches, qint32 paperCode)
{
    const LengthUnit unit = UnitOfPaper(paperCode);
    if (!unit.known) return QString();
    return TwoDecimals(double(inches * unit.factor)) + unit.suffix;
}

QString OffsetText(float inches, qint32 paperCode)
{
    const LengthUnit unit = UnitOfPaper(paperCode);
    return unit.known ? TwoDecimals(double(inches * unit.factor)) : QString();
}

std::optional<double> OffsetBoxValue(const QString& text)
{
    if (const std::optional<double> value = NumericValueOf(text)) return value;
    // The user's own decimal separator ("6,35"), as the boxes show numbers.
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value)) return value;
    return std::nullopt;
}

float RoundToHundredths(double value)
{
    return QString::number(value, 'f', 2).toFloat();
}

std::optional<float> OffsetFromEntry(const QString& text, qint32 paperCode, float stored)
{
    const std::optional<double> value = OffsetBoxValue(text);
    if (!value) return std::nullopt;
    const LengthUnit unit = UnitOfPaper(paperCode);
    if (!unit.known) return stored;
    return RoundToHundredths(*value / double(unit.factor));
}

PageInches PageSizeInches(int widthPixels, int heightPixels, int resolution)
{
    return {float(double(widthPixels) / resolution), float(double(heightPixels) / resolution)};
}

QString TilingLabel(const PrintTiles& tiles)
{
    return QCoreApplication::translate("PrintLayout", "H Tiles: %1 / V Tiles: %2").arg(tiles.across).arg(tiles.down);
}

QString ShortestGeneral(float value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(value), 'g', 7);
}

QString PartSizeCaption(const PageInches& page, qint32 paperCode)
{
    const LengthUnit unit = UnitOfPaper(paperCode);
    return QCoreApplication::translate("PrintLayout", "RKV3Printer (Part Size: %1x%2%3)")
        .arg(ShortestGeneral(page.width * unit.factor), ShortestGeneral(unit.factor * page.height), unit.suffix);
}
