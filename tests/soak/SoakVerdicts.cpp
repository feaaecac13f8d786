// After each action: the soak's account of the history brought up to date
// from what the user was asked and answered, then every rule checked.
#include "SoakDriver.h"

#include "SoakWorld.h"
#include "mainwindow/FillToolButton.h"
#include "mainwindow/frmMain.h"
#include "model/ProgramState.h"
#include "model/core/ModelState.h"

#include <QFileInfo>
#include <QUndoStack>
#include <algorithm>

namespace util = mdlRKVUtilities;

namespace Soak {

QString Driver::followHistory()
{
    QUndoStack& stack = *p_.Coloring()->Stack();
    const int index = stack.index(), count = stack.count();
    const SetContents now = SetContents::Now(w_);

    // The prompts and saves happened at the position the action started at.
    // A No gives nothing up by itself: the set's flag stays until the
    // operation goes ahead, and a load or an open that goes ahead sets it anew.
    bool promptYes[2] = {false, false}, promptNo[2] = {false, false}, savedAfterYes[2] = {false, false};
    bool chooserCancelled = false, chosen = false, chooserAfterYes = false;
    for (const Event& e : events_) {
        const int s = int(e.set);
        if (e.kind == Event::PromptNo) {
            promptNo[s] = true;
        } else if (e.kind == Event::PromptYes) {
            promptYes[s] = true;
        } else if (e.kind == Event::SaveGood) {
            if (const QString whole = World::wholeColorSetFile(e.path); !whole.isEmpty())
                return QStringLiteral("a save into a writable folder did not write a whole file: ") + whole;
            world_.remember(e.path);
            savedAfterYes[s] = savedAfterYes[s] || promptYes[s];
            ledger_.Saved(e.set, indexBefore_,
                          (e.set == Set::Palette ? QStringLiteral("Palette: ") : QStringLiteral("Scheme: "))
                              + QFileInfo(e.path).fileName());
        } else if (e.kind == Event::SaveFull || e.kind == Event::SaveLocked) {
            const bool told = std::any_of(events_.begin(), events_.end(), [](const Event& m) {
                return m.kind == Event::Message && m.path.startsWith(QLatin1String("Error saving"));
            });
            if (!told) return QStringLiteral("a save that could not be written was not reported");
        } else if (e.kind == Event::OpenCancelled || e.kind == Event::OpenChosen) {
            (e.kind == Event::OpenCancelled ? chooserCancelled : chosen) = true;
            chooserAfterYes = chooserAfterYes || promptYes[0] || promptYes[1];
        }
    }
    const bool opened = kind_ == Kind::OpenModel && chosen && count == 0 && util::ModelIsOpen()
                        && QFileInfo(util::Model.ModelFolder + util::Model.ModelFileName) == QFileInfo(openTarget_);
    // Asked to save, the user said Yes and no save happened: the action
    // stops there, with the set still unsaved and nothing else changed.
    for (int s = 0; s < 2; ++s) {
        if (!promptYes[s] || savedAfterYes[s]) continue;
        const bool stillModified = s == int(Set::Palette) ? now.paletteModified : now.schemeModified;
        if (chooserAfterYes || !stillModified || index != indexBefore_ || count != countBefore_
            || util::ModelIsOpen() != modelOpenBefore_)
            return QStringLiteral("a save prompt answered Yes whose save was not made let the action go on");
    }
    if (chooserCancelled
        && ((promptNo[int(Set::Scheme)] && now.schemeModified != before_.schemeModified)
            || (promptNo[int(Set::Palette)] && now.paletteModified != before_.paletteModified)))
        return QStringLiteral("a save prompt answered No and the chooser then cancelled changed the modified flag");

    switch (kind_) {
    case Kind::CloseModel:
        if (!p_.mnuFileClose()->isEnabled() && !util::ModelIsOpen() && count == 0) {
            if (now.schemeModified || now.paletteModified) return QStringLiteral("closing left a modified flag set");
            ledger_.Reset(now);
            return {};
        }
        break;
    case Kind::OpenModel:
        if (opened) {
            // The model's scheme is its own; the palette stays, and keeps its
            // flag unless its change was given up or saved.
            const bool palette = before_.paletteModified && !promptNo[int(Set::Palette)]
                                 && !savedAfterYes[int(Set::Palette)];
            if (now.schemeModified || now.paletteModified != palette)
                return QStringLiteral("a model just opened has the flags scheme %1, palette %2 (should be 0, %3)")
                    .arg(now.schemeModified).arg(now.paletteModified).arg(palette);
            ledger_.Reset(now);
            return {};
        }
        break;
    case Kind::Undo:
    case Kind::Redo: {
        const int expected = std::clamp(indexBefore_ + (kind_ == Kind::Undo ? -1 : 1), 0, count);
        if (index != expected) return QStringLiteral("%1 moved the history from %2 to %3")
                .arg(kind_ == Kind::Undo ? "undo" : "redo").arg(indexBefore_).arg(index);
        break;
    }
    default:
        if (index == indexBefore_ + 1 && count == index) {
            const bool palette = kind_ == Kind::EditPaletteColor || kind_ == Kind::RenameColor
                                 || kind_ == Kind::LoadPalette;
            const Set set = palette ? Set::Palette : Set::Scheme;
            const bool load = kind_ == Kind::LoadPalette || kind_ == Kind::LoadScheme;
            const bool broken = openTarget_ == world_.brokenPalette() || openTarget_ == world_.brokenScheme();
            const bool want = load ? broken : true;
            const bool other = ledger_.Expected(palette ? Set::Scheme : Set::Palette, indexBefore_);
            const bool got = palette ? now.paletteModified : now.schemeModified;
            const bool gotOther = palette ? now.schemeModified : now.paletteModified;
            if (got != want || gotOther != other)
                return QStringLiteral("after the step the %1 flag is %2 (should be %3) and the other %4 (should be %5)")
                    .arg(palette ? "palette" : "scheme").arg(got).arg(want).arg(gotOther).arg(other);
            ledger_.StepRecorded(set, now, index);
        } else if (index != indexBefore_) {
            return QStringLiteral("the history moved from %1 to %2 without undo or redo").arg(indexBefore_).arg(index);
        }
    }
    return ledger_.Compare(now, index, count);
}

// A drop changes one region: the one aimed at, or on the page the one under
// the pointer (or none, on the paper); it takes the colour, offset and name.
QString Driver::dropLanded() const
{
    QList<int> changed;
    for (int r = 1; r < util::SchemeSize; ++r)
        if (!(util::SchemeColors[size_t(r)] == before_.schemeColors[size_t(r)])
            || util::SchemeNames[size_t(r)] != before_.schemeNames[size_t(r)])
            changed << r;
    if (changed.size() > 1) return QStringLiteral("one drop changed %1 regions").arg(changed.size());
    const int r = changed.isEmpty() ? dropRegion_ : changed[0];
    if (dropRegion_ != 0 && r != dropRegion_)
        return QStringLiteral("a drop on region %1 changed region %2").arg(dropRegion_).arg(r);
    if (r != 0 && (!(util::SchemeColors[size_t(r)] == dropColor_) || util::SchemeNames[size_t(r)] != dropName_))
        return QStringLiteral("region %1 did not take the dropped colour and name").arg(r);
    return {};
}

QString Driver::Check()
{
    if (dropRegion_ >= 0)
        if (QString f = dropLanded(); !f.isEmpty()) return f;
    if (QString f = followHistory(); !f.isEmpty()) return f;
    if (QString f = foundWhereExpected(); !f.isEmpty()) return f;
    if (!(p_.optFillTool()->FillColor() == fill_))
        return QStringLiteral("the fill colour is %1/%2, not %3/%4").arg(p_.optFillTool()->FillColor().color, 6, 16, QLatin1Char('0'))
            .arg(p_.optFillTool()->FillColor().offset).arg(fill_.color, 6, 16, QLatin1Char('0')).arg(fill_.offset);
    if (offsetIndex_ >= 0 && util::PaletteColors[size_t(offsetIndex_)].Offset != offsetWanted_)
        return QStringLiteral("palette colour %1 has the offset %2, not %3")
            .arg(offsetIndex_).arg(util::PaletteColors[size_t(offsetIndex_)].Offset).arg(offsetWanted_);
    if (QString f = CanvasPaletteMatchesScheme(w_); !f.isEmpty()) return f;
    if (QString f = ScreenMatchesPage(w_); !f.isEmpty()) return f;
    if (QString f = PanelsMatchSets(w_); !f.isEmpty()) return f;
    return world_.lostOrCutShort();
}

}  // namespace Soak
