// Printing through the built-in PDF printer, measured with poppler.
#include "PopplerTools.h"
#include "PrintFixture.h"
#include "platform/PrinterQt.h"
#include "platform/PrinterRegistry.h"
#include "platform/testing/ScriptedFileChooser.h"
#include "print/PrintTexts.h"
#include "print/dlgPrint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using Platform::PdfFilePrinter;
using Platform::PrinterRegistry;

class PdfPrinterTest : public PrintFixture {
protected:
    void SetUp() override
    {
        PrintFixture::SetUp();
        previous = PrinterRegistry::install({{std::make_shared<PdfFilePrinter>()}, PdfFilePrinter::Name});
    }
    void TearDown() override
    {
        PrinterRegistry::install(std::move(previous));
        PrintFixture::TearDown();
    }
    PrinterRegistry::Installed previous;
};

TEST_F(PdfPrinterTest, PageReachesThePdfPixelForPixelAtItsOwnResolution)
{
    openModel(2, 300, 1, {1199, 900});  // page 1: 1200 x 900 pixels, 4 x 3 in
    Platform::ScriptedFileChooser chooser;
    const QString pdf = dir.filePath(QStringLiteral("job.PDF"));

    // Cancelling the file chooser prints nothing and leaves the dialog open.
    chooser.queueCancel();
    dlgPrint dialog(*canvas);
    dialog.show();
    dialog.findChild<QRadioButton*>(QStringLiteral("optTiling_1"))->click();
    auto* print = dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint"));
    print->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(pdf));
    chooser.queueFile(pdf);
    print->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(chooser.requests().value(1).defaultExt, ".pdf");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(poppler::title(pdf), "Glider - Part 1 (Page 1 of 2)");

    EXPECT_EQ(poppler::pageCount(pdf), 1);
    const QList<poppler::PlacedImage> placed = poppler::images(pdf);
    ASSERT_EQ(placed.size(), 1);
    // Flate ("image", not "jpeg"), in RGB, at the page's own size and resolution.
    const auto& [page, width, height, color, encoding, xPpi, yPpi] = placed[0];
    EXPECT_EQ(std::tuple(width, height, color, encoding, xPpi, yPpi), std::tuple(1200, 900, "rgb", "image", 300, 300));
    const QString text = poppler::text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Part 1 (Page 1 of 2)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(PublisherCredit)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("for personal use only"))) << text.toStdString();

    EXPECT_EQ(poppler::sheetImages(pdf, dir.path()).value(0).second, coloredPage(1));
}

TEST_F(PdfPrinterTest, EverySheetHoldsItsOwnPageAndPagesThatFailAreSkippedAndNamed)
{
    // Pages of about an inch, each of its own size; page 2 is missing and
    // page 4 is no picture.
    openModel(4, 100, 1, {99, 100});
    QFile::remove(dir.filePath(QStringLiteral("p2.png")));
    QFile broken(dir.filePath(QStringLiteral("p4.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
    broken.close();
    Platform::ScriptedFileChooser chooser;
    const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
    chooser.queueFile(pdf);
    mdlRKVUtilities::PrintAllPages = true;
    dlgPrint dialog(*canvas);
    dialog.findChild<QComboBox*>(QStringLiteral("cboQuality"))->setCurrentIndex(0);
    dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();

    // Page 3 ends the job: two sheets, each under its own page's header.
    EXPECT_EQ(poppler::pageCount(pdf), 2);
    EXPECT_EQ(poppler::title(pdf), "Glider");
    const QString text = poppler::text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Part 1 (Page 1 of 4)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Part 3 (Page 3 of 4)"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Part 2")) || text.contains(QStringLiteral("Part 4")));
    // The sheets tile the whole 8.5 x 11 in sheet less the text bands with as
    // many copies of their page as fit, each copy the page coloured.
    const QList<std::pair<int, QImage>> placed = poppler::sheetImages(pdf, dir.path());
    for (const auto& [sheet, page] : {std::pair(1, 1), {2, 3}}) {
        const QImage expected = coloredPage(page);
        const int across = int(8.5 * 100 / expected.width()), down = int(10.5 * 100 / expected.height());
        int copies = 0;
        for (const auto& [on, picture] : placed) {
            if (on != sheet) continue;
            ++copies;
            EXPECT_EQ(picture, expected) << "sheet " << sheet;
        }
        EXPECT_EQ(copies, across * down) << "sheet " << sheet;
    }
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, "Error Loading Bytemaps");
    EXPECT_EQ(boxes.shown()[1].text, "These pages were not printed: 2 (Part 2), 4 (Part 4).");
    EXPECT_EQ(canvas->Picture(), coloredPage(1)) << "the page on screen is back";
    const auto anything = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral(".*")}, anything).isEmpty());
    mdlRKVUtilities::PrintAllPages = false;
}

// A job given up half way (the program closing, a print that failed before
// its end) leaves neither a part file nor a PDF behind.
TEST(PdfFilePrinter, AJobNeverEndedLeavesNoFile)
{
    QTemporaryDir folder;
    const auto anything = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    {
        PdfFilePrinter printer;
        ASSERT_TRUE(printer.setOutputFileName(QDir(folder.path()).filePath(QStringLiteral("cut.pdf"))));
        ASSERT_TRUE(printer.Print(QStringLiteral("half a job")));
        ASSERT_FALSE(QDir(folder.path()).entryList(anything).isEmpty());
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(anything).isEmpty());
}

// A page larger than the sheet split across sheets: each sheet carries only
// its part, equal pixel for pixel to the page coloured here; the choices are
// remembered. The PDF File printer's sheet is Letter without margins.
TEST_F(PdfPrinterTest, SplitSheetsCarryTheirPartsAndTheChoicesAreRemembered)
{
    openModel(1, 50, 1, {609, 720});  // 610 x 720 pixels, 12.2 x 14.4 in
    Platform::ScriptedFileChooser chooser;
    const QString pdf = dir.filePath(QStringLiteral("split.pdf"));
    chooser.queueFile(pdf);
    {
        dlgPrint dialog(*canvas);
        const auto warning = [&] { return dialog.findChild<QLabel*>(QStringLiteral("lblPrintWarning"))->text(); };
        EXPECT_TRUE(warning().contains(QStringLiteral("cut off"))) << "tiled";
        EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("chkFitToSheet"))->isEnabled());
        dialog.findChild<QRadioButton*>(QStringLiteral("optTiling_1"))->click();
        dialog.findChild<QCheckBox*>(QStringLiteral("chkFitToSheet"))->click();
        EXPECT_EQ(warning(), "") << "fitted";
        dialog.findChild<QLineEdit*>(QStringLiteral("txtHOffset"))->setText(QStringLiteral("0.25"));
        dialog.findChild<QLineEdit*>(QStringLiteral("txtVOffset"))->setText(QStringLiteral("0.5"));
        dialog.findChild<QRadioButton*>(QStringLiteral("optTiling_2"))->click();
        // An overlap as long as the part (8 in across) is told and not printed.
        const QString refusal = QStringLiteral("The overlap (8.00 in) must be shorter than a part (8.00 in).");
        dialog.findChild<QLineEdit*>(QStringLiteral("txtOverlap"))->setText(QStringLiteral("8"));
        EXPECT_EQ(warning(), refusal);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        EXPECT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.shown().value(0).text, refusal);
        EXPECT_FALSE(QFile::exists(pdf));
        dialog.findChild<QLineEdit*>(QStringLiteral("txtOverlap"))->setText(QStringLiteral("0.3"));
        dialog.findChild<QCheckBox*>(QStringLiteral("chkScaleBar"))->click();
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblTiling"))->text(), "Sheets: 2 x 2 per page");
        dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
    }
    // Parts of at most 8.0 x 9.5 in (400 x 475 pixels) overlapping by 15.
    const auto spans = [](int length, int widest, int overlap) {
        QList<std::pair<int, int>> found;
        for (int start = 0;; start += widest - overlap) {
            found.append({start, std::min(widest, length - start)});
            if (start + widest >= length) return found;
        }
    };
    const QImage page = coloredPage(1);
    QList<QImage> parts;
    for (const auto& [y, height] : spans(720, 475, 15))
        for (const auto& [x, width] : spans(610, 400, 15)) parts.append(page.copy(x, y, width, height));
    const QList<std::pair<int, QImage>> placed = poppler::sheetImages(pdf, dir.path());
    ASSERT_EQ(placed.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(placed[i].first, i + 1);
        EXPECT_EQ(placed[i].second, parts[i]) << "part " << i;
    }
    const QString text = poppler::text(pdf);
    for (const char* expected : {"Part: row 2 of 2, column 1 of 2", "50 mm", "2 in"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;

    dlgPrint again(*canvas);
    EXPECT_TRUE(again.findChild<QRadioButton*>(QStringLiteral("optTiling_2"))->isChecked());
    EXPECT_EQ(again.findChild<QLineEdit*>(QStringLiteral("txtOverlap"))->text(), "0.30");
    EXPECT_TRUE(again.findChild<QCheckBox*>(QStringLiteral("chkFitToSheet"))->isChecked());
    EXPECT_TRUE(again.findChild<QCheckBox*>(QStringLiteral("chkScaleBar"))->isChecked());
}
