// The print dialog driven as a user would, over recording printers.
#include "PrintFixture.h"
#include "PrintTexts.h"
#include "PrinterRecording.h"
#include "ScriptedFileChooser.h"
#include "ViewerSettings.h"
#include "dlgPrint.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace mdlRKVUtilities;
using Platform::RecordingPrinter;
using Platform::RecordingPrinters;

class dlgPrintTest : public PrintFixture {
protected:
    template <typename T>
    T* child(const dlgPrint& dialog, const char* name)
    {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    RecordingPrinters printers{{std::make_shared<RecordingPrinter>(QStringLiteral("Laser")),
                                std::make_shared<RecordingPrinter>(QStringLiteral("Inkjet"))},
                               QStringLiteral("Inkjet")};
};

TEST_F(dlgPrintTest, OpensWithTheDefaultsOnTheDefaultPrinter)
{
    openModel(1, 30, 1, {120, 90});  // 4 x 3 in
    dlgPrint dialog(*canvas);
    EXPECT_EQ(dialog.Settings().PrinterIndex, 1);
    EXPECT_TRUE(child<QRadioButton>(dialog, "optPaperSize_0")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "cboQuality")->currentText(), "Normal");
    EXPECT_EQ(child<QLabel>(dialog, "lblPrintWidth")->text(), "Print Width: 8.00 in");
    EXPECT_EQ(child<QLabel>(dialog, "lblBottomPrintMargin")->text(), "Bottom Margin: 0.25 in");
    EXPECT_EQ(child<QLabel>(dialog, "lblTiling")->text(), "H Tiles: 1 / V Tiles: 3");
    EXPECT_EQ(dialog.windowTitle(), "RKV3Printer (Part Size: 4.033333x3 in)");
    EXPECT_TRUE(child<QPushButton>(dialog, "cmdSave")->isEnabled());
    // The printer got the dialog's quality.
    EXPECT_EQ(printers[1].callsOf("PrintQuality").last().values, QList<double>{-3});

    auto* quantity = child<QLineEdit>(dialog, "txtQuantity");
    quantity->setText(QStringLiteral("2.5"));
    EXPECT_EQ(dialog.Settings().CopyCount, 2);
    quantity->setText(QStringLiteral("abc"));
    EXPECT_EQ(quantity->text(), "1");
    EXPECT_EQ(printers[1].callsOf("Copies").last().values, QList<double>{1});

    // The printer chosen last is the current one when the dialog opens again.
    child<QComboBox>(dialog, "cboPrinters")->setCurrentIndex(0);
    EXPECT_EQ(dlgPrint(*canvas).Settings().PrinterIndex, 0);

    child<QRadioButton>(dialog, "optTiling_1")->click();
    EXPECT_EQ(child<QLabel>(dialog, "lblTiling")->text(), "H Tiles: 1 / V Tiles: 1");
    child<QLineEdit>(dialog, "txtHOffset")->setText(QStringLiteral("zz"));
    EXPECT_EQ(child<QLineEdit>(dialog, "txtHOffset")->text(), "0.00");
}

TEST_F(dlgPrintTest, A4IsStoredAsNineWithOffsetsInInchesAndRestored)
{
    openModel(1, 30);
    SaveSetting(Setting::DefaultPaperSize, QStringLiteral("9"));
    SaveSetting(Setting::UserPrintOffsetX, QStringLiteral("0.25"));
    {
        dlgPrint dialog(*canvas);
        EXPECT_TRUE(child<QRadioButton>(dialog, "optPaperSize_1")->isChecked());
        EXPECT_EQ(child<QLabel>(dialog, "lblUnits_1")->text(), "mm");
        EXPECT_EQ(child<QLineEdit>(dialog, "txtHOffset")->text(), "6.35");
        EXPECT_EQ(child<QLabel>(dialog, "lblPrintWidth")->text(), "Print Width: 197.30 mm");
        child<QLineEdit>(dialog, "txtVOffset")->setText(QStringLiteral("5"));
        EXPECT_FLOAT_EQ(dialog.Settings().VOffset, 0.2f);
        child<QPushButton>(dialog, "CmdCancel")->click();
    }
    EXPECT_EQ(GetSetting(Setting::DefaultPaperSize), "9");
    EXPECT_EQ(GetSetting(Setting::UserPrintOffsetX), "0.25");
    EXPECT_EQ(GetSetting(Setting::UserPrintOffsetY), "0.2");

    // Back to Letter: the boxes show inches again.
    dlgPrint dialog(*canvas);
    EXPECT_EQ(child<QLineEdit>(dialog, "txtVOffset")->text(), "5.08");
    child<QRadioButton>(dialog, "optPaperSize_0")->click();
    EXPECT_EQ(child<QLineEdit>(dialog, "txtVOffset")->text(), "0.20");
    EXPECT_EQ(child<QLabel>(dialog, "lblUnits_0")->text(), "in");
}

TEST_F(dlgPrintTest, PrintAllPagesSendsOneJobAndShowsThePageThatWasOnScreen)
{
    openModel(3, 30, 2);
    RecordingPrinter& printer = printers[1];
    PrintAllPages = true;
    dlgPrint dialog(*canvas);
    EXPECT_FALSE(child<QPushButton>(dialog, "cmdSave")->isEnabled());
    printer.clear();
    child<QPushButton>(dialog, "cmdPrint")->click();

    EXPECT_EQ(printer.callsOf("PaperSize").size(), 1);  // one set-up
    EXPECT_EQ(printer.callsOf("NewPage").size(), 2);
    EXPECT_EQ(printer.callsOf("EndDoc").size(), 1);
    EXPECT_EQ(printer.ops().last(), "EndDoc");
    const QList<Platform::PrinterCall> texts = printer.callsOf("Print");
    ASSERT_EQ(texts.size(), 6);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[2 * i].text, QStringLiteral("Part %1 (Page %1 of 3)          Printed with RKVViewer3").arg(i + 1));
        EXPECT_EQ(texts[2 * i + 1].text, CopyrightNotice);
    }
    // Each page was loaded in turn (they differ in width); page 2 is back.
    const QList<Platform::PrinterCall> pictures = printer.callsOf("PaintPicture");
    EXPECT_EQ(pictures.first().picture.width(), 121);
    EXPECT_EQ(pictures.last().picture.width(), 123);
    EXPECT_EQ(canvas->CanvasWidth(), 122);

    // A one-page model prints one single-page job.
    openModel(1, 30);
    dlgPrint single(*canvas);
    printer.clear();
    child<QPushButton>(single, "cmdPrint")->click();
    EXPECT_TRUE(printer.callsOf("NewPage").isEmpty());
    EXPECT_EQ(printer.callsOf("EndDoc").size(), 1);
    EXPECT_EQ(printer.callsOf("PaperSize").size(), 1);
}

TEST_F(dlgPrintTest, SaveImageWritesTheColouredPageAsA24BitBitmap)
{
    openModel(1, 30);
    Platform::ScriptedFileChooser chooser;
    const QString path = dir.filePath(QStringLiteral("page.bmp"));
    chooser.queueFile(path);
    {
        dlgPrint dialog(*canvas);
        child<QPushButton>(dialog, "cmdSave")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(chooser.requests().value(0).defaultExt, ".BMP");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(int(header[28]), 24);
    const QImage saved(path);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), canvas->Picture());

    // A file that cannot be written is reported.
    chooser.queueFile(dir.filePath(QStringLiteral("missing/page.bmp")));
    dlgPrint dialog(*canvas);
    child<QPushButton>(dialog, "cmdSave")->click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Error saving image.");
}
