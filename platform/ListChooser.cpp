#include "platform/ListChooser.h"

#include "platform/ProgramInfo.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Platform {

namespace {

ListChooser::Responder& currentResponder()
{
    static ListChooser::Responder responder;
    return responder;
}

// Shows the matching items, each carrying its position in the full list,
// with the first one chosen.
void showMatches(QListWidget& list, const QStringList& items, const QString& typed)
{
    list.clear();
    for (const int at : ListChooser::Matching(items, typed)) {
        auto* row = new QListWidgetItem(items[at], &list);
        row->setData(Qt::UserRole, at);
    }
    if (list.count() > 0) list.setCurrentRow(0);
}

// Passes the keys that move through a list from the text field to the list,
// so the user can type and choose without leaving the field.
class ListKeys : public QObject {
public:
    ListKeys(QListWidget* list, QObject* parent) : QObject(parent), list_(list) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(list_, event);
                return true;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* list_;
};

}  // namespace

QList<int> ListChooser::Matching(const QStringList& items, const QString& typed)
{
    const QString wanted = typed.trimmed();
    QList<int> found;
    for (int i = 0; i < items.size(); ++i)
        if (items[i].contains(wanted, Qt::CaseInsensitive)) found.append(i);
    return found;
}

int ListChooser::choose(const QString& prompt, const QString& title, const QStringList& items, QWidget* owner)
{
    ListChoiceRequest request{prompt, title.isEmpty() ? programTitle() : title, items};
    if (const Responder& responder = currentResponder()) return responder(request);

    QDialog box(owner ? owner : QApplication::activeWindow());
    box.setWindowTitle(request.title);
    auto* layout = new QVBoxLayout(&box);
    auto* label = new QLabel(prompt, &box);
    // The prompt is shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    auto* text = new QLineEdit(&box);
    label->setBuddy(text);
    auto* list = new QListWidget(&box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    layout->addWidget(label);
    layout->addWidget(text);
    layout->addWidget(list);
    layout->addWidget(buttons);
    showMatches(*list, items, QString());
    const auto chosenOk = [&] { buttons->button(QDialogButtonBox::Ok)->setEnabled(list->currentRow() >= 0); };
    QObject::connect(text, &QLineEdit::textChanged, &box, [&](const QString& typed) {
        showMatches(*list, items, typed);
        chosenOk();
    });
    QObject::connect(list, &QListWidget::currentRowChanged, &box, chosenOk);
    QObject::connect(list, &QListWidget::itemActivated, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    // The arrow keys move through the matches while the text keeps the focus.
    text->installEventFilter(new ListKeys(list, &box));
    QObject::connect(text, &QLineEdit::returnPressed, &box, [&] {
        if (list->currentRow() >= 0) box.accept();
    });
    text->setFocus();
    chosenOk();
    // Cancel, Escape and the close box all answer with no choice.
    if (box.exec() != QDialog::Accepted || !list->currentItem()) return -1;
    return list->currentItem()->data(Qt::UserRole).toInt();
}

ListChooser::Responder ListChooser::setResponder(Responder responder)
{
    Responder previous = std::move(currentResponder());
    currentResponder() = std::move(responder);
    return previous;
}

}  // namespace Platform
