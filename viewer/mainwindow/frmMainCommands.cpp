// The menu commands that open other windows (printing, help, About) and
// model files dropped onto the window.
#include "mainwindow/frmMain.h"

#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "model/core/ModelState.h"
#include "print/dlgPrint.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

void frmMain::connectCommandControls()
{
    connect(mnuFilePrint, &QAction::triggered, this, [this] { mnuFilePrint_Click(); });
    connect(mnuFilePrintAll, &QAction::triggered, this, [this] { mnuFilePrintAll_Click(); });
    connect(mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
    setAcceptDrops(true);
}

void frmMain::mnuFilePrint_Click()
{
    // Disabled without a model, but a shortcut may still arrive.
    if (!mnuFilePrint->isEnabled()) return;
    dlgPrint::ShowFor(*RKVCanvas, this, false);
}

void frmMain::mnuFilePrintAll_Click()
{
    if (!mnuFilePrintAll->isEnabled()) return;
    dlgPrint::ShowFor(*RKVCanvas, this, true);
}

void frmMain::mnuHelpContents_Click()
{
    frmHelp::ShowHelp(this);
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout::ShowAbout(this);
}

QString frmMain::DroppedModelFile(const QMimeData* data)
{
    if (!data || !data->hasUrls()) return QString();
    const QList<QUrl> urls = data->urls();
    // One model at a time: the first manifest among the dropped files that
    // is there to be read.
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        const QFileInfo file(path);
        if (file.isFile() && file.suffix().compare(QLatin1String("RKV3"), Qt::CaseInsensitive) == 0)
            return path;
    }
    return QString();
}

bool frmMain::modelFileDragEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (DroppedModelFile(drag->mimeData()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedModelFile(drop->mimeData());
        if (path.isEmpty()) return false;
        drop->acceptProposedAction();
        // As File, Open once its chooser has answered: the save prompts come
        // first, and a file that is no manifest is reported as such.
        OpenModelFile(QFileInfo(path).absoluteFilePath());
        return true;
    }
    default:
        return false;
    }
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!modelFileDragEvent(event)) event->ignore();
}

void frmMain::dragMoveEvent(QDragMoveEvent* event)
{
    if (!modelFileDragEvent(event)) event->ignore();
}

void frmMain::dropEvent(QDropEvent* event)
{
    if (!modelFileDragEvent(event)) event->ignore();
}
