// The view's mouse and key events reaching the host as the control's events,
// and the host's changes to key arguments going back into the view.
#include "support/PageImages.h"
#include "view/RKV3CanvasCtl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The host's window: records every key that reaches it.
class HostWindow : public QWidget {
public:
    struct Key {
        QEvent::Type type;
        int key;
        QString text;
        Qt::KeyboardModifiers modifiers;
    };
    std::vector<Key> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys.push_back({e->type(), e->key(), e->text(), e->modifiers()}); }
    void keyReleaseEvent(QKeyEvent* e) override { keys.push_back({e->type(), e->key(), e->text(), e->modifiers()}); }
};

class ViewEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<HostWindow>();
        host->resize(420, 320);
        canvas = new RKV3CanvasCtl(host.get());
        canvas->setGeometry(10, 10, 400, 300);
        host->show();
        view = canvas->findChild<QWidget*>("picView");
        view->setFocus();
        record(canvas);
    }

    void record(RKV3CanvasCtl* c)
    {
        QObject::connect(c, &RKV3CanvasCtl::Click, c, [this] { log.push_back("Click"); });
        QObject::connect(c, &RKV3CanvasCtl::DblClick, c, [this] { log.push_back("DblClick"); });
        QObject::connect(c, &RKV3CanvasCtl::KeyDown, c, [this](short& k, short& s) {
            log.push_back(QString("KeyDown %1 %2").arg(k).arg(s));
        });
        QObject::connect(c, &RKV3CanvasCtl::KeyPress, c, [this](short& a) { log.push_back(QString("KeyPress %1").arg(a)); });
        QObject::connect(c, &RKV3CanvasCtl::KeyUp, c, [this](short& k, short& s) {
            log.push_back(QString("KeyUp %1 %2").arg(k).arg(s));
        });
        auto mouse = [this](const char* name) {
            return [this, name](short& b, short& s, float& x, float& y) {
                log.push_back(QString("%1 %2 %3 %4 %5").arg(name).arg(b).arg(s).arg(x).arg(y));
            };
        };
        QObject::connect(c, &RKV3CanvasCtl::MouseDown, c, mouse("MouseDown"));
        QObject::connect(c, &RKV3CanvasCtl::MouseMove, c, mouse("MouseMove"));
        QObject::connect(c, &RKV3CanvasCtl::MouseUp, c, mouse("MouseUp"));
    }

    void mouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = {})
    {
        QMouseEvent event(type, at, target->mapToGlobal(at), button, held, mods);
        QApplication::sendEvent(target, &event);
    }

    std::unique_ptr<HostWindow> host;
    RKV3CanvasCtl* canvas = nullptr;
    QWidget* view = nullptr;
    QStringList log;
};

}  // namespace

TEST_F(ViewEvents, MouseEventsCarryButtonsShiftAndViewPosition)
{
    mouse(view, QEvent::MouseButtonPress, {12.5, 7}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier);
    mouse(view, QEvent::MouseMove, {14, 9}, Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
    mouse(view, QEvent::MouseButtonRelease, {14, 9}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log.join(" | ").toStdString(), "MouseDown 1 5 12.5 7 | MouseMove 3 2 14 9 | MouseUp 1 0 14 9 | Click");
    log.clear();
    // A move without a button is reported too.
    mouse(view, QEvent::MouseMove, {1, 2}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(log.join(" | ").toStdString(), "MouseMove 0 0 1 2");
}

TEST_F(ViewEvents, ClickNeedsTheReleaseOverTheViewAndDoubleClickHasItsOwnOrder)
{
    mouse(view, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    mouse(view, QEvent::MouseButtonRelease, {500, 5}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(log.join(" | ").toStdString(), "MouseDown 2 0 5 5 | MouseUp 2 0 500 5");
    log.clear();
    mouse(view, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    mouse(view, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log.join(" | ").toStdString(), "MouseDown 1 0 5 5 | MouseUp 1 0 5 5 | Click | DblClick | MouseUp 1 0 5 5");
    log.clear();
    // The viewport around the page reports its double clicks too, once.
    QWidget* viewport = canvas->findChild<QWidget*>("picMain");
    mouse(viewport, QEvent::MouseButtonDblClick, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(log.join(" | ").toStdString(), "DblClick");
}

TEST_F(ViewEvents, KeysReachTheHostWithClassicCodesAndGoOnUnchanged)
{
    QTest::keyClick(view, Qt::Key_A, Qt::NoModifier);
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_7, Qt::KeypadModifier);
    // The modifier keys come as keys of their own, as on the classic desktop.
    EXPECT_EQ(log.join(" | ").toStdString(),
              "KeyDown 65 0 | KeyPress 97 | KeyUp 65 0 | "
              "KeyDown 16 1 | KeyDown 37 1 | KeyUp 37 1 | KeyUp 16 0 | "
              "KeyDown 17 2 | KeyDown 18 6 | KeyDown 116 6 | KeyUp 116 6 | KeyUp 18 2 | KeyUp 17 0 | "
              "KeyDown 103 0 | KeyPress 55 | KeyUp 103 0");
    // Unchanged keys travel on to the host's window as they came.
    ASSERT_EQ(host->keys.size(), 14u);
    EXPECT_EQ(host->keys[0].key, Qt::Key_A);
    EXPECT_EQ(host->keys[0].text, "a");
    EXPECT_EQ(host->keys[3].key, Qt::Key_Left);
    EXPECT_EQ(host->keys[3].modifiers, Qt::ShiftModifier);
}

TEST_F(ViewEvents, HostChangesToKeyArgumentsGoBackIntoTheView)
{
    short newCode = 0;
    short newAscii = -1;
    short newShift = -1;
    QObject::connect(canvas, &RKV3CanvasCtl::KeyDown, canvas, [&](short& KeyCode, short& Shift) {
        if (newCode >= 0) KeyCode = newCode;
        if (newShift >= 0) Shift = newShift;
    });
    QObject::connect(canvas, &RKV3CanvasCtl::KeyPress, canvas, [&](short& KeyAscii) {
        if (newAscii >= 0) KeyAscii = newAscii;
    });
    // Key code 0 and no character: the key stops in the view.
    QTest::keyPress(view, Qt::Key_Left);
    EXPECT_TRUE(host->keys.empty());

    // Another key code: the view passes on that key instead.
    newCode = 66;
    newAscii = 98;
    QTest::keyPress(view, Qt::Key_A);
    ASSERT_EQ(host->keys.size(), 1u);
    EXPECT_EQ(host->keys[0].key, Qt::Key_B);
    EXPECT_EQ(host->keys[0].text, "b");

    // A character taken away leaves the key without text; a new shift
    // state changes the modifiers.
    host->keys.clear();
    newCode = -1;
    newAscii = 0;
    newShift = 2;
    QTest::keyPress(view, Qt::Key_C);
    ASSERT_EQ(host->keys.size(), 1u);
    EXPECT_EQ(host->keys[0].key, Qt::Key_C);
    EXPECT_TRUE(host->keys[0].text.isEmpty());
    EXPECT_EQ(host->keys[0].modifiers, Qt::ControlModifier);

    // Each key raises its events once, also when it is passed on rebuilt.
    EXPECT_EQ(log.count("KeyDown 67 0"), 1);
}

TEST_F(ViewEvents, KeyUpChangesGoBackToo)
{
    QObject::connect(canvas, &RKV3CanvasCtl::KeyUp, canvas, [](short& KeyCode, short&) {
        if (KeyCode == 65) KeyCode = 0;
        else if (KeyCode == 66) KeyCode = 40;
    });
    QTest::keyRelease(view, Qt::Key_A);
    EXPECT_TRUE(host->keys.empty());
    QTest::keyRelease(view, Qt::Key_B);
    ASSERT_EQ(host->keys.size(), 1u);
    EXPECT_EQ(host->keys[0].type, QEvent::KeyRelease);
    EXPECT_EQ(host->keys[0].key, Qt::Key_Down);
}

TEST_F(ViewEvents, ArrowKeysFromTheViewAreNotTheControlsOwn)
{
    QImage page = UniformPage(1000, 100, 127, 0, 255);
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.png");
    ASSERT_TRUE(page.save(path));
    canvas->LoadRKVImage(path);
    canvas->RenderRKVPage();
    canvas->setZoom(100);
    QWidget* hbar = canvas->findChild<QWidget*>("hscPicture");
    ASSERT_FALSE(hbar->isHidden());
    host->activateWindow();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_TRUE(view->hasFocus());
    EXPECT_FALSE(hbar->hasFocus());
}
