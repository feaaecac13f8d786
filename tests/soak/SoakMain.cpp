// rkv_soak: drives the real main window offscreen through random actions and
// checks after each one what must always hold (see SoakChecks.h). Seeded and
// replayable:
//   rkv_soak [--seed N] [--actions N] [--seconds N] [--only A,B,...] [--trace]
// Each action draws from a random source of its own (the seed and its
// number), so a list of action numbers replays alone. On a failure the soak
// prints the seed, the failing action and the shortest list of actions it
// found that still fails, and exits with status 1.
#include "SoakDriver.h"
#include "SoakWorld.h"
#include "mainwindow/frmMain.h"
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <limits>
#include <cstdio>
#include <memory>

namespace {

// --trace prints every action as it is done.
bool trace = false;

struct Outcome {
    int failedAt = -1;  // index into the list, -1 when every action passed
    QString finding;
    QStringList done;   // what each action did
};

// One run from a fresh program state on fresh files: the listed actions, or
// when none are listed actions 1 to count; no more than the time allows when
// `seconds` is positive.
Outcome Run(quint64 seed, const QList<int>& actions, int count, double seconds, int* ran = nullptr)
{
    mdlRKVUtilities::ResetProgramState();
    Soak::World world;
    const QString previous = Platform::SettingsStore::setFolder(world.settingsFolder());
    Outcome outcome;
    {
        frmMain window;
        window.show();
        Soak::Driver driver(world, window);
        QElapsedTimer clock;
        clock.start();
        const int total = actions.isEmpty() ? count : int(actions.size());
        for (int i = 0; i < total; ++i) {
            if (seconds > 0 && clock.elapsed() > seconds * 1000) break;
            const int number = actions.isEmpty() ? i + 1 : actions[i];
            outcome.done << QStringLiteral("%1: %2").arg(number).arg(driver.Perform(seed, number));
            if (trace) std::printf("  %s\n", qPrintable(outcome.done.last()));
            if (ran) *ran = i + 1;
            const QString finding = driver.Check();
            if (!finding.isEmpty()) {
                outcome.failedAt = i;
                outcome.finding = finding;
                break;
            }
        }
        driver.CloseWindow();
    }
    Platform::SettingsStore::setFolder(previous);
    return outcome;
}

// Two findings of the same rule: the same words, whatever the numbers.
bool SameKind(QString a, QString b)
{
    static const QRegularExpression numbers(QStringLiteral("[0-9a-f]*[0-9][0-9a-f]*"));
    return a.remove(numbers).left(40) == b.remove(numbers).left(40);
}

// Shortens a failing list: drops ever smaller chunks while the run still
// fails, within a bounded number of runs.
QList<int> Shorten(quint64 seed, QList<int> failing, const QString& finding)
{
    int runs = 0;
    for (int chunk = std::max(int(failing.size()) / 2, 1); chunk >= 1 && runs < 400; chunk /= 2) {
        for (int start = int(failing.size()) - 1 - chunk; start >= 0 && runs < 400; start -= chunk) {
            QList<int> shorter = failing;
            shorter.remove(start, chunk);
            ++runs;
            const Outcome o = Run(seed, shorter, 0, 0);
            if (o.failedAt >= 0 && SameKind(o.finding, finding)) failing = shorter.mid(0, o.failedAt + 1);
        }
        if (chunk == 1) break;
    }
    return failing;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    // A full disk is a file-size limit: a write past it fails instead of
    // ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);

    quint64 seed = quint64(std::chrono::system_clock::now().time_since_epoch().count()) % 1000000007u;
    int count = -1;
    double seconds = 0;
    QList<int> only;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString value = args.value(i + 1);
        if (args[i] == QLatin1String("--seed")) seed = value.toULongLong(), ++i;
        else if (args[i] == QLatin1String("--actions")) count = value.toInt(), ++i;
        else if (args[i] == QLatin1String("--seconds")) seconds = value.toDouble(), ++i;
        else if (args[i] == QLatin1String("--trace")) trace = true;
        else if (args[i] == QLatin1String("--only")) {
            for (const QString& n : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) only << n.toInt();
            ++i;
        } else {
            std::fprintf(stderr, "usage: rkv_soak [--seed N] [--actions N] [--seconds N] [--only A,B,...] [--trace]\n");
            return 2;
        }
    }
    if (count < 0) count = seconds > 0 ? std::numeric_limits<int>::max() : 2000;
    std::printf("rkv_soak --seed %llu\n", static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    int ran = 0;
    const Outcome outcome = Run(seed, only, count, seconds, &ran);
    if (outcome.failedAt < 0) {
        std::printf("%d actions, every check held\n", ran);
        return 0;
    }
    std::printf("FAILED at action %s\n  %s\n", qPrintable(outcome.done.last()), qPrintable(outcome.finding));
    QList<int> failing = only.mid(0, outcome.failedAt + 1);
    for (int n = 1; only.isEmpty() && n <= outcome.failedAt + 1; ++n) failing << n;
    const QList<int> shortest = Shorten(seed, failing, outcome.finding);
    const Outcome again = Run(seed, shortest, 0, 0);
    QStringList numbers;
    for (int n : shortest) numbers << QString::number(n);
    std::printf("replay: rkv_soak --seed %llu --only %s\n", static_cast<unsigned long long>(seed),
                qPrintable(numbers.join(QLatin1Char(','))));
    for (const QString& line : again.done) std::printf("  %s\n", qPrintable(line));
    std::printf("  -> %s\n", qPrintable(again.finding));
    return 1;
}
