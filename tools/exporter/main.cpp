// rkv3export: colours the pages of a paper model and writes them as
// pictures or as one print-ready PDF, with the viewer's and the canvas's own
// code, on an offscreen platform so that it runs without a display.
#include "exporter/ConsoleReport.h"
#include "exporter/ExportOptions.h"
#include "exporter/ModelExporter.h"
#include "exporter/TerminalText.h"

#include <QApplication>
#include <cstdio>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// Qt's own notes (fonts, platform plugins) would mix with the tool's
// messages; only its critical errors are let through.
void keepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // They may quote a file's name: its controls are shown escaped.
    if (type == QtCriticalMsg || type == QtFatalMsg) qtDefaultHandler(type, context, TerminalText(text));
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.options) {
        // A usage error quotes the argument it could not take.
        std::fputs(TerminalText(parsed.text).toLocal8Bit().constData(), parsed.toStandardError ? stderr : stdout);
        return parsed.status;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(keepQtQuiet);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rkv3export"));

    ConsoleReport report(parsed.options->quiet);
    ModelExporter exporter(*parsed.options, report);
    return exporter.run();
}
