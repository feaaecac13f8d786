// The print dialog's two jobs: printing through the canvas and saving the
// coloured page as a bitmap.
#include "dlgPrint.h"

#include "BitmapFile.h"
#include "ModelOpening.h"
#include "ModelState.h"
#include "PrintTexts.h"
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
    cCommonDialog chooser;
    QString fileName, fileTitle;
    QString filter = QStringLiteral("PDF Document(*.PDF)|*.PDF");
    qint32 filterIndex = 1;
    qint32 flags = 0;
    if (!chooser.VBGetSaveFileName(fileName, fileTitle, true, filter, filterIndex, QDir::homePath(),
                                   QStringLiteral("Print To PDF File"), QStringLiteral(".PDF"), this,
                                   flags)
        || fileName.isEmpty())
        return false;
    return printer->setOutputFileName(fileName);
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
    canvas_.setHeaderText(PageHeader(Model.Pages.value(Model.CurrentPage - 1).Title,
                                     Model.CurrentPage, Model.PageCount));
    canvas_.setFooterText(CopyrightNotice);
    canvas_.PrintImage(settings_.PrinterIndex, Model.Resolution, settings_.QualityCode,
                       settings_.CopyCount, settings_.PaperCode, settings_.TileMode,
                       settings_.HOffset, settings_.VOffset, 0);
    setStatus(QStringLiteral("Idle"));
}

void dlgPrint::printAllPages(bool preview)
{
    const int count = Model.PageCount;
    prgPages->setRange(0, count);
    prgPages->setValue(0);
    prgPages->setVisible(true);
    for (int i = 0; i < count; ++i) {
        setStatus((preview ? QStringLiteral("Previewing Page %1") : QStringLiteral("Printing Page %1")).arg(i + 1));
        prgPages->setValue(i + 1);
        const int pageMode = count == 1 ? 0 : i == 0 ? 1 : i == count - 1 ? 3 : 2;
        LoadPage(canvas_, PagePath(i + 1));
        canvas_.setHeaderText(PageHeader(Model.Pages.value(i).Title, i + 1, count));
        canvas_.setFooterText(CopyrightNotice);
        // A page that fails is reported by the canvas; the run goes on.
        canvas_.PrintImage(settings_.PrinterIndex, Model.Resolution, settings_.QualityCode,
                           settings_.CopyCount, settings_.PaperCode, settings_.TileMode,
                           settings_.HOffset, settings_.VOffset, pageMode);
        setStatus(QStringLiteral("Idle"));
    }
    prgPages->setVisible(false);
    LoadPage(canvas_, PagePath(Model.CurrentPage));
}

void dlgPrint::cmdSave_Click()
{
    cCommonDialog chooser;
    QString fileName, fileTitle;
    QString filter = QStringLiteral("Windows Bitmap(*.BMP)|*.BMP");
    qint32 filterIndex = 1;
    qint32 flags = 0;
    chooser.VBGetSaveFileName(fileName, fileTitle, true, filter, filterIndex,
                              Platform::programFolder(), QStringLiteral("Save Image"),
                              QStringLiteral(".BMP"), this, flags);
    if (!fileName.isEmpty()) {
        setStatus(QStringLiteral("Saving Image"));
        bool saved = false;
        {
            const Platform::BusyPointer busy;
            saved = SaveBitmapFile(canvas_.Picture(), fileName);
        }
        if (!saved)
            Platform::MessageBox::show(QStringLiteral("Error saving image."), Platform::MsgButtons::OkOnly,
                                       Platform::MsgIcon::Critical);
        setStatus(QStringLiteral("Idle"));
    }
    accept();
}
