#include "platform/PrintPreview.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

namespace Platform {

namespace {

PrintPreview::Responder& responder()
{
    static PrintPreview::Responder installed;
    return installed;
}

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(QPrinter& sheets, const PrintPreview::Job& job, QWidget* owner,
                                       const QString& notice)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("dlgPrintPreview"));
    setWindowTitle(tr("Print Preview"));
    picPreview_ = new QPrintPreviewWidget(&sheets, this);
    picPreview_->setObjectName(QStringLiteral("picPreview"));
    connect(picPreview_, &QPrintPreviewWidget::paintRequested, this, [job](QPrinter* printer) { job(*printer); });

    auto* tools = new QToolBar(this);
    lblSheet_ = new QLabel(this);
    lblSheet_->setObjectName(QStringLiteral("lblSheet"));
    connect(tools->addAction(tr("Previous Sheet")), &QAction::triggered, this,
            [this] { showSheet(picPreview_->currentPage() - 1); });
    tools->addWidget(lblSheet_);
    connect(tools->addAction(tr("Next Sheet")), &QAction::triggered, this,
            [this] { showSheet(picPreview_->currentPage() + 1); });
    tools->addSeparator();
    connect(tools->addAction(tr("Whole Sheet")), &QAction::triggered, picPreview_,
            &QPrintPreviewWidget::fitInView);
    connect(tools->addAction(tr("Fit Width")), &QAction::triggered, picPreview_,
            &QPrintPreviewWidget::fitToWidth);
    connect(tools->addAction(tr("Zoom In")), &QAction::triggered, picPreview_,
            [this] { picPreview_->zoomIn(); });
    connect(tools->addAction(tr("Zoom Out")), &QAction::triggered, picPreview_,
            [this] { picPreview_->zoomOut(); });
    tools->addSeparator();
    connect(tools->addAction(tr("Close")), &QAction::triggered, this, &QDialog::accept);
    // The preview says when scrolling or zooming brings another sheet into
    // view, not when it is told to show one.
    connect(picPreview_, &QPrintPreviewWidget::previewChanged, this, [this] { updateSheetLabel(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    if (!notice.isEmpty()) {
        auto* lblNotice = new QLabel(notice, this);
        lblNotice->setObjectName(QStringLiteral("lblNotice"));
        lblNotice->setTextFormat(Qt::PlainText);
        lblNotice->setWordWrap(true);
        lblNotice->setContentsMargins(8, 4, 8, 4);
        lblNotice->setStyleSheet(QStringLiteral("color: #a00000;"));
        layout->addWidget(lblNotice);
    }
    layout->addWidget(picPreview_, 1);
    resize(720, 860);
    picPreview_->fitInView();
}

void PrintPreviewWindow::showSheet(int sheet)
{
    picPreview_->setCurrentPage(sheet);
    updateSheetLabel();
}

void PrintPreviewWindow::updateSheetLabel()
{
    lblSheet_->setText(
        tr("  Sheet %1 of %2  ").arg(picPreview_->currentPage()).arg(picPreview_->pageCount()));
}

void PrintPreview::show(QPrinter& sheets, const Job& job, QWidget* owner, const QString& notice)
{
    if (responder()) {
        responder()(sheets, job, owner);
        return;
    }
    PrintPreviewWindow window(sheets, job, owner, notice);
    window.exec();
}

PrintPreview::Responder PrintPreview::setResponder(Responder next)
{
    Responder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

}  // namespace Platform
