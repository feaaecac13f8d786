#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The single-colour file (.RKL): five text lines, each ended by CR LF: the
// colour name as typed, then the red, green and blue bytes of the colour
// value and the blend offset, each number written as the classic runtime
// prints a bare number (" 200 ", "-127 ").
namespace ColorFile {

// The chooser filter for colour files.
inline QString Filter() { return QStringLiteral("RKV3 Color(*.RKL)|*.RKL"); }

// The five lines for a name, a colour value (bytes by the canvas's byte rule)
// and an offset.
QStringList Lines(const QString& name, qint32 colorValue, qint32 offset);

// Writes the file safely: the old file stays as it was when the write fails.
// False on failure.
bool Save(const QString& path, const QString& name, qint32 colorValue, qint32 offset);

// The colour value of the red, green and blue numbers read from a file: each
// is first taken as a signed 16-bit integer and a component above 255 counts
// as 255. Nothing when a component does not fit 16 bits or is negative.
std::optional<qint32> ColorValueOfComponents(qint32 red, qint32 green, qint32 blue);

}  // namespace ColorFile
