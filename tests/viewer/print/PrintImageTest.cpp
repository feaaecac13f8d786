// The canvas's PrintImage against a recording printer: the calls, their
// order and their values, for each page mode and for the error paths.
#include "PrintFixture.h"
#include "platform/testing/PrinterRecording.h"

#include <QGuiApplication>

using Platform::PrinterCall;
using Platform::RecordingPrinter;
using Platform::RecordingPrinters;

namespace {

// A Letter printer whose printable area is 8.0 x 10.5 in, 0.2 in from the
// sheet's left edge and 0.35 in from its top, at 600 x 300 dpi.
std::shared_ptr<RecordingPrinter> letterPrinter(const QString& name = QStringLiteral("Laser"))
{
    return std::make_shared<RecordingPrinter>(name);
}

void expectAt(const PrinterCall& call, double x, double y)
{
    EXPECT_NEAR(call.values.value(0), x, 1e-4) << call.op.toStdString();
    EXPECT_NEAR(call.values.value(1), y, 1e-4) << call.op.toStdString();
}

const QStringList SetUpOps = {"PrintQuality", "Copies", "PaperSize", "FontName", "DrawWidth",
                              "ScaleMode", "ScaleMode"};

}  // namespace

class PrintImageTest : public PrintFixture {};

TEST_F(PrintImageTest, SinglePageSetsUpTilesTextFrameAndEndsTheJob)
{
    RecordingPrinters printers({letterPrinter(QStringLiteral("Other")), letterPrinter()});
    RecordingPrinter& printer = printers[1];
    showPage(1200, 900);
    canvas->setHeaderText(QStringLiteral("Head"));
    canvas->setFooterText(QStringLiteral("Foot"));
    ASSERT_TRUE(canvas->PrintImage(1, 300, 0x10000 - 3, 2, 1, 0, 0.25f, 0.4f, 0));

    QStringList expected = SetUpOps;
    expected << "CurrentX" << "CurrentY" << "PaintPicture" << "PaintPicture" << "PaintPicture"
             << "FontSize" << "CurrentX" << "CurrentY" << "Print"
             << "FontSize" << "CurrentX" << "CurrentY" << "Print" << "Box" << "EndDoc";
    EXPECT_EQ(printer.ops(), expected);
    EXPECT_TRUE(printers[0].calls().isEmpty());

    // Quality, copies, paper (only their low 16 bits), frame pen, pixels, inches.
    QList<double> setUp;
    for (int i : {0, 1, 2, 4, 5, 6}) setUp << printer.calls()[i].values.value(0);
    EXPECT_EQ(setUp, (QList<double>{-3, 2, 1, 4, 3, 5}));
    EXPECT_EQ(printer.calls()[3].text, "Arial");

    // 1 x 3 copies of 4 x 3 in, centred across, running down cells of a
    // third of 10.5 - 2 x 0.4 - 0.5 in below the header band.
    const QList<PrinterCall> tiles = printer.callsOf("PaintPicture");
    const double cell = (10.5 - 2 * 0.4 - 0.5) / 3;
    for (int row = 0; row < 3; ++row) expectAt(tiles[row], 2.0, 0.4 + (cell - 3) / 2 + 0.25 + row * cell);
    for (const PrinterCall& tile : tiles) {
        EXPECT_EQ(tile.values.mid(2), (QList<double>{4.0, 3.0}));
        EXPECT_EQ(tile.picture, canvas->Picture());
    }

    // Header at 10 pt on the top inset, footer at 8 pt on the bottom one,
    // both centred on the printable width (4 characters of 0.1 em).
    const QList<PrinterCall> texts = printer.callsOf("Print");
    EXPECT_EQ(printer.callsOf("FontSize")[0].values, QList<double>{10});
    EXPECT_EQ(texts[0].text, "Head");
    expectAt(texts[0], 4.0 - 4 * 1.0 / 72 / 2, 0.4);
    EXPECT_EQ(printer.callsOf("FontSize")[1].values, QList<double>{8});
    EXPECT_EQ(texts[1].text, "Foot");
    expectAt(texts[1], 4.0 - 4 * 0.8 / 72 / 2, 10.1 - 8.0 / 72);
    const QList<double> frame = printer.callsOf("Box")[0].values;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(frame[i], (QList<double>{0.25, 0.4, 7.75, 10.1})[i], 1e-6) << i;
}

TEST_F(PrintImageTest, JobOfFirstMiddleLastAndFreePagesKeepsTheFirstSetUp)
{
    // A Letter sheet printable up to its edges, at 300 x 600 dpi.
    RecordingPrinters printers({std::make_shared<RecordingPrinter>(
        QStringLiteral("Borderless"), Platform::RecordingSheet{300, 600, 8.5, 11.0, 0, 0, 8.5, 11.0})});
    RecordingPrinter& printer = printers[0];
    showPage(1200, 900);

    // Offsets 0.1 and 0.3 in: 2 x 3 copies of 4 x 3 in in cells of
    // 8.3 / 2 x 9.9 / 3 in; no header or footer, the frame is drawn.
    ASSERT_TRUE(canvas->PrintImage(0, 300, -3, 1, 1, 0, 0.1f, 0.3f, 1));
    QStringList first = SetUpOps;
    first << "CurrentX" << "CurrentY";
    for (int i = 0; i < 6; ++i) first << "PaintPicture";
    first << "Box" << "NewPage";
    EXPECT_EQ(printer.ops(), first);
    const QList<PrinterCall> tiles = printer.callsOf("PaintPicture");
    const double x0 = 0.1 + (8.3 / 2 - 4) / 2, y0 = 0.3 + (9.9 / 3 - 3) / 2 + 0.25;
    expectAt(tiles[1], x0 + 8.3 / 2, y0);
    expectAt(tiles[2], x0, y0 + 9.9 / 3);

    // Continuation pages set nothing up and reuse the job's printable area,
    // even when a bogus printer index is passed.
    for (int mode : {2, 3, 5}) {
        printer.clear();
        ASSERT_TRUE(canvas->PrintImage(7, 300, -1, 9, 9, 1, 0.5f, 0.4f, mode));
        QStringList expected = {"CurrentX", "CurrentY", "PaintPicture", "Box"};
        if (mode == 2) expected << "NewPage";
        if (mode == 3) expected << "EndDoc";
        EXPECT_EQ(printer.ops(), expected) << mode;
        const QList<double> frame = printer.callsOf("Box")[0].values;
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(frame[i], (QList<double>{0.5, 0.4, 8.0, 10.6})[i], 1e-6) << i;
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(PrintImageTest, CentredCopyIsAloneAndALargePageIsPulledBackToThePrintersOffsets)
{
    RecordingPrinters printers({letterPrinter()});
    RecordingPrinter& printer = printers[0];
    showPage(300, 450);  // 1 x 1.5 in: 8 x 6 would fit
    ASSERT_TRUE(canvas->PrintImage(0, 300, -3, 1, 1, 1, 0.25f, 0.5f, 0));
    EXPECT_EQ(printer.callsOf("PaintPicture").size(), 1);
    expectAt(printer.callsOf("PaintPicture")[0], 0.25 + (7.5 - 1) / 2, 0.5 + (9.0 - 1.5) / 2 + 0.25);

    // 10 x 12 in on an 8 x 10.5 in area: centring would start above and left
    // of the printable area's own offsets (0.2 and 0.35 in).
    printer.clear();
    showPage(1000, 1200, QStringLiteral("big.png"));
    ASSERT_TRUE(canvas->PrintImage(0, 100, -3, 1, 1, 0, 0, 0, 0));
    EXPECT_EQ(printer.callsOf("PaintPicture").size(), 1);
    expectAt(printer.callsOf("PaintPicture")[0], 0.2, 0.35);

    // Fitted to the 7.5 x 9.4 in area, the width decides: 75 per cent,
    // centred down, the whole picture placed smaller, the header telling so.
    printer.clear();
    canvas->setHeaderText(QStringLiteral("Head"));
    canvas->setPrintSheetOptions({false, 0, true, false});
    ASSERT_TRUE(canvas->PrintImage(0, 100, -3, 1, 1, 1, 0.25f, 0.3f, 0));
    const PrinterCall fitted = printer.callsOf("PaintPicture").value(0);
    EXPECT_EQ(fitted.picture.size(), QSize(1000, 1200));
    expectAt(fitted, 0.25, 0.3 + 0.25 + (9.4 - 12 * 0.75) / 2);
    EXPECT_NEAR(fitted.values.value(2), 7.5, 1e-4);
    EXPECT_NEAR(fitted.values.value(3), 9.0, 1e-4);
    EXPECT_EQ(printer.callsOf("Print").value(0).text, "Head   Not at true size: scaled to 75.0%");
}

TEST_F(PrintImageTest, FailuresShowTheirMessageAndLeaveTheJobAlone)
{
    RecordingPrinters printers({letterPrinter()});
    RecordingPrinter& printer = printers[0];
    showPage(300, 300);

    // Error path A: no such printer, nothing is printed.
    EXPECT_FALSE(canvas->PrintImage(1, 300, -3, 1, 1, 0, 0, 0, 0));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Invalid printer selected.");
    EXPECT_EQ(boxes.shown()[0].icon, Platform::MsgIcon::Critical);
    EXPECT_TRUE(printer.calls().isEmpty());

    // Error path B: a resolution of 0 draws nothing.
    EXPECT_FALSE(canvas->PrintImage(0, 0, -3, 1, 1, 0, 0, 0, 0));
    EXPECT_EQ(boxes.shown().last().text, "There was an error while attempting to print.");
    EXPECT_TRUE(printer.calls().isEmpty());

    // A refused drawing stops at once: the job is neither ended nor
    // continued, and the pointer is back to normal.
    printer.refuse(QStringLiteral("PaintPicture"));
    EXPECT_FALSE(canvas->PrintImage(0, 300, -3, 1, 1, 0, 0, 0, 0));
    EXPECT_EQ(boxes.count(), 3);
    EXPECT_EQ(printer.ops().last(), "PaintPicture");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
