// Loading, rendering, measuring and dropping the page on the control.
#include "CanvasFixture.h"

#include "render/PageImageReader.h"

#include <QApplication>
#include <QSignalSpy>

#include <QFile>
#include <QImageReader>
#include <limits>

using PageSurfaces = CanvasFixture;

namespace {

// Writes a GIF (Qt has no GIF writer) of an image with at most 4 colours.
// Each pixel goes out as a literal LZW code, with a clear code every two
// pixels so the code width stays 3 bits.
void writeGif(const QImage& indexed, const QString& path)
{
    QByteArray out("GIF89a");
    auto put16 = [&out](int v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    put16(indexed.width());
    put16(indexed.height());
    out.append(char(0x81)).append('\0').append('\0');  // global table of 4 entries
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    out.append(',');
    put16(0);
    put16(0);
    put16(indexed.width());
    put16(indexed.height());
    out.append('\0').append(char(2));  // no local table; minimum code size 2
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    auto emitCode = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    int sinceClear = 0;
    emitCode(4);
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear == 2) {
                emitCode(4);
                sinceClear = 0;
            }
            emitCode(indexed.pixelIndex(x, y));
            ++sinceClear;
        }
    emitCode(5);
    if (count > 0) data.append(char(bits & 0xFF));
    for (int i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(out);
}

}  // namespace

TEST_F(PageSurfaces, LoadSetsAllSizesAndUnloadShrinksToThePlaceholder)
{
    // Classic "\" separators are taken too.
    canvas->LoadRKVImage(savePage(PatternPage(1203, 97)).replace('/', '\\'));
    EXPECT_EQ(canvas->CanvasWidth(), 1203);
    EXPECT_EQ(canvas->CanvasHeight(), 97);
    EXPECT_EQ(state().ImageWidth(), 1203);
    EXPECT_EQ(state().ImageHeight(), 97);
    EXPECT_TRUE(state().LayoutPending());
    EXPECT_EQ(boxes.count(), 0);

    canvas->RenderRKVPage();
    canvas->setZoom(100);
    QWidget* hbar = child("hscPicture");
    ASSERT_FALSE(hbar->isHidden());
    canvas->UnloadImage();
    EXPECT_TRUE(hbar->isHidden());  // the placeholder fits: the bars are laid out again
    EXPECT_EQ(canvas->CanvasWidth(), 120);
    EXPECT_EQ(canvas->CanvasHeight(), 120);
    EXPECT_EQ(state().ImageWidth(), 0);
    EXPECT_EQ(state().ImageHeight(), 0);
    EXPECT_EQ(view()->size(), QSize(120, 120));
    EXPECT_TRUE(canvas->Picture().isNull());
    // The view is blank: nothing but its back colour.
    const QImage shown = canvas->Image();
    EXPECT_EQ(shown.pixel(60, 60), shown.pixel(0, 0));
    // The loader keeps the page, so a render still has something to colour.
    EXPECT_EQ(state().LoaderImage().size(), QSize(1203, 97));
}

TEST_F(PageSurfaces, MissingOrOversizedFileShowsOneMessageAndKeepsEverything)
{
    canvas->LoadRKVImage(savePage(PatternPage(50, 40)));
    // The busy pointer is gone before the message shows.
    bool busyAtMessage = true;
    const auto scripted = Platform::MessageBox::setResponder([&](const Platform::MessageRequest&) {
        busyAtMessage = QApplication::overrideCursor() != nullptr;
        return Platform::MsgAnswer::Ok;
    });
    canvas->LoadRKVImage(dir.filePath("missing.png"));
    Platform::MessageBox::setResponder(scripted);
    EXPECT_FALSE(busyAtMessage);
    canvas->LoadRKVImage(dir.filePath("missing.png"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown().at(0).text, "Error Loading Bytemaps");
    EXPECT_EQ(boxes.shown().at(0).buttons, Platform::MsgButtons::OkOnly);
    EXPECT_EQ(boxes.shown().at(0).title, "RKVViewer3");
    EXPECT_EQ(canvas->CanvasWidth(), 50);
    EXPECT_EQ(state().LoaderImage().size(), QSize(50, 40));

    // A page wider than 32767 pixels is refused with the same message.
    canvas->LoadRKVImage(savePage(UniformPage(32768, 1, 127, 0, 255), "wide.png"));
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(canvas->CanvasWidth(), 50);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PageSurfaces, EmptyPathClearsOnlyTheLoader)
{
    showPage(UniformPage(30, 20, 127, 0, 255), 100);
    canvas->LoadRKVImage();
    EXPECT_TRUE(state().LoaderImage().isNull());
    EXPECT_EQ(canvas->CanvasWidth(), 30);
    EXPECT_FALSE(canvas->Picture().isNull());
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(PageSurfaces, PalettePagesAndAlphaPagesKeepTheirExactValues)
{
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(127, 3, 255), qRgb(1, 254, 17), qRgb(200, 0, 128)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) indexed.setPixel(x, y, (x + y) % 3);
    writeGif(indexed, dir.filePath("page.gif"));
    for (const char* name : {"page.png", "page.bmp", "page.gif"}) {
        const QString path = QString(name).endsWith("gif") ? dir.filePath(name) : savePage(indexed, name);
        const QImage read = ReadPageImage(path);
        ASSERT_FALSE(read.isNull()) << name;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(read.pixel(x, y) & 0xFFFFFF, indexed.pixel(x, y) & 0xFFFFFF) << name;
    }
    // A page with an alpha channel keeps its colour values, not blended.
    QImage withAlpha(2, 1, QImage::Format_ARGB32);
    withAlpha.setPixel(0, 0, qRgba(10, 20, 30, 0));
    withAlpha.setPixel(1, 0, qRgba(200, 100, 50, 128));
    const QImage read = ReadPageImage(savePage(withAlpha, "alpha.png"));
    EXPECT_EQ(read.pixel(0, 0) & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(read.pixel(1, 0) & 0xFFFFFF, 0xC86432u);
}

TEST_F(PageSurfaces, RenderColorsEveryPixelTwiceAlike)
{
    canvas->UpdatePaletteColor(9, 200 + 256 * 100 + 65536 * 50, -127);
    QImage page = PatternPage(13, 7);  // width not a multiple of 4
    page.setPixel(0, 0, PagePixel(127, 9, 255));
    page.setPixel(12, 6, PagePixel(255, 9, 255));
    canvas->LoadRKVImage(savePage(page));
    ASSERT_TRUE(canvas->RenderRKVPage());
    const QImage first = canvas->Picture().copy();
    EXPECT_EQ(first.pixel(0, 0) & 0xFFFFFF, 0xC86432u);
    EXPECT_EQ(first.pixel(12, 6) & 0xFFFFFF, 0xFFE4B2u);
    ASSERT_TRUE(canvas->RenderRKVPage());
    EXPECT_EQ(canvas->Picture(), first);
}

TEST_F(PageSurfaces, OnePixelPageRenders)
{
    canvas->UpdatePaletteColor(1, 0x0000FF, -127);
    showPage(UniformPage(1, 1, 127, 1, 255), 100);
    EXPECT_EQ(canvas->Picture().size(), QSize(1, 1));
    EXPECT_EQ(canvas->Picture().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(PageSurfaces, DrawSmoothShowsThePageUncoloredUntilSwitchedOff)
{
    const QImage page = PatternPage(9, 5);
    canvas->LoadRKVImage(savePage(page));
    canvas->setDrawSmooth(true);
    canvas->RenderRKVPage();
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(canvas->Picture().pixel(x, 2) & 0xFFFFFF, page.pixel(x, 2) & 0xFFFFFF);
    canvas->setDrawSmooth(false);
    canvas->RenderRKVPage();
    EXPECT_NE(canvas->Picture(), page);
}

TEST_F(PageSurfaces, PaletteChangeWithoutRenderLeavesTheViewAlone)
{
    showPage(UniformPage(40, 40, 127, 3, 255), 100);
    const QImage before = canvas->Image();
    canvas->UpdatePaletteColor(3, 0x00FF00, -127);
    EXPECT_EQ(canvas->Image(), before);
    canvas->RenderRKVPage();
    EXPECT_NE(canvas->Image(), before);
}

TEST_F(PageSurfaces, SizeWritesResizeBufferAndViewAndRenderStaysInside)
{
    canvas->LoadRKVImage(savePage(UniformPage(60, 50, 127, 0, 100)));  // inked gray 100
    canvas->setCanvasWidth(20);
    EXPECT_EQ(view()->width(), 20);
    canvas->setCanvasHeight(10);
    EXPECT_EQ(view()->size(), QSize(20, 10));
    EXPECT_EQ(state().ImageWidth(), 60);  // size writes do not measure again
    ASSERT_TRUE(canvas->RenderRKVPage());
    EXPECT_EQ(canvas->CanvasImage().size(), QSize(20, 10));
    EXPECT_EQ(canvas->Picture().pixel(19, 9) & 0xFFFFFF, 0x646464u);
}

TEST_F(PageSurfaces, SizeWriteTooLargeForAnImageKeepsBufferAndView)
{
    showPage(UniformPage(60, 50, 127, 0, 255), 100);
    const QImage before = canvas->CanvasImage();
    canvas->setCanvasWidth(std::numeric_limits<int>::max());
    canvas->setCanvasHeight(std::numeric_limits<int>::max());
    EXPECT_EQ(canvas->CanvasWidth(), 60);
    EXPECT_EQ(canvas->CanvasHeight(), 50);
    EXPECT_EQ(canvas->CanvasImage(), before);
    EXPECT_EQ(view()->size(), QSize(60, 50));
}

TEST_F(PageSurfaces, LoadImageStretchesAPictureToTheBufferAtFullZoom)
{
    canvas->LoadRKVImage(savePage(UniformPage(80, 60, 127, 0, 255)));
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    QSignalSpy zoomed(canvas.get(), &RKV3CanvasCtl::ZoomChanged);
    canvas->LoadImage(savePage(picture, "plain.png").replace('/', '\\'));
    EXPECT_EQ(canvas->Zoom(), 100);
    ASSERT_EQ(zoomed.count(), 1);
    EXPECT_EQ(view()->size(), QSize(80, 60));
    EXPECT_EQ(canvas->Image().pixel(79, 59) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(PageSurfaces, LoadImageOfAMissingFileKeepsThePictureSilently)
{
    showPage(UniformPage(40, 30, 127, 0, 255), 50);
    const QImage before = canvas->Picture();
    canvas->LoadImage(dir.filePath("missing.png"));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(canvas->Picture(), before);
    EXPECT_EQ(canvas->Zoom(), 100);
    EXPECT_EQ(view()->size(), QSize(40, 30));
    EXPECT_EQ(canvas->Image().pixel(39, 29) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(PageSurfaces, ReadingAPageLeavesTheReadersAllocationLimitAsItWas)
{
    const int limit = QImageReader::allocationLimit();
    canvas->LoadRKVImage(savePage(UniformPage(20, 10, 127, 0, 255)));
    EXPECT_EQ(canvas->CanvasWidth(), 20);
    EXPECT_EQ(QImageReader::allocationLimit(), limit);
}

TEST_F(PageSurfaces, PaintPictureAndClsDrawOnTheViewOnly)
{
    showPage(UniformPage(50, 50, 127, 0, 255), 100);
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(qRgb(255, 0, 0));
    canvas->PaintPicture(dot, 10, 10);
    EXPECT_EQ(canvas->Image().pixel(11, 11) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(canvas->Picture().pixel(11, 11) & 0xFFFFFF, 0xFFFFFFu);
    canvas->PaintPicture(dot, 0, 0, 20, 20);  // stretched
    EXPECT_EQ(canvas->Image().pixel(19, 19) & 0xFFFFFF, 0xFF0000u);
    // A source copy (the default) replaces what was there, also with
    // transparent pixels.
    QImage clear(2, 2, QImage::Format_ARGB32);
    clear.fill(qRgba(0, 0, 255, 0));
    canvas->PaintPicture(clear, 10, 10);
    EXPECT_EQ(canvas->Image().pixel(11, 11) & 0xFFFFFF, 0x0000FFu);
    canvas->Cls();
    const QImage cleared = canvas->Image();
    EXPECT_EQ(cleared.pixel(11, 11), cleared.pixel(49, 49));
}
