#include "WindowReport.h"

#include "platform/files/ReplacementFile.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextStream>
#include <QWidget>

namespace {

QString textOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        return list->currentItem() ? list->currentItem()->text() : QString();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        return edit->toPlainText().section(QLatin1Char('\n'), 0, 0).trimmed();
    if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
        QStringList titles;
        for (const QAction* menu : bar->actions()) titles << menu->text();
        return titles.join(QLatin1Char('|'));
    }
    return {};
}

void writeLine(QTextStream& out, const QWidget& widget)
{
    const QPoint at = widget.mapToGlobal(QPoint(0, 0));
    const QString text = widget.isWindow() ? widget.windowTitle() : textOf(&widget);
    // A menu bar Qt made unnamed is reported as "menuBar".
    const QString name = widget.objectName().isEmpty() && qobject_cast<const QMenuBar*>(&widget)
                             ? QStringLiteral("menuBar")
                             : widget.objectName();
    out << name << '\t' << at.x() << '\t' << at.y() << '\t' << widget.width() << '\t'
        << widget.height() << '\t' << QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n';
}

}  // namespace

void WriteWindowReport(QWidget& window, const QString& folder)
{
    QDir().mkpath(folder);
    QByteArray picture;
    QBuffer pictureBuffer(&picture);
    pictureBuffer.open(QIODevice::WriteOnly);
    if (window.grab().save(&pictureBuffer, "PNG"))
        Platform::replaceFile(folder + QStringLiteral("/window.png"), picture);

    QByteArray report;
    QTextStream out(&report, QIODevice::WriteOnly);
    writeLine(out, window);
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    for (const QWidget* child : children)
        if ((!child->objectName().isEmpty() || qobject_cast<const QMenuBar*>(child)) && child->isVisible())
            writeLine(out, *child);
    out.flush();
    Platform::replaceFile(folder + QStringLiteral("/window.txt"), report);
}
