// The print dialog's two jobs: printing through the canvas and saving the
// coloured page as a bitmap.
#include "dlgPrint.h"

#include "BitmapFile.h"
#include "ModelOpening.h"
#include "ModelState.h"
#include "PageJob.h"
#include "PrinterRegistry.h"
#include "ProgramInfo.h"
#include "ProgramState.h"
#include "RKV3CanvasCtl.h"
#include "cCommonDialog.h"

#include "BusyPointer.h"
#include "MessageBox.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace mdlRKVUtilities;

void dlgPrint::setStatus(const QString& text)
{
    lblStatus->setText(text);
    lblStatus->repaint();
    Platform::letPendingEventsRun();
}

bool dlgPrint::chooseOutputFile()
{
    const auto printer = Platform::PrinterRegistry::current();
    if (!printer || !printer->WritesFile()) return true;
    const std::optional<QString> fileName =
        cCommonDialog().ChooseFile(cCommonDialog::FileChoice::Save, QStringLiteral("Print To PDF File"),
                                   QStringLiteral("PDF Document(*.pdf)|*.pdf"), QDir::homePath(), this,
                                   QStringLiteral(".pdf"));
    return fileName && printer->setOutputFileName(*fileName);
}

void dlgPrint::cmdPrint_Click()
{
    CmdCancel->setEnabled(false);
    if (!chooseOutputFile()) {
        // Nothing is printed and the dialog stays open.
        CmdCancel->setEnabled(true);
        return;
    }
    printing_ = true;
    runPrintJob(false);
    printing_ = false;
    CmdCancel->setEnabled(true);
    accept();
}

void dlgPrint::runPrintJob(bool preview)
{
    if (PrintAllPages)
        printAllPages(preview);
    else
        printCurrentPage(preview);
}

void dlgPrint::printCurrentPage(bool preview)
{
    setStatus(preview ? QStringLiteral("Previewing Page") : QStringLiteral("Printing Page"));
    PrintShownPage(canvas_, settings_, Model.CurrentPage);
    setStatus(QStringLiteral("Idle"));
}

void dlgPrint::printAllPages(bool preview)
{
    const int count = Model.PageCount;
    prgPages->setRange(0, count);
    prgPages->setValue(0);
    prgPages->setVisible(true);
    QList<int> pages;
    for (int page = 1; page <= count; ++page) pages.append(page);
    // A page that fails to print is reported by the canvas; one that does
    // not load is skipped. Either way the run goes on.
    const PrintedPages result = PrintModelPages(canvas_, settings_, pages, [this, preview](int page) {
        setStatus((preview ? QStringLiteral("Previewing Page %1") : QStringLiteral("Printing Page %1")).arg(page));
        prgPages->setValue(page);
        return LoadPage(canvas_, PagePath(page));
    });
    setStatus(QStringLiteral("Idle"));
    prgPages->setVisible(false);
    LoadPage(canvas_, PagePath(Model.CurrentPage));
    if (!preview && !result.missing().isEmpty()) {
        QStringList named;
        for (const int page : result.missing())
            named.append(QStringLiteral("%1 (%2)").arg(page).arg(Model.Pages.value(page - 1).Title));
        Platform::MessageBox::show(QStringLiteral("These pages were not printed: %1.").arg(named.join(QStringLiteral(", "))),
                                   Platform::MsgButtons::OkOnly, Platform::MsgIcon::Exclamation);
    }
}

void dlgPrint::cmdSave_Click()
{
    const QString fileName =
        cCommonDialog()
            .ChooseFile(cCommonDialog::FileChoice::Save, QStringLiteral("Save Image"),
                        QStringLiteral("Windows Bitmap(*.BMP)|*.BMP"), Platform::programFolder(), this,
                        QStringLiteral(".BMP"))
            .value_or(QString());
    if (!fileName.isEmpty()) {
        setStatus(QStringLiteral("Saving Image"));
        bool saved = false;
        {
            const Platform::BusyPointer busy;
            saved = SaveBitmapFile(canvas_.Picture(), fileName, Model.Resolution);
        }
        if (!saved)
            Platform::MessageBox::show(QStringLiteral("Error saving image."), Platform::MsgButtons::OkOnly,
                                       Platform::MsgIcon::Critical);
        setStatus(QStringLiteral("Idle"));
    }
    accept();
}
