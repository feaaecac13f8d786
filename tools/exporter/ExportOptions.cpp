#include "exporter/ExportOptions.h"

#include "exporter/ExitStatus.h"
#include "exporter/PageList.h"
#include "platform/ProgramInfo.h"
#include "print/PrintSheetChoices.h"

#include <QCommandLineParser>
#include <QUrl>
#include <cmath>

namespace {

const QString ToolName = QStringLiteral("rkv3export");

// The largest thumbnail a file manager asks for is 1024 pixels; a little
// room above that, and nothing that would take an unbounded picture.
constexpr int LargestThumbnail = 4096;

// The options in the order the help lists them.
QCommandLineOption makeOption(const QStringList& names, const char* description, const char* value = nullptr)
{
    return QCommandLineOption(names, QString::fromLatin1(description), QString::fromLatin1(value));
}

QList<QCommandLineOption> optionList()
{
    return {
        makeOption({"o", "output"}, "A folder for bmp and png (one file per page, created when missing), "
                   "a file for pdf. Required.", "PATH"),
        makeOption({"f", "format"}, "bmp, png or pdf. Default: pdf when PATH ends in .pdf (any case), "
                   "else png.", "FMT"),
        makeOption({"s", "scheme"}, "A color scheme (.RKS3) to use instead of the model's own; it is "
                   "loaded after the model's own scheme.", "FILE"),
        makeOption({"p", "pages"}, "The pages to export, numbered from 1, like 1,3-5. Default: all.", "LIST"),
        makeOption({"paper"}, "letter or a4 (pdf). Default: letter.", "NAME"),
        makeOption({"layout"}, "tile (as many copies as fit on the sheet), center (one copy, centered) "
                   "or split (each page at its true size cut into overlapping parts, one part per sheet, "
                   "with trim marks) (pdf). Default: tile.", "MODE"),
        makeOption({"overlap"}, "How much neighboring parts of a split page share: a number followed by mm "
                   "or in, like 10mm or 0.4in; it must be shorter than a part (pdf). Default: 10mm.",
                   "LENGTH"),
        makeOption({"fit"}, "With --layout center: scale a page larger than the sheet down to fit it, "
                   "keeping its proportions; the header gives the percentage (pdf)."),
        makeOption({"scale-bar"}, "Draw a 50 mm and a 2 in bar in the footer of every sheet, to check "
                   "that the printer did not scale the sheet (pdf)."),
        makeOption({"offset"}, "Horizontal and vertical insets in inches (pdf). Default: 0.25,0.25.", "H,V"),
        makeOption({"q", "quiet"}, "No progress output."),
        makeOption({"thumbnail"}, "Write only page 1, colored, as a PNG at most SIZE pixels on its longer "
                   "side, to OUTPUT, given after the model (as a file manager's thumbnailer runs it). "
                   "The model may be a file: URI.", "SIZE"),
        makeOption({"h", "help"}, "Show this help."),
        makeOption({"V", "version"}, "Show the version."),
    };
}

// "  -o, --output PATH" and its description, wrapped below it.
QString optionLines(const QList<QCommandLineOption>& options)
{
    QString text;
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        QString line = QStringLiteral("    ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) line += QLatin1Char(' ') + option.valueName();
        text += line + QLatin1Char('\n');
        const QString indent(8, QLatin1Char(' '));
        QString wrapped;
        for (const QString& word : option.description().split(QLatin1Char(' '))) {
            if (!wrapped.isEmpty() && indent.size() + wrapped.size() + 1 + word.size() > 78) {
                text += indent + wrapped + QLatin1Char('\n');
                wrapped.clear();
            }
            if (!wrapped.isEmpty()) wrapped += QLatin1Char(' ');
            wrapped += word;
        }
        text += indent + wrapped + QLatin1Char('\n');
    }
    return text;
}

QString helpText()
{
    return QStringLiteral(
               "NAME\n"
               "    rkv3export - color the pages of a paper model and export them\n"
               "\n"
               "SYNOPSIS\n"
               "    rkv3export [options] MODEL.RKV3\n"
               "    rkv3export --thumbnail SIZE MODEL.RKV3 OUTPUT\n"
               "\n"
               "DESCRIPTION\n"
               "    Opens a model exactly as RKVViewer3 does, colors its pages in its own\n"
               "    color scheme or the one given with --scheme, and writes them as bitmap\n"
               "    or PNG pictures, one per page at full size and named after the page's\n"
               "    image (p01.bmp becomes p01.png), or as one PDF laid out as the print\n"
               "    dialog prints it: one sheet per page at its true size, with the page\n"
               "    title in the header and the copyright notice in the footer. A page\n"
               "    larger than the sheet can be split across sheets (--layout split) or\n"
               "    fitted to one (--layout center --fit).\n"
               "    Messages the viewer would show in a message box are printed on standard\n"
               "    error, one per line; on a terminal a progress line shows there too.\n"
               "\n"
               "OPTIONS\n")
           + optionLines(optionList())
           + QStringLiteral(
               "\n"
               "EXIT STATUS\n"
               "    0   every requested page was written\n"
               "    1   bad usage, or an overlap as long as a part of the sheet\n"
               "    2   the model could not be opened, or --scheme names no file\n"
               "    3   at least one page could not be loaded or written (the others are\n"
               "        written, and each failure is named)\n");
}

ParsedCommandLine usageError(const QString& message)
{
    return {std::nullopt, ToolName + QStringLiteral(": ") + message + QLatin1Char('\n') + UsageText(), true,
            ExitUsage};
}

std::optional<std::pair<float, float>> parseOffsets(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2) return std::nullopt;
    bool okH = false, okV = false;
    const double h = parts[0].trimmed().toDouble(&okH);
    const double v = parts[1].trimmed().toDouble(&okV);
    if (!okH || !okV || !std::isfinite(h) || !std::isfinite(v) || std::fabs(h) > 1000 || std::fabs(v) > 1000)
        return std::nullopt;
    return std::pair(float(h), float(v));
}

// A thumbnailer's local path, or the path of a file: URI (some file
// managers hand over %u where %i is asked for).
QString localPath(const QString& argument)
{
    return argument.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive) ? QUrl(argument).toLocalFile()
                                                                             : argument;
}

// rkv3export --thumbnail SIZE MODEL OUTPUT: nothing else goes with it.
ParsedCommandLine thumbnailOptions(const QCommandLineParser& parser, const QStringList& positional)
{
    bool ok = false;
    const QString sizeText = parser.value(QStringLiteral("thumbnail"));
    const int size = sizeText.toInt(&ok);
    if (!ok || size < 1 || size > LargestThumbnail)
        return usageError(
            QStringLiteral("bad thumbnail size \"%1\" (1 to %2 pixels)").arg(sizeText).arg(LargestThumbnail));
    if (positional.size() != 2)
        return usageError(QStringLiteral("--thumbnail takes the model and the picture to write (MODEL.RKV3 OUTPUT)"));
    for (const char* other : {"output", "format", "scheme", "pages", "paper", "layout", "offset"})
        if (parser.isSet(QLatin1String(other)))
            return usageError(QStringLiteral("--%1 does not go with --thumbnail").arg(QLatin1String(other)));
    ExportOptions options;
    options.model = localPath(positional[0]);
    options.output = localPath(positional[1]);
    options.format = ExportOptions::Format::Png;
    options.thumbnailSize = size;
    options.quiet = true;
    return {options, QString(), false, ExitWritten};
}

}  // namespace

QString UsageText()
{
    return QStringLiteral("Usage: rkv3export [options] MODEL.RKV3\n"
                          "       rkv3export --thumbnail SIZE MODEL.RKV3 OUTPUT\n")
           + optionLines(optionList())
           + QStringLiteral("See rkv3export --help for more.\n");
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions(optionList());
    parser.addPositionalArgument(QStringLiteral("MODEL.RKV3"), QStringLiteral("The model manifest."));
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) return {std::nullopt, helpText(), false, ExitWritten};
    if (parser.isSet(QStringLiteral("version")))
        return {std::nullopt, ToolName + QLatin1Char(' ') + Platform::programVersionText() + QLatin1Char('\n'),
                false, ExitWritten};

    ExportOptions options;
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("thumbnail"))) return thumbnailOptions(parser, positional);
    if (positional.size() != 1) return usageError(QStringLiteral("give exactly one model (MODEL.RKV3)"));
    options.model = positional.first();
    options.output = parser.value(QStringLiteral("output"));
    if (options.output.isEmpty()) return usageError(QStringLiteral("--output is required"));

    const QString format = parser.value(QStringLiteral("format")).toLower();
    if (format.isEmpty())
        options.format = options.output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                             ? ExportOptions::Format::Pdf
                             : ExportOptions::Format::Png;
    else if (format == QLatin1String("bmp")) options.format = ExportOptions::Format::Bmp;
    else if (format == QLatin1String("png")) options.format = ExportOptions::Format::Png;
    else if (format == QLatin1String("pdf")) options.format = ExportOptions::Format::Pdf;
    else return usageError(QStringLiteral("unknown format \"%1\" (bmp, png or pdf)").arg(format));

    options.scheme = parser.value(QStringLiteral("scheme"));
    if (parser.isSet(QStringLiteral("pages"))) {
        options.pages = ParsePageList(parser.value(QStringLiteral("pages")));
        if (!options.pages)
            return usageError(QStringLiteral("bad page list \"%1\" (like 1,3-5)")
                                  .arg(parser.value(QStringLiteral("pages"))));
    }

    const QString paper = parser.value(QStringLiteral("paper")).toLower();
    if (paper == QLatin1String("a4")) options.paperCode = 9;
    else if (!paper.isEmpty() && paper != QLatin1String("letter"))
        return usageError(QStringLiteral("unknown paper \"%1\" (letter or a4)").arg(paper));

    const QString layout = parser.value(QStringLiteral("layout")).toLower();
    if (layout == QLatin1String("center")) options.tileMode = 1;
    else if (layout == QLatin1String("split")) options.tileMode = SplitTileMode;
    else if (!layout.isEmpty() && layout != QLatin1String("tile"))
        return usageError(QStringLiteral("unknown layout \"%1\" (tile, center or split)").arg(layout));
    if (parser.isSet(QStringLiteral("overlap"))) {
        const std::optional<float> overlap = ParseLength(parser.value(QStringLiteral("overlap")));
        if (!overlap)
            return usageError(QStringLiteral("bad overlap \"%1\" (a length like 10mm or 0.4in)")
                                  .arg(parser.value(QStringLiteral("overlap"))));
        options.overlap = *overlap;
    }
    options.fit = parser.isSet(QStringLiteral("fit"));
    if (options.fit && options.tileMode != 1)
        return usageError(QStringLiteral("--fit needs --layout center"));
    options.scaleBar = parser.isSet(QStringLiteral("scale-bar"));

    if (parser.isSet(QStringLiteral("offset"))) {
        const auto offsets = parseOffsets(parser.value(QStringLiteral("offset")));
        if (!offsets)
            return usageError(QStringLiteral("bad offsets \"%1\" (two numbers of inches, like 0.25,0.25)")
                                  .arg(parser.value(QStringLiteral("offset"))));
        options.hOffset = offsets->first;
        options.vOffset = offsets->second;
    }
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    return {options, QString(), false, ExitWritten};
}
