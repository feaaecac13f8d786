// The File menu's Open Recent: the models opened last, most recent first.
#include "mainwindow/frmMain.h"

#include "model/RecentModels.h"
#include "model/core/PathNames.h"
#include "platform/PlainText.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace util = mdlRKVUtilities;

void frmMain::createRecentMenu()
{
    mnuFileRecent = mnuFile->addMenu(tr("Open &Recent"));
    mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    // The full path shows as the item's tool tip, as the window has no
    // status bar for its status tip.
    mnuFileRecent->setToolTipsVisible(true);
    ShowRecentModels();
}

void frmMain::ShowRecentModels()
{
    mnuFileRecent->clear();
    const QStringList paths = util::RecentModels();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QString caption = QFileInfo(path).fileName();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = mnuFileRecent->addAction(caption);
        item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        item->setStatusTip(path);
        // A menu shows an item's tool tip as markup when it looks like some.
        item->setToolTip(Platform::PlainToolTip(path));
        // Queued: the handlers rebuild this menu, which must not delete the
        // item while it is still delivering its trigger.
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentModel(path); }, Qt::QueuedConnection);
    }
    mnuFileRecent->addSeparator();
    mnuFileRecentClear = mnuFileRecent->addAction(tr("Clear List"));
    mnuFileRecentClear->setObjectName(QStringLiteral("mnuFileRecentClear"));
    connect(mnuFileRecentClear, &QAction::triggered, this, [this] { mnuFileRecentClear_Click(); },
            Qt::QueuedConnection);
    mnuFileRecent->setEnabled(!paths.isEmpty());
}

void frmMain::OpenRecentModel(const QString& path)
{
    if (!util::FileExists(path)) {
        util::ForgetRecentModel(path);
        ShowRecentModels();
    }
    // A missing model is reported as File, Open reports a missing manifest.
    OpenModelFile(path);
}

void frmMain::mnuFileRecentClear_Click()
{
    util::ClearRecentModels();
    ShowRecentModels();
}
