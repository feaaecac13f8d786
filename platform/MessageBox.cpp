#include "platform/MessageBox.h"

#include "platform/ProgramInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace Platform {

namespace {

MessageBox::Responder& currentResponder()
{
    static MessageBox::Responder responder;
    return responder;
}

QMessageBox::Icon toQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::OkOnly: break;
    }
    return QMessageBox::Ok;
}

MsgAnswer fromQtButton(int button, MsgButtons asked)
{
    switch (button) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: break;
    }
    // Closed with Escape or the window's close button: the box's cancelling
    // answer, which for Yes/No questions is No.
    if (asked == MsgButtons::YesNo) return MsgAnswer::No;
    if (asked == MsgButtons::OkOnly) return MsgAnswer::Ok;
    return MsgAnswer::Cancel;
}

}  // namespace

MsgAnswer MessageBox::show(const QString& text, MsgButtons buttons, MsgIcon icon,
                           const QString& title)
{
    MessageRequest request{text, buttons, icon, title.isEmpty() ? programTitle() : title};
    if (const Responder& responder = currentResponder())
        return responder(request);

    QMessageBox box(toQtIcon(icon), request.title, text, toQtButtons(buttons),
                    QApplication::activeWindow());
    // Messages may carry names and paths from files: never markup.
    box.setTextFormat(Qt::PlainText);
    return fromQtButton(box.exec(), buttons);
}

MessageBox::Responder MessageBox::setResponder(Responder responder)
{
    Responder previous = std::move(currentResponder());
    currentResponder() = std::move(responder);
    return previous;
}

}  // namespace Platform
