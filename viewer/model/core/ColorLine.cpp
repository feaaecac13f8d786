#include "model/core/ColorLine.h"

#include "model/core/NumberReading.h"

#include <QStringList>

namespace mdlRKVUtilities {

bool ReadColorLine(const QString& line, ColorRecord& color, QString& name)
{
    // The first four commas separate fields; the fifth field is the rest.
    QStringList fields;
    qsizetype start = 0;
    for (int i = 0; i < 4; ++i) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0) return false;
        fields.append(line.mid(start, comma - start));
        start = comma + 1;
    }
    fields.append(line.mid(start));

    const std::optional<qint32> red = ReadNumber(fields[0], 0, 255);
    if (!red) return false;
    color.Red = quint8(*red);
    const std::optional<qint32> green = ReadNumber(fields[1], 0, 255);
    if (!green) return false;
    color.Green = quint8(*green);
    const std::optional<qint32> blue = ReadNumber(fields[2], 0, 255);
    if (!blue) return false;
    color.Blue = quint8(*blue);
    const std::optional<qint32> offset = ReadNumber(fields[3], -32768, 32767);
    if (!offset) return false;
    color.Offset = qint16(*offset);
    name = fields[4];
    return true;
}

QString ColorLineOf(const ColorRecord& color, const QString& name)
{
    return QStringLiteral("%1,%2,%3,%4,").arg(color.Red).arg(color.Green).arg(color.Blue).arg(color.Offset) + name;
}

}  // namespace mdlRKVUtilities
