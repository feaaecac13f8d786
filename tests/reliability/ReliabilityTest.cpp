// Hostile input and failing disks: every row of tests/data/bad/table.txt
// (each bad file through its reader, with the one message it must show and
// the state it must leave; some files are made here, as the table says),
// saves that fail part-way, and every writer in a hostile output folder.
#include "coloreditor/ColorEditTarget.h"
#include "coloreditor/ColorSwatch.h"
#include "coloreditor/dlgColor.h"
#include "model/ColorSetFiles.h"
#include "model/ModelOpening.h"
#include "model/ViewerSettings.h"
#include "model/core/ColorFile.h"
#include "model/core/ColorSets.h"
#include "platform/PrinterQt.h"
#include "platform/SettingsStore.h"
#include "platform/testing/ScriptedFileChooser.h"
#include "platform/testing/ScriptedMessageBoxes.h"
#include "print/BitmapFile.h"
#include "view/RKV3CanvasCtl.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

namespace util = mdlRKVUtilities;

namespace {

struct NoTarget : ColorEditTarget {
    void setSwatchColor(qint16, qint32) override {}
    void setSwatchTag(qint16, const QString&) override {}
    void setColorName(qint16, const QString&) override {}
};

std::string shownTexts(const Platform::ScriptedMessageBoxes& boxes)
{
    QStringList texts;
    for (const Platform::MessageRequest& box : boxes.shown()) texts.append(box.text);
    return texts.join(" / ").toStdString();
}

// Entries from `first` on whose name is no longer "old".
template <class Names> int replaced(const Names& names, int first)
{
    return int(std::find(names.begin() + first, names.end(), QLatin1String("old")) - names.begin()) - first;
}

// Runs one reader on path; the state it leaves, in the words of the table.
QString runReader(const QString& reader, const QString& path, RKV3CanvasCtl& canvas)
{
    const QString page = QStringLiteral("page=%1x%2");
    if (reader == QLatin1String("palette")) {
        util::PaletteCount = 5;
        util::PaletteNames.fill(QStringLiteral("old"));
        util::LoadPalette(path);
        return QStringLiteral("count=%1 read=%2").arg(util::PaletteCount).arg(replaced(util::PaletteNames, 0));
    }
    if (reader == QLatin1String("scheme")) {
        util::SchemeNames.fill(QStringLiteral("old"));
        util::LoadScheme(path);
        return QStringLiteral("read=%1").arg(replaced(util::SchemeNames, 1));
    }
    if (reader == QLatin1String("color")) {
        NoTarget target;
        const auto dialog = dlgColor::Prepare(&target, nullptr, 1, 0x030201, -60, "Other");
        Platform::ScriptedFileChooser files;
        files.queueFile(path);
        dialog->findChild<QPushButton*>("cmdLoadColor")->click();
        const bool name = dialog->findChild<QLineEdit*>("txtColorName")->text() != QLatin1String("Other");
        const bool color = dialog->findChild<ColorSwatch*>("picCurrentColor")->BackColor() != 0x030201;
        return QStringLiteral("name=%1 colour=%2").arg(name ? "changed" : "kept", color ? "changed" : "kept");
    }
    QString opened;
    if (reader == QLatin1String("page")) {
        canvas.LoadRKVImage(path);
    } else {
        QString manifest = path;
        opened = util::OpenModel(canvas, manifest) ? "open=true " : "open=false ";
    }
    return opened + page.arg(canvas.CanvasWidth()).arg(canvas.CanvasHeight());
}

}  // namespace

TEST(BadInputs, EveryRowShowsItsMessageAndKeepsItsState)
{
    QTemporaryDir dir;
    const QString source = qEnvironmentVariable("RKV_TEST_DATA") + QStringLiteral("/bad");
    ASSERT_EQ(QProcess::execute("cp", {"-r", source + "/.", dir.path()}), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder") && QFile::link("/dev/zero", dir.filePath("device")));
    QFile longLine(dir.filePath("long-line"));  // 200 MB without a line end
    ASSERT_TRUE(longLine.open(QIODevice::WriteOnly) && longLine.resize(qint64(200) << 20));
    longLine.close();
    // Pages made here, never stored: A3 at 600 ppi, and 60 KB of file that
    // unpacks to 20000 x 20000 pixels (3.2 GB of surfaces).
    for (auto [name, image] : {std::pair{"a3.png", QImage(7016, 9921, QImage::Format_Indexed8)},
                               std::pair{"giant.png", QImage(20000, 20000, QImage::Format_Mono)},
                               std::pair{"start.png", QImage(7, 5, QImage::Format_Indexed8)}}) {
        image.setColorTable({qRgb(127, 3, 255), qRgb(0, 0, 0)});
        image.fill(0);
        ASSERT_TRUE(image.save(dir.filePath(name)));
    }
    // Pictures of other formats than a page's, and JPEGs in one scan and in
    // several; "giant-progressive.jpg" is the second with its header saying
    // 16384 x 14000 pixels at full colour resolution.
    QImage small(16, 10, QImage::Format_RGB32);
    small.fill(qRgb(127, 3, 255));
    ASSERT_TRUE(small.save(dir.filePath("icon.png"), "ico") && small.copy(0, 0, 9, 6).save(dir.filePath("baseline.jpg")));
    QImageWriter progressive(dir.filePath("progressive.jpg"), "jpeg");
    progressive.setProgressiveScanWrite(true);
    ASSERT_TRUE(progressive.write(small));
    QFile jpeg(dir.filePath("progressive.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    QByteArray giant = jpeg.readAll();
    const qsizetype frame = giant.indexOf("\xFF\xC2");  // FF C2, length, precision, height, width, components
    ASSERT_TRUE(frame > 0 && giant[frame + 9] == 3);
    giant.replace(frame + 5, 4, QByteArray("\x36\xB0\x40\x00", 4));
    for (int c = 0; c < 3; ++c) giant[frame + 11 + 3 * c] = 0x11;
    QFile out(dir.filePath("giant-progressive.jpg"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(giant) == giant.size());
    out.close();
    RKV3CanvasCtl canvas;

    QFile table(dir.filePath("table.txt"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QByteArray& bytes : table.readAll().split('\n')) {
        const QStringList f = QString::fromUtf8(bytes).split(QLatin1Char('|'));
        if (f.size() != 4 || bytes.startsWith('#')) continue;
        SCOPED_TRACE(bytes.toStdString());
        canvas.LoadRKVImage(dir.filePath("start.png"));
        canvas.RenderRKVPage();
        Platform::ScriptedMessageBoxes boxes;
        const QString state = runReader(f[1].trimmed(), dir.filePath(f[0].trimmed()), canvas);
        EXPECT_EQ(state.toStdString(), f[3].trimmed().toStdString());
        EXPECT_EQ(shownTexts(boxes), f[2].trimmed() == QLatin1String("-") ? "" : f[2].trimmed().toStdString());
    }
}

// A file-size limit stands in for a full disk: the old files stay byte for
// byte, the user is told, and no modified flag is cleared.
TEST(FailedWrite, FullDiskKeepsEveryOldFileAndTellsTheUser)
{
    QTemporaryDir dir;
    const QString folder = Platform::SettingsStore::setFolder(dir.path());
    const QStringList names{"p.RPL", "s.RKS3", "c.RKL", "RKVViewer3.ini", "page.BMP"};
    const QByteArray old = "the old file, as it was\r\n";
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    util::PaletteCount = 3;
    NoTarget target;
    const auto dialog = dlgColor::Prepare(&target, nullptr, 1, 0x030201, -60, "Brick");
    Platform::ScriptedMessageBoxes boxes;
    Platform::ScriptedFileChooser files;
    files.queueFile(dir.filePath("c.RKL"));

    rlimit limit{}, full{};
    getrlimit(RLIMIT_FSIZE, &limit);
    full = {16, limit.rlim_max};  // no file grows past 16 bytes
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_FALSE(util::SavePalette(dir.filePath("p.RPL")));
    EXPECT_FALSE(util::SaveScheme(dir.filePath("s.RKS3")));
    QImage page(40, 30, QImage::Format_RGB32);
    page.fill(qRgb(200, 100, 50));
    EXPECT_FALSE(SaveBitmapFile(page, dir.filePath("page.BMP"), 150));
    dialog->findChild<QLineEdit*>("txtColorName")->setText("Brick, red");
    dialog->findChild<QPushButton*>("cmdSaveNew")->click();
    EXPECT_FALSE(util::SaveSetting(util::Setting::MainLeft, "1234") || util::SaveSetting(util::Setting::MainTop, "5678"));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    Platform::SettingsStore::setFolder(folder);

    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == old) << qPrintable(name);
    }
    // No temporary file or folder left either.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 5);
    EXPECT_EQ(shownTexts(boxes),
              "Error saving palette. / Error saving color scheme. / Error saving color. / Error saving settings.");
    EXPECT_TRUE(dialog->ColorModified);
}

// Every writer, in a folder where someone planted links: at the target (to a
// victim, or dangling), or at the name the PDF's part file once had. The
// victim keeps its bytes and mode, a dangling link's target is never made,
// the target becomes a regular file (a 0660 one keeps its mode), and the
// folder holds nothing else afterwards.
TEST(HostileFolder, EveryWriterReplacesLinksAndKeepsModes)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QImage page(41, 29, QImage::Format_RGB32);
    page.fill(qRgb(200, 100, 50));
    const std::vector<std::pair<const char*, std::function<bool(const QString&)>>> writers{
        {"palette", [](const QString& path) { return util::SavePalette(path); }},
        {"scheme", [](const QString& path) { return util::SaveScheme(path); }},
        {"colour", [](const QString& path) { return ColorFile::Save(path, "Brick", 0x030201, -60); }},
        {"bitmap", [&](const QString& path) { return SaveBitmapFile(page, path, 150); }},
        {"png", [&](const QString& path) { return SavePngFile(page, path, 300); }},
        {"pdf", [](const QString& path) {
             Platform::PdfFilePrinter pdf;
             return pdf.setOutputFileName(path) && pdf.Print("Hostile") && pdf.EndDoc();
         }},
        {"settings", [](const QString& path) {  // path is the folder's "out.ini"
             const QString folder = Platform::SettingsStore::setFolder(QFileInfo(path).path());
             const bool written = Platform::SettingsStore::write("out", "Main", "Left", "1234");
             Platform::SettingsStore::setFolder(folder);
             return written;
         }},
    };
    // What stands at out.ini beforehand: a link to the victim, a dangling
    // link, a 0660 file; and whether out.ini.part links to the victim.
    const std::vector<std::pair<QString, bool>> situations{{"victim", false}, {"missing", false}, {"0660", false},
                                                           {"", true}};
    const QByteArray secret = "the victim's own bytes\n", old = "[Old]\r\nKept=the old out.ini\r\n";
    for (const auto& [writer, write] : writers) {
        for (const auto& [atTarget, partLink] : situations) {
            SCOPED_TRACE(std::string(writer) + " over " + atTarget.toStdString() + (partLink ? " and part" : ""));
            QTemporaryDir dir;
            const QString target = dir.filePath("out.ini"), victim = dir.filePath("victim");
            QFile victimFile(victim);
            ASSERT_TRUE(victimFile.open(QIODevice::WriteOnly) && victimFile.write(secret) == secret.size());
            victimFile.close();
            ::chmod(qPrintable(victim), 0640);
            QStringList left{"out.ini", "victim"};
            if (atTarget == "0660") {
                QFile file(target);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
                ::chmod(qPrintable(target), 0660);
            } else if (!atTarget.isEmpty()) {
                ASSERT_TRUE(QFile::link(dir.filePath(atTarget), target));
            }
            if (partLink) {
                ASSERT_TRUE(QFile::link(victim, target + ".part"));
                left.append("out.ini.part");
            }
            left.sort();

            EXPECT_TRUE(write(target));
            struct stat made {}, kept {};
            ASSERT_EQ(::lstat(qPrintable(target), &made), 0);
            EXPECT_TRUE(S_ISREG(made.st_mode));
            EXPECT_EQ(made.st_mode & 0777, atTarget == "0660" ? 0660u : 0666u & ~mask);
            EXPECT_TRUE(made.st_size > 0 && made.st_size != old.size());
            QFile written(target);
            EXPECT_TRUE(written.open(QIODevice::ReadOnly) && !written.readAll().contains(secret.trimmed()));
            ASSERT_EQ(::lstat(qPrintable(victim), &kept), 0);
            EXPECT_EQ(kept.st_mode & 0777, 0640u);
            ASSERT_TRUE(victimFile.open(QIODevice::ReadOnly));
            EXPECT_EQ(victimFile.readAll(), secret);
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                      left);
        }
    }
}
