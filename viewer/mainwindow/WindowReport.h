#pragma once

#include <QString>

class QWidget;

// Describes a shown window for a test that looks at it from outside the
// program: writes <folder>/window.txt with one line per visible named child
// widget ("name<TAB>x<TAB>y<TAB>width<TAB>height<TAB>text", the rectangle in
// screen pixels, the text of labels, buttons and combo boxes), and
// <folder>/window.png, the window as Qt paints it. The text file is written
// last, under its final name, so a reader that sees it sees both.
void WriteWindowReport(QWidget& window, const QString& folder);
