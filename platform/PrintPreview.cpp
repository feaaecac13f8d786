#include "PrintPreview.h"

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

PrintPreviewWindow::PrintPreviewWindow(QPrinter& sheets, const PrintPreview::Job& job, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("dlgPrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    picPreview_ = new QPrintPreviewWidget(&sheets, this);
    picPreview_->setObjectName(QStringLiteral("picPreview"));
    connect(picPreview_, &QPrintPreviewWidget::paintRequested, this, [job](QPrinter* printer) { job(*printer); });

    auto* tools = new QToolBar(this);
    lblSheet_ = new QLabel(this);
    lblSheet_->setObjectName(QStringLiteral("lblSheet"));
    connect(tools->addAction(QStringLiteral("Previous Sheet")), &QAction::triggered, this,
            [this] { showSheet(picPreview_->currentPage() - 1); });
    tools->addWidget(lblSheet_);
    connect(tools->addAction(QStringLiteral("Next Sheet")), &QAction::triggered, this,
            [this] { showSheet(picPreview_->currentPage() + 1); });
    tools->addSeparator();
    connect(tools->addAction(QStringLiteral("Whole Sheet")), &QAction::triggered, picPreview_,
            &QPrintPreviewWidget::fitInView);
    connect(tools->addAction(QStringLiteral("Fit Width")), &QAction::triggered, picPreview_,
            &QPrintPreviewWidget::fitToWidth);
    connect(tools->addAction(QStringLiteral("Zoom In")), &QAction::triggered, picPreview_,
            [this] { picPreview_->zoomIn(); });
    connect(tools->addAction(QStringLiteral("Zoom Out")), &QAction::triggered, picPreview_,
            [this] { picPreview_->zoomOut(); });
    tools->addSeparator();
    connect(tools->addAction(QStringLiteral("Close")), &QAction::triggered, this, &QDialog::accept);
    // The preview says when scrolling or zooming brings another sheet into
    // view, not when it is told to show one.
    connect(picPreview_, &QPrintPreviewWidget::previewChanged, this, [this] { updateSheetLabel(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
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
        QStringLiteral("  Sheet %1 of %2  ").arg(picPreview_->currentPage()).arg(picPreview_->pageCount()));
}

void PrintPreview::show(QPrinter& sheets, const Job& job, QWidget* owner)
{
    if (responder()) {
        responder()(sheets, job, owner);
        return;
    }
    PrintPreviewWindow window(sheets, job, owner);
    window.exec();
}

PrintPreview::Responder PrintPreview::setResponder(Responder next)
{
    Responder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

}  // namespace Platform
