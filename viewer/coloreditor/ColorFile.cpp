#include "ColorFile.h"

#include "ColorBytes.h"
#include "SafeTextWriter.h"

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
