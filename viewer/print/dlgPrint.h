#pragma once

#include "print/PrintLayout.h"

#include <QDialog>
#include <QList>

class RKV3CanvasCtl;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The print dialog: the user picks the printer, quality, number of copies,
// paper, tiling and offsets, sees the printer's measurements and the layout,
// then prints the page on screen (or every page of the model when
// PrintAllPages is set) through the canvas's PrintImage, or saves the
// coloured page as a bitmap. Paper and offsets are kept in the settings
// store from one run to the next.
//
// Its opening steps run in the constructor; whatever closes it (Print, Save,
// Cancel, the window's close button) runs the closing step, which saves the
// settings.
class dlgPrint : public QDialog {
    Q_OBJECT

public:
    explicit dlgPrint(RKV3CanvasCtl& canvas, QWidget* owner = nullptr);
    ~dlgPrint() override;

    // The main window's menu commands: mnuFilePrint calls it with allPages
    // false, mnuFilePrintAll with true. It sets PrintAllPages, opens the
    // dialog modally over the owner and sets PrintAllPages back to false
    // when the dialog has closed.
    static void ShowFor(RKV3CanvasCtl& canvas, QWidget* owner, bool allPages);

    const PrintSettings& Settings() const { return settings_; }

protected:
    void done(int result) override;

private:
    void createControls();

    void Form_Load();
    void Form_Unload();
    void cboPrinters_Click();
    void cboQuality_Click();
    void txtQuantity_Change();
    void optPaperSize_Click(int index);
    void optTiling_Click(int index);
    void txtHOffset_Change();
    void txtVOffset_Change();
    void cmdPrint_Click();
    void cmdSave_Click();
    // Shows the sheets Print would send, drawn by the same PrintImage calls
    // on the print preview (dlgPrintPreview.cpp).
    void cmdPreview_Click();
    void CmdCancel_Click();
    // The choices beyond the tile mode: Split Across Sheets, its overlap,
    // Fit to Sheet and the scale bar (dlgPrintSheets.cpp).
    void createSheetControls();
    void loadSheetSettings();
    void saveSheetSettings();
    void txtOverlap_Change();
    void chkFitToSheet_Click();
    void chkScaleBar_Click();
    // The overlap box in the paper's unit.
    void showOverlap();
    // The sheets label of a split page, the cut-off warning or why the page
    // cannot be split, and Fit to Sheet enabled for Center On Page alone.
    void updateSheetChoices();
    // Why the current choice cannot be printed, told in a message box;
    // false when it can.
    bool refuseSplit();

    // The layout of the print dialog's measurements (see PrintLayout.h).
    void ApplyPrinterSettings();
    void MeasurePrinter();
    QString FormatLength(float inches);
    void UpdateTiling();
    void offsetEntry(QLineEdit* box, float& offset);

    // Asks for the PDF file when the chosen printer writes one; false when
    // the user cancels.
    bool chooseOutputFile();
    // The print run of the current choice: the page on screen, or every page.
    void runPrintJob(bool preview);
    void printCurrentPage(bool preview);
    void printAllPages(bool preview);
    void setStatus(const QString& text);

    RKV3CanvasCtl& canvas_;
    PrintSettings settings_;
    bool unloaded_ = false;
    bool printing_ = false;  // a print run is going on: the dialog stays open

    QGroupBox* fraPrinters = nullptr;
    QComboBox* cboPrinters = nullptr;
    QGroupBox* fraQuality = nullptr;
    QComboBox* cboQuality = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtQuantity = nullptr;
    QGroupBox* fraPaper = nullptr;
    QList<QRadioButton*> optPaperSize;
    QGroupBox* Frame2 = nullptr;
    QList<QRadioButton*> optTiling;
    QLabel* lblTiling = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* lblPrintWidth = nullptr;
    QLabel* lblPrintHeight = nullptr;
    QLabel* lblLeftPrintMargin = nullptr;
    QLabel* lblTopPrintMargin = nullptr;
    QLabel* lblRightPrintMargin = nullptr;
    QLabel* lblBottomPrintMargin = nullptr;
    QGroupBox* Frame4 = nullptr;
    QLabel* lblHOffset = nullptr;
    QLineEdit* txtHOffset = nullptr;
    QLabel* lblVOffset = nullptr;
    QLineEdit* txtVOffset = nullptr;
    QList<QLabel*> lblUnits;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* CmdCancel = nullptr;
    QLabel* lblStatus = nullptr;
    QGroupBox* fraSheets = nullptr;
    QButtonGroup* grpTiling = nullptr;
    QLabel* lblOverlap = nullptr;
    QLineEdit* txtOverlap = nullptr;
    QLabel* lblOverlapUnits = nullptr;
    QCheckBox* chkFitToSheet = nullptr;
    QCheckBox* chkScaleBar = nullptr;
    QLabel* lblPrintWarning = nullptr;
    QProgressBar* prgPages = nullptr;
};
