#pragma once

#include <QString>

class QWidget;

// Describes a shown window for a test that looks at it from outside the
// program: writes <folder>/window.txt with one line for the window and one
// per visible named child widget, its own windows included
// ("name<TAB>x<TAB>y<TAB>width<TAB>height<TAB>text", the rectangle in screen
// pixels as the program knows them, the text of labels, buttons, combo boxes,
// lists (the current item), text boxes (the first line) and the menu bar
// (named "menuBar", its menu titles joined by "|")), and
// <folder>/window.png, the window as Qt paints it. The text file is written
// last, under its final name, so a reader that sees it sees both. Where the
// window system places windows (Wayland) the program knows no screen
// positions: the rectangles are then relative to the window, which reports
// itself at 0, 0.
void WriteWindowReport(QWidget& window, const QString& folder);
