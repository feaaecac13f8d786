#include "PageWindow.h"

#include "ModelOpening.h"
#include "ProgramInfo.h"
#include "ProgramState.h"
#include "PropertyBag.h"
#include "RKV3CanvasCtl.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QToolBar>

PageWindow::PageWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(Platform::programTitle());

    auto* tools = addToolBar(QStringLiteral("Zoom"));
    tools->setObjectName("tbZoom");
    tools->setMovable(false);
    tools->addWidget(new QLabel(QStringLiteral(" Zoom: "), tools));
    cboZoom_ = new QComboBox(tools);
    cboZoom_->setObjectName("cboZoom");
    for (int percent = 10; percent <= 100; percent += 10)
        cboZoom_->addItem(QStringLiteral("%1%").arg(percent), percent);
    cboZoom_->setCurrentIndex(cboZoom_->count() - 1);
    tools->addWidget(cboZoom_);
    connect(cboZoom_, &QComboBox::currentIndexChanged, this, &PageWindow::cboZoom_Click);

    // The canvas is created from the values it was designed with: the page
    // can be dragged with the pan tool from the start.
    canvas_ = new RKV3CanvasCtl(this);
    canvas_->setObjectName("RKVCanvas");
    canvas_->setUserMode(true);
    PropertyBag designed;
    designed.WriteProperty(QStringLiteral("PanActive"), true, false);
    canvas_->ReadProperties(designed);
    setCentralWidget(canvas_);
    resize(1000, 760);
}

void PageWindow::openFile(const QString& path)
{
    if (path.endsWith(QLatin1String(".RKV3"), Qt::CaseInsensitive)) {
        // A model: its scheme is pushed into the canvas and page 1 is shown.
        mdlRKVUtilities::CurrentZoom = cboZoom_->currentData().toInt();
        QString manifest = QFileInfo(path).absoluteFilePath();
        mdlRKVUtilities::OpenModel(*canvas_, manifest);
        return;
    }
    canvas_->LoadRKVImage(path);
    canvas_->RenderRKVPage();
    canvas_->setZoom(cboZoom_->currentData().toDouble());
}

void PageWindow::cboZoom_Click()
{
    mdlRKVUtilities::CurrentZoom = cboZoom_->currentData().toInt();
    canvas_->setZoom(cboZoom_->currentData().toDouble());
}
