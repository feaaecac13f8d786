#include "mainwindow/ColoringUndo.h"

#include "model/ProgramState.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>

namespace util = mdlRKVUtilities;

namespace {

// One step of the history: the set it changed and its states before and
// after. The step is recorded once made, so its first redo (the push) does
// nothing.
class ColoringStep : public QUndoCommand {
public:
    ColoringStep(ColorSet set, const QString& text, std::function<void()> noteFlags)
        : QUndoCommand(text), set_(set), noteFlags_(std::move(noteFlags))
    {
    }
    ColorSet Set() const { return set_; }
    // Names the set's state before or after the step after the file it now
    // matches (a save).
    virtual void Relabel(bool after, const QString& label) = 0;

    void undo() override
    {
        noteFlags_();
        restoreBefore();
    }
    void redo() override
    {
        if (pushed_) {
            pushed_ = false;
            return;
        }
        noteFlags_();
        restoreAfter();
    }

protected:
    virtual void restoreBefore() = 0;
    virtual void restoreAfter() = 0;

private:
    ColorSet set_;
    std::function<void()> noteFlags_;
    bool pushed_ = true;
};

template <typename State>
class StateStep : public ColoringStep {
public:
    using Restorer = std::function<void(const State&)>;
    StateStep(ColorSet set, const QString& text, std::function<void()> noteFlags, const Restorer& restore,
              const State& before, const State& after)
        : ColoringStep(set, text, std::move(noteFlags)), restore_(restore), before_(before), after_(after)
    {
    }
    void Relabel(bool after, const QString& label) override { (after ? after_ : before_).label = label; }

protected:
    void restoreBefore() override { restore_(before_); }
    void restoreAfter() override { restore_(after_); }

private:
    const Restorer& restore_;
    State before_;
    State after_;
};

}  // namespace

bool SameColors(const SchemeState& a, const SchemeState& b)
{
    return a.colors == b.colors && a.names == b.names;
}

bool SameColors(const PaletteState& a, const PaletteState& b)
{
    return a.count == b.count && a.colors == b.colors && a.names == b.names;
}

ColoringHistory::ColoringHistory(SchemeRestorer scheme, PaletteRestorer palette, QObject* parent)
    : QObject(parent), stack_(new QUndoStack(this)), restoreScheme_(std::move(scheme)),
      restorePalette_(std::move(palette))
{
    flags_ = {Flags{util::SchemeModified, util::PaletteModified}};
    connect(stack_, &QUndoStack::indexChanged, this, &ColoringHistory::positionChanged);
}

void ColoringHistory::prepareRecord(const Flags& before, const Flags& after)
{
    const int at = stack_->index();
    flags_.resize(at + 1);
    flags_[at] = before;
    flags_.append(after);
}

void ColoringHistory::RecordScheme(const QString& text, const SchemeState& before, const SchemeState& after)
{
    if (before == after) return;
    prepareRecord({before.modified, util::PaletteModified}, {after.modified, util::PaletteModified});
    stack_->push(new StateStep<SchemeState>(ColorSet::Scheme, text, [this] { positionFlagsNow(); },
                                            restoreScheme_, before, after));
}

void ColoringHistory::RecordPalette(const QString& text, const PaletteState& before, const PaletteState& after)
{
    if (before == after) return;
    prepareRecord({util::SchemeModified, before.modified}, {util::SchemeModified, after.modified});
    stack_->push(new StateStep<PaletteState>(ColorSet::Palette, text, [this] { positionFlagsNow(); },
                                             restorePalette_, before, after));
}

void ColoringHistory::positionFlagsNow()
{
    // A flag cleared outside any step (a save prompt answered No) holds for
    // the position it was cleared at.
    const int at = stack_->index();
    if (at >= 0 && at < flags_.size()) flags_[at] = {util::SchemeModified, util::PaletteModified};
}

bool ColoringHistory::stepChangesSet(int step, ColorSet set) const
{
    const auto* command = dynamic_cast<const ColoringStep*>(stack_->command(step));
    return command && command->Set() == set;
}

void ColoringHistory::MarkSaved(ColorSet set, const QString& label)
{
    const int saved = stack_->index();
    for (int position = 0; position < flags_.size(); ++position) {
        bool differs = false;
        for (int step = std::min(position, saved); step < std::max(position, saved) && !differs; ++step)
            differs = stepChangesSet(step, set);
        (set == ColorSet::Scheme ? flags_[position].scheme : flags_[position].palette) = differs;
    }
    // The positions reached from the saved one without a step of the set hold
    // what was saved: the nearest step of the set on each side restores the
    // file's name on that side, so undo and redo show where the set came from.
    const auto stepOfSet = [this, set](int step) {
        // The stack hands its commands out read-only; they are ours to name.
        auto* command = dynamic_cast<ColoringStep*>(const_cast<QUndoCommand*>(stack_->command(step)));
        return command && command->Set() == set ? command : nullptr;
    };
    for (int step = saved - 1; step >= 0; --step)
        if (ColoringStep* command = stepOfSet(step)) {
            command->Relabel(true, label);
            break;
        }
    for (int step = saved; step < stack_->count(); ++step)
        if (ColoringStep* command = stepOfSet(step)) {
            command->Relabel(false, label);
            break;
        }
}

void ColoringHistory::Clear()
{
    // Position 0 keeps the flags as they are now.
    flags_ = {Flags{util::SchemeModified, util::PaletteModified}};
    stack_->clear();
}

void ColoringHistory::positionChanged(int index)
{
    if (index < 0 || index >= flags_.size()) return;
    util::SchemeModified = flags_[index].scheme;
    util::PaletteModified = flags_[index].palette;
}

void ColoringHistory::Undo()
{
    run(Request::Undo);
}

void ColoringHistory::Redo()
{
    run(Request::Redo);
}

void ColoringHistory::run(Request request)
{
    if (holds_ > 0) {
        waiting_.append(request);
        return;
    }
    // A step being restored is itself an operation: anything asked for
    // meanwhile waits for it.
    const Hold hold(*this);
    if (request == Request::Undo)
        stack_->undo();
    else
        stack_->redo();
}

void ColoringHistory::runWaiting()
{
    while (holds_ == 0 && !waiting_.isEmpty()) run(waiting_.takeFirst());
}

ColoringHistory::Hold::Hold(ColoringHistory& history) : history_(history)
{
    ++history_.holds_;
}

ColoringHistory::Hold::~Hold()
{
    if (--history_.holds_ == 0) history_.runWaiting();
}
