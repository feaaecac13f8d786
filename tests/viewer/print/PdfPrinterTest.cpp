// Printing through the built-in PDF printer, measured with poppler.
#include "PopplerTools.h"
#include "PrintFixture.h"
#include "PrintTexts.h"
#include "PrinterQt.h"
#include "PrinterRegistry.h"
#include "ScriptedFileChooser.h"
#include "dlgPrint.h"

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
    EXPECT_EQ(chooser.requests().value(1).defaultExt, ".PDF");
    EXPECT_EQ(boxes.count(), 0);

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

    ASSERT_TRUE(poppler::run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("img"))}));
    const QImage readBack(dir.filePath(QStringLiteral("img-000.png")));
    EXPECT_EQ(readBack.convertToFormat(QImage::Format_RGB32), canvas->Picture());
}

TEST_F(PdfPrinterTest, OneSheetPerPageOfAJob)
{
    openModel(3, 100, 1, {99, 100});
    Platform::ScriptedFileChooser chooser;
    const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
    chooser.queueFile(pdf);
    mdlRKVUtilities::PrintAllPages = true;
    dlgPrint dialog(*canvas);
    dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
    EXPECT_EQ(poppler::pageCount(pdf), 3);
    const QString text = poppler::text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Part 3 (Page 3 of 3)"))) << text.toStdString();
    // 1 in pages tile the sheet: 8 x 10 copies at 100 ppi on each sheet.
    const QList<poppler::PlacedImage> placed = poppler::images(pdf);
    EXPECT_EQ(placed.size(), 3 * 8 * 10);
    EXPECT_EQ(std::pair(placed.last().page, placed.last().xPpi), std::pair(3, 100));
    const auto anything = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral(".*")}, anything).isEmpty());
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
