// Printing through the built-in PDF printer, measured with poppler.
#include "PopplerTools.h"
#include "PrintFixture.h"
#include "PrintTexts.h"
#include "PrinterQt.h"
#include "PrinterRegistry.h"
#include "ScriptedFileChooser.h"
#include "dlgPrint.h"

#include <QComboBox>
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

    EXPECT_EQ(poppler::sheetImages(pdf, dir.path()).value(0).second, colouredPage(1));
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
        const QImage expected = colouredPage(page);
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
    EXPECT_EQ(canvas->Picture(), colouredPage(1)) << "the page on screen is back";
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
