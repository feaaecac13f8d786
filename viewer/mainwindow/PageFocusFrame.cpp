#include "mainwindow/PageFocusFrame.h"

#include <QApplication>

PageFocusFrame::PageFocusFrame(QWidget* page) : QFocusFrame(page), page_(page)
{
    setObjectName(QStringLiteral("fraPageFocus"));
    // The style draws the frame in the window text's colour: the highlight
    // colour marks the focus as the other controls' focus frames do.
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, colors.color(QPalette::Active, QPalette::Highlight));
    setPalette(colors);
    setWidget(nullptr);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void PageFocusFrame::focusMoved(QWidget* now)
{
    const bool onPage = now && (now == page_ || page_->isAncestorOf(now));
    setWidget(onPage ? page_ : nullptr);
}
