#include "print/PrintSheetChoices.h"

#include "platform/Printer.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

// No overlap is longer than this many inches (a sheet is far shorter).
constexpr double LongestLength = 1000.0;

}  // namespace

float DefaultOverlap(qint32 paperCode)
{
    return paperCode == Platform::PaperA4 ? float(10.0 / 25.4) : 0.4f;
}

std::optional<float> ParseLength(const QString& text)
{
    static const QRegularExpression length(QStringLiteral("^\\s*([0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)\\s*(mm|in)\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = length.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const double value = match.captured(1).toDouble();
    const double inches = match.captured(2).compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0 ? value / 25.4 : value;
    if (!std::isfinite(inches) || inches > LongestLength) return std::nullopt;
    return float(inches);
}

QString LengthText(float inches, qint32 paperCode)
{
    if (paperCode == Platform::PaperA4)
        return QString::number(double(inches) * 25.4, 'g', 6) + QStringLiteral("mm");
    return QString::number(double(inches), 'g', 6) + QStringLiteral("in");
}

PrintSheetOptions SheetOptionsOf(const PrintSettings& s)
{
    PrintSheetOptions options;
    options.split = s.TileMode == SplitTileMode;
    options.overlap = s.Overlap;
    options.fit = s.FitToSheet && s.TileMode == 1;
    options.scaleBar = s.ScaleBar;
    return options;
}

PrintArea AreaOf(const PrintSettings& s) { return TileArea(s.PrintWidth, s.PrintHeight, s.HOffset, s.VOffset); }

SplitPlan SplitOf(const PrintSettings& s, int pageWidth, int pageHeight, int resolution)
{
    return PlanSplit(pageWidth, pageHeight, resolution, AreaOf(s), s.Overlap);
}

QString SheetsLabel(const SplitPlan& plan)
{
    return QCoreApplication::translate("PrintSheetChoices", "Sheets: %1 x %2 per page").arg(plan.columns.size()).arg(plan.rows.size());
}

std::optional<QString> SplitRefusalText(const SplitPlan& plan, int resolution, qint32 paperCode)
{
    const auto length = [&](double pixels) {
        const QString text = FormatLength(float(pixels / resolution), paperCode);
        return text.isEmpty() ? QString::number(pixels / resolution, 'f', 2) + QStringLiteral(" in") : text;
    };
    switch (plan.refusal) {
    case SplitRefusal::None: return std::nullopt;
    case SplitRefusal::NoArea: return QCoreApplication::translate("PrintSheetChoices", "The sheet has no room for a part of the page.");
    case SplitRefusal::NegativeOverlap: return QCoreApplication::translate("PrintSheetChoices", "The overlap cannot be negative.");
    case SplitRefusal::OverlapTooLarge: {
        const int part = std::min(plan.widestPart, plan.tallestPart);
        return QCoreApplication::translate("PrintSheetChoices", "The overlap (%1) must be shorter than a part (%2).").arg(length(plan.overlap), length(part));
    }
    case SplitRefusal::TooManySheets:
        return QCoreApplication::translate("PrintSheetChoices", "The page would need more than %1 sheets; choose a smaller overlap.").arg(MaxSplitSheets);
    }
    return std::nullopt;
}

std::optional<QString> CutOffWarning(const PrintSettings& s, const PageInches& page)
{
    if (s.TileMode != 0 && s.TileMode != 1) return std::nullopt;
    if (s.TileMode == 1 && s.FitToSheet) return std::nullopt;
    if (!PageOverflowsArea(page.width, page.height, AreaOf(s))) return std::nullopt;
    return QCoreApplication::translate("PrintSheetChoices", "The page is larger than the sheet: part of it will be cut off. "
              "Choose Split Across Sheets, or Center On Page with Fit to Sheet.");
}
