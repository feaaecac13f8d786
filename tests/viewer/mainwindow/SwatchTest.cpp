// A swatch tells a click from a drag, carries its values in its drag, and
// takes only swatch drags.
#include "mainwindow/Swatch.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Records the drag data instead of running the platform's modal drag.
struct RecordingSwatch : Swatch {
    std::optional<SwatchValues> dragged;
    void runDrag(QMimeData* mime) override
    {
        dragged = SwatchMime::decode(mime);
        delete mime;
    }
};

void drag(QWidget* w, int distance)
{
    const QPoint from(10, 8);
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QTest::mouseMove(w, from + QPoint(distance, 0));
    QTest::mouseRelease(w, Qt::LeftButton, {}, from + QPoint(distance, 0));
}

}  // namespace

TEST(Swatch, ShortMoveIsAClickLongMoveIsADragCarryingColorOffsetAndName)
{
    RecordingSwatch swatch;
    swatch.resize(57, 17);
    swatch.setBackColor(0x1E28C8);
    swatch.setTag("-64");
    swatch.setToolTip("Brick, dark");
    QSignalSpy clicks(&swatch, &Swatch::clicked);

    drag(&swatch, QApplication::startDragDistance() - 1);
    EXPECT_TRUE(clicks.count() == 1 && !swatch.dragged);

    drag(&swatch, QApplication::startDragDistance() + 2);
    EXPECT_EQ(clicks.count(), 1) << "the release that ends a drag is no click";
    ASSERT_TRUE(swatch.dragged);
    EXPECT_EQ(*swatch.dragged, (SwatchValues{0x1E28C8, -64, "Brick, dark"}));

    swatch.setTag("");
    EXPECT_EQ(swatch.values().offset, 0) << "an empty tag counts as offset 0";
}

TEST(Swatch, TakesOnlyWholeSwatchDrags)
{
    Swatch target;
    target.setAcceptsSwatchDrops(true);
    QSignalSpy drops(&target, &Swatch::dropped);
    // As the platform does: the drop follows only an accepted enter.
    const auto dropOn = [&](const QMimeData* mime) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, {});
        QApplication::sendEvent(&target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, {});
        QApplication::sendEvent(&target, &drop);
        return drop.isAccepted();
    };

    QMimeData text;
    text.setText("127,127,127,-127,Gray");
    EXPECT_FALSE(dropOn(&text));
    std::unique_ptr<QMimeData> swatch(SwatchMime::encode({0x00FF00, -127, "Leaf"}));
    QMimeData cut;
    cut.setData(SwatchMime::MimeType, swatch->data(SwatchMime::MimeType).chopped(3));
    EXPECT_FALSE(dropOn(&cut)) << "data cut short from another program";
    EXPECT_TRUE(dropOn(swatch.get()));
    ASSERT_EQ(drops.count(), 1);
    EXPECT_EQ(drops[0][0].value<SwatchValues>(), (SwatchValues{0x00FF00, -127, "Leaf"}));
}
