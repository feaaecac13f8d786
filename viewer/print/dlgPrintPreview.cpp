// The print dialog's preview: the print run of the current choice drawn on
// the sheets of a print preview instead of the printer.
#include "print/dlgPrint.h"

#include "platform/PrintPreview.h"
#include "platform/PrinterQt.h"
#include "platform/PrinterRegistry.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>

void dlgPrint::cmdPreview_Click()
{
    const int index = settings_.PrinterIndex;
    const std::shared_ptr<Platform::Printer> chosen = Platform::PrinterRegistry::printer(index);
    if (!chosen || printing_ || refuseSplit()) return;

    QPrinter sheets(QPrinter::HighResolution);
    chosen->PrepareSheets(sheets);
    printing_ = true;
    CmdCancel->setEnabled(false);
    Platform::PrintPreview::show(
        sheets,
        [this, index, &chosen](QPrinter& target) {
            // While the run draws, the chosen printer's place in the list is
            // taken by the preview's sheets: PrintImage selects and sets up
            // "the printer" exactly as it does for printing.
            auto standIn = std::make_shared<Platform::SheetPrinter>(target, chosen->DeviceName());
            Platform::PrinterRegistry::replace(index, standIn);
            runPrintJob(true);
            Platform::PrinterRegistry::replace(index, chosen);
        },
        this, lblPrintWarning->text());
    CmdCancel->setEnabled(true);
    printing_ = false;
    setStatus(tr("Idle"));
}
