#pragma once

#include "platform/FileChooser.h"

#include <QList>
#include <deque>

namespace Platform {

// Scripted stand-in for the file choosers: while it lives, every open or save
// chooser is recorded instead of shown and answered from a queue (an empty
// queue answers as a cancelled chooser).
class ScriptedFileChooser {
public:
    ScriptedFileChooser();
    ~ScriptedFileChooser();
    ScriptedFileChooser(const ScriptedFileChooser&) = delete;
    ScriptedFileChooser& operator=(const ScriptedFileChooser&) = delete;

    // The user chooses path (as typed: the default extension is added when
    // it has none). A filterIndex of 0 keeps the request's filter.
    void queueFile(const QString& path, qint32 filterIndex = 0);
    void queueFiles(const QStringList& paths);
    void queueCancel();
    // The chooser fails with a raw result other than 0 and 1.
    void queueFailure(qint32 rawResult, qint32 extendedError);
    void queueAnswer(const FileChooserResult& answer) { answers_.push_back(answer); }

    const QList<FileChooserRequest>& requests() const { return requests_; }
    int count() const { return int(requests_.size()); }

private:
    std::deque<FileChooserResult> answers_;
    QList<FileChooserRequest> requests_;
    FileChooser::Responder previous_;
};

}  // namespace Platform
