// The programmable interface as a late-binding host sees it: every member by
// name, type and order, and a host that drives the control by name only.
#include "CanvasFixture.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QTest>

namespace {

enum class Kind { Property, Setter, Method };

struct Member {
    Kind kind;
    const char* name;
    const char* access;     // properties: "r" or "rw"
    const char* signature;  // properties: the type; setters and methods: the signature
    const char* result;     // methods: the result type
};

// The documented member table, in interface order.
const Member Table[] = {
    {Kind::Property, "AllowZoomOut", "rw", "bool", ""},
    {Kind::Property, "AllowZoomIn", "rw", "bool", ""},
    {Kind::Property, "AutoRedraw", "rw", "bool", ""},
    {Kind::Property, "BackColor", "rw", "int", ""},
    {Kind::Property, "Enabled", "rw", "bool", ""},
    {Kind::Property, "HasDC", "r", "bool", ""},
    {Kind::Property, "hDC", "r", "int", ""},
    {Kind::Property, "BufferhDC", "r", "int", ""},
    {Kind::Property, "hwnd", "r", "int", ""},
    {Kind::Property, "Image", "r", "QImage", ""},
    {Kind::Property, "CanvasImage", "r", "QImage", ""},
    {Kind::Property, "MousePointer", "rw", "short", ""},
    {Kind::Setter, "MouseIcon", "", "setMouseIcon(QImage)", "void"},
    {Kind::Property, "PanActive", "rw", "bool", ""},
    {Kind::Property, "PickerActive", "rw", "bool", ""},
    {Kind::Property, "Picture", "rw", "QImage", ""},
    {Kind::Setter, "DrawSmooth", "", "setDrawSmooth(bool)", "void"},
    {Kind::Property, "Zoom", "rw", "double", ""},
    {Kind::Setter, "HeaderText", "", "setHeaderText(QString)", "void"},
    {Kind::Setter, "FooterText", "", "setFooterText(QString)", "void"},
    {Kind::Property, "CanvasWidth", "rw", "int", ""},
    {Kind::Property, "CanvasHeight", "rw", "int", ""},
    {Kind::Method, "Cls", "", "Cls()", "void"},
    {Kind::Method, "LoadImage", "", "LoadImage(QString)", "void"},
    {Kind::Method, "LoadRKVImage", "", "LoadRKVImage(QString)", "void"},
    {Kind::Method, "PaintPicture", "",
     "PaintPicture(QImage,float,float,QVariant,QVariant,QVariant,QVariant,QVariant,QVariant,QVariant)", "void"},
    {Kind::Method, "RecallPosition", "", "RecallPosition()", "void"},
    {Kind::Method, "StorePosition", "", "StorePosition()", "void"},
    {Kind::Method, "UnloadImage", "", "UnloadImage()", "void"},
    {Kind::Method, "RenderRKVPage", "", "RenderRKVPage()", "bool"},
    {Kind::Method, "GetRedByte", "", "GetRedByte(int)", "uchar"},
    {Kind::Method, "GetGreenByte", "", "GetGreenByte(int)", "uchar"},
    {Kind::Method, "GetBlueByte", "", "GetBlueByte(int)", "uchar"},
    {Kind::Method, "UpdatePaletteColor", "", "UpdatePaletteColor(short,int,short)", "bool"},
    // Joins the interface with page printing; checked in its place once there.
    {Kind::Method, "PrintImage", "", "PrintImage(int,int,int,int,int,int,float,float,int)", "bool"},
    {Kind::Method, "GetRegionValue", "", "GetRegionValue(float,float,int)", "uchar"},
};

const char* const Events[] = {
    "Click()",
    "DblClick()",
    "KeyDown(short&,short&)",
    "KeyPress(short&)",
    "KeyUp(short&,short&)",
    "MouseDown(short&,short&,float&,float&)",
    "MouseMove(short&,short&,float&,float&)",
    "MouseUp(short&,short&,float&,float&)",
    "Paint()",
    "Resize()",
    "Scroll()",
    "ZoomChanged(int)",
    "ZoomInClick()",
    "ZoomOutClick()",
};

}  // namespace

TEST(ControlInterface, MembersInDocumentedOrderWithTheirTypes)
{
    const QMetaObject& mo = RKV3CanvasCtl::staticMetaObject;
    std::vector<std::string> expectedProperties;
    std::vector<std::string> expectedMethods;
    for (const Member& m : Table) {
        if (m.kind == Kind::Property) {
            expectedProperties.push_back(m.name);
            const int index = mo.indexOfProperty(m.name);
            ASSERT_GE(index, mo.propertyOffset()) << m.name;
            const QMetaProperty p = mo.property(index);
            EXPECT_STREQ(p.typeName(), m.signature) << m.name;
            EXPECT_TRUE(p.isReadable()) << m.name;
            EXPECT_EQ(p.isWritable(), std::string(m.access) == "rw") << m.name;
        } else {
            expectedMethods.push_back(m.signature);
            const int index = mo.indexOfMethod(m.signature);
            ASSERT_GE(index, mo.methodOffset()) << m.signature;
            EXPECT_STREQ(mo.method(index).typeName(), m.result) << m.signature;
            // A write-only member has no property to read it back by.
            if (m.kind == Kind::Setter) {
                EXPECT_EQ(mo.indexOfProperty(m.name), -1) << m.name;
            }
        }
    }

    std::vector<std::string> properties;
    for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) properties.push_back(mo.property(i).name());
    std::vector<std::string> methods;
    std::vector<std::string> events;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.attributes() & QMetaMethod::Cloned) continue;  // the forms without optional arguments
        if (m.methodType() == QMetaMethod::Signal) events.push_back(m.methodSignature().toStdString());
        else methods.push_back(m.methodSignature().toStdString());
    }
    // Nothing more, nothing less, in this order.
    EXPECT_EQ(properties, expectedProperties);
    EXPECT_EQ(methods, expectedMethods);
    EXPECT_EQ(events, std::vector<std::string>(std::begin(Events), std::end(Events)));
}

TEST(ControlInterface, ArgumentNamesAsDocumented)
{
    const QMetaObject& mo = RKV3CanvasCtl::staticMetaObject;
    auto names = [&](const char* signature) {
        QStringList list;
        for (const QByteArray& n : mo.method(mo.indexOfMethod(signature)).parameterNames()) list << n;
        return list.join(",").toStdString();
    };
    EXPECT_EQ(names("UpdatePaletteColor(short,int,short)"), "Index,ColorValue,Offset");
    EXPECT_EQ(names("GetRegionValue(float,float,int)"), "X,Y,ScaleMode");
    EXPECT_EQ(names("GetGreenByte(int)"), "srcColor");
    EXPECT_EQ(names("LoadRKVImage(QString)"), "FilePath");
    EXPECT_EQ(names("KeyDown(short&,short&)"), "KeyCode,Shift");
    EXPECT_EQ(names("KeyPress(short&)"), "KeyAscii");
    EXPECT_EQ(names("MouseUp(short&,short&,float&,float&)"), "Button,Shift,X,Y");
    EXPECT_EQ(names("ZoomChanged(int)"), "ZoomPercent");
}

namespace {

// A host that knows the control only by its member names.
class LateBoundHost : public QObject {
    Q_OBJECT
public:
    std::vector<int> zooms;
    std::vector<QString> log;

public slots:
    void RKVCanvas_ZoomChanged(int ZoomPercent) { zooms.push_back(ZoomPercent); }
    void RKVCanvas_MouseDown(short& Button, short& Shift, float& X, float& Y)
    {
        log.push_back(QString("MouseDown %1 %2 %3 %4").arg(Button).arg(Shift).arg(X).arg(Y));
    }
    void RKVCanvas_KeyPress(short& KeyAscii)
    {
        log.push_back(QString("KeyPress %1").arg(KeyAscii));
        KeyAscii = 0;
    }
    void RKVCanvas_ZoomInClick() { log.push_back("ZoomInClick"); }
    void RKVCanvas_ZoomOutClick() { log.push_back("ZoomOutClick"); }
};

}  // namespace

using LateBinding = CanvasFixture;

TEST_F(LateBinding, HostDrivesTheControlByNameOnly)
{
    QImage page = UniformPage(60, 40, 127, 0, 255);
    page.setPixel(5, 5, PagePixel(127, 9, 255));
    const QString path = savePage(page);

    QObject* control = canvas.get();
    LateBoundHost host;
    ASSERT_TRUE(QObject::connect(control, SIGNAL(ZoomChanged(int)), &host, SLOT(RKVCanvas_ZoomChanged(int))));
    ASSERT_TRUE(QObject::connect(control, SIGNAL(MouseDown(short&,short&,float&,float&)), &host,
                                 SLOT(RKVCanvas_MouseDown(short&,short&,float&,float&))));
    ASSERT_TRUE(QObject::connect(control, SIGNAL(KeyPress(short&)), &host, SLOT(RKVCanvas_KeyPress(short&))));

    // Load, recolour, render, zoom.
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "LoadRKVImage", Q_ARG(QString, path)));
    bool ok = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "UpdatePaletteColor", Q_RETURN_ARG(bool, ok), Q_ARG(short, 9),
                                          Q_ARG(int, 0x0000FF), Q_ARG(short, -127)));
    EXPECT_TRUE(ok);
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "RenderRKVPage", Q_RETURN_ARG(bool, ok)));
    EXPECT_TRUE(ok);
    ASSERT_TRUE(control->setProperty("Zoom", 200.0));
    EXPECT_EQ(host.zooms, std::vector<int>({200}));
    EXPECT_EQ(control->property("Zoom").toDouble(), 200.0);
    EXPECT_EQ(control->property("CanvasWidth").toInt(), 60);
    const QImage picture = control->property("Picture").value<QImage>();
    EXPECT_EQ(picture.pixel(5, 5) & 0xFFFFFF, 0xFF0000u);

    // Pick: view pixel (11, 11) at 200 per cent is page pixel (5, 5).
    uchar region = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "GetRegionValue", Q_RETURN_ARG(uchar, region),
                                          Q_ARG(float, 11.0f), Q_ARG(float, 11.0f), Q_ARG(int, 1)));
    EXPECT_EQ(region, 9);
    uchar green = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "GetGreenByte", Q_RETURN_ARG(uchar, green), Q_ARG(int, -1)));
    EXPECT_EQ(green, 0);

    // Tools, write-only members and events.
    ASSERT_TRUE(control->setProperty("PanActive", true));
    EXPECT_TRUE(control->property("PanActive").toBool());
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "setHeaderText", Q_ARG(QString, "Sheet 1")));
    EXPECT_EQ(state().HeaderText(), "Sheet 1");
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "setDrawSmooth", Q_ARG(bool, false)));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 4), view()->mapToGlobal(QPointF(3, 4)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view(), &press);
    ASSERT_EQ(host.log.size(), 1u);
    EXPECT_EQ(host.log[0], "MouseDown 1 0 3 4");
    QTest::keyClick(view(), Qt::Key_Q);
    EXPECT_EQ(host.log.back(), "KeyPress 113");

    // Unload and the page is gone.
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "UnloadImage"));
    EXPECT_EQ(control->property("CanvasWidth").toInt(), 120);
    EXPECT_TRUE(control->property("Picture").value<QImage>().isNull());
}

TEST_F(LateBinding, ZoomInClickAndZoomOutClickNeverReachTheHost)
{
    LateBoundHost host;
    ASSERT_TRUE(QObject::connect(canvas.get(), SIGNAL(ZoomInClick()), &host, SLOT(RKVCanvas_ZoomInClick())));
    ASSERT_TRUE(QObject::connect(canvas.get(), SIGNAL(ZoomOutClick()), &host, SLOT(RKVCanvas_ZoomOutClick())));
    showPage(UniformPage(900, 700, 127, 0, 255), 50);
    for (double zoom : {10.0, 100.0}) canvas->setZoom(zoom);
    for (int key : {Qt::Key_Plus, Qt::Key_Minus}) QTest::keyClick(view(), Qt::Key(key));
    EXPECT_TRUE(host.log.empty());
}

#include "InterfaceTest.moc"
