// The print dialog's preview: the sheets of the current choice, drawn by the
// print run itself, with nothing sent to the printer.
#include "PrintFixture.h"
#include "platform/testing/PrinterRecording.h"
#include "platform/testing/ScriptedPrintPreview.h"
#include "print/dlgPrint.h"

#include <QAction>
#include <QLabel>
#include <QMap>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

namespace util = mdlRKVUtilities;
using Platform::RecordingPrinter;
using Platform::RecordingPrinters;

class PrintPreviewTest : public PrintFixture {
protected:
    RecordingPrinters printers{{std::make_shared<RecordingPrinter>(QStringLiteral("Laser"))},
                               QStringLiteral("Laser")};
    Platform::ScriptedPrintPreview preview;
};

TEST_F(PrintPreviewTest, ThreePagesShowThreeSheetsAndNothingIsPrinted)
{
    openModel(3, 30, 2);
    RecordingPrinter& printer = printers[0];
    util::PrintAllPages = true;
    dlgPrint dialog(*canvas);
    printer.clear();
    dialog.findChild<QPushButton*>("cmdPreview")->click();

    EXPECT_EQ(preview.sheetCounts(), QList<int>{3});
    EXPECT_TRUE(printer.calls().isEmpty()) << "the preview draws on its own sheets";
    EXPECT_EQ(canvas->CanvasWidth(), 122) << "the page on screen is back";
    EXPECT_EQ(dialog.findChild<QLabel*>("lblStatus")->text(), "Idle");

    // The printer is in its place again: Print still reaches it.
    dialog.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(printer.callsOf("EndDoc").size(), 1);
    util::PrintAllPages = false;
}

TEST_F(PrintPreviewTest, ATiledPageIsOneSheetTiledOrCentred)
{
    openModel(2, 150, 1, {300, 240});  // 2 x 1.6 inches: many copies fit a sheet
    dlgPrint dialog(*canvas);
    dialog.findChild<QPushButton*>("cmdPreview")->click();
    dialog.findChild<QRadioButton*>("optTiling_1")->click();
    dialog.findChild<QPushButton*>("cmdPreview")->click();
    EXPECT_EQ(preview.sheetCounts(), (QList<int>{1, 1}));
    EXPECT_TRUE(boxes.shown().isEmpty()) << "no print error on the preview's sheets";
}

// The preview window's "Sheet n of m" follows the sheet shown.
TEST_F(PrintPreviewTest, TheSheetLabelFollowsTheSheetShown)
{
    QPrinter sheets(QPrinter::HighResolution);
    Platform::PrintPreviewWindow window(sheets, [](QPrinter& target) {
        QPainter painter(&target);
        for (int sheet = 1; sheet <= 3; ++sheet) {
            if (sheet > 1) target.newPage();
            painter.drawText(100, 100, QString::number(sheet));
        }
    }, nullptr);
    window.show();
    QMap<QString, QAction*> actions;
    for (QAction* action : window.findChildren<QAction*>()) actions[action->text()] = action;
    auto* label = window.findChild<QLabel*>(QStringLiteral("lblSheet"));
    for (const auto& [button, shown] : {std::pair("", "Sheet 1 of 3"), {"Next Sheet", "Sheet 2 of 3"},
                                        {"Next Sheet", "Sheet 3 of 3"}, {"Previous Sheet", "Sheet 2 of 3"}}) {
        if (*button) actions.value(QString::fromLatin1(button))->trigger();
        EXPECT_EQ(label->text().trimmed(), shown) << button;
    }
}
