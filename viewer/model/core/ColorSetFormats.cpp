#include "model/core/ColorSetFormats.h"

#include "model/core/ColorLine.h"
#include "model/core/ColorSets.h"
#include "model/core/NumberReading.h"
#include "model/core/SafeTextWriter.h"
#include "model/core/TextLines.h"

#include <QStringList>
#include <algorithm>

namespace mdlRKVUtilities {

bool ReadPaletteFile(const QString& path)
{
    TextLines file;
    file.setByteLimit(TextLines::BytesForLines(PaletteCapacity + 1));
    if (!file.open(path)) return false;
    const std::optional<QString> countLine = file.next();
    if (!countLine) return false;
    const std::optional<qint32> announced = ReadNumber(*countLine);
    if (!announced) return false;
    // The count is stored before any entry is read, kept within the
    // palette's capacity.
    PaletteCount = std::clamp(*announced, 0, PaletteCapacity);
    for (int k = 0; k < PaletteCount; ++k) {
        const std::optional<QString> line = file.next();
        if (!line || !ReadColorLine(*line, PaletteColors[k], PaletteNames[k])) return false;
    }
    return *announced <= PaletteCapacity;
}

bool WritePaletteFile(const QString& path)
{
    const int count = std::clamp(PaletteCount, 0, PaletteCapacity);
    QStringList lines{BareNumberText(count)};
    for (int k = 0; k < count; ++k) lines.append(ColorLineOf(PaletteColors[k], PaletteNames[k]));
    return WriteTextLines(path, lines);
}

bool ReadSchemeFile(const QString& path, std::array<ColorRecord, SchemeSize>& colors,
                    std::array<QString, SchemeSize>& names)
{
    TextLines file;
    file.setByteLimit(TextLines::BytesForLines(SchemeSize - 1));
    if (!file.open(path)) return false;
    for (int r = 1; r < SchemeSize; ++r) {
        const std::optional<QString> line = file.next();
        if (!line || !ReadColorLine(*line, colors[r], names[r])) return false;
    }
    return true;
}

bool WriteSchemeFile(const QString& path, const std::array<ColorRecord, SchemeSize>& colors,
                     const std::array<QString, SchemeSize>& names)
{
    QStringList lines;
    for (int r = 1; r < SchemeSize; ++r) lines.append(ColorLineOf(colors[r], names[r]));
    return WriteTextLines(path, lines);
}

}  // namespace mdlRKVUtilities
