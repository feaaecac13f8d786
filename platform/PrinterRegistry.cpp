#include "platform/PrinterRegistry.h"

#include "platform/PrinterQt.h"

#include <QPrinterInfo>

namespace Platform {

namespace {

PrinterRegistry::Installed& state()
{
    static PrinterRegistry::Installed installed;
    return installed;
}

// Reads the system's printers the first time the list is needed.
PrinterRegistry::Installed& loaded()
{
    PrinterRegistry::Installed& s = state();
    if (!s.printers.isEmpty()) return s;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        s.printers.append(std::make_shared<SystemPrinter>(info.printerName()));
    s.printers.append(std::make_shared<PdfFilePrinter>());
    s.defaultName = QPrinterInfo::defaultPrinterName();
    if (s.defaultName.isEmpty()) s.defaultName = PdfFilePrinter::Name;
    s.current = -1;
    for (int i = 0; i < s.printers.size(); ++i)
        if (s.printers[i]->DeviceName() == s.defaultName) s.current = i;
    if (s.current < 0) s.current = 0;
    return s;
}

}  // namespace

PrinterRegistry::PrinterList PrinterRegistry::printers() { return loaded().printers; }

int PrinterRegistry::count() { return int(loaded().printers.size()); }

std::shared_ptr<Printer> PrinterRegistry::printer(int index)
{
    const PrinterList& list = loaded().printers;
    return index >= 0 && index < list.size() ? list[index] : nullptr;
}

bool PrinterRegistry::setCurrent(int index)
{
    Installed& s = loaded();
    if (index < 0 || index >= s.printers.size()) return false;
    s.current = index;
    return true;
}

std::shared_ptr<Printer> PrinterRegistry::replace(int index, std::shared_ptr<Printer> printer)
{
    PrinterList& list = loaded().printers;
    if (index < 0 || index >= list.size() || !printer) return nullptr;
    std::swap(list[index], printer);
    return printer;
}

int PrinterRegistry::currentIndex() { return loaded().current; }

std::shared_ptr<Printer> PrinterRegistry::current() { return printer(loaded().current); }

PrinterRegistry::Installed PrinterRegistry::install(Installed list)
{
    Installed previous = std::move(state());
    state() = std::move(list);
    Installed& s = state();
    if (!s.printers.isEmpty() && (s.current < 0 || s.current >= s.printers.size())) {
        s.current = 0;
        for (int i = 0; i < s.printers.size(); ++i)
            if (s.printers[i]->DeviceName() == s.defaultName) s.current = i;
    }
    return previous;
}

}  // namespace Platform
