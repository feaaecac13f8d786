// The main window's child controls with their names, captions, tool tips and
// first states. Their designed positions are placed by the layout code.
#include "mainwindow/frmMain.h"

#include "mainwindow/PageFocusFrame.h"
#include "mainwindow/SwatchList.h"
#include "view/PropertyBag.h"
#include "view/RKV3CanvasCtl.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = {})
{
    auto* control = named(new QPushButton(caption, parent), name);
    control->setToolTip(tip);
    control->setEnabled(false);
    control->setAutoDefault(false);
    return control;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption)
{
    // The palette's and scheme's labels show file names.
    auto* control = named(new QLabel(caption, parent), name);
    control->setTextFormat(Qt::PlainText);
    return control;
}

}  // namespace

void frmMain::createToolStrip()
{
    auto* strip = named(new QFrame(client_), "picTools");
    strip->setFrameShape(QFrame::NoFrame);
    picTools = strip;

    cmdPrevPage = button(picTools, "cmdPrevPage", tr("Prev"), tr("Previous page"));
    cboPage = named(new QComboBox(picTools), "cboPage");
    cboPage->setToolTip(tr("Current Page"));
    cboPage->setEnabled(false);
    cmdNextPage = button(picTools, "cmdNextPage", tr("Next"), tr("Next page"));

    cboZoom = named(new QComboBox(picTools), "cboZoom");
    cboZoom->setToolTip(tr("Zoom Level"));
    for (int percent = 10; percent <= 100; percent += 10) cboZoom->addItem(QStringLiteral("%1%").arg(percent));
    cboZoom->setEnabled(false);

    createToolButtons();
}

void frmMain::createCanvas()
{
    // The canvas is created from the values it was designed with.
    RKVCanvas = named(new RKV3CanvasCtl(client_), "RKVCanvas");
    RKVCanvas->setUserMode(true);
    PropertyBag designed;
    designed.WriteProperty(QStringLiteral("PanActive"), true, false);
    RKVCanvas->ReadProperties(designed);
    // The keyboard focus on the page is seen.
    new PageFocusFrame(RKVCanvas);
}

void frmMain::createColorFrame()
{
    fraTools = named(new QGroupBox(tr("Color Region Management"), client_), "fraTools");

    Label1 = label(fraTools, "Label1", tr("Palette Color List"));
    cmdLoadPalette = button(fraTools, "cmdLoadPalette", tr("Load Palette"));
    cmdSavePalette = button(fraTools, "cmdSavePalette", tr("Save Palette"));
    lblPaletteName = label(fraTools, "lblPaletteName", tr("Palette: None Loaded"));

    lblRegionList = label(fraTools, "lblRegionList", tr("Model Color Region List"));
    cmdLoadScheme = button(fraTools, "cmdLoadScheme", tr("Load Scheme"));
    cmdSaveScheme = button(fraTools, "cmdSaveScheme", tr("Save Scheme"));
    lblSchemeName = label(fraTools, "lblSchemeName", tr("Scheme: None Loaded"));
}

void frmMain::createSwatchLists()
{
    paletteList = new SwatchList(fraTools,
                                 {QStringLiteral("picPalettes"), QStringLiteral("picMixerContainer"),
                                  QStringLiteral("vscMixer"), QStringLiteral("picPalette"),
                                  QStringLiteral("lblColorName"), tr("Color Name")},
                                 0, false);
    regionList = new SwatchList(fraTools,
                                {QStringLiteral("picRegions"), QStringLiteral("picColorContainer"),
                                 QStringLiteral("vscRegions"), QStringLiteral("picColor"),
                                 QStringLiteral("lblRegionName"), QString()},
                                1, true);
    picPalettes = paletteList;
    picMixerContainer = paletteList->contentBox();
    vscMixer = paletteList->scrollBar();
    picRegions = regionList;
    picColorContainer = regionList->contentBox();
    vscRegions = regionList->scrollBar();
}
