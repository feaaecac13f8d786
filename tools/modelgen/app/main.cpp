// RKVModelGen: writes the bundled demo model or test models of any page size.
//
//   RKVModelGen cottage <folder> [--resolution 150]
//   RKVModelGen pages <folder> [--name Test] [--count 3] [--width 1275]
//                    [--height 1650] [--seed 1] [--resolution 150]
//
// The same arguments always give byte-identical files.
#include "modelgen/core/BenchmarkPages.h"
#include "modelgen/core/CottageModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

bool readInt(const QCommandLineParser& parser, const QString& option, int minimum, int maximum, int& value)
{
    bool ok = false;
    const int v = parser.value(option).toInt(&ok);
    if (!ok || v < minimum || v > maximum) {
        std::fprintf(stderr, "RKVModelGen: --%s must be a whole number from %d to %d\n", qPrintable(option),
                     minimum, maximum);
        return false;
    }
    value = v;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("RKVModelGen"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes sample paper models: the Cottage demo model "
                                                    "(command cottage) or test pages of any size (command pages)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("cottage or pages"));
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("folder to write the model into"));
    parser.addOption({QStringLiteral("resolution"), QStringLiteral("Page pixels per inch."), QStringLiteral("ppi"),
                      QStringLiteral("150")});
    parser.addOption({QStringLiteral("name"), QStringLiteral("Model name (pages)."), QStringLiteral("name"),
                      QStringLiteral("Test")});
    parser.addOption({QStringLiteral("count"), QStringLiteral("Number of pages (pages)."), QStringLiteral("n"),
                      QStringLiteral("3")});
    parser.addOption({QStringLiteral("width"), QStringLiteral("Page width in pixels (pages)."), QStringLiteral("px"),
                      QStringLiteral("1275")});
    parser.addOption({QStringLiteral("height"), QStringLiteral("Page height in pixels (pages)."),
                      QStringLiteral("px"), QStringLiteral("1650")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the first page (pages)."), QStringLiteral("n"),
                      QStringLiteral("1")});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 2 || (args[0] != QLatin1String("cottage") && args[0] != QLatin1String("pages"))) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 2;
    }
    int resolution = 150;
    if (!readInt(parser, QStringLiteral("resolution"), 10, 1200, resolution)) return 2;

    QString error;
    bool written = false;
    if (args[0] == QLatin1String("cottage")) {
        written = CottageModel::write(args[1], resolution, &error);
    } else {
        // Pages are limited to 32767 pixels a side, as the viewer is.
        int count = 0, width = 0, height = 0, seed = 0;
        if (!readInt(parser, QStringLiteral("count"), 1, 255, count)
            || !readInt(parser, QStringLiteral("width"), 1, 32767, width)
            || !readInt(parser, QStringLiteral("height"), 1, 32767, height)
            || !readInt(parser, QStringLiteral("seed"), 0, 2147483647, seed))
            return 2;
        written = WriteBenchmarkModel(args[1], parser.value(QStringLiteral("name")), count, width, height,
                                      std::uint32_t(seed), resolution, &error);
    }
    if (!written) {
        std::fprintf(stderr, "RKVModelGen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
