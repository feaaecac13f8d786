#include "platform/SystemColors.h"

#include "platform/ColorChooser.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace Platform {

qint32 sysColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    const auto active = [&](QPalette::ColorRole role) { return palette.color(QPalette::Active, role); };
    const auto inactive = [&](QPalette::ColorRole role) { return palette.color(QPalette::Inactive, role); };
    QColor color;
    switch (index) {
    case 0: color = active(QPalette::Button); break;             // scroll bar
    case 1: color = active(QPalette::Dark); break;               // desktop
    case 2: color = active(QPalette::Highlight); break;          // active caption
    case 3: color = inactive(QPalette::Highlight); break;        // inactive caption
    case 4: color = active(QPalette::Window); break;             // menu
    case 5: color = active(QPalette::Base); break;               // window
    case 6: color = active(QPalette::Shadow); break;             // window frame
    case 7: color = active(QPalette::WindowText); break;         // menu text
    case 8: color = active(QPalette::Text); break;               // window text
    case 9: color = active(QPalette::HighlightedText); break;    // caption text
    case 10: color = active(QPalette::Midlight); break;          // active border
    case 11: color = active(QPalette::Mid); break;               // inactive border
    case 12: color = active(QPalette::Dark); break;              // application workspace: a mid gray, so white paper stands out
    case 13: color = active(QPalette::Highlight); break;         // highlight
    case 14: color = active(QPalette::HighlightedText); break;   // highlighted text
    case 15: color = active(QPalette::Button); break;            // button face
    case 16: color = active(QPalette::Dark); break;              // button shadow
    case 17: color = palette.color(QPalette::Disabled, QPalette::Text); break;  // gray text
    case 18: color = active(QPalette::ButtonText); break;        // button text
    case 19: color = inactive(QPalette::HighlightedText); break; // inactive caption text
    case 20: color = active(QPalette::Light); break;             // button highlight
    case 21: color = active(QPalette::Shadow); break;            // 3D dark shadow
    case 22: color = active(QPalette::Midlight); break;          // 3D light
    case 23: color = active(QPalette::ToolTipText); break;       // tooltip text
    case 24: color = active(QPalette::ToolTipBase); break;       // tooltip background
    default: return 0;
    }
    return ColorChooser::toColorValue(color);
}

}  // namespace Platform
