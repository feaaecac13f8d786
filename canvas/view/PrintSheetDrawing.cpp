#include "view/PrintSheetDrawing.h"

#include "platform/Printer.h"

#include <QCoreApplication>

namespace {

using Platform::Printer;

// The pen of the trim marks and the scale bars, in device pixels.
constexpr int ThinDrawWidth = 1;
constexpr float HeaderPoints = 10.0f;
constexpr float FooterPoints = 8.0f;
constexpr float ScaleLabelPoints = 6.0f;
// Space between the scale bars and the footer line below them.
constexpr float ScaleBarGap = 0.02f;
constexpr int Black = 0;
// Three spaces between the header and its note.
const QString NoteSeparator = QStringLiteral("   ");

// Prints text in the current font centred on the printable width, its top
// edge at y.
bool printCentred(Printer& printer, const QString& text, float printWidth, double y)
{
    const double width = printer.TextWidth(text);
    return printer.setCurrentX(printWidth / 2 - width / 2) && printer.setCurrentY(y) && printer.Print(text);
}

bool printAt(Printer& printer, const QString& text, double x, double y)
{
    return printer.setCurrentX(x) && printer.setCurrentY(y) && printer.Print(text);
}

bool drawLines(Printer& printer, const std::vector<PrintLine>& lines)
{
    for (const PrintLine& line : lines)
        if (!printer.Line(line.x1, line.y1, line.x2, line.y2, Black)) return false;
    return true;
}

// The 50 mm and 2 in bars above the footer line, thin, with their labels.
bool drawScaleBars(Printer& printer, float printHeight, float hOffset, float vOffset)
{
    if (!printer.setFontSize(FooterPoints)) return false;
    const double footerHeight = printer.TextHeight(QStringLiteral("Xg"));
    const QString metric = QCoreApplication::translate("PrintImage", "50 mm");
    const QString imperial = QCoreApplication::translate("PrintImage", "2 in");
    if (!printer.setFontSize(ScaleLabelPoints)) return false;
    const float baseline = float(printHeight - vOffset - footerHeight) - ScaleBarGap;
    const ScaleBarLayout bars =
        LayOutScaleBars(hOffset, baseline, float(printer.TextWidth(metric)), float(printer.TextHeight(metric)));
    return printer.setDrawWidth(ThinDrawWidth) && drawLines(printer, bars.lines)
           && printAt(printer, metric, bars.metricLabelX, bars.labelTop)
           && printAt(printer, imperial, bars.imperialLabelX, bars.labelTop)
           && printer.setDrawWidth(FrameDrawWidth);
}

}  // namespace

bool DrawSheetTexts(Printer& printer, const SheetTexts& texts, float printWidth, float printHeight, float hOffset,
                    float vOffset)
{
    if (!texts.header.isEmpty()
        && (!printer.setFontSize(HeaderPoints) || !printCentred(printer, texts.header, printWidth, vOffset)))
        return false;
    if (!texts.footer.isEmpty()) {
        if (!printer.setFontSize(FooterPoints)) return false;
        const double height = printer.TextHeight(texts.footer);
        if (!printCentred(printer, texts.footer, printWidth, printHeight - vOffset - height)) return false;
    }
    if (texts.scaleBar && !drawScaleBars(printer, printHeight, hOffset, vOffset)) return false;
    return printer.Box(hOffset, vOffset, printWidth - hOffset, printHeight - vOffset, Black);
}

QString HeaderWithNote(const QString& header, const QString& note)
{
    if (note.isEmpty()) return header;
    return header.isEmpty() ? note : header + NoteSeparator + note;
}

QString PartNote(const SplitPlan& plan, const PagePart& part)
{
    return QCoreApplication::translate("PrintImage", "Part: row %1 of %2, column %3 of %4")
        .arg(part.row + 1)
        .arg(plan.rows.size())
        .arg(part.column + 1)
        .arg(plan.columns.size());
}

QString FitNote(float scale)
{
    return QCoreApplication::translate("PrintImage", "Not at true size: scaled to %1%")
        .arg(QString::number(double(scale) * 100.0, 'f', 1));
}

bool PrintSplitPage(Printer& printer, const QImage& page, int resolution, const SplitPlan& plan,
                    const PrintArea& area, const SheetTexts& texts, float printWidth, float printHeight,
                    float hOffset, float vOffset)
{
    const float r = float(resolution);
    for (size_t i = 0; i < plan.parts.size(); ++i) {
        const PagePart& part = plan.parts[i];
        if (i > 0 && !printer.NewPage()) return false;
        // Only the part goes to the sheet: a part-sized picture, dropped
        // before the next part is cut.
        const QImage picture = page.copy(part.x, part.y, part.width, part.height);
        if (picture.isNull()
            || !printer.PaintPicture(picture, area.left, area.top, float(part.width) / r, float(part.height) / r))
            return false;
        if (!printer.setDrawWidth(ThinDrawWidth)
            || !drawLines(printer, TrimMarks(plan, part, resolution, area.left, area.top))
            || !printer.setDrawWidth(FrameDrawWidth))
            return false;
        SheetTexts sheet = texts;
        sheet.header = HeaderWithNote(texts.header, PartNote(plan, part));
        if (!DrawSheetTexts(printer, sheet, printWidth, printHeight, hOffset, vOffset)) return false;
    }
    return true;
}
