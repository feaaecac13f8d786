#include "coloreditor/dlgColor.h"

#include "colorbytes/ColorBytes.h"
#include "coloreditor/ColorEditTarget.h"
#include "coloreditor/ColorSwatch.h"
#include "coloreditor/MaterialSamples.h"
#include "coloreditor/PictureBox.h"
#include "dialogs/cCommonDialog.h"
#include "model/ProgramState.h"
#include "model/SaveFolders.h"
#include "model/core/ColorFile.h"
#include "model/core/PathNames.h"
#include "textinput/NumericText.h"
#include "textinput/SingleLineValidator.h"

#include "platform/MessageBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <optional>

namespace {

const char* const ModifiedQuestion = QT_TRANSLATE_NOOP("dlgColor", "Color has been modified. Save changes?");

}  // namespace

dlgColor::dlgColor(ColorEditTarget* target, QWidget* parent) : QDialog(parent), target_(target)
{
    setObjectName(QStringLiteral("dlgColor"));
    createControls();
    Form_Load();
}

dlgColor::~dlgColor() = default;

std::unique_ptr<dlgColor> dlgColor::Prepare(ColorEditTarget* target, QWidget* parent, qint16 index,
                                            qint32 colorValue, qint32 offset, const QString& name)
{
    mdlRKVUtilities::EditCancelled = false;
    mdlRKVUtilities::EditColor = colorValue;
    auto dialog = std::make_unique<dlgColor>(target, parent);
    dialog->Fill(index, offset, name);
    return dialog;
}

void dlgColor::Fill(qint16 index, qint32 offset, const QString& name)
{
    TargetIndex = index;
    txtBlendOffset->setText(QString::number(offset));
    sldBlendOffset->setValue(offset);
    txtColorName->setText(name);
    // An offset beyond the slider's range leaves the slider at its nearest
    // end; the colour keeps its own offset until the user changes it.
    offset_ = offset;
    BuildPreviewTable();
    RenderMaterialPreview();
    ColorModified = false;
}

void dlgColor::createControls()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    fraCurrentColor = new QGroupBox(tr("Current Color (Click swatch to change)"), this);
    fraCurrentColor->setObjectName(QStringLiteral("fraCurrentColor"));
    picCurrentColor = new ColorSwatch(fraCurrentColor);
    picCurrentColor->setObjectName(QStringLiteral("picCurrentColor"));
    picCurrentColor->setMinimumSize(240, 56);
    picCurrentColor->setToolTip(tr("Click to choose the color"));
    txtColorName = new QLineEdit(tr("(Color Name)"), fraCurrentColor);
    txtColorName->setObjectName(QStringLiteral("txtColorName"));
    txtColorName->setValidator(new SingleLineValidator(txtColorName));
    auto* colorLayout = new QVBoxLayout(fraCurrentColor);
    colorLayout->addWidget(picCurrentColor);
    colorLayout->addWidget(txtColorName);

    fraBlendOffset = new QGroupBox(tr("Blend Offset"), this);
    fraBlendOffset->setObjectName(QStringLiteral("fraBlendOffset"));
    sldBlendOffset = new QSlider(Qt::Horizontal, fraBlendOffset);
    sldBlendOffset->setObjectName(QStringLiteral("sldBlendOffset"));
    sldBlendOffset->setRange(ColorFile::MinOffset, ColorFile::MaxOffset);
    sldBlendOffset->setValue(-127);
    sldBlendOffset->setSingleStep(1);
    sldBlendOffset->setPageStep(16);
    sldBlendOffset->setTickPosition(QSlider::TicksBelow);
    sldBlendOffset->setTickInterval(32);
    lblDarker = new QLabel(tr("Darker"), fraBlendOffset);
    lblDarker->setObjectName(QStringLiteral("lblDarker"));
    lblLighter = new QLabel(tr("Lighter"), fraBlendOffset);
    lblLighter->setObjectName(QStringLiteral("lblLighter"));
    txtBlendOffset = new QLineEdit(QStringLiteral("-127"), fraBlendOffset);
    txtBlendOffset->setObjectName(QStringLiteral("txtBlendOffset"));
    txtBlendOffset->setAlignment(Qt::AlignCenter);
    txtBlendOffset->setFixedWidth(56);
    auto* offsetLayout = new QGridLayout(fraBlendOffset);
    offsetLayout->addWidget(sldBlendOffset, 0, 0, 1, 3);
    offsetLayout->addWidget(lblDarker, 1, 0, Qt::AlignLeft);
    offsetLayout->addWidget(txtBlendOffset, 1, 1, Qt::AlignCenter);
    offsetLayout->addWidget(lblLighter, 1, 2, Qt::AlignRight);

    fraShaderPreview = new QGroupBox(tr("Render Preview (Paint)"), this);
    fraShaderPreview->setObjectName(QStringLiteral("fraShaderPreview"));
    picShaderPreview = new PictureBox(QSize(MaterialSamples::SampleSize, MaterialSamples::SampleSize), fraShaderPreview);
    picShaderPreview->setObjectName(QStringLiteral("picShaderPreview"));
    cmdPrevMaterial = new QPushButton(QStringLiteral("&<"), fraShaderPreview);
    cmdPrevMaterial->setObjectName(QStringLiteral("cmdPrevMaterial"));
    cmdPrevMaterial->setToolTip(tr("Previous Material"));
    cmdNextMaterial = new QPushButton(QStringLiteral("&>"), fraShaderPreview);
    cmdNextMaterial->setObjectName(QStringLiteral("cmdNextMaterial"));
    cmdNextMaterial->setToolTip(tr("Next Material"));
    auto* materialButtons = new QHBoxLayout;
    materialButtons->addWidget(cmdPrevMaterial);
    materialButtons->addWidget(cmdNextMaterial);
    auto* previewLayout = new QVBoxLayout(fraShaderPreview);
    previewLayout->addWidget(picShaderPreview, 0, Qt::AlignHCenter);
    previewLayout->addLayout(materialButtons);
    previewLayout->addStretch(1);

    cmdSaveNew = new QPushButton(tr("&Save Color"), this);
    cmdSaveNew->setObjectName(QStringLiteral("cmdSaveNew"));
    cmdLoadColor = new QPushButton(tr("&Load Color"), this);
    cmdLoadColor->setObjectName(QStringLiteral("cmdLoadColor"));
    CmdOK = new QPushButton(tr("&OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    CmdCancel = new QPushButton(tr("&Cancel"), this);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    for (QPushButton* button : {cmdSaveNew, cmdLoadColor, cmdPrevMaterial, cmdNextMaterial, CmdCancel})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveNew);
    buttons->addWidget(cmdLoadColor);
    buttons->addStretch(1);
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(fraCurrentColor, 0, 0);
    layout->addWidget(fraBlendOffset, 1, 0);
    layout->addWidget(fraShaderPreview, 0, 1, 2, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(picCurrentColor, &ColorSwatch::clicked, this, &dlgColor::picCurrentColor_Click);
    connect(sldBlendOffset, &QSlider::valueChanged, this, &dlgColor::sldBlendOffset_ValueChanged);
    // Pressing and releasing the handle without moving it changes nothing.
    connect(sldBlendOffset, &QSlider::sliderPressed, this,
            [this] { offsetAtPress_ = sldBlendOffset->value(); });
    connect(sldBlendOffset, &QSlider::sliderReleased, this, [this] {
        if (sldBlendOffset->value() != offsetAtPress_) sldBlendOffset_Change();
    });
    // Text set from code runs the replacement rule at once; the user's typing
    // runs it when finished: Enter, or the box losing the focus (so a minus
    // sign typed first is not put back before its digits follow).
    connect(txtBlendOffset, &QLineEdit::textChanged, this,
            [this] { txtBlendOffset_Change(!txtBlendOffset->isModified()); });
    connect(txtBlendOffset, &QLineEdit::editingFinished, this, &dlgColor::txtBlendOffset_Finished);
    txtBlendOffset->installEventFilter(this);
    connect(txtColorName, &QLineEdit::textChanged, this, &dlgColor::txtColorName_Change);
    connect(cmdPrevMaterial, &QPushButton::clicked, this, &dlgColor::cmdPrevMaterial_Click);
    connect(cmdNextMaterial, &QPushButton::clicked, this, &dlgColor::cmdNextMaterial_Click);
    connect(cmdSaveNew, &QPushButton::clicked, this, &dlgColor::cmdSaveNew_Click);
    connect(cmdLoadColor, &QPushButton::clicked, this, &dlgColor::cmdLoadColor_Click);
    connect(CmdOK, &QPushButton::clicked, this, &dlgColor::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &dlgColor::CmdCancel_Click);
}

void dlgColor::Form_Load()
{
    preview_.Load();
    setWindowTitle(tr("Color Editor"));
    ColorModified = false;
    picCurrentColor->setBackColor(mdlRKVUtilities::EditColor);
    commonDialog().setCustomColor(0, picCurrentColor->BackColor());
    BuildPreviewTable();
    RenderMaterialPreview();
}

void dlgColor::Form_Unload()
{
    preview_.Unload();
    commonDialog_.reset();
    ColorModified = false;
}

void dlgColor::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

cCommonDialog& dlgColor::commonDialog()
{
    if (!commonDialog_) commonDialog_ = std::make_unique<cCommonDialog>();
    return *commonDialog_;
}

void dlgColor::BuildPreviewTable()
{
    preview_.BuildPreviewTable(picCurrentColor->BackColor(), qint16(offset_));
}

void dlgColor::RenderMaterialPreview()
{
    picShaderPreview->setPicture(preview_.RenderMaterialPreview(picShaderPreview->innerSize()));
}

void dlgColor::picCurrentColor_Click()
{
    qint32 color = picCurrentColor->BackColor();
    qint32 flags = 0;
    commonDialog().VBChooseColor(color, true, true, false, this, flags);
    if (color == -1) return;  // cancelled
    picCurrentColor->setBackColor(color);
    commonDialog().setCustomColor(0, color);
    BuildPreviewTable();
    RenderMaterialPreview();
    ColorModified = true;
}

void dlgColor::sldBlendOffset_ValueChanged()
{
    offset_ = sldBlendOffset->value();
    if (offsetFromText_) {
        // The offset box moved the slider: its text stays as typed, the
        // preview follows the new offset.
        BuildPreviewTable();
        RenderMaterialPreview();
        return;
    }
    if (sldBlendOffset->isSliderDown())
        sldBlendOffset_Scroll();
    else
        sldBlendOffset_Change();
}

// While the user drags the slider.
void dlgColor::sldBlendOffset_Scroll()
{
    txtBlendOffset->setText(QString::number(sldBlendOffset->value()));
    ColorModified = true;
}

// A completed change: the drag released, a key or a click on the groove.
void dlgColor::sldBlendOffset_Change()
{
    txtBlendOffset->setText(QString::number(sldBlendOffset->value()));
    ColorModified = true;
    BuildPreviewTable();
    RenderMaterialPreview();
}

void dlgColor::txtBlendOffset_Change(bool finished)
{
    const std::optional<double> value = NumericValueOf(txtBlendOffset->text());
    // While the user types, only a number within the slider's range moves
    // the slider; anything else waits for the typing to finish.
    const bool inRange = value && *value <= sldBlendOffset->maximum() && *value >= sldBlendOffset->minimum();
    if (!finished && !inRange) return;
    if (!value) {
        txtBlendOffset->setText(QString::number(sldBlendOffset->value()));
        return;
    }
    // Replacing the text runs these steps again with the limit.
    if (*value > sldBlendOffset->maximum()) {
        txtBlendOffset->setText(QString::number(sldBlendOffset->maximum()));
        return;
    }
    if (*value < sldBlendOffset->minimum()) {
        txtBlendOffset->setText(QString::number(sldBlendOffset->minimum()));
        return;
    }
    offsetFromText_ = true;
    sldBlendOffset->setValue(int(RoundHalfEven(*value)));
    offsetFromText_ = false;
    offset_ = sldBlendOffset->value();
    ColorModified = true;
}

void dlgColor::txtBlendOffset_Finished()
{
    if (!txtBlendOffset->isModified()) return;
    // Replacements are text set from code: they run the rule again at once.
    txtBlendOffset->setModified(false);
    txtBlendOffset_Change(true);
}

bool dlgColor::eventFilter(QObject* watched, QEvent* event)
{
    // Enter after typing an offset applies it and leaves the dialog open; an
    // Enter with nothing typed presses OK as usual.
    if (watched == txtBlendOffset && event->type() == QEvent::KeyPress && txtBlendOffset->isModified()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtBlendOffset_Finished();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void dlgColor::txtColorName_Change()
{
    ColorModified = true;
}

void dlgColor::cmdPrevMaterial_Click()
{
    preview_.PreviousMaterial();
    BuildPreviewTable();
    RenderMaterialPreview();
    fraShaderPreview->setTitle(preview_.FrameCaption());
}

void dlgColor::cmdNextMaterial_Click()
{
    preview_.NextMaterial();
    BuildPreviewTable();
    RenderMaterialPreview();
    fraShaderPreview->setTitle(preview_.FrameCaption());
}

void dlgColor::askToSaveChanges()
{
    if (!ColorModified || !mdlRKVUtilities::PromptSaveOnChanges) return;
    if (Platform::MessageBox::show(tr(ModifiedQuestion), Platform::MsgButtons::YesNo) == Platform::MsgAnswer::Yes)
        cmdSaveNew_Click();
}

void dlgColor::cmdSaveNew_Click()
{
    const std::optional<QString> chosen = commonDialog().ChooseFile(
        cCommonDialog::FileChoice::Save, tr("Save RKV3 Color"), ColorFile::Filter(),
        mdlRKVUtilities::SaveStartFolder(mdlRKVUtilities::LastColorPath, QStringLiteral("colors")), this,
        QStringLiteral(".RKL"));
    if (!chosen) return;
    const QString& fileName = *chosen;
    // A colour file holds the slider's offset, the range its reader takes.
    if (!ColorFile::Save(fileName, txtColorName->text(), picCurrentColor->BackColor(), sldBlendOffset->value())) {
        // The old file, if any, is left as it was.
        Platform::MessageBox::show(tr("Error saving color."), Platform::MsgButtons::OkOnly,
                                   Platform::MsgIcon::Critical);
        return;
    }
    ColorModified = false;
    mdlRKVUtilities::LastColorPath = mdlRKVUtilities::FolderOf(fileName);
}

void dlgColor::cmdLoadColor_Click()
{
    askToSaveChanges();

    const std::optional<QString> chosen =
        commonDialog().ChooseFile(cCommonDialog::FileChoice::Open, tr("Load RKV3 Color"),
                                  ColorFile::Filter(), mdlRKVUtilities::LastColorPath, this);
    if (!chosen) return;
    const QString& fileName = *chosen;
    if (!LoadColorFile(fileName)) {
        // What was applied before the fault stays; the preview shows it.
        BuildPreviewTable();
        RenderMaterialPreview();
        Platform::MessageBox::show(tr("Invalid file."), Platform::MsgButtons::OkOnly,
                                   Platform::MsgIcon::Critical);
        return;
    }
    BuildPreviewTable();
    RenderMaterialPreview();
    ColorModified = false;
    mdlRKVUtilities::LastColorPath = mdlRKVUtilities::FolderOf(fileName);
}

bool dlgColor::LoadColorFile(const QString& path)
{
    const ColorFile::Contents file = ColorFile::Read(path);
    if (file.name) txtColorName->setText(*file.name);
    if (file.colorValue) picCurrentColor->setBackColor(*file.colorValue);
    if (file.offset) {
        sldBlendOffset->setValue(*file.offset);
        offset_ = *file.offset;
    }
    return file.complete();
}

void dlgColor::CmdOK_Click()
{
    askToSaveChanges();
    if (target_) {
        target_->setSwatchColor(TargetIndex, picCurrentColor->BackColor());
        target_->setSwatchTag(TargetIndex, QString::number(offset_));
        target_->setColorName(TargetIndex, txtColorName->text());
    }
    accept();
}

void dlgColor::CmdCancel_Click()
{
    mdlRKVUtilities::EditCancelled = true;
    QDialog::reject();
}

// Escape and the window's close button leave the dialog as Cancel does.
void dlgColor::reject()
{
    CmdCancel_Click();
}
