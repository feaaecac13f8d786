#pragma once

#include "model/core/ColorRecord.h"
#include "model/core/ColorSets.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <array>
#include <functional>

class QUndoStack;

// What one colouring step changes, taken whole before and after the step:
// the colour scheme with its label, or the palette with its label and
// whether its list is shown, each with its modified flag.
struct SchemeState {
    std::array<mdlRKVUtilities::ColorRecord, mdlRKVUtilities::SchemeSize> colors{};
    std::array<QString, mdlRKVUtilities::SchemeSize> names;
    QString label;
    bool modified = false;
    friend bool operator==(const SchemeState&, const SchemeState&) = default;
};

struct PaletteState {
    qint32 count = 0;
    std::array<mdlRKVUtilities::ColorRecord, mdlRKVUtilities::PaletteCapacity> colors{};
    std::array<QString, mdlRKVUtilities::PaletteCapacity> names;
    QString label;
    bool shown = false;
    bool modified = false;
    friend bool operator==(const PaletteState&, const PaletteState&) = default;
};

// Whether two states hold the same colours and names (and palette size),
// whatever their labels and flags: a load that failed part way changed the
// colours when these differ.
bool SameColors(const SchemeState& a, const SchemeState& b);
bool SameColors(const PaletteState& a, const PaletteState& b);

enum class ColorSet { Scheme, Palette };

// The undo history of colouring: every change to the scheme or the palette
// is one step on a QUndoStack, recorded after it was made with the states
// before and after it. Undo and redo hand the state to restore to the
// window's restorers, then set both modified flags.
//
// The flags are kept per position in the history. A step records the flags
// before and after it; a save marks its position as the one matching the
// file, so every position whose set differs from it (any step of that set
// lies between them) becomes modified, and undoing past a save sets the
// flag again.
class ColoringHistory : public QObject {
    Q_OBJECT
public:
    using SchemeRestorer = std::function<void(const SchemeState&)>;
    using PaletteRestorer = std::function<void(const PaletteState&)>;

    ColoringHistory(SchemeRestorer scheme, PaletteRestorer palette, QObject* parent = nullptr);

    QUndoStack* Stack() const { return stack_; }

    // Records a step that has been made, named by text ("Color Window Glass");
    // a step that changed nothing is not recorded.
    void RecordScheme(const QString& text, const SchemeState& before, const SchemeState& after);
    void RecordPalette(const QString& text, const PaletteState& before, const PaletteState& after);

    // The set has just been saved under label ("Scheme: name.RKS3"): the
    // current position, and every position reached from it without a step of
    // the set, matches the file and is shown with that label.
    void MarkSaved(ColorSet set, const QString& label);

    // Forgets every step (a model was opened or closed).
    void Clear();

    // Undo and redo as the Edit menu asks for them. Operations that change
    // the colouring let pending events run while they work (choosers, page
    // loading, rendering); an undo or redo arriving meanwhile would act on a
    // half-finished step. So while any Hold lives they wait, and run in the
    // order asked once the last Hold has ended.
    void Undo();
    void Redo();

    class Hold {
    public:
        explicit Hold(ColoringHistory& history);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        ColoringHistory& history_;
    };

private:
    // Positions 0 to count: the flags the sets have there.
    struct Flags {
        bool scheme = false;
        bool palette = false;
    };
    void prepareRecord(const Flags& before, const Flags& after);
    void positionChanged(int index);
    void positionFlagsNow();
    bool stepChangesSet(int step, ColorSet set) const;

    QUndoStack* stack_;
    SchemeRestorer restoreScheme_;
    PaletteRestorer restorePalette_;
    QVector<Flags> flags_;

    enum class Request { Undo, Redo };
    void run(Request request);
    void runWaiting();
    int holds_ = 0;
    QVector<Request> waiting_;
};
