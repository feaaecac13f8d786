#include "exporter/ModelExporter.h"

#include "exporter/ConsoleReport.h"
#include "exporter/ExitStatus.h"
#include "exporter/PageList.h"
#include "print/BitmapFile.h"

#include "model/ApplyScheme.h"
#include "model/ColorSetFiles.h"
#include "model/ModelOpening.h"
#include "model/ProgramState.h"
#include "model/core/ModelState.h"
#include "model/core/PathNames.h"
#include "print/PageJob.h"
#include "print/PrintSheetChoices.h"

#include "platform/PrinterQt.h"
#include "platform/PrinterRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <optional>

namespace util = mdlRKVUtilities;

namespace {

// The print job of a PDF, as the print dialog sets it up.
constexpr int PdfPrinterIndex = 0;
constexpr int QualityNormal = Platform::QualityMedium;
constexpr int OneCopy = 1;

}  // namespace

QStringList PictureNames(const QStringList& pageFiles, const QString& extension)
{
    QStringList names;
    QSet<QString> used;
    for (int i = 0; i < pageFiles.size(); ++i) {
        QString base = QFileInfo(util::FileNameOf(pageFiles[i])).completeBaseName();
        if (base.isEmpty()) base = QStringLiteral("page");
        if (used.contains(base.toLower())) base += QStringLiteral("_%1").arg(i + 1);
        used.insert(base.toLower());
        names.append(base + QLatin1Char('.') + extension);
    }
    return names;
}

ModelExporter::ModelExporter(const ExportOptions& options, ConsoleReport& report)
    : options_(options), report_(report)
{
}

int ModelExporter::run()
{
    if (const int status = openModel(); status != ExitWritten) return status;
    if (options_.thumbnailSize > 0) return writeThumbnail() ? ExitWritten : ExitPageFailed;

    const QList<int> pages = options_.pages.value_or(AllPages(util::Model.PageCount));
    if (const std::optional<int> outside = PageOutsideModel(pages, util::Model.PageCount)) {
        report_.say(QStringLiteral("page %1 is not in the model, which has pages 1 to %2")
                        .arg(*outside)
                        .arg(util::Model.PageCount));
        std::fputs(UsageText().toLocal8Bit().constData(), stderr);
        return ExitUsage;
    }
    const bool written =
        options_.format == ExportOptions::Format::Pdf ? writePdf(pages) : writePictures(pages);
    report_.finish();
    if (refusedChoice_) return ExitUsage;
    return written ? ExitWritten : ExitPageFailed;
}

int ModelExporter::openModel()
{
    if (!options_.scheme.isEmpty() && !util::FileExists(options_.scheme)) {
        report_.say(QStringLiteral("no color scheme file at %1").arg(options_.scheme));
        return ExitNoModel;
    }
    if (!util::FileExists(options_.model)) {
        report_.say(QStringLiteral("no model manifest at %1").arg(options_.model));
        return ExitNoModel;
    }
    // The manifest message has been printed by then.
    if (!util::OpenModelAt(canvas_, QFileInfo(options_.model).absoluteFilePath())) return ExitNoModel;
    if (!options_.scheme.isEmpty()) {
        // As Load Scheme does: what the file holds replaces the model's
        // colours, a fault is printed and the rest keep the model's.
        util::LoadScheme(options_.scheme);
        util::ApplyScheme(canvas_);
    }
    return ExitWritten;
}

bool ModelExporter::loadPage(int page)
{
    const QString path = util::PagePath(page);
    if (util::LoadPage(canvas_, path)) {
        util::Model.CurrentPage = page;
        return true;
    }
    // A missing image fails quietly in the viewer; a page image the canvas
    // could not read has had its message printed.
    report_.say(util::FileExists(path) ? QStringLiteral("page %1: the page image %2 could not be loaded").arg(page).arg(path)
                                 : QStringLiteral("page %1: no page image at %2").arg(page).arg(path));
    return false;
}

bool ModelExporter::writePictures(const QList<int>& pages)
{
    if (!QDir().mkpath(options_.output)) {
        report_.say(QStringLiteral("cannot make the output folder %1").arg(options_.output));
        return false;
    }
    const bool bitmaps = options_.format == ExportOptions::Format::Bmp;
    QStringList files;
    for (const util::PageEntry& entry : util::Model.Pages) files.append(entry.File);
    const QStringList names = PictureNames(files, bitmaps ? QStringLiteral("bmp") : QStringLiteral("png"));

    bool allWritten = true;
    for (int i = 0; i < pages.size(); ++i) {
        const int page = pages[i];
        report_.progress(i + 1, int(pages.size()));
        if (!loadPage(page)) {
            allWritten = false;
            continue;
        }
        // The coloured buffer, as Save Image To Disk writes it.
        const QString path = QDir(options_.output).filePath(names[page - 1]);
        const bool saved = bitmaps ? SaveBitmapFile(canvas_.Picture(), path, util::Model.Resolution)
                                   : SavePngFile(canvas_.Picture(), path, util::Model.Resolution);
        if (!saved) {
            report_.say(QStringLiteral("page %1: %2 could not be written").arg(page).arg(path));
            allWritten = false;
        }
    }
    return allWritten;
}

bool ModelExporter::writeThumbnail()
{
    if (util::Model.PageCount < 1 || !loadPage(1)) return false;
    QImage picture = canvas_.Picture();
    const int size = options_.thumbnailSize;
    const int longer = std::max(picture.width(), picture.height());
    if (longer > size) {
        // The longer side takes the size; the shorter keeps the page's
        // proportion, rounded, and at least one pixel.
        const auto scaled = [&](int side) { return std::max(1, int(std::lround(double(side) * size / longer))); };
        picture = picture.scaled(scaled(picture.width()), scaled(picture.height()), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    }
    // A thumbnail has no print size: no resolution is stored.
    if (SavePngFile(picture, options_.output, 0)) return true;
    report_.say(QStringLiteral("the thumbnail %1 could not be written").arg(options_.output));
    return false;
}

std::optional<QString> ModelExporter::unwritablePdf(const QString& target) const
{
    if (QFileInfo(target).isDir()) return QString::fromLocal8Bit(std::strerror(EISDIR));
    // The PDF is written beside its target first: the folder must take a
    // new file.
    QTemporaryFile probe(QFileInfo(target).absolutePath() + QStringLiteral("/.rkv3export-XXXXXX"));
    if (!probe.open()) return probe.errorString();
    return std::nullopt;
}

bool ModelExporter::writePdf(const QList<int>& pages)
{
    const QString target = QFileInfo(options_.output).absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        report_.say(QStringLiteral("cannot make the folder of %1").arg(options_.output));
        return false;
    }
    if (const std::optional<QString> reason = unwritablePdf(target)) {
        report_.say(QStringLiteral("cannot write %1: %2").arg(options_.output, *reason));
        return false;
    }
    // The PDF printer alone: the system's printers are never asked for.
    const auto pdf = std::make_shared<Platform::PdfFilePrinter>();
    Platform::PrinterRegistry::install({{pdf}, Platform::PdfFilePrinter::Name});
    pdf->setOutputFileName(target);

    // The print job of the print dialog's Print All Pages, with the options'
    // paper, layout and offsets.
    PrintSettings job;
    job.PrinterIndex = PdfPrinterIndex;
    job.QualityCode = QualityNormal;
    job.CopyCount = OneCopy;
    job.PaperCode = options_.paperCode;
    job.TileMode = options_.tileMode;
    job.HOffset = options_.hOffset;
    job.VOffset = options_.vOffset;
    job.Overlap = options_.overlap;
    job.FitToSheet = options_.fit;
    job.ScaleBar = options_.scaleBar;
    if (job.TileMode == SplitTileMode) {
        // The overlap is checked against the sheet before anything is
        // written, as the print dialog does.
        ApplyPrinterSettings(job, *pdf);
        MeasurePrinter(job, *pdf);
        const SplitPlan plan = SplitOf(job, 1, 1, util::Model.Resolution);
        if (const std::optional<QString> refusal = SplitRefusalText(plan, util::Model.Resolution, job.PaperCode)) {
            report_.say(*refusal);
            refusedChoice_ = true;
            return false;
        }
    }
    int step = 0;
    const PrintedPages result = PrintModelPages(canvas_, job, pages, [&](int page) {
        report_.progress(++step, int(pages.size()));
        return loadPage(page);
    });
    for (const int page : result.notPrinted)
        report_.say(QStringLiteral("page %1 could not be printed to %2").arg(page).arg(options_.output));
    return result.printed.size() == pages.size();
}
