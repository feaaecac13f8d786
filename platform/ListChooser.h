#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace Platform {

// One list chooser as the code asked for it. An empty title means the
// program's title.
struct ListChoiceRequest {
    QString prompt;
    QString title;
    QStringList items;
};

// The "type to find, then choose" service: a modal box with a prompt, a
// one-line text field, the list of items that contain the text typed so far
// (all of them while it is empty), OK and Cancel. It returns the chosen
// item's position in the items given, or -1 for Cancel or no choice. A
// responder (installed by tests, see ScriptedListChoosers) takes the
// dialog's place so that nothing ever waits on a modal window.
class ListChooser {
public:
    using Responder = std::function<int(const ListChoiceRequest&)>;

    static int choose(const QString& prompt, const QString& title, const QStringList& items,
                      QWidget* owner = nullptr);

    // The positions of the items that contain typed, ignoring case and the
    // blanks around it, in the items' order: the one rule of what matches.
    static QList<int> Matching(const QStringList& items, const QString& typed);

    // Installs a responder and returns the one it replaces (empty for the
    // real dialog).
    static Responder setResponder(Responder responder);
};

}  // namespace Platform
