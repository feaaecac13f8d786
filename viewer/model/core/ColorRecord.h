#pragma once

#include <QString>
#include <QtGlobal>

namespace mdlRKVUtilities {

// One colour of the viewer: red, green and blue bytes and the blend offset
// handed to the canvas with the colour. Its name lives beside it in the
// names list of the set that holds it.
struct ColorRecord {
    quint8 Red = 0;
    quint8 Green = 0;
    quint8 Blue = 0;
    qint16 Offset = 0;

    friend bool operator==(const ColorRecord&, const ColorRecord&) = default;
};

// The colour as one number: Red + 256 x Green + 65536 x Blue.
inline qint32 ColorValueOf(const ColorRecord& color)
{
    return qint32(color.Red) + 256 * qint32(color.Green) + 65536 * qint32(color.Blue);
}

// The components of a colour value v (0 to 16777215): v mod 256,
// (v div 256) mod 256 and (v div 65536) mod 256.
quint8 RedOf(qint32 colorValue);
quint8 GreenOf(qint32 colorValue);
quint8 BlueOf(qint32 colorValue);

// The record of a colour value with the given offset.
ColorRecord ColorRecordOf(qint32 colorValue, qint16 offset);

// The two fixed colours.
inline constexpr ColorRecord DefaultGrayColor{127, 127, 127, -127};
inline constexpr ColorRecord PaperColor{255, 255, 255, 0};
inline QString DefaultGrayName() { return QStringLiteral("Default Gray"); }
inline QString PaperColorName() { return QStringLiteral("Paper Color"); }

}  // namespace mdlRKVUtilities
