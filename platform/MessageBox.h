#pragma once

#include <QString>
#include <functional>

namespace Platform {

enum class MsgButtons { OkOnly, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// One message box as the code asked for it. An empty title means the
// program's title.
struct MessageRequest {
    QString text;
    MsgButtons buttons = MsgButtons::OkOnly;
    MsgIcon icon = MsgIcon::None;
    QString title;
};

// The message box service. By default it shows a modal QMessageBox; a
// responder (installed by tests, see ScriptedMessageBoxes) takes its place
// so that nothing ever waits on a modal window.
class MessageBox {
public:
    using Responder = std::function<MsgAnswer(const MessageRequest&)>;

    static MsgAnswer show(const QString& text, MsgButtons buttons = MsgButtons::OkOnly,
                          MsgIcon icon = MsgIcon::None, const QString& title = QString());

    // Installs a responder and returns the one it replaces (empty for the
    // real dialog).
    static Responder setResponder(Responder responder);
};

}  // namespace Platform
