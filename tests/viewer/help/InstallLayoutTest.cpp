#include "HelpTopics.h"
#include "ProgramInfo.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
                             "palettes/PaperModel.RPL", "schemes/EarthTones.RKS3", "colors/Brick.RKL"})
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

    // The refreshed caches map both spellings of the extension to the type
    // and the type to the entry: what a file manager's double click uses.
    const QString type = value("MimeType").section(';', 0, 0);
    const QString globs = readFile(root.filePath("share/mime/globs2"));
    EXPECT_TRUE(globs.contains(type + ":*.rkv3\n") && globs.contains(type + ":*.RKV3:cs")) << globs.toStdString();
    EXPECT_TRUE(readFile(root.filePath("share/applications/mimeinfo.cache")).contains(type + "=RKVViewer3.desktop;"));
}
