#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QString>
#include <memory>

namespace Platform {

// The platform's printer list and its current printer. By default the list
// holds the system's printers (CUPS, through Qt) in the order the system
// gives them, followed by the built-in PDF printer "PDF File"; the current
// printer starts as the system's default printer (the PDF printer when there
// is none). Tests install a list of their own (see RecordingPrinter).
class PrinterRegistry {
public:
    using PrinterList = QList<std::shared_ptr<Printer>>;

    static PrinterList printers();
    static int count();
    static std::shared_ptr<Printer> printer(int index);

    // Makes printer `index` the current one; false (nothing changes) when
    // the list has no such printer.
    static bool setCurrent(int index);
    static int currentIndex();
    // The current printer; never null while the list holds a printer.
    static std::shared_ptr<Printer> current();

    // Puts printer in place of printer `index` (a stand-in for a while) and
    // returns the one it replaces; nothing changes (nullptr) when the list
    // has no such printer.
    static std::shared_ptr<Printer> replace(int index, std::shared_ptr<Printer> printer);

    // Installs a printer list and its default printer's name, makes the
    // default current, and returns what it replaces (an empty list stands
    // for the system's printers, read again on first use).
    struct Installed {
        PrinterList printers;
        QString defaultName;
        int current = -1;
    };
    static Installed install(Installed list);
};

}  // namespace Platform
