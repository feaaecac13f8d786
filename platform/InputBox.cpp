#include "platform/InputBox.h"

#include "platform/ProgramInfo.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>

namespace Platform {

namespace {

InputBox::Responder& currentResponder()
{
    static InputBox::Responder responder;
    return responder;
}

}  // namespace

QString InputBox::show(const QString& prompt, const QString& title, const QString& defaultText,
                       QWidget* owner)
{
    InputRequest request{prompt, title.isEmpty() ? programTitle() : title, defaultText};
    if (const Responder& responder = currentResponder())
        return responder(request);

    QInputDialog box(owner ? owner : QApplication::activeWindow());
    box.setWindowTitle(request.title);
    box.setLabelText(prompt);
    // The prompt is shown as written, never as markup.
    if (auto* label = box.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
    box.setTextValue(defaultText);
    box.setInputMode(QInputDialog::TextInput);
    // Cancel, Escape and the close box all answer with an empty text.
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

InputBox::Responder InputBox::setResponder(Responder responder)
{
    Responder previous = std::move(currentResponder());
    currentResponder() = std::move(responder);
    return previous;
}

}  // namespace Platform
