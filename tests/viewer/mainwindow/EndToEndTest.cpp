// The real program on the demo model under a virtual X server and under a
// headless Wayland compositor: the window shows coloured page pixels and the
// model's region names.
#include "modelgen/core/CottageRegions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <optional>

namespace {

bool waitFor(const std::function<bool()>& done, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (done()) return true;
        QThread::msleep(50);
    }
    return done();
}

// A started Xvfb on a display of its own, stopped with the object.
struct VirtualDisplay {
    QProcess server;
    QString name;

    // The server picks a free display and names it on its output once it
    // accepts clients.
    bool start(const QString& program)
    {
        server.start(program, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1280x900x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp")});
        if (!server.waitForStarted(5000)) return false;
        QByteArray output;
        while (!output.contains('\n') && server.waitForReadyRead(10000)) output += server.readAllStandardOutput();
        bool ok = false;
        const int number = output.trimmed().toInt(&ok);
        if (ok) name = QStringLiteral(":%1").arg(number);
        return ok;
    }
    ~VirtualDisplay() { server.terminate(), server.waitForFinished(3000); }
};

// One visible named widget of the window report: its screen rectangle and text.
struct ReportedWidget { QRect rect; QString text; };

std::multimap<QString, ReportedWidget> readReport(const QString& path)
{
    std::multimap<QString, ReportedWidget> widgets;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return widgets;
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).chopped(1).split(QLatin1Char('\t'));
        if (f.size() >= 6)
            widgets.insert({f[0], {QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt()), f[5]}});
    }
    return widgets;
}

// Pixels of the rectangle that meet the test.
int countPixels(const QImage& shot, const QRect& rect, const std::function<bool(QRgb)>& test)
{
    int count = 0;
    const QRect area = rect.intersected(shot.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += test(shot.pixel(x, y));
    return count;
}

// Colour, not gray; and dark enough to be the ink of text.
bool colored(QRgb p) { return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 40; }
bool dark(QRgb p) { return qGray(p) < 110; }

// Where the picture lies in the shot: a sparse grid of its pixels rules most
// places out at once, and 98 % of all its pixels must match there (a caret
// or a hover may have changed a few since it was painted).
std::optional<QPoint> locate(const QImage& shotImage, const QImage& pictureImage)
{
    const QImage shot = shotImage.convertToFormat(QImage::Format_RGB32);
    const QImage picture = pictureImage.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    if (picture.isNull()) return std::nullopt;
    auto same = [&](int x, int y, int px, int py) { return shot.pixel(x + px, y + py) == picture.pixel(px, py); };
    for (int y = 0; y + h <= shot.height(); ++y)
        for (int x = 0; x + w <= shot.width(); ++x) {
            int misses = 0, matching = 0;
            for (int i = 0; i < 64 && misses < 3; ++i) misses += !same(x, y, (i % 8) * (w - 1) / 7, (i / 8) * (h - 1) / 7);
            for (int py = 0; misses < 3 && py < h; ++py)
                for (int px = 0; px < w; ++px) matching += same(x, y, px, py);
            if (matching >= w * h * 98 / 100) return QPoint(x, y);
        }
    return std::nullopt;
}

// Runs the program on the demo model in `env` until it has reported its
// window and a shot of the screen shows the window as the program painted it
// (10 tries), then checks that shot where the window is: coloured page pixels
// on the canvas and the first region names, in ink, in the region list.
void ExpectProgramShowsDemoModel(QProcessEnvironment env, const std::function<QImage()>& shoot)
{
    const QDir programDir(qEnvironmentVariable("RKV_PROGRAM_DIR"));
    QTemporaryDir work;
    env.insert("XDG_CONFIG_HOME", work.path());
    env.insert("RKV_WINDOW_REPORT", work.path());
    QProcess viewer;
    viewer.setProcessEnvironment(env);
    viewer.start(programDir.filePath("RKVViewer3"), {programDir.filePath("models/Cottage/Cottage.RKV3")});
    ASSERT_TRUE(viewer.waitForStarted(5000));
    const bool reported = waitFor([&] { return QFileInfo::exists(work.filePath("window.txt")); }, 30000);
    const auto widgets = readReport(work.filePath("window.txt"));
    QImage shot;
    std::optional<QPoint> at;
    for (int tries = 0; reported && !at && tries < 10; ++tries, QThread::msleep(500))
        at = locate(shot = shoot(), QImage(work.filePath("window.png")));
    viewer.kill();
    viewer.waitForFinished(3000);
    ASSERT_TRUE(reported) << viewer.readAllStandardError().toStdString();
    ASSERT_TRUE(at && widgets.count("frmMain") && widgets.count("RKVCanvas") && widgets.count("picRegions"));

    // The report places the widgets where the program believes the window is.
    const QPoint offset = *at - widgets.find("frmMain")->second.rect.topLeft();
    const QRect canvas = widgets.find("RKVCanvas")->second.rect.translated(offset);
    EXPECT_GT(countPixels(shot, canvas, colored), canvas.width() * canvas.height() / 10) << "page in colour";
    QStringList shown;
    auto labels = widgets.equal_range("lblRegionName");
    for (auto it = labels.first; it != labels.second; ++it) {
        if (!widgets.find("picRegions")->second.rect.contains(it->second.rect)) continue;
        shown << it->second.text;
        EXPECT_GT(countPixels(shot, it->second.rect.translated(offset), dark), 10) << it->second.text.toStdString();
    }
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown, CottageRegionNames().mid(0, shown.size()));
}

// Runs a program to its end in `folder` (10 s at most).
void runBriefly(const QString& program, const QStringList& arguments, const QProcessEnvironment& env,
                const QString& folder = QDir::tempPath())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) process.kill(), process.waitForFinished(3000);
}

// A process stopped with the object.
struct Server : QProcess {
    ~Server() override
    {
        terminate();
        if (!waitForFinished(5000)) kill(), waitForFinished(3000);
    }
};

}  // namespace

TEST(EndToEnd, DemoModelShowsColoredPageAndRegionNames)
{
    const bool ci = !qEnvironmentVariableIsEmpty("CI");
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    const QString import = QStandardPaths::findExecutable("import");
    if ((xvfb.isEmpty() || import.isEmpty()) && !ci) GTEST_SKIP() << "Xvfb or ImageMagick's import is not installed";
    ASSERT_FALSE(xvfb.isEmpty() || import.isEmpty());
    VirtualDisplay display;
    if (!display.start(xvfb) && !ci) GTEST_SKIP() << "no X server could be started";
    ASSERT_FALSE(display.name.isEmpty());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display.name);
    env.insert("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir shots;
    ExpectProgramShowsDemoModel(env, [&] {
        runBriefly(import, {"-display", display.name, "-window", "root", shots.filePath("shot.png")}, env);
        return QImage(shots.filePath("shot.png"));
    });
}

// Under a headless weston of its own, which places the window where it
// likes; the program then knows its widgets only relative to the window.
TEST(EndToEnd, DemoModelShowsOnWayland)
{
    const bool ci = !qEnvironmentVariableIsEmpty("CI");
    const QString weston = QStandardPaths::findExecutable("weston");
    const QString shooter = QStandardPaths::findExecutable("weston-screenshooter");
    const bool plugin = QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so");
    if ((weston.isEmpty() || shooter.isEmpty() || !plugin) && !ci)
        GTEST_SKIP() << "weston or Qt's Wayland platform plugin is not installed";
    ASSERT_FALSE(weston.isEmpty() || shooter.isEmpty() || !plugin);
    // The runtime folder must be the user's alone.
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = QString("rkv-test-%1").arg(QCoreApplication::applicationPid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("WAYLAND_DISPLAY", socket);
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.remove("DISPLAY");
    Server compositor;
    compositor.setProcessEnvironment(env);
    compositor.setStandardOutputFile(QProcess::nullDevice());
    compositor.setStandardErrorFile(QProcess::nullDevice());
    // --debug opens the screenshooter's interface.
    compositor.start(weston, {"--backend=headless-backend.so", "--use-pixman", "--width=1280", "--height=900",
                              "--socket=" + socket, "--idle-time=0", "--no-config", "--debug"});
    ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(runtime.filePath(socket)); }, 15000));
    QTemporaryDir shots;
    ExpectProgramShowsDemoModel(env, [&] {
        runBriefly(shooter, {}, env, shots.path());
        const QStringList files = QDir(shots.path()).entryList({"*.png"});
        return files.isEmpty() ? QImage() : QImage(shots.filePath(files.last()));
    });
}
