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

// The preview window: the sheets one at a time, with zoom and sheet
// navigation. It has no print button of its own: printing stays with the
// dialog that opened it.
void ShowPreviewWindow(QPrinter& sheets, const PrintPreview::Job& job, QWidget* owner)
{
    QDialog window(owner);
    window.setObjectName(QStringLiteral("dlgPrintPreview"));
    window.setWindowTitle(QStringLiteral("Print Preview"));
    auto* preview = new QPrintPreviewWidget(&sheets, &window);
    preview->setObjectName(QStringLiteral("picPreview"));
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &window,
                     [&job](QPrinter* printer) { job(*printer); });

    auto* tools = new QToolBar(&window);
    auto* sheetLabel = new QLabel(&window);
    const auto showSheet = [preview, sheetLabel] {
        sheetLabel->setText(QStringLiteral("  Sheet %1 of %2  ").arg(preview->currentPage()).arg(preview->pageCount()));
    };
    QObject::connect(tools->addAction(QStringLiteral("Previous Sheet")), &QAction::triggered, preview,
                     [preview] { preview->setCurrentPage(preview->currentPage() - 1); });
    tools->addWidget(sheetLabel);
    QObject::connect(tools->addAction(QStringLiteral("Next Sheet")), &QAction::triggered, preview,
                     [preview] { preview->setCurrentPage(preview->currentPage() + 1); });
    tools->addSeparator();
    QObject::connect(tools->addAction(QStringLiteral("Whole Sheet")), &QAction::triggered, preview,
                     &QPrintPreviewWidget::fitInView);
    QObject::connect(tools->addAction(QStringLiteral("Fit Width")), &QAction::triggered, preview,
                     &QPrintPreviewWidget::fitToWidth);
    QObject::connect(tools->addAction(QStringLiteral("Zoom In")), &QAction::triggered, preview,
                     [preview] { preview->zoomIn(); });
    QObject::connect(tools->addAction(QStringLiteral("Zoom Out")), &QAction::triggered, preview,
                     [preview] { preview->zoomOut(); });
    tools->addSeparator();
    QObject::connect(tools->addAction(QStringLiteral("Close")), &QAction::triggered, &window, &QDialog::accept);
    QObject::connect(preview, &QPrintPreviewWidget::previewChanged, sheetLabel, showSheet);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(preview, 1);
    window.resize(720, 860);
    preview->fitInView();
    window.exec();
}

}  // namespace

void PrintPreview::show(QPrinter& sheets, const Job& job, QWidget* owner)
{
    if (responder()) {
        responder()(sheets, job, owner);
        return;
    }
    ShowPreviewWindow(sheets, job, owner);
}

PrintPreview::Responder PrintPreview::setResponder(Responder next)
{
    Responder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

ScriptedPrintPreview::ScriptedPrintPreview()
{
    previous_ = PrintPreview::setResponder([this](QPrinter& sheets, const PrintPreview::Job& job, QWidget*) {
        QPrintPreviewWidget preview(&sheets);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                         [&job](QPrinter* printer) { job(*printer); });
        preview.updatePreview();
        sheetCounts_.append(preview.pageCount());
    });
}

ScriptedPrintPreview::~ScriptedPrintPreview()
{
    PrintPreview::setResponder(std::move(previous_));
}

}  // namespace Platform
