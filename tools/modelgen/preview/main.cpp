// RKVModelPreview: colours a generated page with the Cottage's colour scheme
// through the canvas's region palette and page renderer, and saves it as a
// PNG to look at.
//
//   RKVModelPreview <out.png> [--page 1]                 a Cottage page
//   RKVModelPreview <out.png> --test --width W --height H --seed S
#include "modelgen/core/BenchmarkPages.h"
#include "modelgen/core/CottageModel.h"
#include "modelgen/core/CottagePages.h"
#include "modelgen/core/CottageRegions.h"

#include "platform/files/ReplacementFile.h"
#include "render/PageRenderer.h"
#include "render/RegionPalette.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a generated page in the Cottage's colours."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("PNG file to write"));
    parser.addOption({QStringLiteral("page"), QStringLiteral("Cottage page number."), QStringLiteral("n"),
                      QStringLiteral("1")});
    parser.addOption({QStringLiteral("test"), QStringLiteral("Render a test page instead.")});
    parser.addOption({QStringLiteral("width"), QStringLiteral("Test page width."), QStringLiteral("px"),
                      QStringLiteral("1275")});
    parser.addOption({QStringLiteral("height"), QStringLiteral("Test page height."), QStringLiteral("px"),
                      QStringLiteral("1650")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Test page seed."), QStringLiteral("n"),
                      QStringLiteral("1")});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 2;
    }

    const QImage page = parser.isSet(QStringLiteral("test"))
                            ? MakeBenchmarkPage(parser.value(QStringLiteral("width")).toInt(),
                                                parser.value(QStringLiteral("height")).toInt(),
                                                parser.value(QStringLiteral("seed")).toUInt())
                            : CottagePages::draw(parser.value(QStringLiteral("page")).toInt(),
                                                 CottageModel::DefaultResolution);
    if (page.isNull()) {
        std::fputs("RKVModelPreview: no such page\n", stderr);
        return 2;
    }

    RKV3Canvas::RegionPalette palette;
    const ColorScheme scheme = CottageScheme();
    for (int r = ColorScheme::FirstRegion; r <= ColorScheme::LastRegion; ++r)
        palette.UpdatePaletteColor(r, scheme.at(r).colorValue(), std::int16_t(scheme.at(r).offset));
    QImage colored(page.size(), QImage::Format_RGB32);
    RenderPixelRows(reinterpret_cast<const std::uint32_t*>(page.constBits()), std::size_t(page.bytesPerLine() / 4),
                    reinterpret_cast<std::uint32_t*>(colored.bits()), std::size_t(colored.bytesPerLine() / 4),
                    page.width(), page.height(), palette);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!colored.save(&buffer, "PNG") || !Platform::replaceFile(parser.positionalArguments().constFirst(), bytes)) {
        std::fputs("RKVModelPreview: cannot write the picture\n", stderr);
        return 1;
    }
    return 0;
}
