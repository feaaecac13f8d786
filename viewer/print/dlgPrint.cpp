#include "print/dlgPrint.h"

#include "model/ProgramState.h"
#include "model/ViewerSettings.h"
#include "model/core/ModelState.h"
#include "model/core/NumberReading.h"
#include "platform/PrinterRegistry.h"
#include "textinput/NumericText.h"
#include "view/RKV3CanvasCtl.h"

#include "platform/MessageBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace util = mdlRKVUtilities;

namespace {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QGroupBox(caption, parent), name);
}

QLabel* label(QWidget* parent, const char* name, const QString& text)
{
    return named(new QLabel(text, parent), name);
}

// Units and axis letters, the same in every language.
QLabel* label(QWidget* parent, const char* name, const char* text)
{
    return label(parent, name, QString::fromLatin1(text));
}

}  // namespace

dlgPrint::dlgPrint(RKV3CanvasCtl& canvas, QWidget* owner) : QDialog(owner), canvas_(canvas)
{
    setObjectName(QStringLiteral("dlgPrint"));
    createControls();
    Form_Load();
}

dlgPrint::~dlgPrint() = default;

void dlgPrint::ShowFor(RKV3CanvasCtl& canvas, QWidget* owner, bool allPages)
{
    util::PrintAllPages = allPages;
    {
        dlgPrint dialog(canvas, owner);
        dialog.exec();
    }
    util::PrintAllPages = false;
}

void dlgPrint::createControls()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    fraPrinters = frame(this, "fraPrinters", tr("Select Printer"));
    cboPrinters = named(new QComboBox(fraPrinters), "cboPrinters");
    cboPrinters->setMinimumContentsLength(28);
    (new QVBoxLayout(fraPrinters))->addWidget(cboPrinters);

    fraQuality = frame(this, "fraQuality", tr("Print Quality"));
    cboQuality = named(new QComboBox(fraQuality), "cboQuality");
    {
        const QSignalBlocker quiet(cboQuality);
        cboQuality->addItems({tr("Draft"), tr("Low"), tr("Normal"),
                              tr("Best")});
        cboQuality->setCurrentIndex(-1);
    }
    (new QVBoxLayout(fraQuality))->addWidget(cboQuality);

    Frame1 = frame(this, "Frame1", tr("Print Quantity"));
    txtQuantity = named(new QLineEdit(QStringLiteral("1"), Frame1), "txtQuantity");
    (new QVBoxLayout(Frame1))->addWidget(txtQuantity);

    fraPaper = frame(this, "fraPaper", tr("Paper Size Choices"));
    optPaperSize = {named(new QRadioButton(tr("US Letter (8.5x11 inches)"), fraPaper), "optPaperSize_0"),
                    named(new QRadioButton(tr("ISO A4 (210x297mm)"), fraPaper), "optPaperSize_1")};
    auto* paperLayout = new QVBoxLayout(fraPaper);
    for (QRadioButton* option : optPaperSize) paperLayout->addWidget(option);

    Frame2 = frame(this, "Frame2", tr("Printing Options"));
    optTiling = {named(new QRadioButton(tr("Tile On Page"), Frame2), "optTiling_0"),
                 named(new QRadioButton(tr("Center On Page"), Frame2), "optTiling_1")};
    optTiling[0]->setChecked(true);
    lblTiling = label(Frame2, "lblTiling", tr("H Tiles: Unspecified  V Tiles: Unspecified"));
    auto* tilingLayout = new QVBoxLayout(Frame2);
    for (QRadioButton* option : optTiling) tilingLayout->addWidget(option);
    tilingLayout->addWidget(lblTiling);

    Frame3 = frame(this, "Frame3", tr("Printer Properties"));
    lblPrintWidth = label(Frame3, "lblPrintWidth", tr("Print Width: Unspecified"));
    lblPrintHeight = label(Frame3, "lblPrintHeight", tr("Print Height: Unspecified"));
    lblLeftPrintMargin = label(Frame3, "lblLeftPrintMargin", tr("Left Margin: Unspecified"));
    lblTopPrintMargin = label(Frame3, "lblTopPrintMargin", tr("Top Margin: Unspecified"));
    lblRightPrintMargin = label(Frame3, "lblRightPrintMargin", tr("Right Margin: Unspecified"));
    lblBottomPrintMargin = label(Frame3, "lblBottomPrintMargin", tr("Bottom Margin: Unspecified"));
    auto* propertiesLayout = new QGridLayout(Frame3);
    propertiesLayout->setHorizontalSpacing(18);
    propertiesLayout->addWidget(lblPrintWidth, 0, 0);
    propertiesLayout->addWidget(lblPrintHeight, 0, 1);
    propertiesLayout->addWidget(lblLeftPrintMargin, 1, 0);
    propertiesLayout->addWidget(lblTopPrintMargin, 1, 1);
    propertiesLayout->addWidget(lblRightPrintMargin, 2, 0);
    propertiesLayout->addWidget(lblBottomPrintMargin, 2, 1);

    Frame4 = frame(this, "Frame4", tr("Custom Margins"));
    lblHOffset = label(Frame4, "lblHOffset", "H");
    txtHOffset = named(new QLineEdit(QStringLiteral("0"), Frame4), "txtHOffset");
    lblVOffset = label(Frame4, "lblVOffset", "V");
    txtVOffset = named(new QLineEdit(QStringLiteral("0"), Frame4), "txtVOffset");
    lblUnits = {label(Frame4, "lblUnits_0", "in"), label(Frame4, "lblUnits_1", "in")};
    for (QLineEdit* box : {txtHOffset, txtVOffset}) box->setFixedWidth(72);
    auto* marginsLayout = new QGridLayout(Frame4);
    marginsLayout->addWidget(lblHOffset, 0, 0);
    marginsLayout->addWidget(txtHOffset, 0, 1);
    marginsLayout->addWidget(lblUnits[0], 0, 2);
    marginsLayout->addWidget(lblVOffset, 1, 0);
    marginsLayout->addWidget(txtVOffset, 1, 1);
    marginsLayout->addWidget(lblUnits[1], 1, 2);
    marginsLayout->setColumnStretch(3, 1);

    cmdPrint = named(new QPushButton(tr("&Print"), this), "cmdPrint");
    cmdPrint->setDefault(true);
    cmdPreview = named(new QPushButton(tr("P&review"), this), "cmdPreview");
    cmdSave = named(new QPushButton(tr("&Save Image To Disk"), this), "cmdSave");
    CmdCancel = named(new QPushButton(tr("&Cancel"), this), "CmdCancel");
    for (QPushButton* button : {cmdPreview, cmdSave, CmdCancel}) button->setAutoDefault(false);
    lblStatus = label(this, "lblStatus", tr("Idle"));
    prgPages = named(new QProgressBar(this), "prgPages");
    prgPages->setFormat(tr("Page %v of %m"));
    prgPages->setVisible(false);

    auto* grid = new QGridLayout;
    grid->addWidget(fraPrinters, 0, 0, 1, 2);
    grid->addWidget(fraQuality, 1, 0);
    grid->addWidget(Frame1, 1, 1);
    grid->addWidget(fraPaper, 2, 0);
    grid->addWidget(Frame2, 2, 1);
    grid->addWidget(Frame3, 3, 0);
    grid->addWidget(Frame4, 3, 1);
    createSheetControls();
    grid->addWidget(fraSheets, 4, 0, 1, 2);
    auto* status = new QHBoxLayout;
    status->addWidget(lblStatus, 1);
    status->addWidget(prgPages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdSave);
    buttons->addStretch(1);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(status);
    layout->addLayout(buttons);

    connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdPreview_Click(); });
    connect(cboPrinters, &QComboBox::currentIndexChanged, this, [this] { cboPrinters_Click(); });
    connect(cboQuality, &QComboBox::currentIndexChanged, this, [this] { cboQuality_Click(); });
    connect(txtQuantity, &QLineEdit::textChanged, this, [this] { txtQuantity_Change(); });
    for (int i = 0; i < 2; ++i) {
        connect(optPaperSize[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optPaperSize_Click(i);
        });
        connect(optTiling[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optTiling_Click(i);
        });
    }
    connect(txtHOffset, &QLineEdit::textChanged, this, [this] { txtHOffset_Change(); });
    connect(txtVOffset, &QLineEdit::textChanged, this, [this] { txtVOffset_Change(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });
}

void dlgPrint::Form_Load()
{
    using Platform::PrinterRegistry;
    settings_.PaperCode = util::ReadNumber(util::GetSetting(util::Setting::DefaultPaperSize)).value_or(Platform::PaperLetter);
    settings_.HOffset = float(OffsetBoxValue(util::GetSetting(util::Setting::UserPrintOffsetX)).value_or(0));
    settings_.VOffset = float(OffsetBoxValue(util::GetSetting(util::Setting::UserPrintOffsetY)).value_or(0));
    if (settings_.PaperCode == Platform::PaperLetter) {
        optPaperSize[0]->setChecked(true);
    } else if (settings_.PaperCode == Platform::PaperA4) {
        optPaperSize[1]->setChecked(true);
    }

    int remembered = 0;
    {
        const QSignalBlocker quiet(cboPrinters);
        // The current printer: the system's default at first, then the one
        // chosen last.
        const auto current = PrinterRegistry::current();
        const QString currentName = current ? current->DeviceName() : QString();
        const auto printers = PrinterRegistry::printers();
        for (int i = 0; i < printers.size(); ++i) {
            cboPrinters->addItem(printers[i]->DeviceName());
            if (printers[i]->DeviceName() == currentName) remembered = i;
        }
        cboPrinters->setCurrentIndex(-1);
    }
    settings_.CopyCount = 1;
    settings_.QualityCode = Platform::QualityMedium;
    settings_.TileMode = 0;
    loadSheetSettings();
    cboPrinters->setCurrentIndex(remembered);
    settings_.PrinterIndex = remembered;
    cboQuality->setCurrentIndex(2);
    ApplyPrinterSettings();
    MeasurePrinter();
    UpdateTiling();
    cmdSave->setEnabled(!util::PrintAllPages);
}

void dlgPrint::done(int result)
{
    // Escape or the window's close button while pages are going out, as
    // the disabled Cancel button, closes nothing.
    if (printing_) return;
    Form_Unload();
    QDialog::done(result);
}

void dlgPrint::Form_Unload()
{
    if (unloaded_) return;
    unloaded_ = true;
    util::SaveSetting(util::Setting::DefaultPaperSize, QString::number(settings_.PaperCode));
    saveSheetSettings();
    const LengthUnit unit = UnitOfPaper(settings_.PaperCode);
    if (!unit.known) return;
    const double h = OffsetBoxValue(txtHOffset->text()).value_or(0);
    const double v = OffsetBoxValue(txtVOffset->text()).value_or(0);
    if (settings_.PaperCode == Platform::PaperLetter) {
        settings_.HOffset = float(h);
        settings_.VOffset = float(v);
    } else {
        settings_.HOffset = RoundToHundredths(h / 25.4);
        settings_.VOffset = RoundToHundredths(v / 25.4);
    }
    util::SaveSetting(util::Setting::UserPrintOffsetX, QString::number(double(settings_.HOffset), 'g', 7));
    util::SaveSetting(util::Setting::UserPrintOffsetY, QString::number(double(settings_.VOffset), 'g', 7));
}

void dlgPrint::cboPrinters_Click()
{
    const int index = cboPrinters->currentIndex();
    if (index < 0) return;
    if (!Platform::PrinterRegistry::setCurrent(index)) {
        Platform::MessageBox::show(tr("Error: Could not set selected printer."),
                                   Platform::MsgButtons::OkOnly, Platform::MsgIcon::Critical,
                                   tr("Error"));
        cmdPrint->setEnabled(false);
        cmdPreview->setEnabled(false);
        return;
    }
    settings_.PrinterIndex = index;
    ApplyPrinterSettings();
    MeasurePrinter();
    UpdateTiling();
    cmdPrint->setEnabled(true);
    cmdPreview->setEnabled(true);
}

void dlgPrint::cboQuality_Click()
{
    const int index = cboQuality->currentIndex();
    if (index >= 0 && index <= 3) settings_.QualityCode = -1 - index;
    ApplyPrinterSettings();
}

void dlgPrint::txtQuantity_Change()
{
    const std::optional<double> value = NumericValueOf(txtQuantity->text());
    if (!value) {
        txtQuantity->setText(QStringLiteral("1"));  // runs this handler again
        return;
    }
    const double count = std::nearbyint(*value);  // halves to even
    settings_.CopyCount = qint32(std::clamp(count, double(INT32_MIN), double(INT32_MAX)));
    ApplyPrinterSettings();
}

void dlgPrint::optPaperSize_Click(int index)
{
    settings_.PaperCode = index == 0 ? Platform::PaperLetter : Platform::PaperA4;
    ApplyPrinterSettings();
    MeasurePrinter();
    showOverlap();
    UpdateTiling();
}

void dlgPrint::optTiling_Click(int index)
{
    settings_.TileMode = index;
    UpdateTiling();
}

void dlgPrint::txtHOffset_Change() { offsetEntry(txtHOffset, settings_.HOffset); }

void dlgPrint::txtVOffset_Change() { offsetEntry(txtVOffset, settings_.VOffset); }

void dlgPrint::offsetEntry(QLineEdit* box, float& offset)
{
    if (const std::optional<float> value = OffsetFromEntry(box->text(), settings_.PaperCode, offset)) {
        offset = *value;
    } else {
        // Back to the stored offset in the current unit; the box always ends
        // up holding a number.
        const LengthUnit unit = UnitOfPaper(settings_.PaperCode);
        const QSignalBlocker quiet(box);
        box->setText(TwoDecimals(double(offset * (unit.known ? unit.factor : 1.0f))));
    }
    UpdateTiling();
}

void dlgPrint::CmdCancel_Click() { reject(); }

void dlgPrint::ApplyPrinterSettings()
{
    if (const auto printer = Platform::PrinterRegistry::current())
        ::ApplyPrinterSettings(settings_, *printer);
}

void dlgPrint::MeasurePrinter()
{
    if (const auto printer = Platform::PrinterRegistry::current())
        ::MeasurePrinter(settings_, *printer);
    lblPrintWidth->setText(tr("Print Width: ") + FormatLength(settings_.PrintWidth));
    lblPrintHeight->setText(tr("Print Height: ") + FormatLength(settings_.PrintHeight));
    lblLeftPrintMargin->setText(tr("Left Margin: ") + FormatLength(settings_.LeftMargin));
    lblTopPrintMargin->setText(tr("Top Margin: ") + FormatLength(settings_.TopMargin));
    lblRightPrintMargin->setText(tr("Right Margin: ") + FormatLength(settings_.RightMargin));
    lblBottomPrintMargin->setText(tr("Bottom Margin: ") + FormatLength(settings_.BottomMargin));
}

QString dlgPrint::FormatLength(float inches)
{
    const LengthUnit unit = UnitOfPaper(settings_.PaperCode);
    if (!unit.known) return QString();
    for (QLabel* units : lblUnits) units->setText(unit.label);
    // A box whose text changes runs the offset-entry rule.
    const QString h = OffsetText(settings_.HOffset, settings_.PaperCode);
    if (txtHOffset->text() != h) txtHOffset->setText(h);
    const QString v = OffsetText(settings_.VOffset, settings_.PaperCode);
    if (txtVOffset->text() != v) txtVOffset->setText(v);
    return ::FormatLength(inches, settings_.PaperCode);
}

void dlgPrint::UpdateTiling()
{
    const PageInches page =
        PageSizeInches(canvas_.CanvasWidth(), canvas_.CanvasHeight(), util::Model.Resolution);
    if (settings_.TileMode == 0 || settings_.TileMode == 1) {
        lblTiling->setText(TilingLabel(CountPrintTiles(settings_.PrintWidth, settings_.PrintHeight,
                                                       settings_.HOffset, settings_.VOffset,
                                                       page.width, page.height, settings_.TileMode)));
    }
    setWindowTitle(PartSizeCaption(page, settings_.PaperCode));
    updateSheetChoices();
}
