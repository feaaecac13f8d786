#include "SystemColors.h"

#include "ColorChooser.h"

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
    default: return 0;
    }
    return ColorChooser::toColorValue(color);
}

}  // namespace Platform
