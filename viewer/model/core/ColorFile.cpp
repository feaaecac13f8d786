#include "model/core/ColorFile.h"

#include "colorbytes/ColorBytes.h"
#include "model/core/NumberReading.h"
#include "model/core/SafeTextWriter.h"
#include "model/core/TextLines.h"

#include <limits>

namespace ColorFile {

QStringList Lines(const QString& name, qint32 colorValue, qint32 offset)
{
    using mdlRKVUtilities::BareNumberText;
    return {name, BareNumberText(GetRedByte(colorValue)), BareNumberText(GetGreenByte(colorValue)),
            BareNumberText(GetBlueByte(colorValue)), BareNumberText(offset)};
}

bool Save(const QString& path, const QString& name, qint32 colorValue, qint32 offset)
{
    return mdlRKVUtilities::WriteTextLines(path, Lines(name, colorValue, offset));
}

Contents Read(const QString& path)
{
    Contents contents;
    mdlRKVUtilities::TextLines file;
    file.setByteLimit(mdlRKVUtilities::TextLines::BytesForLines(5));
    if (!file.open(path)) return contents;
    contents.name = file.next();
    if (!contents.name) return contents;

    qint32 numbers[4];  // red, green, blue, offset
    for (qint32& number : numbers) {
        const std::optional<QString> line = file.next();
        if (!line) return contents;
        const std::optional<qint32> value = mdlRKVUtilities::ReadNumber(*line);
        if (!value) return contents;  // too large for a 32-bit integer
        number = *value;
    }
    contents.colorValue = ColorValueOfComponents(numbers[0], numbers[1], numbers[2]);
    if (contents.colorValue && numbers[3] >= MinOffset && numbers[3] <= MaxOffset) contents.offset = numbers[3];
    return contents;
}

std::optional<qint32> ColorValueOfComponents(qint32 red, qint32 green, qint32 blue)
{
    qint32 bytes[3] = {red, green, blue};
    for (qint32& c : bytes) {
        if (c > std::numeric_limits<qint16>::max() || c < 0) return std::nullopt;
        if (c > 255) c = 255;
    }
    return bytes[0] + 256 * bytes[1] + 65536 * bytes[2];
}

}  // namespace ColorFile
