// File, Print Current Page and Print All Pages from the main window, through
// the print dialog to the PDF File printer, each sheet read back.
#include "MainWindowFixture.h"

#include "../print/PopplerTools.h"
#include "platform/PrinterQt.h"
#include "platform/PrinterRegistry.h"
#include "print/dlgPrint.h"
#include "support/ColoringRule.h"
#include "support/PageImages.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>

namespace {

// The test model's scheme gives region r this colour; the paper stays white.
RegionColor kiteColor(int r)
{
    return r == 0 ? RegionColor{255, 255, 255, 0}
                  : RegionColor{(r * 29 + 7) & 0xFF, (r * 3) & 0xFF, 255 - r, -127 + (r % 5) * 9};
}
QImage kitePage(int page) { return PatternPage(40 + 10 * page, 30 + 7 * page, page); }

}  // namespace

TEST_F(MainWindowFixture, PrintCommandsSendTheirOwnPagesToThePdfPrinter)
{
    QTemporaryDir folder;
    GeneratedModel kite{QStringLiteral("Kite"), 50, QStringLiteral("Kite.RKS3"), {}, {}, {QStringLiteral("Spar")}};
    for (int r = 1; r <= 255; ++r) {
        const RegionColor c = kiteColor(r);
        kite.scheme.set(r, SchemeColor{c.red, c.green, c.blue, c.offset, QStringLiteral("Colour %1").arg(r)});
    }
    for (int n = 1; n <= 3; ++n)
        kite.pages.push_back({QStringLiteral("p%1.png").arg(n), QStringLiteral("Sail %1").arg(n), kitePage(n)});
    ASSERT_TRUE(ModelWriter::write(kite, folder.filePath(QStringLiteral("kite"))));
    open(folder.filePath(QStringLiteral("kite/Kite.RKV3")));
    peer().cmdNextPage_Click();
    const auto previous = Platform::PrinterRegistry::install(
        {{std::make_shared<Platform::PdfFilePrinter>()}, Platform::PdfFilePrinter::Name});
    const auto restore = qScopeGuard([&previous] { Platform::PrinterRegistry::install(previous); });

    // Each command's dialog prints one copy of each page centred on a sheet;
    // sheet k carries page pages[k - 1] coloured by the scheme's rule.
    for (const auto& [command, pages, title] :
         {std::tuple(peer().mnuFilePrint(), QList<int>{2}, "Kite - Sail 2 (Page 2 of 3)"),
          {peer().mnuFilePrintAll(), QList<int>{1, 2, 3}, "Kite"}}) {
        const QString pdf = folder.filePath(command->text().remove(QLatin1Char('&')) + QStringLiteral(".pdf"));
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
        const QList<std::pair<int, QImage>> placed = poppler::sheetImages(pdf, folder.path());
        ASSERT_EQ(placed.size(), pages.size()) << title;
        for (int k = 0; k < pages.size(); ++k)
            EXPECT_EQ(placed[k], std::pair(k + 1, ColorByRule(kitePage(pages[k]), kiteColor))) << title;
        EXPECT_EQ(poppler::title(pdf), title);
    }
    EXPECT_EQ(peer().RKVCanvas()->Picture(), ColorByRule(kitePage(2), kiteColor)) << "page 2 is back";
    EXPECT_EQ(boxes.count(), 0);
}
