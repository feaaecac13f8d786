#pragma once

#include <QtGlobal>
#include <array>
#include <functional>

class QColor;
class QColorDialog;
class QWidget;

namespace Platform {

// The request flags the colour chooser understands, with their classic values.
namespace ColorChooserFlags {
constexpr quint32 RgbInit = 0x1;          // start from the initial colour
constexpr quint32 FullOpen = 0x2;         // open the custom-colour part at once
constexpr quint32 PreventFullOpen = 0x4;  // never open it
constexpr quint32 SolidColor = 0x80;      // solid colours only
constexpr quint32 AnyColor = 0x100;       // any colour
}  // namespace ColorChooserFlags

// A table of 16 custom colours, as colour values (red + 256 x green + 65536 x blue).
using CustomColorTable = std::array<qint32, 16>;

struct ColorChooserRequest {
    QWidget* owner = nullptr;  // none when null
    qint32 initialColor = 0;   // colour value
    quint32 flags = 0;
};

// result 1 = a colour was chosen, 0 = cancelled, anything else = failure.
struct ColorChooserResult {
    qint32 result = 0;
    qint32 color = 0;
    qint32 extendedError = 0;
};

// The colour chooser service: Qt's colour dialog, or a responder installed by
// tests (see ScriptedColorChooser). The custom colour table is shown in the
// chooser and receives the user's changes to it.
class ColorChooser {
public:
    using Responder = std::function<ColorChooserResult(const ColorChooserRequest&, CustomColorTable&)>;

    static ColorChooserResult run(const ColorChooserRequest& request, CustomColorTable& customColors);

    // The extended error of the last chooser that failed (0 otherwise).
    static qint32 lastExtendedError();

    static Responder setResponder(Responder responder);

    // Colour value and QColor, both ways. The bytes of a colour value are
    // taken by truncating division, so -1 is red 255, green and blue 0.
    static QColor toQColor(qint32 colorValue);
    static qint32 toColorValue(const QColor& color);
};

}  // namespace Platform
