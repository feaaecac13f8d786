#include "platform/testing/ScriptedFileChooser.h"

namespace Platform {

ScriptedFileChooser::ScriptedFileChooser()
{
    previous_ = FileChooser::setResponder([this](const FileChooserRequest& request) {
        requests_.append(request);
        FileChooserResult answer;  // cancelled
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        if (answer.filterIndex == 0) answer.filterIndex = request.filterIndex;
        if (answer.result == 1) answer.flags |= request.flags;
        return answer;
    });
}

ScriptedFileChooser::~ScriptedFileChooser() { FileChooser::setResponder(std::move(previous_)); }

void ScriptedFileChooser::queueFile(const QString& path, qint32 filterIndex)
{
    FileChooserResult answer;
    answer.result = 1;
    answer.files = {path};
    answer.filterIndex = filterIndex;
    answers_.push_back(answer);
}

void ScriptedFileChooser::queueFiles(const QStringList& paths)
{
    FileChooserResult answer;
    answer.result = 1;
    answer.files = paths;
    answer.filterIndex = 0;
    answers_.push_back(answer);
}

void ScriptedFileChooser::queueCancel()
{
    FileChooserResult answer;
    answer.filterIndex = 0;
    answers_.push_back(answer);
}

void ScriptedFileChooser::queueFailure(qint32 rawResult, qint32 extendedError)
{
    FileChooserResult answer;
    answer.result = rawResult;
    answer.extendedError = extendedError;
    answer.filterIndex = 0;
    answers_.push_back(answer);
}

}  // namespace Platform
