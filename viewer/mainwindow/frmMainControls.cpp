// The main window's child controls with their names, captions, tool tips and
// first states. Their designed positions are placed by the layout code.
#include "frmMain.h"

#include "PropertyBag.h"
#include "RKV3CanvasCtl.h"
#include "SwatchList.h"

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

    cmdPrevPage = button(picTools, "cmdPrevPage", QStringLiteral("Prev"), QStringLiteral("Previous page"));
    cboPage = named(new QComboBox(picTools), "cboPage");
    cboPage->setToolTip(QStringLiteral("Current Page"));
    cboPage->setEnabled(false);
    cmdNextPage = button(picTools, "cmdNextPage", QStringLiteral("Next"), QStringLiteral("Next page"));

    cboZoom = named(new QComboBox(picTools), "cboZoom");
    cboZoom->setToolTip(QStringLiteral("Zoom Level"));
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
}

void frmMain::createColorFrame()
{
    fraTools = named(new QGroupBox(QStringLiteral("Color Region Management"), client_), "fraTools");

    Label1 = label(fraTools, "Label1", QStringLiteral("Palette Color List"));
    cmdLoadPalette = button(fraTools, "cmdLoadPalette", QStringLiteral("Load Palette"));
    cmdSavePalette = button(fraTools, "cmdSavePalette", QStringLiteral("Save Palette"));
    lblPaletteName = label(fraTools, "lblPaletteName", QStringLiteral("Palette: None Loaded"));

    lblRegionList = label(fraTools, "lblRegionList", QStringLiteral("Model Color Region List"));
    cmdLoadScheme = button(fraTools, "cmdLoadScheme", QStringLiteral("Load Scheme"));
    cmdSaveScheme = button(fraTools, "cmdSaveScheme", QStringLiteral("Save Scheme"));
    lblSchemeName = label(fraTools, "lblSchemeName", QStringLiteral("Scheme: None Loaded"));
}

void frmMain::createSwatchLists()
{
    paletteList = new SwatchList(fraTools,
                                 {QStringLiteral("picPalettes"), QStringLiteral("picMixerContainer"),
                                  QStringLiteral("vscMixer"), QStringLiteral("picPalette"),
                                  QStringLiteral("lblColorName"), QStringLiteral("Color Name")},
                                 0, false);
    regionList = new SwatchList(fraTools,
                                {QStringLiteral("picRegions"), QStringLiteral("picColorContainer"),
                                 QStringLiteral("vscRegions"), QStringLiteral("picColor"),
                                 QStringLiteral("lblRegionName"), QString()},
                                1, true);
    picPalettes = paletteList;
    picMixerContainer = paletteList->ContentBox();
    vscMixer = paletteList->ScrollBar();
    picRegions = regionList;
    picColorContainer = regionList->ContentBox();
    vscRegions = regionList->ScrollBar();
}
