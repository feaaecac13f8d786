#include "SoakWorld.h"

#include "modelgen/core/GeneratedModel.h"
#include "modelgen/core/ModelWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <unistd.h>

namespace Soak {

namespace {

// Region numbers the pages use: the low ones, and some above 200 that only
// the second model names.
constexpr int Regions[] = {1, 2, 3, 7, 12, 201, 230, 255};

// Page n of a model: its own size and its own pattern of regions, shades and
// inks, so no two pages agree and a swapped row or page shows.
QImage makePage(int seed, int n)
{
    QImage page(23 + 9 * n + seed, 14 + 5 * n + 2 * seed, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const int band = (x / (3 + n) + y / (2 + seed) + n) % 9;
            const int region = band == 8 ? 0 : Regions[(band + seed) % 8];
            const int shade = (40 + 11 * x + 7 * y * n) % 256;
            const int ink = 255 - ((x * y + seed) % 5 == 0 ? 90 + n : 0);
            page.setPixel(x, y, qRgb(shade, region, ink));
        }
    return page;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

World::World()
{
    // RKV_SOAK_KEEP keeps the files of a run to look at after it.
    if (qEnvironmentVariableIsSet("RKV_SOAK_KEEP")) root_.setAutoRemove(false);
    const QDir root(root_.path());
    root.mkpath(QStringLiteral("models"));
    root.mkpath(QStringLiteral("saves"));
    root.mkpath(QStringLiteral("settings"));
    saves_ = root.filePath(QStringLiteral("saves"));
    writeModel(QStringLiteral("Barge"), 3, true, 1);
    writeModel(QStringLiteral("Tower"), 2, false, 4);
    writeModel(QStringLiteral("Gappy"), 3, true, 2);
    missingPage_ = goodModels_.takeLast();
    QFile::remove(QFileInfo(missingPage_).dir().filePath(QStringLiteral("p2.png")));
    forget(QFileInfo(missingPage_).dir().filePath(QStringLiteral("p2.png")));

    badManifest_ = root.filePath(QStringLiteral("models/Broken.RKV3"));
    QFile good(goodModels_.first());
    good.open(QIODevice::ReadOnly);
    writeFile(badManifest_, good.readAll().left(40));
    brokenPalette_ = root.filePath(QStringLiteral("models/broken.RPL"));
    writeFile(brokenPalette_, " 4 \r\n10,20,30,-5,Rust\r\n40,50,60,-6,Moss\r\nnot a colour\r\n");
    brokenScheme_ = root.filePath(QStringLiteral("models/broken.RKS3"));
    writeFile(brokenScheme_, "200,40,30,-127,Brick\r\n1,2,3,4,Soot\r\n");
    for (const QString& path : {badManifest_, brokenPalette_, brokenScheme_}) remember(path);

    // Writes fail in the locked folder: a folder without write permission, or
    // for a user whom permissions do not stop, a file where a folder should be.
    locked_ = root.filePath(QStringLiteral("saves-locked"));
    if (::geteuid() != 0) {
        root.mkpath(QStringLiteral("saves-locked"));
        QFile::setPermissions(locked_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    } else {
        writeFile(locked_, "a file, not a folder\r\n");
        remember(locked_);
    }
}

void World::writeModel(const QString& name, int pages, bool withScheme, int seed)
{
    GeneratedModel model;
    model.name = name;
    model.resolution = 100 + 25 * seed;
    for (int n = 1; n <= pages; ++n)
        model.pages.push_back({QStringLiteral("p%1.png").arg(n), QStringLiteral("%1 sheet %2").arg(name).arg(n),
                               makePage(seed, n)});
    const int named = withScheme ? 12 : 255;
    for (int r = 1; r <= named; ++r) model.regionNames << QStringLiteral("%1 part %2").arg(name).arg(r);
    if (withScheme) {
        model.schemeFileName = name + QStringLiteral(".RKS3");
        for (int i = 0; i < 8; ++i)
            model.scheme.set(Regions[i], {30 * i + seed, 200 - 20 * i, 15 * i * seed % 256, -100 + 17 * i,
                                          QStringLiteral("%1 colour %2").arg(name).arg(i)});
    }
    const QString folder = QDir(root_.path()).filePath(QStringLiteral("models/") + name);
    if (!ModelWriter::write(model, folder)) qFatal("the soak cannot write its model %s", qPrintable(name));
    goodModels_ << QDir(folder).filePath(model.manifestFileName());
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) remember(file.filePath());
}

void World::remember(const QString& path)
{
    QFile file(path);
    kept_[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList World::rememberedFiles(const QString& suffix) const
{
    QStringList files;
    for (const auto& [path, bytes] : kept_)
        if (path.endsWith(suffix, Qt::CaseInsensitive) && path.startsWith(saves_)) files << path;
    return files;
}

QString World::lostOrCutShort() const
{
    for (const auto& [path, bytes] : kept_) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("%1 is gone").arg(path);
        const QByteArray now = file.readAll();
        if (now != bytes)
            return QStringLiteral("%1 holds %2 bytes, not the %3 it was left with").arg(path).arg(now.size()).arg(bytes.size());
    }
    for (const QString& folder : {saves_, locked_}) {
        if (!QFileInfo(folder).isDir()) continue;
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
            if (!kept_.count(file.filePath())) return QStringLiteral("%1 was left behind").arg(file.filePath());
    }
    return {};
}

QString World::wholeColorSetFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("%1 cannot be read").arg(path);
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith("\r\n")) return QStringLiteral("%1 does not end in CR LF").arg(path);
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the last line end
    for (const QByteArray& line : lines)
        if (!line.endsWith('\r')) return QStringLiteral("%1 has a line without CR LF").arg(path);
    const bool palette = path.endsWith(QLatin1String(".RPL"), Qt::CaseInsensitive);
    const qsizetype expected = palette ? lines.value(0).trimmed().toInt() + 1 : 255;
    if (lines.size() != expected)
        return QStringLiteral("%1 has %2 lines, not %3").arg(path).arg(lines.size()).arg(expected);
    return {};
}

}  // namespace Soak
