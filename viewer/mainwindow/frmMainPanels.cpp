// The palette, scheme and region panels of the main window: the two swatch
// lists, editing and renaming palette colours, dropping swatches on regions,
// and loading and saving palettes and schemes.
#include "mainwindow/frmMain.h"

#include "coloreditor/dlgColor.h"
#include "dialogs/cCommonDialog.h"
#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "model/ApplyScheme.h"
#include "model/ColorSetFiles.h"
#include "model/ProgramState.h"
#include "model/SaveFolders.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "model/core/PathNames.h"
#include "platform/BusyPointer.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "textinput/SingleLineValidator.h"
#include "view/RKV3CanvasCtl.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace util = mdlRKVUtilities;

namespace {

const char* const PaletteFilter = QT_TRANSLATE_NOOP("frmMain", "RKV3 Palette(*.RPL)|*.RPL");
const char* const SchemeLoadFilter = QT_TRANSLATE_NOOP("frmMain", "RKV3 ColorScheme(*.RKS3)|*.RKS3");
const char* const SchemeSaveFilter = QT_TRANSLATE_NOOP("frmMain", "RKV3 Color Scheme(*.RKS3)|*.RKS3");

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
void ShowColorInRow(SwatchList& list, int index, const util::ColorRecord& color, const QString& name,
                    const QString& caption)
{
    list.setRow(index, util::ColorValueOf(color), TagOf(color.Offset), name, caption);
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
    return std::clamp(util::Model.RegionCount, 0, util::SchemeSize - 1);
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
    ShowColorInRow(*paletteList, 0, util::DefaultGrayColor, util::DefaultGrayName(), util::DefaultGrayName());
    ShowColorInRow(*regionList, 1, util::DefaultGrayColor, util::DefaultGrayName(), tr("Not Used"));
    picMixerContainer->hide();
    picColorContainer->hide();
}

void frmMain::ShowPalette()
{
    const int count = std::clamp(util::PaletteCount, 0, util::PaletteCapacity);
    ShowColorInRow(*paletteList, 0, util::PaletteColors[0], util::PaletteNames[0], util::PaletteNames[0]);
    paletteList->setRowCount(1);
    paletteList->setContentHeight(SwatchList::rowsHeight(count));
    paletteList->setValue(0);
    paletteList->setMax(paletteList->heightTwips() - paletteList->contentHeight());
    paletteList->setRowCount(std::max(count, 1));
    for (int i = 1; i < count; ++i)
        ShowColorInRow(*paletteList, i, util::PaletteColors[size_t(i)], util::PaletteNames[size_t(i)], util::PaletteNames[size_t(i)]);
    picMixerContainer->show();
}

// A model that names no regions shows no region rows.
void frmMain::ShowScheme()
{
    const int rows = RegionRows();
    const auto regionName = [](int region) { return util::Model.RegionNames.value(region - 1); };
    regionList->setRowCount(1);
    ShowColorInRow(*regionList, 1, util::SchemeColors[1], util::SchemeNames[1], regionName(1));
    regionList->setRowCount(rows);
    for (int r = 2; r <= rows; ++r)
        ShowColorInRow(*regionList, r, util::SchemeColors[size_t(r)], util::SchemeNames[size_t(r)], regionName(r));
    regionList->setContentHeight(SwatchList::rowsHeight(rows));
    regionList->setValue(0);
    regionList->setMax(regionList->heightTwips() - regionList->contentHeight());
}

void frmMain::UpdatePanelScrollBars()
{
    for (SwatchList* list : {regionList, paletteList})
        list->scrollBar()->setEnabled(list->contentShown() && list->contentHeight() >= list->heightTwips());
    regionList->setMax(regionList->heightTwips() - regionList->contentHeight());
    paletteList->setMax(paletteList->heightTwips() - paletteList->contentHeight());
}

void frmMain::ResetPanels()
{
    ShowColorInRow(*paletteList, 0, util::DefaultGrayColor, util::DefaultGrayName(), util::DefaultGrayName());
    paletteList->setRowCount(1);
    ShowColorInRow(*regionList, 1, util::DefaultGrayColor, util::DefaultGrayName(), tr("Not used"));
    regionList->setRowCount(1);
}

// Edits palette colour index in the colour editor; the editor writes its
// result into the swatch and its label, and the palette takes it from there
// when anything changed.
void frmMain::picPalette_Click(qint16 index)
{
    QPointer<Swatch> swatch = paletteList->swatch(index);
    QPointer<QLabel> label = paletteList->nameLabel(index);
    if (!swatch || !label || index >= util::PaletteCapacity) return;
    // The editor is modal: undo and redo wait until its result is recorded.
    const ColoringHistory::Hold hold(*Coloring);
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
    if ((newName == oldName || util::EditCancelled) && newColor == oldColor && newOffset == oldOffset) return;

    util::PaletteModified = true;
    swatch->setBackColor(newColor);
    swatch->setTag(TagOf(newOffset));
    swatch->setToolTip(newName);
    label->setText(newName);
    util::PaletteColors[size_t(index)] = {util::RedOf(newColor), util::GreenOf(newColor), util::BlueOf(newColor), Offset16(newOffset)};
    util::PaletteNames[size_t(index)] = newName;
    Coloring->RecordPalette(tr("Edit Palette Color"), before, CapturePalette());
}

void frmMain::lblColorName_Click(qint16 index)
{
    Swatch* swatch = paletteList->swatch(index);
    QLabel* label = paletteList->nameLabel(index);
    if (!swatch || !label || index >= util::PaletteCapacity) return;
    const ColoringHistory::Hold hold(*Coloring);
    const QString answer =
        OneLine(Platform::InputBox::show(tr("Enter new color name:"), tr("Rename Color"),
                                         QString(), this));
    if (answer.isEmpty()) return;
    const PaletteState before = CapturePalette();
    swatch->setToolTip(answer);
    label->setText(answer);
    util::PaletteNames[size_t(index)] = answer;
    util::PaletteModified = true;
    Coloring->RecordPalette(tr("Rename Color"), before, CapturePalette());
}

void frmMain::picColor_DragDrop(qint16 region, qint32 color, const QString& tag, const QString& name)
{
    AssignRegionSwatch(region, color, SwatchMime::OffsetOfTag(tag), name);
}

// Region numbers without a row (pages may use regions the model does not
// name) still take the colour in the canvas and the scheme.
void frmMain::AssignRegionSwatch(qint16 region, qint32 color, qint32 offset, const QString& name)
{
    if (region < 1 || region >= util::SchemeSize) return;
    const ColoringHistory::Hold hold(*Coloring);
    const SchemeState before = CaptureScheme();
    if (Swatch* swatch = regionList->swatch(region); swatch && region <= regionList->rowCount()) {
        swatch->setBackColor(color);
        swatch->setTag(TagOf(offset));
        swatch->setToolTip(name);
    }
    RKVCanvas->UpdatePaletteColor(region, color, Offset16(offset));
    util::SchemeColors[size_t(region)] = {util::RedOf(color), util::GreenOf(color), util::BlueOf(color), Offset16(offset)};
    util::SchemeNames[size_t(region)] = name;
    util::SchemeModified = true;
    // The step is recorded before the render lets pending events run, so a
    // second drop arriving meanwhile comes after it in the history.
    Coloring->RecordScheme(ColorRegionStepName(region), before, CaptureScheme());
    RenderAgain(*RKVCanvas);
}

QString frmMain::ColorRegionStepName(int region)
{
    // Named as the user knows the region: by the model's name for it, or by
    // its number when the model names none.
    const QString name = util::Model.RegionNames.value(region - 1).trimmed();
    return tr("Color %1").arg(name.isEmpty() ? tr("Region %1").arg(region) : name);
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
    const ColoringHistory::Hold hold(*Coloring);
    const SavePromptAnswers answers = AskToSaveChanges(true, false);
    if (!answers.goOn) return;

    cCommonDialog chooser;
    const QString path = chooser.ChooseFile(cCommonDialog::FileChoice::Open, tr("Load Palette"),
                                            tr(PaletteFilter), util::LastPalettePath, this)
                             .value_or(QString());
    if (path.isEmpty() || !util::FileExists(path)) return;

    // The step keeps the flag the palette had: undoing the load brings back
    // an unsaved palette as unsaved, even when its prompt was answered No.
    // A No needs no forgetting here: a load clears the flag, and a load that
    // read nothing leaves the palette, and so its flag, as it was.
    const PaletteState step = CapturePalette();
    const bool loaded = util::LoadPalette(path);
    ShowPalette();
    if (loaded) {
        lblPaletteName->setText(tr("Palette: %1").arg(chooser.VBGetFileTitle(path)));
        util::PaletteModified = false;
        util::LastPalettePath = util::FolderOf(path);
    } else if (!SameColors(CapturePalette(), step)) {
        // Part of the file was read: the palette now matches no file.
        util::PaletteModified = true;
    }
    UpdatePanelScrollBars();
    Coloring->RecordPalette(tr("Load Palette"), step, CapturePalette());
}

void frmMain::cmdSavePalette_Click()
{
    const ColoringHistory::Hold hold(*Coloring);
    cCommonDialog chooser;
    const QString path =
        chooser
            .ChooseFile(cCommonDialog::FileChoice::Save, tr("Save Color Palette"), tr(PaletteFilter),
                        util::SaveStartFolder(util::LastPalettePath, QStringLiteral("palettes")), this, QStringLiteral(".RPL"))
            .value_or(QString());
    if (path.isEmpty()) return;
    // A failed save has told the user; the palette is still unsaved.
    if (!util::SavePalette(path)) return;
    lblPaletteName->setText(tr("Palette: %1").arg(chooser.VBGetFileTitle(path)));
    util::PaletteModified = false;
    Coloring->MarkSaved(ColorSet::Palette, lblPaletteName->text());
    repaint();
    util::LastPalettePath = util::FolderOf(path);
}

void frmMain::cmdLoadScheme_Click()
{
    const ColoringHistory::Hold hold(*Coloring);
    const SavePromptAnswers answers = AskToSaveChanges(false, true);
    if (!answers.goOn) return;

    cCommonDialog chooser;
    const QString path = chooser.ChooseFile(cCommonDialog::FileChoice::Open, tr("Load Color Scheme"),
                                            tr(SchemeLoadFilter), util::LastSchemePath, this)
                             .value_or(QString());
    if (path.isEmpty() || !util::FileExists(path)) return;

    const SchemeState step = CaptureScheme();
    const bool loaded = util::LoadScheme(path);
    ShowScheme();
    if (loaded) lblSchemeName->setText(tr("Scheme: %1").arg(chooser.VBGetFileTitle(path)));
    util::ApplyScheme(*RKVCanvas);
    if (loaded) util::SchemeModified = false;
    // Part of the file was read: the scheme now matches no file.
    else if (!SameColors(CaptureScheme(), step)) util::SchemeModified = true;
    UpdatePanelScrollBars();
    if (loaded) util::LastSchemePath = util::FolderOf(path);
    // Recorded before the render lets pending events run.
    Coloring->RecordScheme(tr("Load Scheme"), step, CaptureScheme());
    RenderAgain(*RKVCanvas);
}

void frmMain::cmdSaveScheme_Click()
{
    const ColoringHistory::Hold hold(*Coloring);
    cCommonDialog chooser;
    const QString path =
        chooser
            .ChooseFile(cCommonDialog::FileChoice::Save, tr("Save Color Scheme"), tr(SchemeSaveFilter),
                        util::SaveStartFolder(util::LastSchemePath, QStringLiteral("schemes")), this, QStringLiteral(".RKS3"))
            .value_or(QString());
    if (path.isEmpty()) return;
    // A failed save has told the user; the scheme is still unsaved.
    if (!util::SaveScheme(path)) return;
    lblSchemeName->setText(tr("Scheme: %1").arg(chooser.VBGetFileTitle(path)));
    util::SchemeModified = false;
    Coloring->MarkSaved(ColorSet::Scheme, lblSchemeName->text());
    repaint();
    util::LastSchemePath = util::FolderOf(path);
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
