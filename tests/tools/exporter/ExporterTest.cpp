// rkv3export, run as the real binary on models written here, its outputs
// checked against the canvas's own render and, for PDFs, with poppler.
#include "../../viewer/print/PopplerTools.h"
#include "support/ColoringRule.h"
#include "support/PageImages.h"

#include "model/core/ColorRecord.h"
#include "model/core/ColorSetFormats.h"
#include "model/core/Manifest.h"
#include "platform/ProgramInfo.h"
#include "platform/testing/ScriptedMessageBoxes.h"
#include "print/PrintTexts.h"
#include "view/RKV3CanvasCtl.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace util = mdlRKVUtilities;
using namespace Qt::StringLiterals;

namespace {

struct ExportRun {
    int status = -1;
    QString errors;
    QString output;
};

ExportRun runExport(const QStringList& arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("RKV_PROGRAM_DIR") + u"/rkv3export"_s, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}

// A scheme colour of its own for every region, shifted by `shift`.
util::ColorRecord regionColor(int region, int shift)
{
    return util::ColorRecord{quint8(region + shift), quint8(255 - region), quint8((region * 7 + shift) & 0xFF), -127};
}

// A page of the model as it should come out, coloured here by the rule with
// the model's scheme (the paper white).
QImage coloredPage(const QImage& page)
{
    return ColorByRule(page, [](int region) {
        if (region == 0) return RegionColor{255, 255, 255, 0};
        const util::ColorRecord c = regionColor(region, 0);
        return RegionColor{c.Red, c.Green, c.Blue, c.Offset};
    });
}

class ExporterTest : public ::testing::Test {
protected:
    // Model.RKV3: page p (width + p) x (height + 4 (p - 1)) pixels of a
    // pattern of its own (pageImage), titled "Hull p", with the files given
    // (p1.png, ... by default) and the scheme Model.RKS3 of regionColor(r, 0).
    QString writeModel(int pages, int resolution, QSize size = {60, 40}, QStringList files = {})
    {
        util::ModelState model;
        model.Resolution = resolution;
        model.SchemeFile = u"Model.RKS3"_s;
        pageSize = size;
        for (int page = 1; page <= pages; ++page) {
            const QString file = files.value(page - 1, u"p%1.png"_s.arg(page));
            QDir(dir.path()).mkpath(QFileInfo(out(file)).path());
            pageImage(page).save(out(file));
            model.Pages.append({file, u"Hull %1"_s.arg(page)});
        }
        writeScheme(u"Model.RKS3"_s, 0);
        EXPECT_TRUE(util::SaveManifest(out(u"Model.RKV3"_s), model));
        return out(u"Model.RKV3"_s);
    }
    // A scheme file of regionColor(r, shift), cut to its first `lines` lines.
    void writeScheme(const QString& name, int shift, int lines = 255)
    {
        std::array<util::ColorRecord, util::SchemeSize> colors{};
        std::array<QString, util::SchemeSize> names{};
        for (int r = 1; r < util::SchemeSize; ++r) colors[r] = regionColor(r, shift);
        ASSERT_TRUE(util::WriteSchemeFile(out(name), colors, names));
        QFile file(out(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QList<QByteArray> all = file.readAll().split('\n');
        file.resize(0);
        file.write(all.mid(0, lines).join('\n') + '\n');
    }
    QString out(const QString& name) const { return dir.filePath(name); }
    QImage pageImage(int page) const
    {
        return PatternPage(pageSize.width() + page, pageSize.height() + 4 * (page - 1), page);
    }

    QTemporaryDir dir;
    QSize pageSize;
    Platform::ScriptedMessageBoxes boxes;
};

TEST_F(ExporterTest, PicturesAreEachPageColoredAtTheModelsResolution)
{
    // Page 2's name, once its folder is dropped, is page 1's but for case.
    const QString manifest = writeModel(2, 100, {60, 40}, {u"p1.png"_s, u"sub/P1.png"_s});
    // No progress line when standard error is not a terminal, nor with -q.
    const ExportRun bmp = runExport({manifest, u"-o"_s, out(u"new/bmp"_s), u"-f"_s, u"BMP"_s});
    EXPECT_EQ(std::pair(bmp.status, bmp.errors), std::pair(0, QString()));
    const ExportRun png = runExport({u"-q"_s, u"--output"_s, out(u"png"_s), manifest});
    EXPECT_EQ(std::pair(png.status, png.errors), std::pair(0, QString()));

    // 100 pixels per inch is 3937 per metre, in both formats.
    for (int page = 1; page <= 2; ++page) {
        const QString name = page == 1 ? u"p1.%1"_s : u"P1_2.%1"_s;
        for (const QString& file : {u"new/bmp/"_s + name.arg(u"bmp"_s), u"png/"_s + name.arg(u"png"_s)}) {
            const QImage written(out(file));
            EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), coloredPage(pageImage(page))) << file.toStdString();
            EXPECT_EQ(std::pair(written.dotsPerMeterX(), written.dotsPerMeterY()), std::pair(3937, 3937));
        }
    }
}

TEST_F(ExporterTest, ProgressShowsOnATerminalUnlessQuiet)
{
    // script(1) gives the run a terminal and copies what it writes there.
    const QString command = qEnvironmentVariable("RKV_PROGRAM_DIR") + u"/rkv3export "_s + writeModel(2, 100) + u" -o "_s;
    QProcess terminal;
    terminal.start(u"script"_s, {u"-qec"_s, command + out(u"a"_s), u"/dev/null"_s});
    ASSERT_TRUE(terminal.waitForFinished(60000));
    EXPECT_TRUE(terminal.readAllStandardOutput().contains("page 2 of 2 ["));
    terminal.start(u"script"_s, {u"-qec"_s, command + out(u"b"_s) + u" -q"_s, u"/dev/null"_s});
    ASSERT_TRUE(terminal.waitForFinished(60000));
    EXPECT_EQ(std::pair(terminal.exitCode(), terminal.readAllStandardOutput()), std::pair(0, QByteArray()));
}

TEST_F(ExporterTest, EverySheetHoldsItsOwnPageTiledAtItsResolutionWithItsHeader)
{
    // Page p is (300 + p) x (200 + 4 (p - 1)) pixels at 100 ppi, about 3 x 2
    // in: Letter with 0.25 in insets takes 2 across and 4 or 5 down, A4 with
    // one inch insets 2 x 4.
    const QString manifest = writeModel(3, 100, {300, 200});
    const QString pdf = out(u"sheets/model.PDF"_s);
    // Each sheet holds copies of its own page only, coloured, as many as fit.
    const auto expectSheets = [&](const QList<int>& pages, double areaWidth, double areaHeight) {
        EXPECT_EQ(poppler::pageCount(pdf), pages.size());
        const QString images = out(u"images%1"_s.arg(pages.size()));
        QDir().mkpath(images);
        const QList<std::pair<int, QImage>> placed = poppler::sheetImages(pdf, images);
        for (int sheet = 1; sheet <= pages.size(); ++sheet) {
            const QImage expected = coloredPage(pageImage(pages[sheet - 1]));
            const int fit = int(areaWidth * 100 / expected.width()) * int(areaHeight * 100 / expected.height());
            const auto copies = std::count_if(placed.begin(), placed.end(), [&](const auto& p) { return p.first == sheet; });
            EXPECT_EQ(copies, fit) << "sheet " << sheet;
            for (const auto& [on, picture] : placed)
                if (on == sheet) {
                    EXPECT_EQ(picture, expected) << "sheet " << sheet;
                }
        }
    };
    ASSERT_EQ(runExport({manifest, u"-o"_s, pdf}).status, 0);
    expectSheets({1, 2, 3}, 8.0, 10.0);
    EXPECT_EQ(poppler::title(pdf), "Model");
    const QList<poppler::PlacedImage> placed = poppler::images(pdf);
    EXPECT_EQ(std::tuple(placed[0].width, placed[0].xPpi, placed.last().height), std::tuple(301, 100, 208));
    const QString text = poppler::text(pdf);
    for (const QString& line : {u"Hull 2 (Page 2 of 3)"_s, PublisherCredit, CopyrightNotice})
        EXPECT_TRUE(text.contains(line)) << text.toStdString();

    ASSERT_EQ(runExport({manifest, u"-o"_s, pdf, u"-p"_s, u"2,3"_s}).status, 0);
    expectSheets({2, 3}, 8.0, 10.0);

    ASSERT_EQ(runExport({manifest, u"-o"_s, pdf, u"--paper"_s, u"a4"_s, u"--offset"_s, u"1,0.75"_s, u"-p"_s, u"2"_s})
                  .status,
              0);
    EXPECT_TRUE(poppler::run(u"pdfinfo"_s, {pdf}).value_or(QString()).contains(u"(A4)"_s));
    expectSheets({2}, 210 / 25.4 - 2, 297 / 25.4 - 2 * 0.75 - 0.5);
    EXPECT_TRUE(poppler::text(pdf).contains(u"Hull 2 (Page 2 of 3)"_s));
    EXPECT_EQ(poppler::title(pdf), "Model - Hull 2 (Page 2 of 3)");

    ASSERT_EQ(runExport({manifest, u"-o"_s, pdf, u"--layout"_s, u"center"_s}).status, 0);
    EXPECT_EQ(poppler::images(pdf).size(), 3);
    // A page that fits is one part; the scale bar is labelled in the text.
    ASSERT_EQ(runExport({manifest, u"-o"_s, pdf, u"--layout"_s, u"split"_s, u"--scale-bar"_s, u"-p"_s, u"3"_s}).status, 0);
    expectSheets({3}, 3.03, 2.08);
    for (const QString& line : {u"Part: row 1 of 1, column 1 of 1"_s, u"50 mm"_s, u"2 in"_s})
        EXPECT_TRUE(poppler::text(pdf).contains(line)) << line.toStdString();
}

TEST_F(ExporterTest, ExitStatusSaysWhatWentWrong)
{
    const QString manifest = writeModel(2, 100);
    const QString folder = out(u"o"_s);
    const ExportRun version = runExport({u"-V"_s});
    EXPECT_EQ(std::pair(version.status, version.output),
              std::pair(0, u"rkv3export "_s + Platform::programVersionText() + u"\n"_s));

    for (const QStringList& usage :
         {QStringList{manifest}, {manifest, u"-o"_s}, {u"-o"_s, folder}, {manifest, u"-o"_s, folder, u"-f"_s, u"tif"_s},
          {manifest, u"-o"_s, folder, u"-p"_s, u"2-1"_s}, {manifest, u"-o"_s, folder, u"-p"_s, u"1,3"_s},
          {manifest, u"-o"_s, folder, u"--offset"_s, u"1"_s}, {u"--thumbnail"_s, u"0"_s, manifest, folder},
          {u"--thumbnail"_s, u"64"_s, manifest}, {u"--thumbnail"_s, u"64"_s, manifest, folder, u"-p"_s, u"1"_s},
          {manifest, u"-o"_s, folder, u"--overlap"_s, u"10"_s}, {manifest, u"-o"_s, folder, u"--fit"_s},
          {manifest, u"-o"_s, folder, u"--layout"_s, u"poster"_s}}) {
        const ExportRun run = runExport(usage);
        EXPECT_EQ(run.status, 1) << usage.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.contains(u"Usage: rkv3export"_s)) << run.errors.toStdString();
    }
    EXPECT_FALSE(QDir(folder).exists());
    // Letter less 0.25 in insets leaves parts of 8 x 10 in.
    const ExportRun tooLong =
        runExport({manifest, u"-o"_s, out(u"s.pdf"_s), u"--layout"_s, u"split"_s, u"--overlap"_s, u"203.2mm"_s});
    EXPECT_EQ(std::pair(tooLong.status, tooLong.errors),
              std::pair(1, u"rkv3export: The overlap (8.00 in) must be shorter than a part (8.00 in).\n"_s));
    EXPECT_FALSE(QFile::exists(out(u"s.pdf"_s)));

    QFile bad(out(u"Bad.RKV3"_s));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("100\r\n\r\n3\r\np1.png;One\r\n");
    bad.close();
    EXPECT_EQ(runExport({bad.fileName(), u"-o"_s, folder}).errors,
              u"Model load failed due to invalid RKV3 manifest file.\n"_s);
    for (const QStringList& unopened : {QStringList{bad.fileName(), u"-o"_s, folder},
                                        {out(u"None.RKV3"_s), u"-o"_s, folder},
                                        {manifest, u"-o"_s, folder, u"-s"_s, out(u"none.RKS3"_s)}})
        EXPECT_EQ(runExport(unopened).status, 2) << unopened.join(u' ').toStdString();
}

TEST_F(ExporterTest, PagesThatFailAreNamedAndTheOthersWritten)
{
    // Page 2 (its name and folder hold terminal controls) is missing, page 3 no picture; 1 and 4 are fine.
    const QString hostile = u"p2\x1b[1A\x1b[2K\b\x7f\u009b.png"_s;
    writeModel(4, 100, {60, 40}, {u"p1.png"_s, hostile, u"p3.png"_s, u"p4.png"_s});
    QFile::remove(out(hostile));
    ASSERT_TRUE(QFile::link(dir.path(), out(u"m\r"_s)));
    const QString manifest = out(u"m\r/Model.RKV3"_s);
    QFile text(out(u"p3.png"_s));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();

    const ExportRun pictures = runExport({manifest, u"-o"_s, out(u"png"_s)});
    EXPECT_EQ(pictures.status, 3);
    EXPECT_EQ(QDir(out(u"png"_s)).entryList(QDir::Files), (QStringList{u"p1.png"_s, u"p4.png"_s}));
    EXPECT_TRUE(pictures.errors.contains(u"image at "_s + out(u"m\\x0d/p2\\x1b[1A\\x1b[2K\\x08\\x7f\\x9b.png\n"_s)))
        << pictures.errors.toStdString();
    EXPECT_TRUE(pictures.errors.contains(u"Error Loading Bytemaps\nrkv3export: page 3:"_s));

    // The last page that loads ends the job, whichever pages fail after it.
    const QString pdf = out(u"m.pdf"_s);
    EXPECT_EQ(runExport({manifest, u"-o"_s, pdf, u"-p"_s, u"1-3"_s, u"--layout"_s, u"center"_s}).status, 3);
    EXPECT_EQ(poppler::pageCount(pdf), 1);
    EXPECT_EQ(runExport({manifest, u"-o"_s, pdf, u"-q"_s}).status, 3);
    EXPECT_EQ(poppler::pageCount(pdf), 2);
    EXPECT_TRUE(poppler::text(pdf).contains(u"Hull 4 (Page 4 of 4)"_s));

    // A PDF that cannot be written at all is one message with the reason.
    const ExportRun folder = runExport({manifest, u"-q"_s, u"-f"_s, u"pdf"_s, u"-o"_s, out(u"png"_s)});
    EXPECT_EQ(std::pair(folder.status, folder.errors),
              std::pair(3, u"rkv3export: cannot write %1: %2\n"_s.arg(out(u"png"_s), QString::fromLocal8Bit(std::strerror(EISDIR)))));
}

TEST_F(ExporterTest, FullDiskKeepsTheOldPdfAndPictureAndFails)
{
    // A file-size limit of one block stands in for a full disk; the shell
    // ignores the limit's signal, so the write fails instead of the process.
    const QString manifest = writeModel(1, 100, {400, 300});
    const QByteArray old = "the old file, as it was";
    QDir(dir.path()).mkpath(u"png"_s);
    for (const QString& name : {u"old.pdf"_s, u"png/p1.png"_s}) {
        QFile file(out(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    const QString exporter = qEnvironmentVariable("RKV_PROGRAM_DIR") + u"/rkv3export"_s;
    for (const QString& target : {u"old.pdf"_s, u"png"_s}) {
        QProcess process;
        process.start(u"bash"_s, {u"-c"_s, u"trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\""_s, exporter,
                                   manifest, u"-q"_s, u"-o"_s, out(target)});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << qPrintable(target);
        EXPECT_EQ(process.exitCode(), 3) << qPrintable(target);
    }
    for (const QString& name : {u"old.pdf"_s, u"png/p1.png"_s}) {
        QFile file(out(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == old) << qPrintable(name);
    }
}

// Links planted in a shared output folder are replaced, never followed: at a
// picture's name (to a victim, dangling) and at the PDF's old part name.
TEST_F(ExporterTest, PlantedLinksInTheOutputFolderAreReplacedNotFollowed)
{
    const QString manifest = writeModel(2, 100, {300, 200});
    const QByteArray secret = "the victim's own bytes";
    QFile victim(out(u"victim"_s));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly) && victim.write(secret) == secret.size());
    victim.close();
    QDir(dir.path()).mkpath(u"png"_s);
    ASSERT_TRUE(QFile::link(out(u"victim"_s), out(u"png/p1.png"_s)) && QFile::link(out(u"gone"_s), out(u"png/p2.png"_s))
                && QFile::link(out(u"victim"_s), out(u"m.pdf.part"_s)));
    EXPECT_EQ(runExport({manifest, u"-q"_s, u"-o"_s, out(u"png"_s)}).status, 0);
    EXPECT_EQ(runExport({manifest, u"-q"_s, u"-o"_s, out(u"m.pdf"_s)}).status, 0);
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), secret);
    EXPECT_FALSE(QFileInfo::exists(out(u"gone"_s)));
    for (const QString& name : {u"png/p1.png"_s, u"png/p2.png"_s, u"m.pdf"_s})
        EXPECT_TRUE(QFileInfo(out(name)).isFile() && !QFileInfo(out(name)).isSymLink()) << qPrintable(name);
    EXPECT_EQ(QImage(out(u"png/p2.png"_s)).size(), QSize(300 + 2, 200 + 4));  // page 2 of the model
    EXPECT_EQ(poppler::pageCount(out(u"m.pdf"_s)), 2);
}

// The installed thumbnailer's Exec line run as a file manager runs it (paths with blanks, a URI).
TEST_F(ExporterTest, InstalledThumbnailerWritesPageOneColoredWithinTheSize)
{
    QTemporaryDir prefix;
    ASSERT_EQ(QProcess::execute(RKV_CMAKE_COMMAND, {u"--install"_s, RKV_BUILD_DIR, u"--prefix"_s, prefix.path()}), 0);
    const QSettings entry(prefix.filePath(u"share/thumbnailers/rkvviewer3.thumbnailer"_s), QSettings::IniFormat);
    const QStringList exec = entry.value(u"Thumbnailer Entry/Exec"_s).toString().split(u' ');
    ASSERT_TRUE(QFile::link(dir.path(), out(u"my models"_s)));
    const QString model = out(u"my models/Model.RKV3"_s), output = out(u"my models/thumb nail.png"_s);
    const auto thumbnail = [&](int size, const QString& input) {
        QStringList words = exec.mid(1).replaceInStrings(u"%s"_s, QString::number(size)).replaceInStrings(u"%o"_s, output);
        return QProcess::execute(prefix.filePath(u"bin/"_s + exec.value(0)), words.replaceInStrings(u"%i"_s, input));
    };
    for (const auto& [size, page, uri] : {std::tuple(32, QSize(60, 40), false), {25, {30, 70}, true}, {256, {60, 40}, false}}) {
        writeModel(2, 100, page);
        ASSERT_EQ(thumbnail(size, uri ? QUrl::fromLocalFile(model).toString() : model), 0) << size;
        const QImage colored = coloredPage(pageImage(1));
        const double scale = std::min(1.0, double(size) / std::max(colored.width(), colored.height()));
        const QImage expected = colored.scaled((QSizeF(colored.size()) * scale).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(QImage(output).convertToFormat(QImage::Format_RGB32), expected) << size;
    }
    QFile::remove(output), QFile::remove(out(u"p1.png"_s));  // a first page missing, and a picture for a model
    for (const QString& broken : {model, out(u"my models/p2.png"_s)})
        EXPECT_TRUE(thumbnail(64, broken) != 0 && !QFile::exists(output)) << broken.toStdString();
}

TEST_F(ExporterTest, ShortSchemeReplacesWhatItHoldsAndRegion255KeepsTheModelsColor)
{
    const QString manifest = writeModel(1, 100, {300, 60});
    writeScheme(u"Short.RKS3"_s, 40, 254);
    const ExportRun run = runExport({manifest, u"-o"_s, out(u"png"_s), u"--scheme"_s, out(u"Short.RKS3"_s)});
    EXPECT_EQ(std::pair(run.status, run.errors), std::pair(0, u"Error loading color scheme.\n"_s));

    RKV3CanvasCtl canvas;
    for (int r = 1; r < util::SchemeSize; ++r) {
        const util::ColorRecord color = regionColor(r, r == 255 ? 0 : 40);
        canvas.UpdatePaletteColor(short(r), util::ColorValueOf(color), color.Offset);
    }
    canvas.LoadRKVImage(out(u"p1.png"_s));
    ASSERT_TRUE(canvas.RenderRKVPage());
    EXPECT_EQ(QImage(out(u"png/p1.png"_s)).convertToFormat(QImage::Format_RGB32), canvas.Picture());
}

}  // namespace
