// The pan and picker tools: the three pointer images, the pointer rules of
// the two flags, and dragging the page through the scroll values.
#include "CanvasFixture.h"

#include "view/MousePointerImages.h"
#include "view/SignedScrollBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <optional>

namespace {

// Which of the control's pointer images a widget shows: 0..2, or -1 for the
// plain arrow, -2 for anything else.
int pointerImageOf(const QWidget* widget)
{
    const QCursor c = widget->cursor();
    if (c.shape() == Qt::ArrowCursor) return -1;
    if (c.shape() != Qt::BitmapCursor) return -2;
    const QImage shown = c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < MousePointerImages::Count; ++i)
        if (shown == MousePointerImages::image(i) && c.hotSpot() == MousePointerImages::hotSpot(i)) return i;
    return -2;
}

QRect opaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

TEST(MousePointerImagesTest, SizesHotSpotsAndOutlines)
{
    EXPECT_EQ(MousePointerImages::hotSpot(MousePointerImages::Dropper), QPoint(10, 20));
    EXPECT_EQ(MousePointerImages::hotSpot(MousePointerImages::PanArrow), QPoint(8, 7));
    EXPECT_EQ(MousePointerImages::hotSpot(MousePointerImages::DragArrow), QPoint(8, 7));
    // The arrows are 15 and 13 pixels across, centred on their hot spot.
    EXPECT_EQ(opaqueBounds(MousePointerImages::image(1)), QRect(1, 0, 15, 15));
    EXPECT_EQ(opaqueBounds(MousePointerImages::image(2)), QRect(2, 1, 13, 13));
    for (int i = 0; i < MousePointerImages::Count; ++i) {
        const QImage image = MousePointerImages::image(i);
        ASSERT_EQ(image.size(), QSize(32, 32)) << i;
        // The hot spot points with a black pixel.
        const QPoint hot = MousePointerImages::hotSpot(i);
        EXPECT_EQ(image.pixel(hot), 0xFF000000u) << i;
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb p = image.pixel(x, y);
                ASSERT_TRUE(p == 0 || p == 0xFF000000u || p == 0xFFFFFFFFu) << i;
                if (p == 0xFFFFFFFFu) ++white;
                if (p != 0xFF000000u) continue;
                ++black;
                // Black never touches the page: white or black all round, so
                // the shape shows on black and on white paper alike.
                ASSERT_TRUE(x > 0 && y > 0 && x < 31 && y < 31) << i;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        EXPECT_NE(qAlpha(image.pixel(x + dx, y + dy)), 0) << i << " " << x << "," << y;
            }
        EXPECT_GT(black, 10) << i;
        EXPECT_GT(white, black / 2) << i;
    }
    // The dropper lies up and to the right of its tip.
    const QRect dropper = opaqueBounds(MousePointerImages::image(0));
    EXPECT_LE(dropper.left(), 9);
    EXPECT_GE(dropper.bottom(), 21);
    EXPECT_GT(dropper.right(), 20);
    EXPECT_LT(dropper.top(), 8);
    EXPECT_TRUE(MousePointerImages::image(3).isNull());
}

class PanPicker : public CanvasFixture {
protected:
    SignedScrollBar* hbar() const { return canvas->findChild<SignedScrollBar*>("hscPicture"); }
    SignedScrollBar* vbar() const { return canvas->findChild<SignedScrollBar*>("vscPicture"); }

    // Mouse events on the view. The pointer is placed on the screen first;
    // the control samples it there. localOverride replaces the position the
    // event itself reports.
    void send(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held,
              std::optional<QPoint> localOverride = std::nullopt)
    {
        QCursor::setPos(global);
        const QPointF local = localOverride ? QPointF(*localOverride) : QPointF(view()->mapFromGlobal(global));
        QMouseEvent event(type, local, QPointF(global), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &event);
    }
    void press(QPoint global, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, global, button, button);
    }
    void moveTo(QPoint global, Qt::MouseButtons held = Qt::LeftButton,
                std::optional<QPoint> localOverride = std::nullopt)
    {
        send(QEvent::MouseMove, global, Qt::NoButton, held, localOverride);
    }
    void release(QPoint global, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, global, button, Qt::NoButton);
    }
    QPoint viewCentre() const { return view()->mapToGlobal(QPoint(5, 5)); }
};

TEST_F(PanPicker, PointerRulesOfTheTwoFlags)
{
    EXPECT_EQ(pointerImageOf(view()), -1);
    canvas->setPanActive(true);
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::PanArrow);
    canvas->setPickerActive(true);  // both true: the flag just written wins
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::Dropper);
    canvas->setPanActive(true);
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::PanArrow);
    canvas->setPickerActive(true);
    // After a mouse up the pan pointer shows again while the pan flag is set.
    showPage(UniformPage(50, 50, 127, 0, 255), 100);
    press(viewCentre());
    release(viewCentre());
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::PanArrow);

    canvas->setPanActive(false);  // the picker is still on
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::Dropper);
    release(viewCentre());  // picker only: a mouse up leaves the dropper
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::Dropper);
    canvas->setPickerActive(false);
    EXPECT_EQ(pointerImageOf(view()), -1);
    canvas->setPanActive(false);
    EXPECT_EQ(pointerImageOf(view()), -1);
}

TEST_F(PanPicker, PageThatFitsIsNotDragged)
{
    canvas->setPanActive(true);
    showPage(UniformPage(100, 80, 127, 0, 255), 100);
    ASSERT_TRUE(hbar()->isHidden());
    ASSERT_TRUE(vbar()->isHidden());
    const QPoint viewAt = view()->pos();
    press(viewCentre());
    EXPECT_FALSE(state().Dragging());
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::PanArrow);
    moveTo(viewCentre() + QPoint(20, 20));
    EXPECT_EQ(view()->pos(), viewAt);
}

TEST_F(PanPicker, WidePageDragsAcrossOnlyAndFollowsThePointer)
{
    canvas->setPanActive(true);
    showPage(UniformPage(1000, 100, 127, 0, 255), 100);
    ASSERT_FALSE(hbar()->isHidden());
    ASSERT_TRUE(vbar()->isHidden());
    const int startValue = hbar()->Value();
    const QPoint startPos = view()->pos();
    QPoint pointer = viewCentre();
    press(pointer);
    ASSERT_TRUE(state().Dragging());
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::DragArrow);
    EXPECT_EQ(state().DragLast(), viewport()->mapFromGlobal(pointer));

    pointer += QPoint(-30, 25);
    moveTo(pointer);
    EXPECT_EQ(hbar()->Value(), startValue - 30);
    EXPECT_EQ(view()->pos(), startPos + QPoint(-30, 0));  // vertical motion ignored
    pointer += QPoint(12, -40);
    moveTo(pointer);
    EXPECT_EQ(view()->x(), hbar()->Value());
    EXPECT_EQ(hbar()->Value(), startValue - 18);
    EXPECT_EQ(view()->y(), startPos.y());

    // The position comes from the screen, not from the event.
    pointer += QPoint(7, 0);
    moveTo(pointer, Qt::LeftButton, QPoint(0, 0));
    EXPECT_EQ(hbar()->Value(), startValue - 11);

    release(pointer);
    EXPECT_FALSE(state().Dragging());
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::PanArrow);
    moveTo(pointer + QPoint(50, 0), Qt::NoButton);
    EXPECT_EQ(hbar()->Value(), startValue - 11);
}

TEST_F(PanPicker, DragStopsAtTheEdgeAndComesBackAtOnce)
{
    canvas->setPanActive(true);
    showPage(UniformPage(1000, 100, 127, 0, 255), 100);
    ASSERT_TRUE(hbar()->SetValue(-20));
    QPoint pointer = viewCentre();
    press(pointer);
    for (int step = 0; step < 8; ++step) {
        pointer += QPoint(5, 0);
        moveTo(pointer);
    }
    // The range ends at 0: the view's left edge on the viewport's left edge.
    EXPECT_EQ(hbar()->Value(), 0);
    EXPECT_EQ(view()->x(), 0);
    // A fast step that would overshoot ends exactly on the edge.
    pointer += QPoint(-3, 0);
    moveTo(pointer);
    EXPECT_EQ(hbar()->Value(), -3);
    pointer += QPoint(10, 0);
    moveTo(pointer);
    EXPECT_EQ(hbar()->Value(), 0);
    // Reversing moves the page at once, from the new pointer position.
    pointer += QPoint(-4, 0);
    moveTo(pointer);
    EXPECT_EQ(hbar()->Value(), -4);

    // The far end of the range holds the same way.
    ASSERT_TRUE(hbar()->SetValue(hbar()->Max() + 2));
    pointer += QPoint(-50, 0);
    moveTo(pointer);
    EXPECT_EQ(hbar()->Value(), hbar()->Max());
    pointer += QPoint(-1, 0);
    moveTo(pointer);
    EXPECT_EQ(hbar()->Value(), hbar()->Max());
    EXPECT_EQ(view()->x(), hbar()->Max());
    pointer += QPoint(1, 0);
    moveTo(pointer);
    EXPECT_EQ(hbar()->Value(), hbar()->Max() + 1);
}

TEST_F(PanPicker, OtherButtonsAndTheHostDecideNoDrag)
{
    canvas->setPanActive(true);
    showPage(UniformPage(1000, 800, 127, 0, 255), 100);
    std::vector<short> buttons;
    bool draggingWhenRaised = true;
    QObject::connect(canvas.get(), &RKV3CanvasCtl::MouseDown, canvas.get(),
                     [&](short& Button, short&, float&, float&) {
                         buttons.push_back(Button);
                         draggingWhenRaised = state().Dragging();
                     });
    press(viewCentre(), Qt::RightButton);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0], 2);
    EXPECT_FALSE(state().Dragging());
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::PanArrow);
    release(viewCentre(), Qt::RightButton);

    // The event is raised before the pan work, with the arguments the pan
    // work then uses: a host that turns the left button into another one
    // prevents the drag.
    press(viewCentre());
    EXPECT_FALSE(draggingWhenRaised);
    EXPECT_TRUE(state().Dragging());
    release(viewCentre());
    QObject::connect(canvas.get(), &RKV3CanvasCtl::MouseDown, canvas.get(),
                     [](short& Button, short&, float&, float&) { Button = 4; });
    press(viewCentre());
    EXPECT_FALSE(state().Dragging());
    release(viewCentre());

    // Without the pan tool a left press does nothing but report.
    canvas->setPanActive(false);
    canvas->setPickerActive(true);
    press(viewCentre());
    EXPECT_FALSE(state().Dragging());
    EXPECT_EQ(pointerImageOf(view()), MousePointerImages::Dropper);
}
