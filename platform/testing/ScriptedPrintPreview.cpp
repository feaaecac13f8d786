#include "platform/testing/ScriptedPrintPreview.h"

#include <QPrintPreviewWidget>
#include <QPrinter>

namespace Platform {

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
