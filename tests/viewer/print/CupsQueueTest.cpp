// A two-page job through the system's printing service: a CUPS queue with
// the cups-pdf back end, whose PDF is read back with poppler. `./rkv test`
// sets the queue up when it runs as root.
#include "PopplerTools.h"
#include "PrintFixture.h"
#include "platform/PrinterRegistry.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

namespace {

// Where cups-pdf writes a job of the current user: the Out folder of its
// configuration, ${HOME} standing for the user's home.
QString cupsPdfFolder()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!conf.atEnd()) {
            const QString entry = QString::fromLocal8Bit(conf.readLine()).trimmed();
            if (entry.startsWith(QLatin1String("Out "))) out = entry.mid(4).trimmed();
        }
    }
    const passwd* user = getpwuid(getuid());
    return out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user ? user->pw_dir : ""));
}

QStringList pdfsIn(const QString& folder) { return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

}  // namespace

class CupsQueueTest : public PrintFixture {};

TEST_F(CupsQueueTest, TwoPageJobThroughACupsPdfQueue)
{
    const bool ci = !qEnvironmentVariableIsEmpty("CI");
    if (getuid() != 0 && !ci) GTEST_SKIP() << "no CUPS queue: setting one up needs root (run ./rkv test as root)";
    // The system's own printer list, read afresh, with the queue ./rkv test adds.
    const Platform::PrinterRegistry::Installed previous = Platform::PrinterRegistry::install({});
    int index = -1;
    for (int i = 0; i < Platform::PrinterRegistry::count(); ++i)
        if (Platform::PrinterRegistry::printer(i)->DeviceName() == QLatin1String("RKV-PDF")) index = i;
    if (index < 0 && !ci) GTEST_SKIP() << "no cups-pdf queue RKV-PDF on this machine (./rkv test adds it as root)";
    ASSERT_GE(index, 0) << "no cups-pdf queue RKV-PDF: ./rkv test should have added it";

    const QString folder = cupsPdfFolder();
    const QStringList before = pdfsIn(folder);
    showPage(450, 300);  // 3 x 2 in at 150 ppi
    // A header of this run's own, so another job's PDF is never taken for it.
    const QString header = QStringLiteral("Queue Test %1").arg(QDateTime::currentMSecsSinceEpoch());
    canvas->setHeaderText(header);
    EXPECT_TRUE(canvas->PrintImage(index, 150, -3, 1, 1, 1, 0.25f, 0.25f, 1));
    EXPECT_TRUE(canvas->PrintImage(index, 150, -3, 1, 1, 1, 0.25f, 0.25f, 3));
    EXPECT_EQ(boxes.count(), 0);

    // The queue writes its PDF once the job has gone through the filters.
    QString pdf;
    for (QDeadlineTimer deadline(60000); pdf.isEmpty() && !deadline.hasExpired(); QThread::msleep(250)) {
        for (const QString& name : pdfsIn(folder))
            if (!before.contains(name) && poppler::text(QDir(folder).filePath(name)).contains(header))
                pdf = QDir(folder).filePath(name);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "no new PDF with the header in " << folder.toStdString();
    EXPECT_EQ(poppler::pageCount(pdf), 2);
    const QList<poppler::PlacedImage> placed = poppler::images(pdf);
    ASSERT_EQ(placed.size(), 2);
    for (const poppler::PlacedImage& image : placed) EXPECT_EQ(std::pair(image.width, image.xPpi), std::pair(450, 150));
    if (!HasFailure()) QFile::remove(pdf);
    Platform::PrinterRegistry::install(previous);
}
