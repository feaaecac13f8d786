// The palette, scheme and region panels of the main window: the two swatch
// lists, editing and renaming palette colours, dropping swatches on regions,
// and loading and saving palettes and schemes.
#include "frmMain.h"

#include "ApplyScheme.h"
#include "BusyPointer.h"
#include "ColorSetFiles.h"
#include "ColorSets.h"
#include "InputBox.h"
#include "MessageBox.h"
#include "ModelState.h"
#include "PathNames.h"
#include "ProgramState.h"
#include "RKV3CanvasCtl.h"
#include "SaveFolders.h"
#include "SingleLineValidator.h"
#include "Swatch.h"
#include "SwatchList.h"
#include "cCommonDialog.h"
#include "dlgColor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <limits>

using namespace mdlRKVUtilities;

namespace {

const QString PaletteFilter = QStringLiteral("RKV3 Palette(*.RPL)|*.RPL");
const QString SchemeLoadFilter = QStringLiteral("RKV3 ColorScheme(*.RKS3)|*.RKS3");
const QString SchemeSaveFilter = QStringLiteral("RKV3 Color Scheme(*.RKS3)|*.RKS3");

// An offset as the 16-bit value the colour sets and the canvas hold; a value
// beyond 16 bits is held at the nearest end instead of wrapping round.
qint16 Offset16(qint32 offset)
{
    return qint16(std::clamp<qint32>(offset, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

QString TagOf(qint32 offset)
{
    return QString::number(offset);
}

// One row of a list in a colour of a set: swatch colour, tag and tool tip,
// and the label's caption.
void ShowColorInRow(SwatchList& list, int index, const ColorRecord& color, const QString& name,
                    const QString& caption)
{
    list.SetRow(index, ColorValueOf(color), TagOf(color.Offset), name, caption);
}

// A colour name kept to one line: it is saved as part of one line of a
// palette file, so a line break in it would shift every line after it.
QString OneLine(QString name)
{
    int pos = 0;
    SingleLineValidator().validate(name, pos);
    return name;
}

// The region rows a model can have: region numbers are bytes, 1 to 255;
// names past the 255th are kept by the model but never shown.
int RegionRows()
{
    return std::clamp(Model.RegionCount, 0, SchemeSize - 1);
}

// Renders the page again after a change to the canvas's region palette,
// under the busy pointer and after letting pending events run once.
void RenderAgain(RKV3CanvasCtl& canvas)
{
    Platform::BusyPointer busy;
    Platform::letPendingEventsRun();
    canvas.RenderRKVPage();
}


}  // namespace

void frmMain::setupPanels()
{
    connect(cmdLoadPalette, &QPushButton::clicked, this, [this] { cmdLoadPalette_Click(); });
    connect(cmdSavePalette, &QPushButton::clicked, this, [this] { cmdSavePalette_Click(); });
    connect(cmdLoadScheme, &QPushButton::clicked, this, [this] { cmdLoadScheme_Click(); });
    connect(cmdSaveScheme, &QPushButton::clicked, this, [this] { cmdSaveScheme_Click(); });
    connect(paletteList, &SwatchList::swatchClicked, this, [this](int index) { picPalette_Click(qint16(index)); });
    connect(paletteList, &SwatchList::nameClicked, this, [this](int index) { lblColorName_Click(qint16(index)); });
    connect(regionList, &SwatchList::swatchDropped, this, [this](int region, const SwatchValues& source) {
        picColor_DragDrop(qint16(region), source.color, TagOf(source.offset), source.name);
    });

    // The designed first rows; both lists start hidden, as without a model.
    ShowColorInRow(*paletteList, 0, DefaultGrayColor, DefaultGrayName(), DefaultGrayName());
    ShowColorInRow(*regionList, 1, DefaultGrayColor, DefaultGrayName(), QStringLiteral("Not Used"));
    picMixerContainer->hide();
    picColorContainer->hide();
}

void frmMain::ShowPalette()
{
    const int count = std::clamp(PaletteCount, 0, PaletteCapacity);
    ShowColorInRow(*paletteList, 0, PaletteColors[0], PaletteNames[0], PaletteNames[0]);
    paletteList->SetRowCount(1);
    paletteList->SetContentHeight(SwatchList::RowsHeight(count));
    paletteList->SetValue(0);
    paletteList->SetMax(paletteList->HeightTwips() - paletteList->ContentHeight());
    paletteList->SetRowCount(std::max(count, 1));
    for (int i = 1; i < count; ++i)
        ShowColorInRow(*paletteList, i, PaletteColors[size_t(i)], PaletteNames[size_t(i)], PaletteNames[size_t(i)]);
    picMixerContainer->show();
}

// A model that names no regions shows no region rows.
void frmMain::ShowScheme()
{
    const int rows = RegionRows();
    const auto regionName = [](int region) { return Model.RegionNames.value(region - 1); };
    regionList->SetRowCount(1);
    ShowColorInRow(*regionList, 1, SchemeColors[1], SchemeNames[1], regionName(1));
    regionList->SetRowCount(rows);
    for (int r = 2; r <= rows; ++r)
        ShowColorInRow(*regionList, r, SchemeColors[size_t(r)], SchemeNames[size_t(r)], regionName(r));
    regionList->SetContentHeight(SwatchList::RowsHeight(rows));
    regionList->SetValue(0);
    regionList->SetMax(regionList->HeightTwips() - regionList->ContentHeight());
}

void frmMain::UpdatePanelScrollBars()
{
    for (SwatchList* list : {regionList, paletteList})
        list->ScrollBar()->setEnabled(list->ContentShown() && list->ContentHeight() >= list->HeightTwips());
    regionList->SetMax(regionList->HeightTwips() - regionList->ContentHeight());
    paletteList->SetMax(paletteList->HeightTwips() - paletteList->ContentHeight());
}

void frmMain::ResetPanels()
{
    ShowColorInRow(*paletteList, 0, DefaultGrayColor, DefaultGrayName(), DefaultGrayName());
    paletteList->SetRowCount(1);
    ShowColorInRow(*regionList, 1, DefaultGrayColor, DefaultGrayName(), QStringLiteral("Not used"));
    regionList->SetRowCount(1);
}

// Edits palette colour index in the colour editor; the editor writes its
// result into the swatch and its label, and the palette takes it from there
// when anything changed.
void frmMain::picPalette_Click(qint16 index)
{
    QPointer<Swatch> swatch = paletteList->swatch(index);
    QPointer<QLabel> label = paletteList->nameLabel(index);
    if (!swatch || !label || index >= PaletteCapacity) return;
    // The editor is modal: undo and redo wait until its result is recorded.
    const ColouringHistory::Hold hold(*Colouring);
    const qint32 oldColor = swatch->BackColor();
    const qint32 oldOffset = SwatchMime::OffsetOfTag(swatch->Tag());
    const QString oldName = label->text();
    const PaletteState before = CapturePalette();
    {
        // Prepare clears EditCancelled, sets EditColor and fills the editor.
        std::unique_ptr<dlgColor> editor = dlgColor::Prepare(this, this, index, oldColor, oldOffset, oldName);
        editor->exec();
    }
    if (!swatch || !label) return;

    const qint32 newColor = swatch->BackColor();
    const qint32 newOffset = SwatchMime::OffsetOfTag(swatch->Tag());
    const QString newName = label->text();
    if ((newName == oldName || EditCancelled) && newColor == oldColor && newOffset == oldOffset) return;

    PaletteModified = true;
    swatch->setBackColor(newColor);
    swatch->setTag(TagOf(newOffset));
    swatch->setToolTip(newName);
    label->setText(newName);
    PaletteColors[size_t(index)] = {RedOf(newColor), GreenOf(newColor), BlueOf(newColor), Offset16(newOffset)};
    PaletteNames[size_t(index)] = newName;
    Colouring->RecordPalette(QStringLiteral("Edit Palette Color"), before, CapturePalette());
}

void frmMain::lblColorName_Click(qint16 index)
{
    Swatch* swatch = paletteList->swatch(index);
    QLabel* label = paletteList->nameLabel(index);
    if (!swatch || !label || index >= PaletteCapacity) return;
    const ColouringHistory::Hold hold(*Colouring);
    const QString answer =
        OneLine(Platform::InputBox::show(QStringLiteral("Enter new color name:"), QStringLiteral("Rename Color"),
                                         QString(), this));
    if (answer.isEmpty()) return;
    const PaletteState before = CapturePalette();
    swatch->setToolTip(answer);
    label->setText(answer);
    PaletteNames[size_t(index)] = answer;
    PaletteModified = true;
    Colouring->RecordPalette(QStringLiteral("Rename Color"), before, CapturePalette());
}

void frmMain::picColor_DragDrop(qint16 region, qint32 color, const QString& tag, const QString& name)
{
    AssignRegionSwatch(region, color, SwatchMime::OffsetOfTag(tag), name);
}

// Region numbers without a row (pages may use regions the model does not
// name) still take the colour in the canvas and the scheme.
void frmMain::AssignRegionSwatch(qint16 region, qint32 color, qint32 offset, const QString& name)
{
    if (region < 1 || region >= SchemeSize) return;
    const ColouringHistory::Hold hold(*Colouring);
    const SchemeState before = CaptureScheme();
    if (Swatch* swatch = regionList->swatch(region); swatch && region <= regionList->RowCount()) {
        swatch->setBackColor(color);
        swatch->setTag(TagOf(offset));
        swatch->setToolTip(name);
    }
    RKVCanvas->UpdatePaletteColor(region, color, Offset16(offset));
    SchemeColors[size_t(region)] = {RedOf(color), GreenOf(color), BlueOf(color), Offset16(offset)};
    SchemeNames[size_t(region)] = name;
    SchemeModified = true;
    // The step is recorded before the render lets pending events run, so a
    // second drop arriving meanwhile comes after it in the history.
    Colouring->RecordScheme(ColorRegionStepName(region), before, CaptureScheme());
    RenderAgain(*RKVCanvas);
}

QString frmMain::ColorRegionStepName(int region)
{
    // Named as the user knows the region: by the model's name for it, or by
    // its number when the model names none.
    const QString name = Model.RegionNames.value(region - 1).trimmed();
    return QStringLiteral("Color ") + (name.isEmpty() ? QStringLiteral("Region %1").arg(region) : name);
}

void frmMain::RenderPageAgain()
{
    // No pending events run here: a drop arriving in the middle of an undo
    // would be recorded inside it.
    Platform::BusyPointer busy;
    RKVCanvas->RenderRKVPage();
}

void frmMain::cmdLoadPalette_Click()
{
    const ColouringHistory::Hold hold(*Colouring);
    const SavePromptAnswers answers = AskToSaveChanges(true, false);
    if (!answers.goOn) return;

    cCommonDialog chooser;
    const QString path = chooser.ChooseFile(cCommonDialog::FileChoice::Open, QStringLiteral("Load Palette"),
                                            PaletteFilter, LastPalettePath, this)
                             .value_or(QString());
    if (path.isEmpty() || !FileExists(path)) return;

    // The step keeps the flag the palette had: undoing the load brings back
    // an unsaved palette as unsaved, even when its prompt was answered No.
    // A No needs no forgetting here: a load clears the flag, and a load that
    // read nothing leaves the palette, and so its flag, as it was.
    const PaletteState step = CapturePalette();
    const bool loaded = LoadPalette(path);
    ShowPalette();
    if (loaded) {
        lblPaletteName->setText(QStringLiteral("Palette: ") + chooser.VBGetFileTitle(path));
        PaletteModified = false;
        LastPalettePath = FolderOf(path);
    } else if (!SameColours(CapturePalette(), step)) {
        // Part of the file was read: the palette now matches no file.
        PaletteModified = true;
    }
    UpdatePanelScrollBars();
    Colouring->RecordPalette(QStringLiteral("Load Palette"), step, CapturePalette());
}

void frmMain::cmdSavePalette_Click()
{
    const ColouringHistory::Hold hold(*Colouring);
    cCommonDialog chooser;
    const QString path =
        chooser
            .ChooseFile(cCommonDialog::FileChoice::Save, QStringLiteral("Save Color Palette"), PaletteFilter,
                        SaveStartFolder(LastPalettePath, QStringLiteral("palettes")), this, QStringLiteral(".RPL"))
            .value_or(QString());
    if (path.isEmpty()) return;
    // A failed save has told the user; the palette is still unsaved.
    if (!SavePalette(path)) return;
    lblPaletteName->setText(QStringLiteral("Palette: ") + chooser.VBGetFileTitle(path));
    PaletteModified = false;
    Colouring->MarkSaved(ColourSet::Palette, lblPaletteName->text());
    repaint();
    LastPalettePath = FolderOf(path);
}

void frmMain::cmdLoadScheme_Click()
{
    const ColouringHistory::Hold hold(*Colouring);
    const SavePromptAnswers answers = AskToSaveChanges(false, true);
    if (!answers.goOn) return;

    cCommonDialog chooser;
    const QString path = chooser.ChooseFile(cCommonDialog::FileChoice::Open, QStringLiteral("Load Color Scheme"),
                                            SchemeLoadFilter, LastSchemePath, this)
                             .value_or(QString());
    if (path.isEmpty() || !FileExists(path)) return;

    const SchemeState step = CaptureScheme();
    const bool loaded = LoadScheme(path);
    ShowScheme();
    if (loaded) lblSchemeName->setText(QStringLiteral("Scheme: ") + chooser.VBGetFileTitle(path));
    ApplyScheme(*RKVCanvas);
    if (loaded) SchemeModified = false;
    // Part of the file was read: the scheme now matches no file.
    else if (!SameColours(CaptureScheme(), step)) SchemeModified = true;
    UpdatePanelScrollBars();
    if (loaded) LastSchemePath = FolderOf(path);
    // Recorded before the render lets pending events run.
    Colouring->RecordScheme(QStringLiteral("Load Scheme"), step, CaptureScheme());
    RenderAgain(*RKVCanvas);
}

void frmMain::cmdSaveScheme_Click()
{
    const ColouringHistory::Hold hold(*Colouring);
    cCommonDialog chooser;
    const QString path =
        chooser
            .ChooseFile(cCommonDialog::FileChoice::Save, QStringLiteral("Save Color Scheme"), SchemeSaveFilter,
                        SaveStartFolder(LastSchemePath, QStringLiteral("schemes")), this, QStringLiteral(".RKS3"))
            .value_or(QString());
    if (path.isEmpty()) return;
    // A failed save has told the user; the scheme is still unsaved.
    if (!SaveScheme(path)) return;
    lblSchemeName->setText(QStringLiteral("Scheme: ") + chooser.VBGetFileTitle(path));
    SchemeModified = false;
    Colouring->MarkSaved(ColourSet::Scheme, lblSchemeName->text());
    repaint();
    LastSchemePath = FolderOf(path);
}

void frmMain::setSwatchColor(qint16 index, qint32 colorValue)
{
    if (Swatch* swatch = paletteList->swatch(index)) swatch->setBackColor(colorValue);
}

void frmMain::setSwatchTag(qint16 index, const QString& tag)
{
    if (Swatch* swatch = paletteList->swatch(index)) swatch->setTag(tag);
}

void frmMain::setColorName(qint16 index, const QString& name)
{
    if (QLabel* label = paletteList->nameLabel(index)) label->setText(name);
}
