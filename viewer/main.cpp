#include "help/ApplicationIcon.h"
#include "mainwindow/frmMain.h"
#include "platform/ProgramInfo.h"
#include "platform/Translations.h"
#ifdef RKV_WINDOW_REPORT_HOOK
#include "WindowReport.h"
#endif

#include <QApplication>
#include <QFileInfo>
#ifdef RKV_WINDOW_REPORT_HOOK
#include <QTimer>
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Platform::programTitle());
    // The texts in the desktop's language where we have a translation.
    const Platform::Translations translations;
    // The desktop matches the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("RKVViewer3"));
    QApplication::setWindowIcon(applicationIcon());
    frmMain window;
    window.show();

    // RKVViewer3 MODEL.RKV3 opens that model as File, Open does once its
    // chooser has answered.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.OpenModelFile(QFileInfo(args.at(1)).absoluteFilePath());

#ifdef RKV_WINDOW_REPORT_HOOK
    // Built for the end-to-end tests only: describe the window once it has
    // settled; with RKV_WINDOW_REPORT_HELP set, after opening Help, Contents,
    // so the report describes the help window too.
    const QString reportFolder = qEnvironmentVariable("RKV_WINDOW_REPORT");
    const bool reportHelp = !qEnvironmentVariableIsEmpty("RKV_WINDOW_REPORT_HELP");
    if (!reportFolder.isEmpty())
        QTimer::singleShot(500, &window, [&window, reportFolder, reportHelp] {
            if (reportHelp) window.mnuHelpContents_Click();
            WriteWindowReport(window, reportFolder);
        });
#endif
    return app.exec();
}
