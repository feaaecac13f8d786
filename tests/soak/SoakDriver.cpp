#include "SoakDriver.h"

#include "SoakWorld.h"
#include "mainwindow/FillToolButton.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/frmMain.h"
#include "model/core/ModelState.h"
#include "view/RKV3CanvasCtlTestPeer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>
#include <sys/resource.h>

namespace Soak {

namespace {

// Each kind of action, in the order of Driver::Kind, with how often it comes
// (out of the sum) and its name in a replay.
struct KindInfo {
    int weight;
    const char* name;
};
constexpr KindInfo Kinds[] = {
    {12, "drop on a region swatch"}, {10, "drop on the page"}, {8, "edit a palette color"},
    {6, "rename a palette color"},   {8, "turn the page"},     {6, "zoom"},
    {3, "change the tool"},          {3, "inspect a region"},  {10, "undo"},
    {7, "redo"},                     {5, "load a palette"},    {4, "save the palette"},
    {5, "load a scheme"},            {4, "save the scheme"},   {5, "open a model"},
    {2, "close the model"},          {1, "toggle the save prompt"},
    {6, "fill click"},               {4, "set the fill colour"}, {4, "keyboard fill"},
    {3, "find a region"},            {3, "click a region name"}, {4, "hover"},
    {2, "drag the panels' handle"},  {3, "page keys"},
};

const char* const EventNames[] = {"Yes", "No", "saved", "disk full", "folder locked", "cancelled", "chose",
                                  "cancelled", "box"};

}  // namespace

Driver::Driver(World& world, frmMain& window) : world_(world), w_(window), p_(window)
{
    previousBox_ = Platform::MessageBox::setResponder([this](const Platform::MessageRequest& r) { return answerBox(r); });
    previousChooser_ = Platform::FileChooser::setResponder(
        [this](const Platform::FileChooserRequest& r) { return answerChooser(r); });
    previousInput_ = Platform::InputBox::setResponder([this](const Platform::InputRequest&) {
        return random(4) == 0 ? QString() : randomName();
    });
    previousColor_ = Platform::ColorChooser::setResponder([this](const Platform::ColorChooserRequest&,
                                                                 Platform::CustomColorTable&) {
        if (random(5) == 0) return Platform::ColorChooserResult{0, 0, 0};
        return Platform::ColorChooserResult{1, random(1 << 24), 0};
    });
    previousList_ = Platform::ListChooser::setResponder(
        [this](const Platform::ListChoiceRequest& r) { return answerListChooser(r); });
    fill_ = p_.optFillTool()->FillColor();
    ledger_.Reset(SetContents::Now(w_));
}

Driver::~Driver()
{
    Platform::MessageBox::setResponder(previousBox_);
    Platform::FileChooser::setResponder(previousChooser_);
    Platform::InputBox::setResponder(previousInput_);
    Platform::ColorChooser::setResponder(previousColor_);
    Platform::ListChooser::setResponder(previousList_);
}

// Names that tell things apart: mixed case, punctuation, text that looks like
// markup, line breaks, letters beyond ASCII and, now and then, a long one.
QString Driver::randomName()
{
    static const QStringList parts{"Rust", "sea green", "Ochre, dark", "<b>Slate</b>", "Kiwi\r\nline",
                                   "Œil-de-bœuf", "Tar & pitch", "  padded  ", "Nº 7", "\"Quoted\""};
    QString name = parts[random(int(parts.size()))];
    if (random(3) == 0) name += QStringLiteral(" %1").arg(random(1000));
    if (random(40) == 0) name = name.repeated(60);
    return name;
}

Platform::MsgAnswer Driver::answerBox(const Platform::MessageRequest& request)
{
    const bool palette = request.text.startsWith(QLatin1String("Palette has been modified"));
    const bool scheme = request.text.startsWith(QLatin1String("Scheme has been modified"));
    if (!palette && !scheme) {
        events_.append({Event::Message, Set::Scheme, request.text});
        return request.buttons == Platform::MsgButtons::YesNo ? Platform::MsgAnswer::No : Platform::MsgAnswer::Ok;
    }
    const bool yes = random(5) < 2;
    events_.append({yes ? Event::PromptYes : Event::PromptNo, palette ? Set::Palette : Set::Scheme, {}});
    return yes ? Platform::MsgAnswer::Yes : Platform::MsgAnswer::No;
}

// The models to open: the good ones twice as often as the broken ones.
QStringList Driver::modelFiles() const
{
    return world_.goodModels() + world_.goodModels()
           + QStringList{world_.missingPageModel(), world_.badManifestModel()};
}

QString Driver::saveTarget(Set set, Event::Kind& outcome)
{
    // A full disk lasts for one save: an earlier save of the same action has
    // been written by now.
    endFullDisk();
    const QString suffix = set == Set::Palette ? QStringLiteral(".RPL") : QStringLiteral(".RKS3");
    const QStringList existing = world_.rememberedFiles(suffix);
    const QString fresh = QDir(world_.saveFolder()).filePath(QStringLiteral("soak %1%2").arg(random(40)).arg(suffix));
    const QString old = existing.isEmpty() ? fresh : existing[random(int(existing.size()))];
    const int roll = random(100);
    if (roll < 15) {
        outcome = Event::SaveCancelled;
        return {};
    }
    if (roll < 70) {
        outcome = Event::SaveGood;
        return roll < 50 ? fresh : old;
    }
    if (roll < 85) {
        // A full disk: no file may grow past 3 bytes while this action runs.
        rlimit full{};
        getrlimit(RLIMIT_FSIZE, &full);
        full.rlim_cur = 3;
        setrlimit(RLIMIT_FSIZE, &full);
        fullDisk_ = true;
        outcome = Event::SaveFull;
        return random(2) ? old : fresh;
    }
    outcome = Event::SaveLocked;
    return QDir(world_.lockedFolder()).filePath(QStringLiteral("locked") + suffix);
}

Platform::FileChooserResult Driver::answerChooser(const Platform::FileChooserRequest& request)
{
    Platform::FileChooserResult result;
    result.filterIndex = request.filterIndex;
    result.flags = request.flags;
    QString path;
    if (request.kind == Platform::FileChooserKind::Save) {
        const Set set = request.title.contains(QLatin1String("Palette")) ? Set::Palette : Set::Scheme;
        Event::Kind outcome = Event::SaveCancelled;
        path = saveTarget(set, outcome);
        events_.append({outcome, set, path});
    } else {
        QStringList files;
        if (request.title == QLatin1String("Load Palette")) {
            files = world_.rememberedFiles(QStringLiteral(".RPL")) << world_.brokenPalette();
        } else if (request.title.contains(QLatin1String("Scheme"))) {
            files = world_.rememberedFiles(QStringLiteral(".RKS3")) << world_.brokenScheme();
            for (const QString& model : world_.goodModels())
                if (QFileInfo::exists(QFileInfo(model).dir().filePath(QFileInfo(model).baseName() + ".RKS3")))
                    files << QFileInfo(model).dir().filePath(QFileInfo(model).baseName() + ".RKS3");
        } else {
            files = modelFiles();
        }
        if (random(8) != 0) path = files[random(int(files.size()))];
        events_.append({path.isEmpty() ? Event::OpenCancelled : Event::OpenChosen, Set::Scheme, path});
        openTarget_ = path;
    }
    if (!path.isEmpty()) {
        result.result = 1;
        result.files = {path};
    }
    return result;
}

void Driver::endFullDisk()
{
    if (!fullDisk_) return;
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &limit);
    fullDisk_ = false;
}

void Driver::CloseWindow()
{
    w_.close();
    endFullDisk();
}

QString Driver::Perform(quint64 seed, int number)
{
    rng_.seed(seed * 0x9E3779B97F4A7C15ull + quint64(number));
    events_.clear();
    openTarget_.clear();
    dropRegion_ = -1;
    found_ = {};
    offsetIndex_ = -1;
    fullDisk_ = false;
    indexBefore_ = p_.Coloring()->Stack()->index();
    countBefore_ = p_.Coloring()->Stack()->count();
    modelOpenBefore_ = mdlRKVUtilities::ModelIsOpen();
    before_ = SetContents::Now(w_);

    int total = 0;
    for (const KindInfo& k : Kinds) total += k.weight;
    int roll = random(total);
    int pick = 0;
    while (roll >= Kinds[pick].weight) roll -= Kinds[pick++].weight;
    kind_ = Kind(pick);
    // Most actions need a model, and palette edits a palette: without them
    // the soak opens or loads one half the time instead.
    const bool needsPalette = kind_ == Kind::EditPaletteColor || kind_ == Kind::RenameColor;
    if (!mdlRKVUtilities::ModelIsOpen() && kind_ != Kind::OpenModel && random(2) == 0)
        kind_ = Kind::OpenModel;
    else if (needsPalette && !p_.paletteList()->contentShown() && random(2) == 0)
        kind_ = Kind::LoadPalette;
    QString what;
    switch (kind_) {
    case Kind::DropOnRegion: what = dropOnRegion(); break;
    case Kind::DropOnPage: what = dropOnPage(); break;
    case Kind::EditPaletteColor: what = editPaletteColor(); break;
    case Kind::RenameColor: what = renameColor(); break;
    case Kind::TurnPage: what = turnPage(); break;
    case Kind::Zoom: what = zoom(); break;
    case Kind::Tool: {
        const int tool = random(2);
        what = pressButton((p_.optTools()[size_t(tool)]), QStringLiteral("tool %1").arg(tool));
        break;
    }
    case Kind::Inspect:
        p_.RKVCanvas_MouseDown(1, 0, float(random(9000)), float(random(6000)));
        p_.RKVCanvas_MouseUp(1, 0, 0, 0);
        break;
    case Kind::Undo: p_.mnuEditUndo()->trigger(); break;
    case Kind::Redo: p_.mnuEditRedo()->trigger(); break;
    case Kind::LoadPalette: what = pressButton((p_.cmdLoadPalette()), {}); break;
    case Kind::SavePalette: what = pressButton((p_.cmdSavePalette()), {}); break;
    case Kind::LoadScheme: what = pressButton((p_.cmdLoadScheme()), {}); break;
    case Kind::SaveScheme: what = pressButton((p_.cmdSaveScheme()), {}); break;
    case Kind::OpenModel:
        if (random(4) == 0) what = dropModelFile();
        else p_.mnuFileOpen()->trigger();
        break;
    case Kind::CloseModel: p_.mnuFileClose()->trigger(); break;
    case Kind::TogglePrompt: p_.mnuEditPromptSave()->trigger(); break;
    case Kind::FillClick: what = fillClick(); break;
    case Kind::SetFill: what = setFill(); break;
    case Kind::KeyboardFill: what = keyboardFill(); break;
    case Kind::FindRegion: what = findRegion(); break;
    case Kind::NameClick: what = nameClick(); break;
    case Kind::Hover: what = hover(); break;
    case Kind::DragHandle: what = dragHandle(); break;
    case Kind::PageKeys: what = pageKeys(); break;
    }
    // A region found flashes; half the time its second has passed before
    // the checks.
    const RKV3CanvasCtlTestPeer canvas(*p_.RKVCanvas());
    if (found_.flashing && !(canvas.Overlay() && canvas.Overlay()->Flashing()) && found_.finding.isEmpty())
        found_.finding = QStringLiteral("region %1 does not flash").arg(found_.marked);
    if (random(2)) canvas.EndFlash();
    endFullDisk();

    QString text = QString::fromLatin1(Kinds[int(kind_)].name);
    if (!what.isEmpty()) text += QStringLiteral(": ") + what;
    for (const Event& e : events_)
        text += e.kind == Event::Message ? QStringLiteral(" [box \"%1\"]").arg(e.path)
                           : QStringLiteral(" [%1%2%3]")
                                 .arg(e.kind <= Event::PromptNo ? (e.set == Set::Palette ? "palette prompt " : "scheme prompt ") : "",
                                      EventNames[e.kind], e.path.isEmpty() ? QString() : QStringLiteral(" ") + QFileInfo(e.path).fileName());
    return text;
}

}  // namespace Soak
