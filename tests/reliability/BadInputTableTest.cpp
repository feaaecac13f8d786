// Runs every row of tests/data/bad/table.txt: each bad file through its
// reader, checking the one message it must show and the state it must leave.
#include "ColorEditTarget.h"
#include "ColorSetFiles.h"
#include "ColorSets.h"
#include "ColorSwatch.h"
#include "ModelOpening.h"
#include "RKV3CanvasCtl.h"
#include "ScriptedFileChooser.h"
#include "ScriptedMessageBoxes.h"
#include "dlgColor.h"

#include <QDirIterator>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace mdlRKVUtilities;

namespace {

struct NoTarget : ColorEditTarget {
    void setSwatchColor(qint16, qint32) override {}
    void setSwatchTag(qint16, const QString&) override {}
    void setColorName(qint16, const QString&) override {}
};

QString sizeText(const RKV3CanvasCtl& canvas)
{
    return QStringLiteral("page=%1x%2").arg(canvas.CanvasWidth()).arg(canvas.CanvasHeight());
}

// Count of entries from `first` on whose name is no longer "old".
template <class Names> int replaced(const Names& names, int first, int end)
{
    int k = first;
    while (k < end && names[k] != QLatin1String("old")) ++k;
    return k - first;
}

// Runs one reader on path and describes the state it leaves, in the words
// of the table.
QString runReader(const QString& reader, const QString& path, RKV3CanvasCtl& canvas)
{
    if (reader == QLatin1String("palette")) {
        PaletteCount = 5;
        PaletteNames.fill(QStringLiteral("old"));
        LoadPalette(path);
        return QStringLiteral("count=%1 read=%2").arg(PaletteCount).arg(replaced(PaletteNames, 0, PaletteCapacity));
    }
    if (reader == QLatin1String("scheme")) {
        SchemeNames.fill(QStringLiteral("old"));
        LoadScheme(path);
        return QStringLiteral("read=%1").arg(replaced(SchemeNames, 1, SchemeSize));
    }
    if (reader == QLatin1String("color")) {
        NoTarget target;
        const std::unique_ptr<dlgColor> dialog = dlgColor::Prepare(&target, nullptr, 1, 0x030201, -60, "Other");
        Platform::ScriptedFileChooser files;
        files.queueFile(path);
        dialog->findChild<QPushButton*>("cmdLoadColor")->click();
        const bool name = dialog->findChild<QLineEdit*>("txtColorName")->text() != QLatin1String("Other");
        const bool colour = dialog->findChild<ColorSwatch*>("picCurrentColor")->BackColor() != 0x030201;
        return QStringLiteral("name=%1 colour=%2")
            .arg(name ? "changed" : "kept", colour ? "changed" : "kept");
    }
    if (reader == QLatin1String("page")) {
        canvas.LoadRKVImage(path);
        return sizeText(canvas);
    }
    QString manifest = path;
    const bool opened = OpenModel(canvas, manifest);
    return QStringLiteral("open=%1 ").arg(opened ? "true" : "false") + sizeText(canvas);
}

}  // namespace

TEST(BadInputs, EveryRowShowsItsMessageAndKeepsItsState)
{
    QTemporaryDir dir;
    const QString source = qEnvironmentVariable("RKV_TEST_DATA") + QStringLiteral("/bad");
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = dir.filePath(QDir(source).relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).absolutePath());
        ASSERT_TRUE(QFile::copy(from, to));
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("device")));
    {
        QFile longLine(dir.filePath("long-line"));
        ASSERT_TRUE(longLine.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, '7');
        for (int i = 0; i < 200; ++i) ASSERT_EQ(longLine.write(block), block.size());
    }

    QImage start(7, 5, QImage::Format_RGB32);
    start.fill(qRgb(127, 1, 255));
    ASSERT_TRUE(start.save(dir.filePath("start.png")));
    RKV3CanvasCtl canvas;

    QFile table(source + QStringLiteral("/table.txt"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    int rows = 0;
    for (QTextStream in(&table); !in.atEnd();) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList f = line.split(QLatin1Char('|'));
        ASSERT_EQ(f.size(), 4) << line.toStdString();
        SCOPED_TRACE(line.toStdString());
        canvas.LoadRKVImage(dir.filePath("start.png"));
        canvas.RenderRKVPage();
        Platform::ScriptedMessageBoxes boxes;
        EXPECT_EQ(runReader(f[1].trimmed(), dir.filePath(f[0].trimmed()), canvas).toStdString(),
                  f[3].trimmed().toStdString());
        QStringList shown;
        for (const Platform::MessageRequest& box : boxes.shown()) shown.append(box.text);
        EXPECT_EQ(shown.join(" / ").toStdString(), f[2].trimmed() == QLatin1String("-") ? "" : f[2].trimmed().toStdString());
        ++rows;
    }
    EXPECT_GE(rows, 80);
}
