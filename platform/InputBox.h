#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace Platform {

// One text input box as the code asked for it. An empty title means the
// program's title.
struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

// The text input box service: a modal box with a prompt, a one-line text
// field, OK and Cancel. It returns the text typed, or an empty text for
// Cancel. A responder (installed by tests, see ScriptedInputBoxes) takes the
// dialog's place so that nothing ever waits on a modal window.
class InputBox {
public:
    using Responder = std::function<QString(const InputRequest&)>;

    static QString show(const QString& prompt, const QString& title = QString(),
                        const QString& defaultText = QString(), QWidget* owner = nullptr);

    // Installs a responder and returns the one it replaces (empty for the
    // real dialog).
    static Responder setResponder(Responder responder);
};

}  // namespace Platform
