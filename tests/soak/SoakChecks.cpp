#include "SoakChecks.h"

#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmMainTestPeer.h"
#include "model/ProgramState.h"
#include "model/core/ModelState.h"
#include "view/RKV3CanvasCtl.h"
#include "view/RKV3CanvasCtlTestPeer.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <algorithm>

namespace util = mdlRKVUtilities;

namespace Soak {

QImage ColorPage(const QImage& page, const std::array<util::ColorRecord, 256>& scheme)
{
    const QImage source = page.convertToFormat(QImage::Format_RGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int shade = qRed(in[x]), region = qGreen(in[x]), ink = qBlue(in[x]);
            const util::ColorRecord& e = region == 0 ? util::PaperColor : scheme[size_t(region)];
            const int color[3] = {e.Red, e.Green, e.Blue};
            int level[3];
            for (int c = 0; c < 3; ++c)
                level[c] = std::clamp(std::clamp(shade + color[c] + e.Offset, 0, 255) + ink - 255, 0, 255);
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
    if (std::all_of(util::SchemeColors.begin() + 1, util::SchemeColors.end(), [](const util::ColorRecord& c) { return c == util::ColorRecord{}; }))
        return {};
    const RKV3CanvasCtlTestPeer peer(*windowPeer.RKVCanvas());
    for (int r = 1; r < util::SchemeSize; ++r) {
        const RKV3Canvas::RegionPaletteEntry& e = peer.Palette().entry(r);
        const util::ColorRecord& s = util::SchemeColors[size_t(r)];
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
    const auto row = [](const SwatchList& list, int i, const util::ColorRecord& c, const QString& name) {
        const Swatch* swatch = list.swatch(i);
        return swatch && swatch->BackColor() == util::ColorValueOf(c) && swatch->Tag() == QString::number(c.Offset)
               && swatch->toolTip() == name;
    };
    if (peer.regionList()->contentShown())
        for (int r = 1; r <= peer.regionList()->rowCount(); ++r)
            if (!row(*peer.regionList(), r, util::SchemeColors[size_t(r)], util::SchemeNames[size_t(r)]))
                return QStringLiteral("region swatch %1 does not show the scheme's entry").arg(r);
    if (peer.paletteList()->contentShown())
        for (int i = 0; i < std::min(util::PaletteCount, peer.paletteList()->rowCount()); ++i)
            if (!row(*peer.paletteList(), i, util::PaletteColors[size_t(i)], util::PaletteNames[size_t(i)]))
                return QStringLiteral("palette swatch %1 does not show the palette's entry").arg(i);
    return {};
}

Finding ScreenMatchesPage(const frmMain& window)
{
    // The checks only read; the peer takes the window as its tests do.
    const frmMainTestPeer peer(const_cast<frmMain&>(window));
    if (!util::ModelIsOpen()) return {};
    // The page list and the caption name the page shown.
    const int current = util::Model.CurrentPage;
    if (current < 1 || current > util::Model.Pages.size() || peer.cboPage()->currentIndex() != current - 1)
        return QStringLiteral("page %1 of %2 is current but the page list shows entry %3")
            .arg(current).arg(util::Model.Pages.size()).arg(peer.cboPage()->currentIndex() + 1);
    const QString caption = QStringLiteral("RKVViewer 3 (%1, %2)").arg(util::Model.ModelFileName, util::Model.Pages[current - 1].Title);
    if (window.windowTitle() != caption)
        return QStringLiteral("the caption is \"%1\", not \"%2\"").arg(window.windowTitle(), caption);
    const QString path = util::PagePath(util::Model.CurrentPage);
    if (!QFile::exists(path)) return {};
    const QImage page(path);
    if (page.isNull()) return {};
    std::array<util::ColorRecord, 256> scheme{};
    std::copy(util::SchemeColors.begin(), util::SchemeColors.end(), scheme.begin());
    const QImage expected = ColorPage(page, scheme);
    const QImage shown = peer.RKVCanvas()->CanvasImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != expected.size())
        return QStringLiteral("page %1 is %2 x %3 but the screen holds %4 x %5")
            .arg(util::Model.CurrentPage).arg(expected.width()).arg(expected.height())
            .arg(shown.width()).arg(shown.height());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((shown.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF))
                return QStringLiteral("page %1 pixel (%2, %3) shows %4 but colours to %5")
                    .arg(util::Model.CurrentPage).arg(x).arg(y)
                    .arg(shown.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(expected.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    return {};
}

SetContents SetContents::Now(const frmMain& window)
{
    // The checks only read; the peer takes the window as its tests do.
    const frmMainTestPeer peer(const_cast<frmMain&>(window));
    SetContents c;
    c.schemeColors = util::SchemeColors;
    c.schemeNames = util::SchemeNames;
    c.schemeLabel = peer.lblSchemeName()->text();
    c.paletteCount = util::PaletteCount;
    c.paletteColors = util::PaletteColors;
    c.paletteNames = util::PaletteNames;
    c.paletteLabel = peer.lblPaletteName()->text();
    c.schemeModified = util::SchemeModified;
    c.paletteModified = util::PaletteModified;
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
    const int n = std::clamp(paletteCount, 0, util::PaletteCapacity);
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
