// A write that fails part-way (the file-size limit stands in for a full
// disk) keeps the old file byte for byte, tells the user and leaves the
// modified state alone.
#include "ColorEditTarget.h"
#include "ColorSetFiles.h"
#include "ColorSets.h"
#include "ProgramState.h"
#include "ScriptedFileChooser.h"
#include "ScriptedMessageBoxes.h"
#include "SettingsStore.h"
#include "ViewerSettings.h"
#include "dlgColor.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace mdlRKVUtilities;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct NoTarget : ColorEditTarget {
    void setSwatchColor(qint16, qint32) override {}
    void setSwatchTag(qint16, const QString&) override {}
    void setColorName(qint16, const QString&) override {}
};

}  // namespace

TEST(FailedWrite, FullDiskKeepsEveryOldFileAndTellsTheUser)
{
    QTemporaryDir dir;
    const QString folder = Platform::SettingsStore::setFolder(dir.path());
    const QByteArray old = "the old file, kept as it was\r\n";
    for (const char* name : {"p.RPL", "s.RKS3", "c.RKL", "RKVViewer3.ini"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    PaletteCount = 3;
    PaletteModified = SchemeModified = true;
    NoTarget target;
    const auto dialog = dlgColor::Prepare(&target, nullptr, 1, 0x030201, -60, "Other");
    dialog->findChild<QLineEdit*>("txtColorName")->setText("Brick");
    Platform::ScriptedMessageBoxes boxes;
    Platform::ScriptedFileChooser files;
    files.queueFile(dir.filePath("c.RKL"));

    // Any file written past 16 bytes fails as on a full disk.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{16, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    const bool palette = SavePalette(dir.filePath("p.RPL"));
    const bool scheme = SaveScheme(dir.filePath("s.RKS3"));
    dialog->findChild<QPushButton*>("cmdSaveNew")->click();
    const bool setting = SaveSetting(Setting::MainLeft, "1234") || SaveSetting(Setting::MainTop, "5678");
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    Platform::SettingsStore::setFolder(folder);

    EXPECT_FALSE(palette);
    EXPECT_FALSE(scheme);
    EXPECT_FALSE(setting);
    for (const char* name : {"p.RPL", "s.RKS3", "c.RKL", "RKVViewer3.ini"})
        EXPECT_EQ(bytesOf(dir.filePath(name)), old) << name;
    QStringList shown;
    for (const Platform::MessageRequest& box : boxes.shown()) shown.append(box.text);
    EXPECT_EQ(shown, (QStringList{"Error saving palette.", "Error saving color scheme.", "Error saving color.",
                                  "Error saving settings."}));
    EXPECT_TRUE(PaletteModified && SchemeModified && dialog->ColorModified);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);  // no temporary file left behind
}
