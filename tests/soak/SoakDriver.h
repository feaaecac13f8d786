#pragma once

// Drives one main window through random actions, with every message box,
// chooser, input box and the colour editor answered at random from the
// action's own random source, and checks after each action what must hold.
#include "SoakChecks.h"
#include "mainwindow/SwatchMime.h"
#include "mainwindow/frmMainTestPeer.h"
#include "platform/ColorChooser.h"
#include "platform/FileChooser.h"
#include "platform/InputBox.h"
#include "platform/ListChooser.h"
#include "platform/MessageBox.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <random>

class QAbstractButton;

class frmMain;

namespace Soak {

class World;

// Something the user was asked during an action, and the answer given.
struct Event {
    enum Kind { PromptYes, PromptNo, SaveGood, SaveFull, SaveLocked, SaveCancelled, OpenChosen, OpenCancelled, Message };
    Kind kind;
    Set set = Set::Scheme;  // the set a prompt or a save chooser is about
    QString path;           // the file chosen, or a message's text
};

class Driver {
public:
    Driver(World& world, frmMain& window);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs the action numbered `number` of the run seeded `seed`; returns
    // what it did, in words.
    QString Perform(quint64 seed, int number);

    // What broke after the action, or empty.
    QString Check();

    // Closes the window as the user would, its prompts answered as in any
    // action.
    void CloseWindow();

private:
    enum class Kind {
        DropOnRegion, DropOnPage, EditPaletteColor, RenameColor, TurnPage, Zoom, Tool, Inspect, Undo, Redo,
        LoadPalette, SavePalette, LoadScheme, SaveScheme, OpenModel, CloseModel, TogglePrompt,
        FillClick, SetFill, KeyboardFill, FindRegion, NameClick, Hover, DragHandle, PageKeys
    };
    int random(int below) { return int(std::uniform_int_distribution<int>(0, below - 1)(rng_)); }
    QString randomName();

    // The scripted services.
    Platform::MsgAnswer answerBox(const Platform::MessageRequest& request);
    Platform::FileChooserResult answerChooser(const Platform::FileChooserRequest& request);
    QString saveTarget(Set set, Event::Kind& outcome);
    QStringList modelFiles() const;
    // Ends the full disk of a save chooser's answer.
    void endFullDisk();

    // The actions (SoakActions.cpp).
    QString dropOnRegion();
    QString dropOnPage();
    QString editPaletteColor();
    QString renameColor();
    QString turnPage();
    QString zoom();
    QString dropModelFile();
    QString pressButton(QAbstractButton* button, const QString& what);

    // The actions of the fill tool, of finding a region and of moving about
    // (SoakFinding.cpp).
    QString fillClick();
    QString setFill();
    QString keyboardFill();
    QString findRegion();
    QString nameClick();
    QString hover();
    QString dragHandle();
    QString pageKeys();
    int answerListChooser(const Platform::ListChoiceRequest& request);
    // What the region finding and the page keys left against what they must
    // leave, and whether the overlay shows nothing once it has ended.
    QString foundWhereExpected() const;

    // The bookkeeping after an action (SoakVerdicts.cpp).
    QString followHistory();
    QString dropLanded() const;

    World& world_;
    frmMain& w_;
    frmMainTestPeer p_;  // the window's controls and handlers
    std::mt19937_64 rng_;
    Kind kind_ = Kind::Tool;
    QVector<Event> events_;
    UndoLedger ledger_;
    int indexBefore_ = 0;
    int countBefore_ = 0;
    bool modelOpenBefore_ = false;
    SetContents before_;
    bool fullDisk_ = false;
    bool openSucceeded_ = false;
    QString openTarget_;
    // The last drop: the values dragged and the region swatch aimed at (0 for
    // the page, where the region under the pointer takes them; -1 when the
    // action dropped nothing).
    mdlRKVUtilities::ColorRecord dropColor_;
    QString dropName_;
    int dropRegion_ = 0;
    Platform::MessageBox::Responder previousBox_;
    Platform::FileChooser::Responder previousChooser_;
    Platform::InputBox::Responder previousInput_;
    Platform::ColorChooser::Responder previousColor_;
    Platform::ListChooser::Responder previousList_;
    // The fill colour as the soak set it.
    SwatchValues fill_;
    // What a finding action must leave: the current page, the marked region
    // row and whether it flashes (a page of 0: no expectation), or the
    // message a region on no page gives; a finding found in the action.
    struct Found {
        int page = 0;
        int marked = 0;
        bool flashing = false;
        QString message;
        QString finding;
    } found_;
    // A palette entry and the offset the colour editor must leave it with
    // (index -1: none).
    int offsetIndex_ = -1;
    int offsetWanted_ = 0;
};

}  // namespace Soak
