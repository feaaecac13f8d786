// The print dialog's two jobs: printing through the canvas and saving the
// coloured page as a bitmap.
#include "print/dlgPrint.h"

#include "dialogs/cCommonDialog.h"
#include "model/ModelOpening.h"
#include "model/ProgramState.h"
#include "model/core/ModelState.h"
#include "platform/PrinterRegistry.h"
#include "platform/ProgramInfo.h"
#include "print/BitmapFile.h"
#include "print/PageJob.h"
#include "view/RKV3CanvasCtl.h"

#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace util = mdlRKVUtilities;

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
        cCommonDialog().ChooseFile(cCommonDialog::FileChoice::Save, tr("Print To PDF File"),
                                   tr("PDF Document(*.pdf)|*.pdf"), QDir::homePath(), this,
                                   QStringLiteral(".pdf"));
    return fileName && printer->setOutputFileName(*fileName);
}

void dlgPrint::cmdPrint_Click()
{
    if (refuseSplit()) return;
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
    if (util::PrintAllPages)
        printAllPages(preview);
    else
        printCurrentPage(preview);
}

void dlgPrint::printCurrentPage(bool preview)
{
    setStatus(preview ? tr("Previewing Page") : tr("Printing Page"));
    PrintShownPage(canvas_, settings_, util::Model.CurrentPage);
    setStatus(tr("Idle"));
}

void dlgPrint::printAllPages(bool preview)
{
    const int count = util::Model.PageCount;
    prgPages->setRange(0, count);
    prgPages->setValue(0);
    prgPages->setVisible(true);
    QList<int> pages;
    for (int page = 1; page <= count; ++page) pages.append(page);
    // A page that fails to print is reported by the canvas; one that does
    // not load is skipped. Either way the run goes on.
    const PrintedPages result = PrintModelPages(canvas_, settings_, pages, [this, preview](int page) {
        setStatus((preview ? tr("Previewing Page %1") : tr("Printing Page %1")).arg(page));
        prgPages->setValue(page);
        return util::LoadPage(canvas_, util::PagePath(page));
    });
    setStatus(tr("Idle"));
    prgPages->setVisible(false);
    util::LoadPage(canvas_, util::PagePath(util::Model.CurrentPage));
    if (!preview && !result.missing().isEmpty()) {
        QStringList named;
        for (const int page : result.missing())
            named.append(QStringLiteral("%1 (%2)").arg(page).arg(util::Model.Pages.value(page - 1).Title));
        Platform::MessageBox::show(tr("These pages were not printed: %1.").arg(named.join(QStringLiteral(", "))),
                                   Platform::MsgButtons::OkOnly, Platform::MsgIcon::Exclamation);
    }
}

void dlgPrint::cmdSave_Click()
{
    const QString fileName =
        cCommonDialog()
            .ChooseFile(cCommonDialog::FileChoice::Save, tr("Save Image"),
                        tr("Windows Bitmap(*.BMP)|*.BMP"), Platform::programFolder(), this,
                        QStringLiteral(".BMP"))
            .value_or(QString());
    if (!fileName.isEmpty()) {
        setStatus(tr("Saving Image"));
        bool saved = false;
        {
            const Platform::BusyPointer busy;
            saved = SaveBitmapFile(canvas_.Picture(), fileName, util::Model.Resolution);
        }
        if (!saved)
            Platform::MessageBox::show(tr("Error saving image."), Platform::MsgButtons::OkOnly,
                                       Platform::MsgIcon::Critical);
        setStatus(tr("Idle"));
    }
    accept();
}
