// The print dialog's choices beyond the tile mode: Split Across Sheets with
// its overlap, Fit to Sheet, the scale bar, and the warnings about a page
// larger than its sheet.
#include "print/dlgPrint.h"

#include "model/ViewerSettings.h"
#include "model/core/ModelState.h"
#include "print/PrintSheetChoices.h"
#include "view/RKV3CanvasCtl.h"

#include "platform/MessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace util = mdlRKVUtilities;

void dlgPrint::createSheetControls()
{
    fraSheets = new QGroupBox(tr("Big Pages"), this);
    fraSheets->setObjectName(QStringLiteral("fraSheets"));
    auto* split = new QRadioButton(tr("Split Across Sheets"), fraSheets);
    split->setObjectName(QStringLiteral("optTiling_2"));
    optTiling.append(split);
    // The three layouts are one choice, though the third lives in this frame.
    grpTiling = new QButtonGroup(this);
    for (int i = 0; i < optTiling.size(); ++i) grpTiling->addButton(optTiling[i], i);
    lblOverlap = new QLabel(tr("Overlap"), fraSheets);
    lblOverlap->setObjectName(QStringLiteral("lblOverlap"));
    txtOverlap = new QLineEdit(fraSheets);
    txtOverlap->setObjectName(QStringLiteral("txtOverlap"));
    txtOverlap->setFixedWidth(72);
    lblOverlapUnits = new QLabel(QStringLiteral("in"), fraSheets);
    lblOverlapUnits->setObjectName(QStringLiteral("lblOverlapUnits"));
    chkFitToSheet = new QCheckBox(tr("Fit to Sheet"), fraSheets);
    chkFitToSheet->setObjectName(QStringLiteral("chkFitToSheet"));
    chkScaleBar = new QCheckBox(tr("Scale Bar"), fraSheets);
    chkScaleBar->setObjectName(QStringLiteral("chkScaleBar"));
    chkScaleBar->setToolTip(tr("A 50 mm and a 2 in bar in the footer of every sheet, to check the printed size"));
    lblPrintWarning = new QLabel(fraSheets);
    lblPrintWarning->setObjectName(QStringLiteral("lblPrintWarning"));
    lblPrintWarning->setWordWrap(true);
    lblPrintWarning->setTextFormat(Qt::PlainText);
    lblPrintWarning->setStyleSheet(QStringLiteral("color: #a00000;"));

    auto* layout = new QGridLayout(fraSheets);
    layout->addWidget(split, 0, 0);
    layout->addWidget(lblOverlap, 0, 1);
    layout->addWidget(txtOverlap, 0, 2);
    layout->addWidget(lblOverlapUnits, 0, 3);
    layout->addWidget(chkFitToSheet, 1, 0);
    layout->addWidget(chkScaleBar, 1, 1, 1, 3);
    layout->addWidget(lblPrintWarning, 2, 0, 1, 5);
    layout->setColumnStretch(4, 1);

    connect(split, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optTiling_Click(SplitTileMode);
    });
    connect(txtOverlap, &QLineEdit::textChanged, this, [this] { txtOverlap_Change(); });
    connect(chkFitToSheet, &QCheckBox::clicked, this, [this] { chkFitToSheet_Click(); });
    connect(chkScaleBar, &QCheckBox::clicked, this, [this] { chkScaleBar_Click(); });
}

void dlgPrint::loadSheetSettings()
{
    const int layout = util::GetSetting(util::Setting::UserPrintLayout).trimmed().toInt();
    settings_.TileMode = layout == 1 || layout == SplitTileMode ? layout : 0;
    settings_.Overlap =
        ParseLength(util::GetSetting(util::Setting::UserPrintOverlap)).value_or(DefaultOverlap(settings_.PaperCode));
    settings_.FitToSheet = util::BoolFromSettingText(util::GetSetting(util::Setting::UserPrintFitToSheet), false);
    settings_.ScaleBar = util::BoolFromSettingText(util::GetSetting(util::Setting::UserPrintScaleBar), false);
    // Shown without running the handlers: the measurements come next.
    const QSignalBlocker quietOption(optTiling[settings_.TileMode]);
    optTiling[settings_.TileMode]->setChecked(true);
    chkFitToSheet->setChecked(settings_.FitToSheet);
    chkScaleBar->setChecked(settings_.ScaleBar);
    showOverlap();
}

void dlgPrint::saveSheetSettings()
{
    util::SaveSettings({{util::Setting::UserPrintLayout, QString::number(settings_.TileMode)},
                  {util::Setting::UserPrintOverlap, LengthText(settings_.Overlap, settings_.PaperCode)},
                  {util::Setting::UserPrintFitToSheet, util::BoolSettingText(settings_.FitToSheet)},
                  {util::Setting::UserPrintScaleBar, util::BoolSettingText(settings_.ScaleBar)}});
}

void dlgPrint::showOverlap()
{
    const LengthUnit unit = UnitOfPaper(settings_.PaperCode);
    const float factor = unit.known ? unit.factor : 1.0f;
    lblOverlapUnits->setText(unit.known ? unit.label : QStringLiteral("in"));
    const QSignalBlocker quiet(txtOverlap);
    txtOverlap->setText(TwoDecimals(double(settings_.Overlap * factor)));
}

void dlgPrint::txtOverlap_Change()
{
    // A length of the shown unit, kept in inches as typed; anything else
    // (a letter, a negative length) puts the stored overlap back.
    const std::optional<double> value = OffsetBoxValue(txtOverlap->text());
    const LengthUnit unit = UnitOfPaper(settings_.PaperCode);
    if (value && *value >= 0 && *value < 1000.0)
        settings_.Overlap = float(*value / double(unit.known ? unit.factor : 1.0f));
    else
        showOverlap();
    UpdateTiling();
}

void dlgPrint::chkFitToSheet_Click()
{
    settings_.FitToSheet = chkFitToSheet->isChecked();
    UpdateTiling();
}

void dlgPrint::chkScaleBar_Click() { settings_.ScaleBar = chkScaleBar->isChecked(); }

void dlgPrint::updateSheetChoices()
{
    chkFitToSheet->setEnabled(settings_.TileMode == 1);
    txtOverlap->setEnabled(settings_.TileMode == SplitTileMode);
    QString warning;
    if (settings_.TileMode == SplitTileMode) {
        const SplitPlan plan = SplitOf(settings_, canvas_.CanvasWidth(), canvas_.CanvasHeight(), util::Model.Resolution);
        if (const std::optional<QString> refusal = SplitRefusalText(plan, util::Model.Resolution, settings_.PaperCode)) {
            warning = *refusal;
            lblTiling->setText(tr("Sheets: Unspecified"));
        } else {
            lblTiling->setText(SheetsLabel(plan));
        }
    } else {
        const PageInches page = PageSizeInches(canvas_.CanvasWidth(), canvas_.CanvasHeight(), util::Model.Resolution);
        warning = CutOffWarning(settings_, page).value_or(QString());
    }
    lblPrintWarning->setText(warning);
}

bool dlgPrint::refuseSplit()
{
    if (settings_.TileMode != SplitTileMode) return false;
    // The overlap is checked against the sheet whatever the page; a page of
    // a print-all run that needs too many sheets is reported by the canvas
    // and skipped.
    const SplitPlan plan = SplitOf(settings_, canvas_.CanvasWidth(), canvas_.CanvasHeight(), util::Model.Resolution);
    if (const std::optional<QString> refusal = SplitRefusalText(plan, util::Model.Resolution, settings_.PaperCode)) {
        Platform::MessageBox::show(*refusal, Platform::MsgButtons::OkOnly, Platform::MsgIcon::Exclamation);
        return true;
    }
    return false;
}
