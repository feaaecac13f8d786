#include "HelpTopics.h"
#include "ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs a program to its end; its exit code, or -1 when it could not run.
int run(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return -1;
    if (output) *output = QString::fromLocal8Bit(process.readAll());
    return process.exitCode();
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of key in a desktop entry's text.
QString entryValue(const QString& entry, const QString& key)
{
    for (const QString& line : entry.split('\n'))
        if (line.startsWith(key + '=')) return line.mid(key.size() + 1).trimmed();
    return QString();
}

}  // namespace

// Installs the built tree into a fresh prefix, as `cmake --install` does for
// a user, and checks that the desktop finds everything it needs there.
TEST(InstallLayoutTest, InstalledProgramFitsTheDesktopAndFindsItsData)
{
    QTemporaryDir prefix;
    QString log;
    ASSERT_EQ(run(RKV_CMAKE_COMMAND, {"--install", RKV_BUILD_DIR, "--prefix", prefix.path()}, &log), 0)
        << log.toStdString();
    const QDir root(prefix.path());

    // The program, its libraries and the canvas's public header.
    EXPECT_TRUE(QFileInfo(root.filePath("bin/RKVViewer3")).isExecutable());
    EXPECT_TRUE(root.exists("lib/libRKV3Canvas.so"));
    EXPECT_TRUE(root.exists("include/RKV3Canvas/RKV3CanvasCtl.h"));
    QString libraries;
    ASSERT_EQ(run("ldd", {root.filePath("bin/RKVViewer3")}, &libraries), 0);
    EXPECT_FALSE(libraries.contains("not found")) << libraries.toStdString();
    EXPECT_TRUE(libraries.contains(root.filePath("bin/../lib/libRKV3Canvas.so"))) << libraries.toStdString();

    // The installed program's folder is its share folder, with the help
    // texts, the sample model, palettes, schemes and colours in it.
    const QString folder = Platform::programFolderFor(root.filePath("bin"));
    EXPECT_EQ(folder, root.filePath("share/RKVViewer3"));
    for (const HelpTopic& topic : HelpTopics)
        EXPECT_TRUE(ReadTextFile(folder, topic.file).value_or("").size() > 200) << topic.file;
    for (const char* file : {"models/Cottage/Cottage.RKV3", "models/Cottage/Cottage_1.png",
                             "palettes/PaperModel.RPL", "schemes/EarthTones.RKS3", "colors/Brick.RKL"})
        EXPECT_TRUE(QDir(folder).exists(file)) << file;

    // The menu entry is valid, starts the installed program with the file
    // and names the icon and the model file type that are installed.
    const QString desktopFile = root.filePath("share/applications/RKVViewer3.desktop");
    QString validation;
    EXPECT_EQ(run("desktop-file-validate", {desktopFile}, &validation), 0) << validation.toStdString();
    const QString entry = readFile(desktopFile);
    EXPECT_EQ(entryValue(entry, "Exec"), "RKVViewer3 %f");
    const QString icon = entryValue(entry, "Icon");
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(QImage(root.filePath(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon))).size(),
                  QSize(size, size));
    EXPECT_TRUE(root.exists("share/icons/hicolor/scalable/apps/" + icon + ".svg"));
    const QString mimeType = entryValue(entry, "MimeType").section(';', 0, 0);
    EXPECT_TRUE(readFile(root.filePath("share/mime/packages/RKVViewer3.xml")).contains('"' + mimeType + '"'));

    // The refreshed caches map both spellings of the extension to the type,
    // and the type to the menu entry: what a file manager's double click uses.
    const QString globs = readFile(root.filePath("share/mime/globs2"));
    EXPECT_TRUE(globs.contains(mimeType + ":*.rkv3\n")) << globs.toStdString();
    EXPECT_TRUE(globs.contains(mimeType + ":*.RKV3:cs")) << globs.toStdString();
    EXPECT_TRUE(readFile(root.filePath("share/applications/mimeinfo.cache"))
                    .contains(mimeType + "=RKVViewer3.desktop;"));
}
