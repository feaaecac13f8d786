#include "platform/PlainText.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace Platform {

namespace {

// Shows its widget's tool tip through PlainToolTip. Qt decides by guessing
// (Qt::mightBeRichText) whether a tool tip is markup, and there is no text
// format to set on one, so the text is handed over as escaped rich text.
class PlainToolTipFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty()) return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), PlainToolTip(widget->toolTip()), widget, QRect(),
                           widget->toolTipDuration());
        return true;
    }
};

}  // namespace

QString PlainToolTip(const QString& text)
{
    if (text.isEmpty()) return text;
    // A paragraph is always taken for rich text; pre-wrap keeps runs of
    // spaces and line breaks as written while long names still wrap.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

void ShowToolTipAsPlainText(QWidget* widget)
{
    widget->installEventFilter(new PlainToolTipFilter(widget));
}

QString PlainTitlePart(const QString& text)
{
    QString part = text;
    return part.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

}  // namespace Platform
