// Opening a model and loading its pages into the real canvas control.
#include "ModelTestSupport.h"
#include "model/ColorSetFiles.h"
#include "model/ModelOpening.h"
#include "model/core/PathNames.h"

#include "dialogs/cCommonDialog.h"
#include "platform/testing/ScriptedFileChooser.h"
#include "platform/testing/ScriptedMessageBoxes.h"
#include "view/RKV3CanvasCtl.h"

#include <QApplication>
#include <QWidget>

namespace util = mdlRKVUtilities;
using namespace modeltest;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::ScriptedFileChooser;
using Platform::ScriptedMessageBoxes;

namespace {

const char* const ManifestMessage = "Model load failed due to invalid RKV3 manifest file.";
const char* const PageMessage = "Page load failed due to invalid RKO file structure.";

QRgb shownPixel(const RKV3CanvasCtl& canvas, int x, int y) { return canvas.CanvasImage().pixel(x, y) & 0xFFFFFF; }
QRgb rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }

}  // namespace

class OpenModelTest : public ModelStateTest {
protected:
    void SetUp() override
    {
        ModelStateTest::SetUp();
        window.resize(400, 300);
        canvas = new RKV3CanvasCtl(&window);
    }

    // A two-page model whose scheme colours region 1 brick and region 2 blue.
    void writeModel(const QString& sub, const QString& schemeLine = QStringLiteral("ship.RKS3"),
                    const QString& page1 = QStringLiteral("p01.png"))
    {
        const QString dir = path(sub);
        writeBytes(dir + "ship.RKV3", crlf({" 150 ", schemeLine, " 2 ", page1 + ";Hull; part A",
                                            "p02.png;Deck", " 2 ", "Hull", "Deck"}));
        QStringList scheme;
        for (int r = 1; r <= 255; ++r)
            scheme.append(r == 1 ? "200,40,30,-127,Brick" : r == 2 ? "20,40,220,-127,Blue" : "90,90,90,-127,Slate");
        writeBytes(dir + "ship.RKS3", crlf(scheme));
        writePage(dir + "p01.png", {0, 1, 2, 3});
        writePage(dir + "p02.png", {2, 2, 1});
    }

    QWidget window;
    RKV3CanvasCtl* canvas = nullptr;
};

TEST_F(OpenModelTest, OpensTheModelInItsSchemeAndShowsPage1)
{
    writeModel(QStringLiteral("ship/"));
    util::PaletteCount = 2;
    util::PaletteNames[0] = QStringLiteral("palette stays");
    util::CurrentZoom = 50;
    ScriptedMessageBoxes boxes;
    QString manifest = path("ship/ship.RKV3");
    ASSERT_TRUE(util::OpenModel(*canvas, manifest));
    EXPECT_EQ(boxes.count(), 0);

    EXPECT_EQ(util::Model.Resolution, 150);
    EXPECT_EQ(util::Model.PageCount, 2);
    EXPECT_EQ(util::Model.Pages[0], (util::PageEntry{"p01.png", "Hull; part A"}));
    EXPECT_EQ(util::Model.RegionNames, (QStringList{"Hull", "Deck"}));
    EXPECT_EQ(util::Model.ModelFolder, path("ship/"));
    EXPECT_EQ(util::Model.ModelFileName, QStringLiteral("ship.RKV3"));
    EXPECT_EQ(util::Model.CurrentPage, 1);
    EXPECT_EQ(util::LastModelPath, path("ship/"));
    EXPECT_TRUE(util::ModelIsOpen());

    EXPECT_EQ(util::SchemeNames[1], QStringLiteral("Brick"));
    EXPECT_EQ(util::PaletteCount, 2);
    EXPECT_EQ(util::PaletteNames[0], QStringLiteral("palette stays"));

    EXPECT_EQ(canvas->CanvasWidth(), 4);
    EXPECT_EQ(canvas->Zoom(), 50.0);
    EXPECT_EQ(shownPixel(*canvas, 0, 0), rgb(255, 255, 255));
    EXPECT_EQ(shownPixel(*canvas, 1, 0), rgb(200, 40, 30));
    EXPECT_EQ(shownPixel(*canvas, 2, 1), rgb(20, 40, 220));
    EXPECT_EQ(shownPixel(*canvas, 3, 1), rgb(90, 90, 90));

    // Another page of the same model: loaded, rendered and zoomed only.
    ASSERT_TRUE(util::LoadPage(*canvas, util::PagePath(2)));
    EXPECT_EQ(canvas->CanvasWidth(), 3);
    EXPECT_EQ(shownPixel(*canvas, 2, 0), rgb(200, 40, 30));
}

TEST_F(OpenModelTest, AsksForTheManifestWithTheModelChooser)
{
    writeModel(QStringLiteral("ship/"));
    util::LastModelPath = path("ship/");
    ScriptedFileChooser chooser;
    chooser.queueFile(path("ship/ship.RKV3"));
    QString manifest;
    ASSERT_TRUE(util::OpenModel(*canvas, manifest));
    EXPECT_EQ(manifest, path("ship/ship.RKV3"));

    ASSERT_EQ(chooser.count(), 1);
    const Platform::FileChooserRequest& request = chooser.requests()[0];
    EXPECT_EQ(request.kind, Platform::FileChooserKind::Open);
    EXPECT_EQ(request.filter, cCommonDialog::ConvertFilter(QStringLiteral("RKV3 Model(*.RKV3)|*.RKV3")));
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialDir, path("ship/"));
    EXPECT_EQ(request.title, QStringLiteral("Open Model"));
    EXPECT_TRUE(request.defaultExt.isEmpty());
    EXPECT_EQ(request.flags, 0x1000u);  // the file must exist; single selection
    EXPECT_EQ(request.owner, &window);
}

TEST_F(OpenModelTest, CancelledChooserOrMissingFileChangesNothing)
{
    writeModel(QStringLiteral("ship/"));
    QString first = path("ship/ship.RKV3");
    ASSERT_TRUE(util::OpenModel(*canvas, first));
    const util::ModelState before = util::Model;

    ScriptedMessageBoxes boxes;
    ScriptedFileChooser chooser;
    chooser.queueCancel();
    QString manifest;
    EXPECT_FALSE(util::OpenModel(*canvas, manifest));
    EXPECT_TRUE(manifest.isEmpty());
    QString missing = path("nowhere.RKV3");
    EXPECT_FALSE(util::OpenModel(*canvas, missing));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(util::Model.ModelFolder, before.ModelFolder);
    EXPECT_EQ(util::Model.Pages, before.Pages);
}

TEST_F(OpenModelTest, NoSchemeOrAMissingOneGivesTheDefaultGrayScheme)
{
    writeModel(QStringLiteral("a/"), QString());
    writeModel(QStringLiteral("b/"), QStringLiteral("other.RKS3"));
    for (const char* sub : {"a/", "b/"}) {
        util::SchemeColors.fill(util::ColorRecord{9, 9, 9, 9});
        ScriptedMessageBoxes boxes;
        QString manifest = path(QString::fromLatin1(sub) + "ship.RKV3");
        ASSERT_TRUE(util::OpenModel(*canvas, manifest)) << sub;
        EXPECT_EQ(boxes.count(), 0) << sub;
        EXPECT_EQ(util::SchemeColors[0], util::PaperColor);
        EXPECT_EQ(util::SchemeNames[0], QStringLiteral("Paper Color"));
        EXPECT_EQ(util::SchemeColors[1], util::DefaultGrayColor);
        EXPECT_EQ(shownPixel(*canvas, 1, 0), rgb(127, 127, 127));
    }
}

TEST_F(OpenModelTest, NamesWithBackslashesAndOtherCaseAreFound)
{
    writeModel(QStringLiteral("ship/"), QStringLiteral("SHIP.rks3"), QStringLiteral("Images\\P01.PNG"));
    writePage(path("ship/images/p01.png"), {2, 1});
    ScriptedMessageBoxes boxes;
    QString manifest = path("ship/ship.RKV3");
    ASSERT_TRUE(util::OpenModel(*canvas, manifest));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(util::Model.Pages[0].File, QStringLiteral("Images\\P01.PNG"));
    EXPECT_EQ(util::PagePath(1), path("ship/images/p01.png"));
    EXPECT_EQ(util::SchemeNames[1], QStringLiteral("Brick"));
    EXPECT_EQ(canvas->CanvasWidth(), 2);
    EXPECT_EQ(shownPixel(*canvas, 0, 0), rgb(20, 40, 220));
}

TEST_F(OpenModelTest, MissingFirstPageStillOpensAndTheCanvasKeepsItsPage)
{
    writeModel(QStringLiteral("ship/"));
    writeModel(QStringLiteral("gone/"), QStringLiteral("ship.RKS3"), QStringLiteral("missing.png"));
    QString first = path("ship/ship.RKV3");
    ASSERT_TRUE(util::OpenModel(*canvas, first));
    ScriptedMessageBoxes boxes;
    QString second = path("gone/ship.RKV3");
    ASSERT_TRUE(util::OpenModel(*canvas, second));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(util::Model.ModelFolder, path("gone/"));
    EXPECT_EQ(canvas->CanvasWidth(), 4);
    EXPECT_FALSE(util::LoadPage(*canvas, util::PagePath(1)));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(OpenModelTest, InvalidManifestLeavesThePreviousModelSchemeAndFolders)
{
    writeModel(QStringLiteral("ship/"));
    QString first = path("ship/ship.RKV3");
    ASSERT_TRUE(util::OpenModel(*canvas, first));
    const util::ModelState before = util::Model;
    const auto schemeBefore = util::SchemeColors;

    writeBytes(path("bad/short.RKV3"), crlf({"300", "", "3", "a.png;1", "b.png;2"}));
    ScriptedMessageBoxes boxes;
    QString bad = path("bad/short.RKV3");
    EXPECT_FALSE(util::OpenModel(*canvas, bad));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QString::fromLatin1(ManifestMessage));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::OkOnly);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("RKVViewer3"));

    EXPECT_EQ(util::Model.Resolution, before.Resolution);
    EXPECT_EQ(util::Model.ModelFolder, before.ModelFolder);
    EXPECT_EQ(util::Model.ModelFileName, before.ModelFileName);
    EXPECT_EQ(util::Model.Pages, before.Pages);
    EXPECT_EQ(util::SchemeColors, schemeBefore);
    EXPECT_EQ(util::LastModelPath, path("ship/"));
}

TEST_F(OpenModelTest, MalformedSchemeIsReportedAndTheModelOpens)
{
    writeModel(QStringLiteral("ship/"));
    writeBytes(path("ship/ship.RKS3"), crlf({"200,40,30,-127,Brick", "bad line"}));
    ScriptedMessageBoxes boxes;
    QString manifest = path("ship/ship.RKV3");
    ASSERT_TRUE(util::OpenModel(*canvas, manifest));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error loading color scheme."));
    EXPECT_EQ(util::SchemeNames[1], QStringLiteral("Brick"));
    EXPECT_EQ(shownPixel(*canvas, 1, 0), rgb(200, 40, 30));
}

TEST_F(OpenModelTest, LoadPageOfAFileThatIsNoPicture)
{
    writeBytes(path("junk.png"), "not a picture");
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::LoadPage(*canvas, path("junk.png")));
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error Loading Bytemaps"));
    EXPECT_EQ(boxes.shown()[1].text, QString::fromLatin1(PageMessage));
    EXPECT_EQ(boxes.shown()[1].icon, MsgIcon::None);
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_FALSE(util::LoadPage(*canvas, path("missing.png")));
    EXPECT_EQ(boxes.count(), 2);
}
