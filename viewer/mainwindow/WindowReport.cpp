#include "WindowReport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QSaveFile>
#include <QTextStream>
#include <QWidget>

namespace {

QString textOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    return {};
}

}  // namespace

void WriteWindowReport(QWidget& window, const QString& folder)
{
    QDir().mkpath(folder);
    window.grab().save(folder + QStringLiteral("/window.png"));

    QSaveFile file(folder + QStringLiteral("/window.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return;
    QTextStream out(&file);
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    for (const QWidget* child : children) {
        if (child->objectName().isEmpty() || !child->isVisible()) continue;
        const QPoint at = child->mapToGlobal(QPoint(0, 0));
        out << child->objectName() << '\t' << at.x() << '\t' << at.y() << '\t' << child->width() << '\t'
            << child->height() << '\t' << textOf(child).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n';
    }
    out.flush();
    file.commit();
}
