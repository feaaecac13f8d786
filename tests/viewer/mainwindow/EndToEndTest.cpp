// The real program on the demo model under a virtual X server: the window
// shows coloured page pixels and the model's region names.
#include "CottageRegions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <functional>
#include <map>

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

    const QDir programDir(qEnvironmentVariable("RKV_PROGRAM_DIR"));
    QTemporaryDir work;
    const QString reportDir = work.filePath(QStringLiteral("report"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), work.path());
    env.insert(QStringLiteral("RKV_WINDOW_REPORT"), reportDir);
    QProcess viewer;
    viewer.setProcessEnvironment(env);
    viewer.start(programDir.filePath(QStringLiteral("RKVViewer3")),
                 {programDir.filePath(QStringLiteral("models/Cottage/Cottage.RKV3"))});
    ASSERT_TRUE(viewer.waitForStarted(5000));
    const QString reportFile = reportDir + QStringLiteral("/window.txt");
    const bool reported = waitFor([&] { return QFileInfo::exists(reportFile); }, 30000);
    const QString shotFile = work.filePath(QStringLiteral("shot.png"));
    QProcess::execute(import, {QStringLiteral("-display"), display.name, QStringLiteral("-window"),
                               QStringLiteral("root"), shotFile});
    viewer.kill();
    viewer.waitForFinished(3000);
    ASSERT_TRUE(reported) << viewer.readAllStandardError().toStdString();

    const QImage shot(shotFile);
    ASSERT_FALSE(shot.isNull());
    const auto widgets = readReport(reportFile);
    ASSERT_TRUE(widgets.count(QStringLiteral("RKVCanvas")) == 1 && widgets.count(QStringLiteral("picRegions")) == 1);
    const QRect canvas = widgets.find(QStringLiteral("RKVCanvas"))->second.rect;
    EXPECT_GT(countPixels(shot, canvas, coloured), canvas.width() * canvas.height() / 10) << "page pixels in colour";

    // The labels inside the list's viewport show the first regions' names.
    const QRect viewport = widgets.find(QStringLiteral("picRegions"))->second.rect;
    const QStringList names = CottageRegionNames();
    QStringList shown;
    auto labels = widgets.equal_range(QStringLiteral("lblRegionName"));
    for (auto it = labels.first; it != labels.second; ++it) {
        if (!viewport.contains(it->second.rect)) continue;
        shown << it->second.text;
        EXPECT_GT(countPixels(shot, it->second.rect, dark), 10) << it->second.text.toStdString();
    }
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown, names.mid(0, shown.size()));
}
