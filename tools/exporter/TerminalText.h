#pragma once

#include <QString>

// Text for a terminal, with every control character but the line feed shown
// as \xHH: the C0 controls (ESC, CR, backspace, tab, ...), DEL and the C1
// controls U+0080 to U+009F. Names in messages come from files and from the
// command line; escape sequences in them could move the cursor, erase lines
// or retitle the terminal, and so print a false "all written" over the real
// messages.
QString TerminalText(const QString& text);
