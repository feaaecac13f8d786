// The scroll-bar colour hook: the viewport's answer to a bar's colour
// request, the hook's answer, and when the control hooks and unhooks.
#include "CanvasFixture.h"

#include "platform/Metrics.h"
#include "view/PropertyBag.h"
#include "view/ScrollBarColorRequest.h"
#include "view/SignedScrollBar.h"
#include "view/modScrollFix.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <thread>

namespace {

// What a scroll bar hears when it asks the widget for its background.
QBrush askForBarColor(QWidget* parent)
{
    ScrollBarColorRequest request;
    QCoreApplication::sendEvent(parent, &request);
    return request.answer();
}

int reddishPixels(QWidget* w)
{
    const QImage image = w->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() - std::max(c.green(), c.blue()) > 60) ++count;
        }
    return count;
}

}  // namespace

class ScrollFix : public CanvasFixture {
protected:
    // A control as a form designer shows it: not in user mode.
    std::unique_ptr<RKV3CanvasCtl> designerControl()
    {
        auto control = std::make_unique<RKV3CanvasCtl>();
        control->setUserMode(false);
        control->resize(300, 200);
        control->show();
        return control;
    }
};

TEST_F(ScrollFix, HookedViewportAnswersZeroAndPassesEverythingElse)
{
    // The fixture's control is shown in user mode: hooked as a new instance.
    EXPECT_EQ(modScrollFix::HookedWindow, viewport());
    EXPECT_EQ(askForBarColor(viewport()).style(), Qt::NoBrush);

    // Paint, mouse and resize events still reach the viewport's own handling.
    QSignalSpy doubleClicks(canvas.get(), &RKV3CanvasCtl::DblClick);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), viewport()->mapToGlobal(QPointF(2, 2)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport(), &dbl);
    EXPECT_EQ(doubleClicks.count(), 1);
    showPage(UniformPage(1000, 100, 127, 0, 255), 100);
    auto* hbar = canvas->findChild<SignedScrollBar*>("hscPicture");
    ASSERT_FALSE(hbar->isHidden());
    canvas->resize(700, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(hbar->width(), canvas->width() - Platform::Metrics::systemMetric(Platform::Metrics::SM_CXDLGFRAME));
    EXPECT_FALSE(viewport()->grab().isNull());
}

TEST_F(ScrollFix, DesignerModeInstallsNoHook)
{
    auto control = designerControl();
    QWidget* main = control->findChild<QWidget*>("picMain");
    EXPECT_NE(modScrollFix::HookedWindow, main);
    control->ReadProperties(PropertyBag());
    EXPECT_NE(modScrollFix::HookedWindow, main);
    control->setBackColor(0x0000FF);
    const QBrush answer = askForBarColor(main);
    EXPECT_EQ(answer.style(), Qt::SolidPattern);
    EXPECT_EQ(answer.color(), QColor(255, 0, 0));
}

TEST_F(ScrollFix, BarsPaintWithTheViewportColorOnlyWithoutTheHook)
{
    const QImage wide = UniformPage(1000, 100, 127, 0, 255);
    auto control = designerControl();
    const QString path = savePage(wide, "wide.png");
    for (RKV3CanvasCtl* c : {canvas.get(), control.get()}) {
        c->setBackColor(0x0000FF);
        c->LoadRKVImage(path);
        c->RenderRKVPage();
        c->setZoom(100);
    }
    QWidget* hooked = canvas->findChild<QWidget*>("hscPicture");
    QWidget* plain = control->findChild<QWidget*>("hscPicture");
    ASSERT_FALSE(hooked->isHidden());
    ASSERT_FALSE(plain->isHidden());
    EXPECT_EQ(reddishPixels(hooked), 0);
    EXPECT_GT(reddishPixels(plain), 0);
}

TEST_F(ScrollFix, InstallAndRemoveFollowTheTwoFields)
{
    auto control = designerControl();
    QWidget* main = control->findChild<QWidget*>("picMain");
    // Without an installed hook, RemoveHook does nothing.
    modScrollFix::HookedWindow = main;
    modScrollFix::PreviousWindowProc = nullptr;
    modScrollFix::RemoveHook();
    EXPECT_NE(askForBarColor(main).style(), Qt::NoBrush);

    modScrollFix::InstallHook();
    EXPECT_EQ(modScrollFix::PreviousWindowProc, main);
    EXPECT_EQ(askForBarColor(main).style(), Qt::NoBrush);
    modScrollFix::InstallHook();  // a second install on the same window is harmless
    EXPECT_EQ(askForBarColor(main).style(), Qt::NoBrush);

    modScrollFix::RemoveHook();
    EXPECT_NE(askForBarColor(main).style(), Qt::NoBrush);
    // RemoveHook leaves the fields as they were.
    EXPECT_EQ(modScrollFix::HookedWindow, main);
    EXPECT_EQ(modScrollFix::PreviousWindowProc, main);

    // Nothing to hook: nothing happens.
    modScrollFix::HookedWindow = nullptr;
    modScrollFix::InstallHook();
    EXPECT_EQ(modScrollFix::PreviousWindowProc, main);
}

TEST_F(ScrollFix, TheModuleStateBelongsToItsThread)
{
    ASSERT_EQ(modScrollFix::HookedWindow, viewport());
    bool otherThreadSawNone = false;
    std::thread other([&] {
        otherThreadSawNone = modScrollFix::HookedWindow.isNull() && modScrollFix::PreviousWindowProc.isNull();
        modScrollFix::InstallHook();
        modScrollFix::RemoveHook();
    });
    other.join();
    EXPECT_TRUE(otherThreadSawNone);
    EXPECT_EQ(modScrollFix::HookedWindow, viewport());
}

TEST_F(ScrollFix, DestroyingAnotherControlLeavesTheHookedOneHooked)
{
    auto first = std::make_unique<RKV3CanvasCtl>();
    first->ReadProperties(PropertyBag());
    canvas->ReadProperties(PropertyBag());  // the module now holds the fixture's viewport
    ASSERT_EQ(modScrollFix::HookedWindow, viewport());
    first.reset();
    EXPECT_EQ(askForBarColor(viewport()).style(), Qt::NoBrush);
}
