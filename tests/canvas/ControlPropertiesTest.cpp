// The control's own properties: colours, pointers, enabled state, surface
// handles, the persistent-drawing flag and the texts kept for printing.
#include "CanvasFixture.h"

#include "platform/SystemColors.h"
#include "view/PropertyBag.h"

#include <QPainter>
#include <QSignalSpy>

namespace {

QRgb colorOf(qint32 value) { return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QRgb windowColorOf(const QWidget* w) { return w->palette().color(QPalette::Window).rgb(); }

}  // namespace

using ControlProperties = CanvasFixture;

TEST_F(ControlProperties, BackColorWritesFourSurfacesAndReadsTheView)
{
    EXPECT_EQ(quint32(canvas->BackColor()), 0x8000000Cu);
    EXPECT_EQ(canvas->Image().pixel(5, 5), colorOf(Platform::sysColor(12)));
    QWidget* corner = child("picTemp");

    canvas->setBackColor(0x3366CC);  // red 0xCC, green 0x66, blue 0x33
    const QRgb chosen = qRgb(0xCC, 0x66, 0x33);
    EXPECT_EQ(canvas->BackColor(), 0x3366CC);
    EXPECT_EQ(canvas->Image().pixel(5, 5), chosen);
    EXPECT_EQ(windowColorOf(viewport()), chosen);
    EXPECT_EQ(windowColorOf(corner), chosen);
    // The buffer's background shows where it grows.
    canvas->setCanvasWidth(200);
    EXPECT_EQ(canvas->CanvasImage().pixel(190, 5), chosen);
    EXPECT_TRUE(canvas->ChangedProperties().contains("BackColor"));

    // A system colour is kept as such and follows the platform's colour.
    canvas->setBackColor(qint32(0x8000000F));
    EXPECT_EQ(quint32(canvas->BackColor()), 0x8000000Fu);
    EXPECT_EQ(windowColorOf(viewport()), colorOf(Platform::sysColor(15)));

    // Every system colour the control takes has its colour, not black.
    for (qint32 index : {16, 20, 22, 24}) {
        canvas->setBackColor(qint32(0x80000000) + index);
        EXPECT_NE(windowColorOf(viewport()), qRgb(0, 0, 0)) << index;
    }
    canvas->setBackColor(qint32(0x8000000F));

    // Values of neither kind change nothing.
    canvas->setBackColor(0x01000000);
    canvas->setBackColor(qint32(0x80000019));
    EXPECT_EQ(quint32(canvas->BackColor()), 0x8000000Fu);
}

TEST_F(ControlProperties, MousePointerIsTheControlsOwnNotTheViews)
{
    canvas->setPanActive(true);
    const QCursor panCursor = view()->cursor();
    canvas->setMousePointer(2);
    EXPECT_EQ(canvas->MousePointer(), 2);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(viewport()->cursor().shape(), Qt::CrossCursor);  // the margin around the page
    EXPECT_EQ(view()->cursor().shape(), Qt::BitmapCursor);       // the tools' pointer stays
    EXPECT_EQ(view()->cursor().hotSpot(), panCursor.hotSpot());
    EXPECT_EQ(child("hscPicture")->cursor().shape(), Qt::ArrowCursor);

    canvas->setMousePointer(42);  // no such pointer
    EXPECT_EQ(canvas->MousePointer(), 2);
    canvas->setMousePointer(11);
    EXPECT_EQ(canvas->cursor().shape(), Qt::WaitCursor);

    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    canvas->setMouseIcon(icon);
    canvas->setMousePointer(99);
    EXPECT_EQ(canvas->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(canvas->cursor().pixmap().size(), QSize(16, 16));
    canvas->setMousePointer(0);
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(canvas->ChangedProperties().contains("MousePointer"));
}

TEST_F(ControlProperties, EnabledIsTheControlsOwnStateAndAnyWriteMarksIt)
{
    QWidget host;
    canvas->setParent(&host);
    QWidget* asWidget = canvas.get();  // QWidget::setEnabled is not virtual
    host.setEnabled(false);
    EXPECT_TRUE(canvas->Enabled());  // the host's state is not the control's
    EXPECT_FALSE(canvas->ChangedProperties().contains("Enabled"));
    asWidget->setEnabled(false);  // no change event reaches a control in a disabled host
    EXPECT_TRUE(canvas->ChangedProperties().contains("Enabled"));
    PropertyBag bag;
    canvas->WriteProperties(bag);
    host.setEnabled(true);
    EXPECT_FALSE(canvas->Enabled());
    EXPECT_FALSE(view()->isEnabled());
    asWidget->setEnabled(true);
    asWidget->setEnabled(false);  // written, though back where it was saved
    EXPECT_TRUE(canvas->ChangedProperties().contains("Enabled"));
    canvas->setParent(nullptr);
}

TEST_F(ControlProperties, HandlesAreStableDistinctAndNameTheirSurfaces)
{
    EXPECT_TRUE(canvas->HasDC());
    const int window = canvas->hwnd();
    const int dc = canvas->hDC();
    const int buffer = canvas->BufferhDC();
    EXPECT_NE(window, 0);
    EXPECT_NE(window, dc);
    EXPECT_NE(dc, buffer);
    EXPECT_EQ(RKV3CanvasCtl::SurfaceFromHandle(window), static_cast<QPaintDevice*>(view()));
    EXPECT_EQ(RKV3CanvasCtl::SurfaceFromHandle(dc), static_cast<QPaintDevice*>(view()));
    // The buffer's handle names the buffer also after it changed size.
    showPage(UniformPage(70, 30, 127, 0, 255), 100);
    EXPECT_EQ(canvas->BufferhDC(), buffer);
    auto* bufferImage = dynamic_cast<QImage*>(RKV3CanvasCtl::SurfaceFromHandle(buffer));
    ASSERT_NE(bufferImage, nullptr);
    EXPECT_EQ(bufferImage->size(), QSize(70, 30));

    auto other = std::make_unique<RKV3CanvasCtl>();
    EXPECT_NE(other->hwnd(), window);
    EXPECT_NE(other->BufferhDC(), buffer);
    const int gone = other->hwnd();
    other.reset();
    EXPECT_EQ(RKV3CanvasCtl::SurfaceFromHandle(gone), nullptr);
    EXPECT_EQ(RKV3CanvasCtl::SurfaceFromHandle(0), nullptr);
}

TEST_F(ControlProperties, WithAutoRedrawDrawingPersistsAndPaintIsNotRaised)
{
    QSignalSpy painted(canvas.get(), &RKV3CanvasCtl::Paint);
    canvas->UpdatePaletteColor(3, 0x0000FF, -127);
    showPage(UniformPage(50, 40, 127, 3, 255), 100);
    EXPECT_TRUE(canvas->AutoRedraw());
    for (int i = 0; i < 2; ++i) EXPECT_EQ(view()->grab().toImage().pixel(10, 10) & 0xFFFFFF, 0xFF0000u) << i;
    QCoreApplication::processEvents();
    EXPECT_EQ(painted.count(), 0);
}

TEST_F(ControlProperties, WithoutAutoRedrawDrawingIsLostAtTheNextRepaint)
{
    canvas->UpdatePaletteColor(3, 0x0000FF, -127);
    showPage(UniformPage(50, 40, 127, 3, 255), 100);
    canvas->setBackColor(0x00FF00);
    canvas->setAutoRedraw(false);
    EXPECT_FALSE(canvas->AutoRedraw());
    QSignalSpy painted(canvas.get(), &RKV3CanvasCtl::Paint);

    canvas->RenderRKVPage();  // drawn straight onto the view
    EXPECT_EQ(view()->grab().toImage().pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(painted.count(), 0);
    // The next repaint shows the background only and asks the host to draw.
    EXPECT_EQ(view()->grab().toImage().pixel(10, 10) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(painted.count(), 1);
    // Nothing drawn is in the persistent image.
    EXPECT_EQ(canvas->Image().pixel(10, 10) & 0xFFFFFF, 0x00FF00u);

    // What the host draws while answering Paint is what the repaint shows.
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(qRgb(0, 0, 255));
    QObject::connect(canvas.get(), &RKV3CanvasCtl::Paint, canvas.get(), [&] { canvas->PaintPicture(dot, 8, 8); });
    const QImage repainted = view()->grab().toImage();
    EXPECT_EQ(repainted.pixel(9, 9) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(repainted.pixel(20, 20) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(painted.count(), 2);

    // Back to a persistent view: a render stays.
    canvas->setAutoRedraw(true);
    canvas->RenderRKVPage();
    for (int i = 0; i < 2; ++i) EXPECT_EQ(view()->grab().toImage().pixel(20, 20) & 0xFFFFFF, 0xFF0000u) << i;
    EXPECT_TRUE(canvas->ChangedProperties().contains("AutoRedraw"));
}

TEST_F(ControlProperties, AHostPaintsTheViewThroughItsHandleWhenAskedTo)
{
    canvas->setBackColor(0x00FF00);
    canvas->setAutoRedraw(false);
    QObject::connect(canvas.get(), &RKV3CanvasCtl::Paint, canvas.get(), [&] {
        QPainter painter(RKV3CanvasCtl::SurfaceFromHandle(canvas->hDC()));
        painter.fillRect(QRect(0, 0, 5, 5), Qt::blue);
    });
    const QImage shown = view()->grab().toImage();
    EXPECT_EQ(shown.pixel(2, 2) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(shown.pixel(20, 20) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(ControlProperties, PersistedFlagWritesAreMarked)
{
    canvas->setAllowZoomIn(true);
    canvas->setAllowZoomOut(false);
    EXPECT_TRUE(canvas->ChangedProperties().contains("AllowZoomIn"));
    EXPECT_TRUE(canvas->ChangedProperties().contains("AllowZoomOut"));
    // The picker flag is not persisted, so its write marks nothing.
    canvas->setPickerActive(true);
    EXPECT_FALSE(canvas->ChangedProperties().contains("PickerActive"));
    canvas->setPanActive(true);
    EXPECT_TRUE(canvas->ChangedProperties().contains("PanActive"));
}
