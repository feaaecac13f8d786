// The real program on the demo model under a virtual X server and under a
// headless Wayland compositor: the window shows coloured page pixels and the
// model's region names.
#include "CottageRegions.h"

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
bool coloured(QRgb p) { return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 40; }
bool dark(QRgb p) { return qGray(p) < 110; }

// Where the picture lies in the shot: a sparse grid of its pixels rules most
// places out at once, and 98 % of all its pixels must match there (a caret
// or a hover may have changed a few since it was painted).
std::optional<QPoint> locate(const QImage& shotImage, const QImage& pictureImage)
{
    const QImage shot = shotImage.convertToFormat(QImage::Format_RGB32);
    const QImage picture = pictureImage.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
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

// A shot of the screen and where on it the widgets of the report are,
// relative to their reported rectangles; nothing while the window is not
// seen yet.
using Shooter = std::function<std::optional<std::pair<QImage, QPoint>>(const QString& reportDir)>;

// Runs the program on the demo model in `env` until it has reported its
// window and `shoot` has seen it (10 tries), then checks the shot: coloured
// page pixels on the canvas and the first region names, in ink, in the
// region list's viewport.
void ExpectProgramShowsDemoModel(QProcessEnvironment env, const Shooter& shoot)
{
    const QDir programDir(qEnvironmentVariable("RKV_PROGRAM_DIR"));
    QTemporaryDir work;
    const QString reportDir = work.filePath(QStringLiteral("report"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), work.path());
    env.insert(QStringLiteral("RKV_WINDOW_REPORT"), reportDir);
    QProcess viewer;
    viewer.setProcessEnvironment(env);
    viewer.start(programDir.filePath(QStringLiteral("RKVViewer3")),
                 {programDir.filePath(QStringLiteral("models/Cottage/Cottage.RKV3"))});
    ASSERT_TRUE(viewer.waitForStarted(5000));
    const QString reportFile = reportDir + QStringLiteral("/window.txt");
    const bool reported = waitFor([&] { return QFileInfo::exists(reportFile); }, 30000);
    std::optional<std::pair<QImage, QPoint>> shot;
    for (int attempt = 0; reported && !shot && attempt < 10; ++attempt, QThread::msleep(500)) shot = shoot(reportDir);
    viewer.kill();
    viewer.waitForFinished(3000);
    ASSERT_TRUE(reported) << viewer.readAllStandardError().toStdString();
    ASSERT_TRUE(shot) << "the window is not on the screen";

    const auto widgets = readReport(reportFile);
    ASSERT_TRUE(widgets.count(QStringLiteral("RKVCanvas")) == 1 && widgets.count(QStringLiteral("picRegions")) == 1);
    const QRect canvas = widgets.find(QStringLiteral("RKVCanvas"))->second.rect.translated(shot->second);
    EXPECT_GT(countPixels(shot->first, canvas, coloured), canvas.width() * canvas.height() / 10) << "page in colour";
    const QRect viewport = widgets.find(QStringLiteral("picRegions"))->second.rect;
    QStringList shown;
    auto labels = widgets.equal_range(QStringLiteral("lblRegionName"));
    for (auto it = labels.first; it != labels.second; ++it) {
        if (!viewport.contains(it->second.rect)) continue;
        shown << it->second.text;
        EXPECT_GT(countPixels(shot->first, it->second.rect.translated(shot->second), dark), 10)
            << it->second.text.toStdString();
    }
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown, CottageRegionNames().mid(0, shown.size()));
}

// A headless weston on a socket of its own, in a runtime folder of its own,
// with its screenshot interface open; stopped with the object.
struct HeadlessCompositor {
    QTemporaryDir runtime;
    QProcess server;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    bool start(const QString& program)
    {
        // Wayland wants the runtime folder to be the user's alone.
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socket = QStringLiteral("rkv-test-%1").arg(QCoreApplication::applicationPid());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.remove(QStringLiteral("DISPLAY"));
        server.setProcessEnvironment(env);
        server.setStandardOutputFile(QProcess::nullDevice());
        server.setStandardErrorFile(QProcess::nullDevice());
        server.start(program, {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                               QStringLiteral("--width=1280"), QStringLiteral("--height=900"),
                               QStringLiteral("--socket=") + socket, QStringLiteral("--idle-time=0"),
                               QStringLiteral("--no-config"), QStringLiteral("--debug")});
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        return server.waitForStarted(5000) && waitFor([&] { return QFileInfo::exists(runtime.filePath(socket)); }, 15000);
    }
    // A picture of the whole output, by weston's screenshooter.
    QImage screenshot(const QString& shooter)
    {
        QTemporaryDir folder;
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder.path());
        process.start(shooter, {});
        if (!process.waitForFinished(10000)) process.kill(), process.waitForFinished(3000);
        const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
        return shots.isEmpty() ? QImage() : QImage(folder.filePath(shots.first()));
    }
    ~HeadlessCompositor()
    {
        server.terminate();
        if (!server.waitForFinished(5000)) server.kill(), server.waitForFinished(3000);
    }
};

}  // namespace

TEST(EndToEnd, DemoModelShowsColouredPageAndRegionNames)
{
    const bool ci = !qEnvironmentVariableIsEmpty("CI");
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString import = QStandardPaths::findExecutable(QStringLiteral("import"));
    if ((xvfb.isEmpty() || import.isEmpty()) && !ci) GTEST_SKIP() << "Xvfb or ImageMagick's import is not installed";
    ASSERT_FALSE(xvfb.isEmpty() || import.isEmpty());
    VirtualDisplay display;
    if (!display.start(xvfb) && !ci) GTEST_SKIP() << "no X server could be started";
    ASSERT_FALSE(display.name.isEmpty());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    ExpectProgramShowsDemoModel(env, [&](const QString& reportDir) {
        const QString file = reportDir + QStringLiteral("/shot.png");
        QProcess::execute(import, {QStringLiteral("-display"), display.name, QStringLiteral("-window"),
                                   QStringLiteral("root"), file});
        return std::make_optional(std::make_pair(QImage(file), QPoint()));
    });
}

TEST(EndToEnd, DemoModelShowsOnWayland)
{
    const bool ci = !qEnvironmentVariableIsEmpty("CI");
    const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
    const QString shooter = QStandardPaths::findExecutable(QStringLiteral("weston-screenshooter"));
    const bool plugin = QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath)
                                          + QStringLiteral("/platforms/libqwayland-generic.so"));
    if ((weston.isEmpty() || shooter.isEmpty() || !plugin) && !ci)
        GTEST_SKIP() << "weston or Qt's Wayland platform plugin is not installed";
    ASSERT_FALSE(weston.isEmpty() || shooter.isEmpty() || !plugin);
    HeadlessCompositor compositor;
    ASSERT_TRUE(compositor.start(weston));
    QProcessEnvironment env = compositor.env;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    // Weston places the window where it likes; the program knows its
    // widgets only relative to the window, which it reports at 0, 0.
    ExpectProgramShowsDemoModel(env, [&](const QString& reportDir) -> std::optional<std::pair<QImage, QPoint>> {
        const QImage shot = compositor.screenshot(shooter);
        const auto at = locate(shot, QImage(reportDir + QStringLiteral("/window.png")));
        const auto widgets = readReport(reportDir + QStringLiteral("/window.txt"));
        const auto window = widgets.find(QStringLiteral("frmMain"));
        if (!at || window == widgets.end()) return std::nullopt;
        return std::make_pair(shot, *at - window->second.rect.topLeft());
    });
}
