// File, Print Current Page and Print All Pages from the main window, through
// the print dialog to the PDF File printer, each sheet read back.
#include "MainWindowFixture.h"

#include "../print/PopplerTools.h"
#include "ColouringRule.h"
#include "PageImages.h"
#include "PrinterQt.h"
#include "PrinterRegistry.h"
#include "RKV3CanvasCtl.h"
#include "dlgPrint.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// Region r's colour in the test model's scheme; the paper stays white.
RegionColour kiteColour(int region)
{
    if (region == 0) return {255, 255, 255, 0};
    return {(region * 29 + 7) & 0xFF, (region * 3) & 0xFF, 255 - region, -127 + (region % 5) * 9};
}

QImage kitePage(int page) { return PatternPage(40 + 10 * page, 30 + 7 * page, page); }

}  // namespace

class PrintCommandsTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        previous = Platform::PrinterRegistry::install(
            {{std::make_shared<Platform::PdfFilePrinter>()}, Platform::PdfFilePrinter::Name});
    }
    void TearDown() override
    {
        Platform::PrinterRegistry::install(std::move(previous));
        MainWindowFixture::TearDown();
    }

    // Runs a File menu command; its print dialog prints one copy of each
    // page centred on the sheet into `pdf`.
    void print(QAction* command, const QString& pdf)
    {
        chooser.queueFile(pdf);
        QTimer press;
        QObject::connect(&press, &QTimer::timeout, [this, &press] {
            dlgPrint* dialog = window().findChild<dlgPrint*>();
            if (!dialog || !dialog->isVisible()) return;
            press.stop();
            dialog->findChild<QRadioButton*>(QStringLiteral("optTiling_1"))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        });
        press.start(10);
        command->trigger();
    }

    // The sheets of a PDF: one picture each, page `pages[k]` coloured by the
    // scheme's rule on sheet k + 1.
    void expectSheets(const QString& pdf, const QList<int>& pages)
    {
        const QList<std::pair<int, QImage>> placed = poppler::sheetImages(pdf, folder.path());
        ASSERT_EQ(placed.size(), pages.size()) << pdf.toStdString();
        for (int k = 0; k < pages.size(); ++k) {
            EXPECT_EQ(placed[k].first, k + 1);
            EXPECT_EQ(placed[k].second, ColourByRule(kitePage(pages[k]), kiteColour)) << "sheet " << k + 1;
        }
    }

    QTemporaryDir folder;
    Platform::PrinterRegistry::Installed previous;
};

TEST_F(PrintCommandsTest, PrintCurrentPageAndPrintAllPagesSendTheirOwnPagesToThePdfPrinter)
{
    GeneratedModel kite;
    kite.name = QStringLiteral("Kite");
    kite.resolution = 50;
    kite.schemeFileName = QStringLiteral("Kite.RKS3");
    for (int r = 1; r <= 255; ++r) {
        const RegionColour c = kiteColour(r);
        kite.scheme.set(r, SchemeColor{c.red, c.green, c.blue, c.offset, QStringLiteral("Colour %1").arg(r)});
    }
    for (int n = 1; n <= 3; ++n)
        kite.pages.push_back({QStringLiteral("p%1.png").arg(n), QStringLiteral("Sail %1").arg(n), kitePage(n)});
    kite.regionNames = QStringList{QStringLiteral("Spar")};
    ASSERT_TRUE(ModelWriter::write(kite, folder.filePath(QStringLiteral("kite"))));
    open(folder.filePath(QStringLiteral("kite/Kite.RKV3")));
    window().cmdNextPage_Click();

    const QString current = folder.filePath(QStringLiteral("current.pdf"));
    print(window().mnuFilePrint, current);
    expectSheets(current, {2});
    EXPECT_EQ(poppler::title(current), "Kite - Sail 2 (Page 2 of 3)");

    const QString all = folder.filePath(QStringLiteral("all.pdf"));
    print(window().mnuFilePrintAll, all);
    expectSheets(all, {1, 2, 3});
    EXPECT_EQ(poppler::title(all), "Kite");
    EXPECT_TRUE(poppler::text(all).contains(QStringLiteral("Sail 3 (Page 3 of 3)")));
    // The page that was on screen is back.
    EXPECT_EQ(window().RKVCanvas->Picture(), ColourByRule(kitePage(2), kiteColour));
    EXPECT_EQ(boxes.count(), 0);
}
