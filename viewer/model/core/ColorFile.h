#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

// The single-colour file (.RKL): five text lines, each ended by CR LF: the
// colour name as typed, then the red, green and blue bytes of the colour
// value and the blend offset, each number written as the classic runtime
// prints a bare number (" 200 ", "-127 ").
namespace ColorFile {

// The offsets a colour file holds: the colour editor's slider range.
inline constexpr qint32 MinOffset = -255;
inline constexpr qint32 MaxOffset = 0;

// The chooser filter for colour files.
inline QString Filter() { return QCoreApplication::translate("ColorFile", "RKV3 Color(*.RKL)|*.RKL"); }

// The five lines for a name, a colour value (bytes by the canvas's byte rule)
// and an offset.
QStringList Lines(const QString& name, qint32 colorValue, qint32 offset);

// Writes the file safely: the old file stays as it was when the write fails.
// False on failure.
bool Save(const QString& path, const QString& name, qint32 colorValue, qint32 offset);

// What a colour file holds, read in order as far as it is valid: the name
// (line 1), the colour value (lines 2 to 4) and the offset (line 5). A part
// is present once its lines were read and valid; a fault leaves it and every
// later part out.
struct Contents {
    std::optional<QString> name;
    std::optional<qint32> colorValue;
    std::optional<qint32> offset;

    bool complete() const { return name && colorValue && offset; }
};

// Reads a colour file. Numbers follow the viewer's number rule and must fit
// a 32-bit integer; the colour comes from ColorValueOfComponents; the offset
// must lie in MinOffset..MaxOffset. The file is closed on return.
Contents Read(const QString& path);

// The colour value of the red, green and blue numbers read from a file: each
// is first taken as a signed 16-bit integer and a component above 255 counts
// as 255. Nothing when a component does not fit 16 bits or is negative.
std::optional<qint32> ColorValueOfComponents(qint32 red, qint32 green, qint32 blue);

}  // namespace ColorFile
