#pragma once

#include <QString>

class QWidget;

namespace Platform {

// Names read from files (regions, colours, pages, palettes, schemes, models)
// are shown exactly as they are written: never taken as markup, and never a
// reason to load what a tag in them names. A region called
// <img src="/dev/zero"> must show those characters, not read the device.

// Rich text that Qt shows as exactly `text`: the characters escaped, spaces
// and line breaks kept. Empty for empty text, so that no tool tip shows.
QString PlainToolTip(const QString& text);

// Makes `widget` show its tool tip as PlainToolTip(widget->toolTip()). The
// tool tip itself keeps the text as set, so code that reads a name back from
// it (a swatch's drag) still gets the name.
void ShowToolTipAsPlainText(QWidget* widget);

// A part of a window title that Qt shows as exactly `text`: Qt takes "[*]"
// in a title as the place of the modified mark and drops it, so it is
// doubled, which Qt shows as one literal "[*]".
QString PlainTitlePart(const QString& text);

}  // namespace Platform
