// Page loading over any bytes: the canvas's loader, then a render of
// whatever it accepted, on Qt's offscreen platform.
#include "FuzzSupport.h"
#include "platform/MessageBox.h"
#include "render/PageImageReader.h"
#include "view/RKV3CanvasCtl.h"

#include <QApplication>

namespace {

int argumentCount = 1;
char programName[] = "fuzz_page";
char* arguments[] = {programName, nullptr};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argumentCount, arguments);
    // A page the loader refuses shows a message: answered at once, since a
    // run must never wait on a window.
    Platform::MessageBox::setResponder([](const Platform::MessageRequest&) { return Platform::MsgAnswer::Ok; });
    // The harness runs within 2 GB; pages of up to 8 million pixels keep
    // every run well inside it.
    SetPageSurfaceBudget(qint64(64) << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static RKV3CanvasCtl canvas;
    canvas.LoadRKVImage(fuzz::WriteInput(data, size));
    canvas.RenderRKVPage();
    fuzz::Require(canvas.CanvasWidth() <= MaxPageSide && canvas.CanvasHeight() <= MaxPageSide,
                  "a page within the largest side");
    fuzz::Require(qint64(canvas.CanvasWidth()) * canvas.CanvasHeight() * PageSurfaceBytesPerPixel
                      <= PageSurfaceBudget(), "a page within the budget");
    return 0;
}
