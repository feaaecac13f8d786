#include "SoakChecks.h"

#include "ModelState.h"
#include "ProgramState.h"
#include "RKV3CanvasCtl.h"
#include "RKV3CanvasCtlTestPeer.h"
#include "Swatch.h"
#include "SwatchList.h"
#include "frmMain.h"
#include "frmMainTestPeer.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <algorithm>

using namespace mdlRKVUtilities;

namespace Soak {

QImage ColourPage(const QImage& page, const std::array<ColorRecord, 256>& scheme)
{
    const QImage source = page.convertToFormat(QImage::Format_RGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int shade = qRed(in[x]), region = qGreen(in[x]), ink = qBlue(in[x]);
            const ColorRecord& e = region == 0 ? PaperColor : scheme[size_t(region)];
            const int colour[3] = {e.Red, e.Green, e.Blue};
            int level[3];
            for (int c = 0; c < 3; ++c)
                level[c] = std::clamp(std::clamp(shade + colour[c] + e.Offset, 0, 255) + ink - 255, 0, 255);
            row[x] = qRgb(level[0], level[1], level[2]);
        }
    }
    return out;
}

Finding CanvasPaletteMatchesScheme(const frmMain& window)
{
    // The checks only read; the peer takes the window as its tests do.
    const frmMainTestPeer windowPeer(const_cast<frmMain&>(window));
    // Before the first model the program holds no scheme at all (every record
    // zero) and the canvas its own starting gray.
    if (std::all_of(SchemeColors.begin() + 1, SchemeColors.end(), [](const ColorRecord& c) { return c == ColorRecord{}; }))
        return {};
    const RKV3CanvasCtlTestPeer peer(*windowPeer.RKVCanvas());
    for (int r = 1; r < SchemeSize; ++r) {
        const RegionPaletteEntry& e = peer.Palette().entry(r);
        const ColorRecord& s = SchemeColors[size_t(r)];
        if (e.Red != s.Red || e.Green != s.Green || e.Blue != s.Blue || e.Offset != s.Offset)
            return QStringLiteral("canvas palette entry %1 is %2,%3,%4,%5 but the scheme holds %6,%7,%8,%9")
                .arg(r).arg(e.Red).arg(e.Green).arg(e.Blue).arg(e.Offset)
                .arg(s.Red).arg(s.Green).arg(s.Blue).arg(s.Offset);
    }
    return {};
}

Finding PanelsMatchSets(const frmMain& window)
{
    // The checks only read; the peer takes the window as its tests do.
    const frmMainTestPeer peer(const_cast<frmMain&>(window));
    const auto row = [](const SwatchList& list, int i, const ColorRecord& c, const QString& name) {
        const Swatch* swatch = list.swatch(i);
        return swatch && swatch->BackColor() == ColorValueOf(c) && swatch->Tag() == QString::number(c.Offset)
               && swatch->toolTip() == name;
    };
    if (peer.regionList()->ContentShown())
        for (int r = 1; r <= peer.regionList()->RowCount(); ++r)
            if (!row(*peer.regionList(), r, SchemeColors[size_t(r)], SchemeNames[size_t(r)]))
                return QStringLiteral("region swatch %1 does not show the scheme's entry").arg(r);
    if (peer.paletteList()->ContentShown())
        for (int i = 0; i < std::min(PaletteCount, peer.paletteList()->RowCount()); ++i)
            if (!row(*peer.paletteList(), i, PaletteColors[size_t(i)], PaletteNames[size_t(i)]))
                return QStringLiteral("palette swatch %1 does not show the palette's entry").arg(i);
    return {};
}

Finding ScreenMatchesPage(const frmMain& window)
{
    // The checks only read; the peer takes the window as its tests do.
    const frmMainTestPeer peer(const_cast<frmMain&>(window));
    if (!ModelIsOpen()) return {};
    // The page list and the caption name the page shown.
    const int current = Model.CurrentPage;
    if (current < 1 || current > Model.Pages.size() || peer.cboPage()->currentIndex() != current - 1)
        return QStringLiteral("page %1 of %2 is current but the page list shows entry %3")
            .arg(current).arg(Model.Pages.size()).arg(peer.cboPage()->currentIndex() + 1);
    const QString caption = QStringLiteral("RKVViewer 3 (%1, %2)").arg(Model.ModelFileName, Model.Pages[current - 1].Title);
    if (window.windowTitle() != caption)
        return QStringLiteral("the caption is \"%1\", not \"%2\"").arg(window.windowTitle(), caption);
    const QString path = PagePath(Model.CurrentPage);
    if (!QFile::exists(path)) return {};
    const QImage page(path);
    if (page.isNull()) return {};
    std::array<ColorRecord, 256> scheme{};
    std::copy(SchemeColors.begin(), SchemeColors.end(), scheme.begin());
    const QImage expected = ColourPage(page, scheme);
    const QImage shown = peer.RKVCanvas()->CanvasImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != expected.size())
        return QStringLiteral("page %1 is %2 x %3 but the screen holds %4 x %5")
            .arg(Model.CurrentPage).arg(expected.width()).arg(expected.height())
            .arg(shown.width()).arg(shown.height());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((shown.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF))
                return QStringLiteral("page %1 pixel (%2, %3) shows %4 but colours to %5")
                    .arg(Model.CurrentPage).arg(x).arg(y)
                    .arg(shown.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(expected.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    return {};
}

SetContents SetContents::Now(const frmMain& window)
{
    // The checks only read; the peer takes the window as its tests do.
    const frmMainTestPeer peer(const_cast<frmMain&>(window));
    SetContents c;
    c.schemeColors = SchemeColors;
    c.schemeNames = SchemeNames;
    c.schemeLabel = peer.lblSchemeName()->text();
    c.paletteCount = PaletteCount;
    c.paletteColors = PaletteColors;
    c.paletteNames = PaletteNames;
    c.paletteLabel = peer.lblPaletteName()->text();
    c.schemeModified = SchemeModified;
    c.paletteModified = PaletteModified;
    return c;
}

// Region 0 is the paper: it lives in the viewer alone and is no step's business.
bool SetContents::SameScheme(const SetContents& o) const
{
    return std::equal(schemeColors.begin() + 1, schemeColors.end(), o.schemeColors.begin() + 1)
           && std::equal(schemeNames.begin() + 1, schemeNames.end(), o.schemeNames.begin() + 1)
           && schemeLabel == o.schemeLabel;
}

bool SetContents::SamePalette(const SetContents& o) const
{
    const int n = std::clamp(paletteCount, 0, PaletteCapacity);
    return paletteCount == o.paletteCount && paletteLabel == o.paletteLabel
           && std::equal(paletteColors.begin(), paletteColors.begin() + n, o.paletteColors.begin())
           && std::equal(paletteNames.begin(), paletteNames.begin() + n, o.paletteNames.begin());
}

void UndoLedger::Reset(const SetContents& now)
{
    steps_.clear();
    positions_ = {now};
}

void UndoLedger::StepRecorded(Set set, const SetContents& after, int index)
{
    // A step pushed at position index - 1 drops every step after it.
    steps_.resize(std::max(index - 1, 0));
    steps_.append(set);
    positions_.resize(index);
    positions_.append(after);
}

bool UndoLedger::crossesStep(Set set, int from, int to) const
{
    for (int step = std::min(from, to); step < std::max(from, to); ++step)
        if (step < steps_.size() && steps_[step] == set) return true;
    return false;
}

void UndoLedger::Saved(Set set, int index, const QString& label)
{
    if (index < 0 || index >= positions_.size()) return;
    // Every position whose way to the saved one crosses no step of the set
    // holds the saved contents: it matches the file and is named after it.
    for (int p = 0; p < positions_.size(); ++p) {
        const bool crosses = crossesStep(set, p, index);
        (set == Set::Scheme ? positions_[p].schemeModified : positions_[p].paletteModified) = crosses;
        if (!crosses) (set == Set::Scheme ? positions_[p].schemeLabel : positions_[p].paletteLabel) = label;
    }
}

bool UndoLedger::Expected(Set set, int index) const
{
    if (index < 0 || index >= positions_.size()) return false;
    return set == Set::Scheme ? positions_[index].schemeModified : positions_[index].paletteModified;
}

Finding UndoLedger::Compare(const SetContents& now, int index, int count) const
{
    if (count + 1 != positions_.size())
        return QStringLiteral("the history holds %1 steps, the soak counted %2").arg(count).arg(positions_.size() - 1);
    const SetContents& want = positions_[index];
    if (!now.SameScheme(want))
        return QStringLiteral("the scheme at undo position %1 is not what it was there (label \"%2\", was \"%3\")")
            .arg(index).arg(now.schemeLabel, want.schemeLabel);
    if (!now.SamePalette(want))
        return QStringLiteral("the palette at undo position %1 is not what it was there (label \"%2\", was \"%3\")")
            .arg(index).arg(now.paletteLabel, want.paletteLabel);
    if (now.schemeModified != want.schemeModified || now.paletteModified != want.paletteModified)
        return QStringLiteral("at undo position %1 of %2 the flags are scheme %3, palette %4; the position gives %5, %6")
            .arg(index).arg(count).arg(now.schemeModified).arg(now.paletteModified)
            .arg(want.schemeModified).arg(want.paletteModified);
    return {};
}

}  // namespace Soak
