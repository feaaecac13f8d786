// The property bag and the control's save and restore steps, and the state a
// control is created in.
#include "CanvasFixture.h"

#include "platform/SystemColors.h"
#include "view/PersistedValues.h"
#include "view/PropertyBag.h"

namespace {

QRgb windowColorOf(const QWidget* w) { return w->palette().color(QPalette::Window).rgb(); }

}  // namespace

TEST(PropertyBagTest, ValuesEqualToTheirDefaultAreNotStored)
{
    PropertyBag bag;
    bag.WriteProperty("Enabled", true, true);
    EXPECT_TRUE(bag.isEmpty());
    EXPECT_EQ(bag.ReadProperty("Enabled", true), QVariant(true));
    bag.WriteProperty("BackColor", 255, 0);
    bag.WriteProperty("PanActive", true, false);
    EXPECT_EQ(bag.Keys(), QStringList({"BackColor", "PanActive"}));
    EXPECT_EQ(bag.ReadProperty("backcolor", 0), QVariant(255));  // names ignore case
    // Writing the default again drops the stored value.
    bag.WriteProperty("BackColor", 0, 0);
    EXPECT_FALSE(bag.Contains("BackColor"));
    EXPECT_EQ(bag.ReadProperty("BackColor", 7), QVariant(7));
}

TEST(PersistedValuesTest, TypedAndTextValuesReadBack)
{
    using namespace PersistedValues;
    bool b = false;
    EXPECT_TRUE(readBool(QVariant("True"), b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(readBool(QVariant("false"), b));
    EXPECT_FALSE(b);
    EXPECT_TRUE(readBool(QVariant(-1), b));
    EXPECT_TRUE(b);
    EXPECT_FALSE(readBool(QVariant("maybe"), b));
    EXPECT_FALSE(readBool(QVariant(), b));
    qint32 n = 0;
    EXPECT_TRUE(readInt32(QVariant(qint64(0x8000000C)), n));
    EXPECT_EQ(quint32(n), 0x8000000Cu);
    EXPECT_TRUE(readInt32(QVariant("0x8000000C"), n));
    EXPECT_EQ(quint32(n), 0x8000000Cu);
    EXPECT_TRUE(readInt32(QVariant("-2147483636"), n));
    EXPECT_EQ(quint32(n), 0x8000000Cu);
    EXPECT_TRUE(readInt32(QVariant("010"), n));
    EXPECT_EQ(n, 10);  // decimal, never octal
    EXPECT_FALSE(readInt32(QVariant(qint64(1) << 33), n));
    EXPECT_FALSE(readInt32(QVariant(2.5), n));
    short s = 0;
    EXPECT_TRUE(readInt16(QVariant(99), s));
    EXPECT_EQ(s, 99);
    EXPECT_FALSE(readInt16(QVariant(40000), s));
}

using Persistence = CanvasFixture;

TEST_F(Persistence, SavingStoresOnlyChangedValuesInTableOrder)
{
    PropertyBag bag;
    canvas->WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty());

    canvas->setPanActive(true);
    canvas->setAllowZoomOut(true);
    canvas->setMousePointer(2);
    canvas->setBackColor(0x00FF00);
    canvas->setAutoRedraw(false);
    canvas->setEnabled(false);
    canvas->setAllowZoomIn(true);
    canvas->setPickerActive(true);  // not persisted
    canvas->setZoom(50);            // nor is the zoom
    canvas->WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), QStringList({"AutoRedraw", "BackColor", "Enabled", "MousePointer", "AllowZoomIn",
                                       "AllowZoomOut", "PanActive"}));
    EXPECT_EQ(bag.ReadProperty("BackColor"), QVariant(0x00FF00));
    EXPECT_EQ(bag.ReadProperty("MousePointer"), QVariant(2));
    EXPECT_EQ(bag.ReadProperty("AutoRedraw"), QVariant(false));
    EXPECT_TRUE(canvas->ChangedProperties().isEmpty());
}

TEST_F(Persistence, RestoreAppliesEveryKeyAndRoundTrips)
{
    canvas->setPanActive(true);
    canvas->setAllowZoomIn(true);
    canvas->setMousePointer(3);
    canvas->setBackColor(0x123456);
    canvas->setAutoRedraw(false);
    PropertyBag bag;
    canvas->WriteProperties(bag);

    RKV3CanvasCtl restored;
    restored.ReadProperties(bag);
    EXPECT_TRUE(restored.PanActive());
    EXPECT_TRUE(restored.AllowZoomIn());
    EXPECT_FALSE(restored.AllowZoomOut());
    EXPECT_EQ(restored.MousePointer(), 3);
    EXPECT_EQ(restored.cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(restored.BackColor(), 0x123456);
    EXPECT_FALSE(restored.AutoRedraw());
    EXPECT_TRUE(restored.Enabled());
    // The pan tool's pointer is on the view.
    EXPECT_EQ(restored.findChild<QWidget*>("picView")->cursor().hotSpot(), QPoint(8, 7));
    EXPECT_TRUE(restored.ChangedProperties().isEmpty());

    PropertyBag resaved;
    restored.WriteProperties(resaved);
    EXPECT_EQ(resaved.Keys(), bag.Keys());
    for (const QString& key : bag.Keys()) EXPECT_EQ(resaved.ReadProperty(key), bag.ReadProperty(key)) << key.toStdString();
}

TEST_F(Persistence, ABagWithoutPanActiveTurnsThePanToolOff)
{
    canvas->setPanActive(true);
    PropertyBag bag;
    bag.WriteProperty("AllowZoomOut", true, false);
    canvas->ReadProperties(bag);
    EXPECT_FALSE(canvas->PanActive());
    EXPECT_TRUE(canvas->AllowZoomOut());
    EXPECT_EQ(view()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Persistence, RestoredBackColorTouchesTheViewOnly)
{
    const QRgb viewportBefore = windowColorOf(viewport());
    const QRgb cornerBefore = windowColorOf(child("picTemp"));
    PropertyBag bag;
    bag.WriteProperty("BackColor", 0x0000FF, 0);  // red
    canvas->ReadProperties(bag);
    EXPECT_EQ(canvas->BackColor(), 0x0000FF);
    EXPECT_EQ(canvas->Image().pixel(3, 3) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(windowColorOf(viewport()), viewportBefore);
    EXPECT_EQ(windowColorOf(child("picTemp")), cornerBefore);
    canvas->setCanvasWidth(200);  // the buffer grows in its own colour
    const qint32 window = Platform::sysColor(5);
    EXPECT_EQ(canvas->CanvasImage().pixel(190, 3) & 0xFFFFFF,
              quint32((window & 0xFF) << 16 | (window & 0xFF00) | ((window >> 16) & 0xFF)));

    // A later write changes all four.
    canvas->setBackColor(0x00FF00);
    EXPECT_EQ(windowColorOf(viewport()), qRgb(0, 255, 0));
    EXPECT_EQ(windowColorOf(child("picTemp")), qRgb(0, 255, 0));
    EXPECT_EQ(canvas->Image().pixel(3, 3), qRgb(0, 255, 0));
}

TEST_F(Persistence, KeysThatFailToReadOrApplyAreSkipped)
{
    PropertyBag bag;
    bag.WriteProperty("AutoRedraw", QVariant(), true);      // unreadable
    bag.WriteProperty("BackColor", 0x05000000, 0);          // no such colour
    bag.WriteProperty("Enabled", "maybe", true);            // unreadable
    bag.WriteProperty("MousePointer", 50, 0);               // no such pointer
    bag.WriteProperty("AllowZoomIn", "True", false);        // text is read
    bag.WriteProperty("AllowZoomOut", 1.5, false);          // unreadable
    bag.WriteProperty("PanActive", "-1", false);
    canvas->ReadProperties(bag);
    EXPECT_TRUE(canvas->AutoRedraw());
    EXPECT_EQ(quint32(canvas->BackColor()), 0x8000000Cu);
    EXPECT_TRUE(canvas->Enabled());
    EXPECT_EQ(canvas->MousePointer(), 0);
    EXPECT_TRUE(canvas->AllowZoomIn());
    EXPECT_FALSE(canvas->AllowZoomOut());
    EXPECT_TRUE(canvas->PanActive());
}

TEST_F(Persistence, CreationState)
{
    RKV3CanvasCtl fresh;
    // The corner square is in front of the other parts of the viewport.
    QWidget* main = fresh.findChild<QWidget*>("picMain");
    EXPECT_EQ(main->children().last(), fresh.findChild<QWidget*>("picTemp"));
    EXPECT_FALSE(fresh.PanActive());
    EXPECT_FALSE(fresh.PickerActive());
    EXPECT_FALSE(fresh.AllowZoomIn());
    EXPECT_EQ(fresh.Zoom(), 0);
    EXPECT_TRUE(fresh.UserMode());
    // DrawSmooth is off: a page renders coloured.
    QTemporaryDir folder;
    const QString path = folder.filePath("p.png");
    ASSERT_TRUE(UniformPage(3, 3, 127, 0, 200).save(path));
    fresh.LoadRKVImage(path);
    ASSERT_TRUE(fresh.RenderRKVPage());
    EXPECT_EQ(fresh.Picture().pixel(1, 1) & 0xFFFFFF, 0xC8C8C8u);
}
