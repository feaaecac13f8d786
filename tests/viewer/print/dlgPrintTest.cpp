// The print dialog driven as a user would, over recording printers.
#include "PrintFixture.h"
#include "model/ViewerSettings.h"
#include "platform/testing/PrinterRecording.h"
#include "platform/testing/ScriptedFileChooser.h"
#include "print/PrintTexts.h"
#include "print/dlgPrint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtEndian>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace util = mdlRKVUtilities;
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
    // The recording printer's sheet: four different margins.
    for (const auto& [name, text] : {std::pair("lblPrintWidth", "Print Width: 8.00 in"),
                                     {"lblPrintHeight", "Print Height: 10.50 in"},
                                     {"lblLeftPrintMargin", "Left Margin: 0.20 in"},
                                     {"lblTopPrintMargin", "Top Margin: 0.35 in"},
                                     {"lblRightPrintMargin", "Right Margin: 0.30 in"},
                                     {"lblBottomPrintMargin", "Bottom Margin: 0.15 in"}})
        EXPECT_EQ(child<QLabel>(dialog, name)->text(), text);
    EXPECT_EQ(child<QLabel>(dialog, "lblTiling")->text(), "H Tiles: 1 / V Tiles: 3");
    EXPECT_EQ(dialog.windowTitle(), "RKV3Printer (Part Size: 4.033333x3 in)");
    EXPECT_TRUE(child<QPushButton>(dialog, "cmdSave")->isEnabled());
    // Beyond the tile mode: 0.4 in of overlap on Letter, nothing else chosen.
    EXPECT_EQ(child<QLineEdit>(dialog, "txtOverlap")->text(), "0.40");
    EXPECT_FALSE(child<QRadioButton>(dialog, "optTiling_2")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkFitToSheet")->isChecked() || child<QCheckBox>(dialog, "chkScaleBar")->isChecked());
    // Every button has an access key, none used twice in the dialog.
    QString keys;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QString key = button->text().section(QLatin1Char('&'), 1).left(1).toLower();
        EXPECT_TRUE(!key.isEmpty() || !qobject_cast<const QPushButton*>(button)) << button->text().toStdString();
        keys += key;
    }
    for (const QChar key : keys) EXPECT_EQ(keys.count(key), 1) << keys.toStdString();
    // The printer gets each quality the dialog offers.
    EXPECT_EQ(printers[1].callsOf("PrintQuality").last().values, QList<double>{-3});
    for (int item : {3, 0, 1, 2}) {
        child<QComboBox>(dialog, "cboQuality")->setCurrentIndex(item);
        EXPECT_EQ(dialog.Settings().QualityCode, -1 - item);
        EXPECT_EQ(printers[1].callsOf("PrintQuality").last().values, QList<double>{-1.0 - item});
    }

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
    util::SaveSetting(util::Setting::DefaultPaperSize, QStringLiteral("9"));
    util::SaveSetting(util::Setting::UserPrintOffsetX, QStringLiteral("0.25"));
    RecordingPrinter& printer = printers[1];
    {
        dlgPrint dialog(*canvas);
        EXPECT_TRUE(child<QRadioButton>(dialog, "optPaperSize_1")->isChecked());
        EXPECT_EQ(child<QLabel>(dialog, "lblUnits_1")->text(), "mm");
        EXPECT_EQ(child<QLineEdit>(dialog, "txtHOffset")->text(), "6.35");
        EXPECT_EQ(child<QLineEdit>(dialog, "txtOverlap")->text(), "10.00");
        // A4 is 210 x 297 mm; the printer keeps its left and top margins of
        // 0.2 and 0.35 in, and its printable area is 0.5 in less each way.
        for (const auto& [name, text] : {std::pair("lblPrintWidth", "Print Width: 197.30 mm"),
                                         {"lblPrintHeight", "Print Height: 284.30 mm"},
                                         {"lblLeftPrintMargin", "Left Margin: 5.08 mm"},
                                         {"lblTopPrintMargin", "Top Margin: 8.89 mm"}})
            EXPECT_EQ(child<QLabel>(dialog, name)->text(), text);
        EXPECT_EQ(dialog.windowTitle(), "RKV3Printer (Part Size: 102.4467x76.2 mm)");
        child<QLineEdit>(dialog, "txtVOffset")->setText(QStringLiteral("5"));
        EXPECT_FLOAT_EQ(dialog.Settings().VOffset, 0.2f);
        // The page goes to the printer on A4 with the offsets in inches.
        printer.clear();
        child<QPushButton>(dialog, "cmdPrint")->click();
    }
    EXPECT_EQ(printer.callsOf("PaperSize").value(0).values, QList<double>{9});
    const QList<double> frame = printer.callsOf("Box").value(0).values;
    ASSERT_EQ(frame.size(), 5);
    const double printWidth = 210 / 25.4 - 0.5, printHeight = 297 / 25.4 - 0.5;
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(frame[i], (QList<double>{0.25, 0.2, printWidth - 0.25, printHeight - 0.2})[i], 1e-5) << i;
    EXPECT_EQ(util::GetSetting(util::Setting::DefaultPaperSize), "9");
    EXPECT_EQ(util::GetSetting(util::Setting::UserPrintOffsetX), "0.25");
    EXPECT_EQ(util::GetSetting(util::Setting::UserPrintOffsetY), "0.2");

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
    util::PrintAllPages = true;
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
    // Each page was loaded and coloured in turn; page 2 is back.
    const QList<Platform::PrinterCall> pictures = printer.callsOf("PaintPicture");
    EXPECT_EQ(pictures.first().picture, coloredPage(1));
    EXPECT_EQ(pictures.last().picture, coloredPage(3));
    EXPECT_EQ(canvas->CanvasWidth(), 122);
    EXPECT_EQ(printer.callsOf("DocumentTitle").value(0).text, "Glider");

    // A one-page model prints one single-page job.
    openModel(1, 30);
    dlgPrint single(*canvas);
    printer.clear();
    child<QPushButton>(single, "cmdPrint")->click();
    EXPECT_TRUE(printer.callsOf("NewPage").isEmpty());
    EXPECT_EQ(printer.callsOf("EndDoc").size(), 1);
    EXPECT_EQ(printer.callsOf("PaperSize").size(), 1);
    EXPECT_EQ(printer.callsOf("DocumentTitle").value(0).text, "Glider - Part 1 (Page 1 of 1)");
}

TEST_F(dlgPrintTest, SaveImageWritesTheColoredPageAsA24BitBitmap)
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
    const QByteArray header = file.read(46);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(int(header[28]), 24);
    // The model's 30 pixels per inch, as pixels per metre across and down.
    EXPECT_EQ(qFromLittleEndian<qint32>(header.constData() + 38), 1181);
    EXPECT_EQ(qFromLittleEndian<qint32>(header.constData() + 42), 1181);
    const QImage saved(path);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), coloredPage(1));

    // A file that cannot be written is reported.
    chooser.queueFile(dir.filePath(QStringLiteral("missing/page.bmp")));
    dlgPrint dialog(*canvas);
    child<QPushButton>(dialog, "cmdSave")->click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Error saving image.");
}
