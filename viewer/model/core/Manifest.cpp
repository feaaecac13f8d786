#include "model/core/Manifest.h"

#include "model/core/NumberReading.h"
#include "model/core/SafeTextWriter.h"
#include "model/core/TextLines.h"

namespace mdlRKVUtilities {

namespace {

// No model comes near these: a manifest announcing more pages or regions, or
// longer than this, is no manifest of ours and is refused before anything is
// kept for it.
constexpr qint32 MaxEntries = 32767;
constexpr qint64 MaxManifestBytes = qint64(64) << 20;

bool readCount(TextLines& file, qint32& count)
{
    const std::optional<QString> line = file.next();
    if (!line) return false;
    const std::optional<qint32> value = ReadNumber(*line);
    if (!value) return false;
    count = *value;
    return true;
}

}  // namespace

bool ReadManifest(const QString& path, ModelState& model)
{
    TextLines file;
    file.setByteLimit(MaxManifestBytes);
    if (!file.open(path)) return false;

    if (!readCount(file, model.Resolution)) return false;
    const std::optional<QString> scheme = file.next();
    if (!scheme) return false;
    model.SchemeFile = *scheme;

    if (!readCount(file, model.PageCount)) return false;
    if (model.PageCount <= 0 || model.PageCount > MaxEntries) return false;
    model.Pages.clear();
    for (qint32 p = 0; p < model.PageCount; ++p) {
        const std::optional<QString> line = file.next();
        if (!line) return false;
        const qsizetype semicolon = line->indexOf(QLatin1Char(';'));
        if (semicolon < 0) return false;
        model.Pages.append(PageEntry{line->left(semicolon), line->mid(semicolon + 1)});
    }

    if (!readCount(file, model.RegionCount)) return false;
    if (model.RegionCount < 0 || model.RegionCount > MaxEntries) return false;
    model.RegionNames.clear();
    for (qint32 r = 0; r < model.RegionCount; ++r) {
        const std::optional<QString> line = file.next();
        if (!line) return false;
        model.RegionNames.append(*line);
    }
    return true;
}

bool SaveManifest(const QString& path, const ModelState& model)
{
    if (model.Pages.isEmpty()) return false;
    QStringList lines{QString::number(model.Resolution), model.SchemeFile, QString::number(model.Pages.size())};
    for (const PageEntry& page : model.Pages) {
        if (page.File.contains(QLatin1Char(';'))) return false;
        lines.append(page.File + QLatin1Char(';') + page.Title);
    }
    lines.append(QString::number(model.RegionNames.size()));
    lines.append(model.RegionNames);
    return WriteTextLines(path, lines);
}

}  // namespace mdlRKVUtilities
