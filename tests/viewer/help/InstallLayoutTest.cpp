#include "help/HelpTopics.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

// Runs a program to its end: its exit code (-1 when it could not run) and
// everything it printed.
std::pair<int, QString> run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ran = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ran ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAll())};
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

// Installs this build tree into a fresh prefix, as a user's `cmake --install`
// does, and checks that the desktop and the program find what they need.
TEST(InstallLayoutTest, InstalledProgramFitsTheDesktopAndFindsItsData)
{
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    const auto [installed, log] = run(RKV_CMAKE_COMMAND, {"--install", RKV_BUILD_DIR, "--prefix", root.path()});
    ASSERT_EQ(installed, 0) << log.toStdString();

    // The program starts with the installed libraries; the canvas's header.
    const auto [lddCode, libraries] = run("ldd", {root.filePath("bin/RKVViewer3")});
    EXPECT_EQ(lddCode, 0);
    EXPECT_FALSE(libraries.contains("not found")) << libraries.toStdString();
    EXPECT_TRUE(libraries.contains(root.filePath("bin/../lib/libRKV3Canvas.so"))) << libraries.toStdString();
    EXPECT_TRUE(root.exists("include/RKV3Canvas/RKV3CanvasCtl.h"));

    // Its program folder is the share folder: help texts and sample data.
    const QString folder = Platform::programFolderFor(root.filePath("bin"));
    EXPECT_EQ(folder, root.filePath("share/RKVViewer3"));
    for (const HelpTopic& topic : HelpTopics)
        EXPECT_GT(ReadTextFile(folder, topic.file).value_or("").size(), 200) << topic.file;
    for (const char* file : {"models/Cottage/Cottage.RKV3", "models/Cottage/Cottage_4.png",
                             "palettes/PaperModel.RPL", "schemes/EarthTones.RKS3", "colors/Brick.RKL",
                             "translations/RKVViewer3_de.qm"})
        EXPECT_TRUE(QDir(folder).exists(file)) << file;

    // The exporter, installed beside the program, runs with the installed
    // libraries and writes the installed demo model as a PDF.
    const auto [exported, messages] =
        run(root.filePath("bin/rkv3export"), {QDir(folder).filePath("models/Cottage/Cottage.RKV3"), "-o",
                                              root.filePath("demo.pdf")});
    EXPECT_EQ(exported, 0) << messages.toStdString();
    EXPECT_TRUE(root.exists("demo.pdf"));

    // A valid menu entry that starts the program with the file, names an
    // installed icon and the installed model file type.
    const QString desktopFile = root.filePath("share/applications/RKVViewer3.desktop");
    const auto [valid, problems] = run("desktop-file-validate", {desktopFile});
    EXPECT_EQ(valid, 0) << problems.toStdString();
    const QString entry = readFile(desktopFile);
    auto value = [&entry](const char* key) {
        return QRegularExpression(QString("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption)
            .match(entry).captured(1);
    };
    EXPECT_EQ(value("Exec"), "RKVViewer3 %f");
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(QImage(root.filePath(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(value("Icon"))))
                      .size(), QSize(size, size));
    EXPECT_TRUE(root.exists("share/icons/hicolor/scalable/apps/" + value("Icon") + ".svg"));

    // Software-centre metadata tied to this menu entry, valid where AppStream's checker is installed.
    const QString metainfo = root.filePath("share/metainfo/io.github.rkvviewer3.RKVViewer3.metainfo.xml");
    EXPECT_TRUE(readFile(metainfo).contains("<launchable type=\"desktop-id\">" + QFileInfo(desktopFile).fileName()));
    EXPECT_TRUE(QStandardPaths::findExecutable("appstreamcli").isEmpty()
                || run("appstreamcli", {"validate", "--no-net", metainfo}).first == 0);

    // The refreshed caches map both spellings of the extension to the type
    // and the type to the entry: what a file manager's double click uses.
    const QString type = value("MimeType").section(';', 0, 0);
    const QString globs = readFile(root.filePath("share/mime/globs2"));
    EXPECT_TRUE(globs.contains(type + ":*.rkv3\n") && globs.contains(type + ":*.RKV3:cs")) << globs.toStdString();
    EXPECT_TRUE(readFile(root.filePath("share/applications/mimeinfo.cache")).contains(type + "=RKVViewer3.desktop;"));

    // A double click as a GIO file manager makes it, on a desktop that knows
    // only this prefix: GIO finds the model's type and its default program
    // and runs the entry's command line on the model. The program shows the
    // model and, from its Help menu, the installed help.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_CACHE_HOME"})
        env.insert(folder, home.filePath(folder));
    env.insert("XDG_DATA_DIRS", root.filePath("share"));
    env.insert("PATH", root.filePath("bin") + ":" + env.value("PATH"));
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    env.insert("RKV_WINDOW_REPORT", home.filePath("report"));
    env.insert("RKV_WINDOW_REPORT_HELP", "1");
    const QString model = QDir(folder).filePath("models/Cottage/Cottage.RKV3");
    // The program outlives GIO: it writes to the test's own output, not
    // to a pipe that closes when GIO ends.
    QProcess gio;
    gio.setProcessEnvironment(env);
    gio.setProcessChannelMode(QProcess::ForwardedChannels);
    gio.start("gio", {"open", model});
    EXPECT_TRUE(gio.waitForFinished(30000) && gio.exitCode() == 0);
    QString report;
    for (int tries = 0; report.isEmpty() && tries < 300; ++tries, QThread::msleep(100))
        report = readFile(home.filePath("report/window.txt"));
    // GIO leaves the program running on its own: it is the one process
    // running this prefix's executable.
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
        if (QFileInfo(QString("/proc/%1/exe").arg(pid)).symLinkTarget() == root.filePath("bin/RKVViewer3"))
            ::kill(pid.toInt(), SIGKILL);
    EXPECT_TRUE(report.contains("RKVViewer 3 (Cottage.RKV3") && report.contains("\tPage 1/4\n")) << report.toStdString();
    EXPECT_TRUE(report.contains("\tIntroduction\n") && report.contains("\tINTRODUCTION\n")) << report.toStdString();
}
