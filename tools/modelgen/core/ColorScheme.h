#pragma once

#include "model/core/ColorSets.h"

#include <QString>

#include <array>
#include <cstdint>

// One named colour of a scheme: red, green, blue, blend offset and name.
struct SchemeColor {
    int red = 127;
    int green = 127;
    int blue = 127;
    int offset = -127;
    QString name = QStringLiteral("Default Gray");

    // red + 256 x green + 65536 x blue
    std::int32_t colorValue() const { return red + 256 * green + 65536 * blue; }
};

// A model's colour scheme: one colour for each region 1 to 255 (the paper,
// region 0, is not part of a scheme file). Unset regions are "Default Gray".
class ColorScheme {
public:
    static constexpr int FirstRegion = 1;
    static constexpr int LastRegion = 255;

    void set(int region, const SchemeColor& color);
    const SchemeColor& at(int region) const;

    // Empty when every colour can be written and read back as it is;
    // otherwise what is wrong.
    QString problem() const;

    // Writes the scheme file through the viewer's scheme writer; false when
    // it cannot be written. Call only when problem() is empty.
    bool write(const QString& path) const;

private:
    std::array<SchemeColor, LastRegion> colors_{};
};
