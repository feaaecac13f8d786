#pragma once

// What must hold after every action of the soak, worked out here from the
// files and from the soak's own record of what it did, never through the
// code under test.
#include "model/core/ColorSets.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <map>

class frmMain;

namespace Soak {

// A page file's pixels coloured by the colouring rule: for each channel,
// level = clamp(shade + colour + offset) to 0..255, then
// clamp(level + ink - 255) to 0..255, where shade, region and ink are the
// red, green and blue bytes of the page pixel. Region 0 takes the paper
// (white, offset 0), regions 1 to 255 the scheme's entries.
QImage ColorPage(const QImage& page, const std::array<mdlRKVUtilities::ColorRecord, 256>& scheme);

// One broken rule, in words, or empty.
using Finding = QString;

// The canvas's region palette against the scheme's entries 1 to 255, once
// the program holds a scheme.
Finding CanvasPaletteMatchesScheme(const frmMain& window);

// The swatches shown in the region and palette lists against the scheme's
// and the palette's entries: colour, offset and name.
Finding PanelsMatchSets(const frmMain& window);

// The page on the screen against the current page's file coloured here,
// and the page list and the window's caption against the current page.
// Nothing is checked while no model is open or its page file is missing
// (a missing page leaves the screen as it was).
Finding ScreenMatchesPage(const frmMain& window);

// The contents of the two colour sets at one undo position, as the user
// sees them: entries, names and the file name label.
struct SetContents {
    std::array<mdlRKVUtilities::ColorRecord, mdlRKVUtilities::SchemeSize> schemeColors{};
    std::array<QString, mdlRKVUtilities::SchemeSize> schemeNames;
    QString schemeLabel;
    qint32 paletteCount = 0;
    std::array<mdlRKVUtilities::ColorRecord, mdlRKVUtilities::PaletteCapacity> paletteColors{};
    std::array<QString, mdlRKVUtilities::PaletteCapacity> paletteNames;
    QString paletteLabel;
    bool schemeModified = false;
    bool paletteModified = false;

    static SetContents Now(const frmMain& window);
    bool SameScheme(const SetContents& o) const;
    bool SamePalette(const SetContents& o) const;
};

enum class Set { Scheme, Palette };

// The soak's own account of the undo history: which set each step changed
// and what each position showed, with the modified flags each position must
// give. It follows the history's rules: a step of a set makes that set
// modified at its new position (a whole load makes it unmodified); a save
// makes every position modified whose way to the saved one crosses a step
// of the saved set, and the others unmodified and named after the file
// saved. A save prompt answered No changes no position: the flag it
// gives up goes only with an open or a load that goes ahead.
class UndoLedger {
public:
    // A new history (a model opened or closed, or the start).
    void Reset(const SetContents& now);

    void StepRecorded(Set set, const SetContents& after, int index);
    void Saved(Set set, int index, const QString& label);

    // What the window shows at index against what the position showed and
    // the flags it must give; empty when they agree.
    Finding Compare(const SetContents& now, int index, int count) const;

    // The flags the position must give.
    bool Expected(Set set, int index) const;

private:
    bool crossesStep(Set set, int from, int to) const;

    QVector<Set> steps_;
    QVector<SetContents> positions_;
};

}  // namespace Soak
