#include "platform/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

namespace Platform {

namespace {

FileChooser::Responder& currentResponder()
{
    static FileChooser::Responder responder;
    return responder;
}

const char* const FilterDescriptionsProperty = "rkvFilterDescriptions";

qint32& lastError()
{
    static qint32 error = 0;
    return error;
}

int lastSeparator(const QString& path)
{
    return qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

QString nativeFolder(const QString& folder)
{
    QString result = folder;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

QString extensionWithoutPoint(const QString& ext)
{
    QString result = ext.trimmed();
    while (result.startsWith(QLatin1Char('.'))) result.remove(0, 1);
    return result;
}

// The Qt name filter for one description and pattern pair. The pattern is
// made case-insensitive and the dialog hides it, so the user sees the
// description as the program wrote it.
QString qtNameFilter(const QString& description, const QString& pattern)
{
    const QString patterns = FileChooser::caseInsensitivePattern(pattern.isEmpty() ? QStringLiteral("*") : pattern);
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

FileChooserResult runDialog(const FileChooserRequest& request)
{
    QPointer<QFileDialog> dialog = FileChooser::makeDialog(request);
    FileChooserResult result;
    result.filterIndex = request.filterIndex;
    result.flags = request.flags;
    const int answer = dialog->exec();
    if (!dialog) return result;  // destroyed while it ran: counts as cancelled
    if (answer == QDialog::Accepted) {
        result.result = 1;
        result.files = dialog->selectedFiles();
        if (const qint32 selected = FileChooser::selectedFilterIndex(dialog)) result.filterIndex = selected;
    }
    delete dialog;
    return result;
}

}  // namespace

QList<QPair<QString, QString>> FileChooser::filterPairs(const QString& filter)
{
    QList<QPair<QString, QString>> pairs;
    // The list ends at the first pair of NULs.
    QString list = filter;
    const int end = int(list.indexOf(QString(2, QChar(0))));
    if (end >= 0) list.truncate(end);
    QStringList parts = list.split(QChar(0));
    for (int i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (description.isEmpty() && pattern.isEmpty()) continue;
        pairs.append({description, pattern});
    }
    return pairs;
}

QString FileChooser::caseInsensitivePattern(const QString& pattern)
{
    QStringList converted;
    for (const QString& single : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString out;
        for (QChar c : single.trimmed()) {
            const QChar lower = c.toLower();
            const QChar upper = c.toUpper();
            if (lower != upper)
                out += QLatin1Char('[') + upper + lower + QLatin1Char(']');
            else
                out += c;
        }
        if (!out.isEmpty()) converted.append(out);
    }
    return converted.join(QLatin1Char(' '));
}

QString FileChooser::withDefaultExtension(const QString& name, const QString& defaultExt)
{
    const QString ext = extensionWithoutPoint(defaultExt);
    if (ext.isEmpty() || name.isEmpty()) return name;
    const QString fileName = name.mid(lastSeparator(name) + 1);
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('.'))) return name;
    return name + QLatin1Char('.') + ext;
}

std::optional<QString> FileChooser::fileTitle(const QString& path)
{
    const QString title = path.mid(lastSeparator(path) + 1);
    // Every character but NUL may stand in a file name here, ":", "*", "?"
    // and the like included.
    if (title.isEmpty() || title.contains(QChar(0))) return std::nullopt;
    return title;
}

QFileDialog* FileChooser::makeDialog(const FileChooserRequest& request)
{
    auto* dialog = new QFileDialog(request.owner);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setOption(QFileDialog::HideNameFilterDetails, true);
    if (!request.title.isEmpty()) dialog->setWindowTitle(request.title);

    const bool save = request.kind == FileChooserKind::Save;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog->setFileMode(QFileDialog::AnyFile);
    else if (request.flags & FileChooserFlags::AllowMultiSelect)
        dialog->setFileMode(QFileDialog::ExistingFiles);
    else if (request.flags & FileChooserFlags::FileMustExist)
        dialog->setFileMode(QFileDialog::ExistingFile);
    else
        dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite,
                      !(save && (request.flags & FileChooserFlags::OverwritePrompt)));
    dialog->setOption(QFileDialog::ReadOnly, false);

    QStringList nameFilters;
    QStringList descriptions;
    for (const auto& [description, pattern] : filterPairs(request.filter)) {
        nameFilters.append(qtNameFilter(description, pattern));
        descriptions.append(description.trimmed());
    }
    // The dialog reports its selected filter as the text it shows, which
    // without the hidden patterns is the description.
    dialog->setProperty(FilterDescriptionsProperty, descriptions);
    if (!nameFilters.isEmpty()) {
        dialog->setNameFilters(nameFilters);
        const int index = request.filterIndex >= 1 && request.filterIndex <= nameFilters.size()
                              ? request.filterIndex - 1 : 0;
        dialog->selectNameFilter(nameFilters[index]);
    }

    dialog->setDefaultSuffix(extensionWithoutPoint(request.defaultExt));
    if (!request.initialDir.isEmpty()) dialog->setDirectory(nativeFolder(request.initialDir));
    if (!request.fileName.isEmpty()) dialog->selectFile(nativeFolder(request.fileName));
    return dialog;
}

qint32 FileChooser::selectedFilterIndex(const QFileDialog* dialog)
{
    const QString selected = dialog->selectedNameFilter();
    const QStringList nameFilters = dialog->nameFilters();
    const QStringList descriptions = dialog->property(FilterDescriptionsProperty).toStringList();
    for (int i = 0; i < nameFilters.size(); ++i)
        if (selected == nameFilters[i] || (i < descriptions.size() && selected == descriptions[i]))
            return i + 1;
    return 0;
}

FileChooserResult FileChooser::run(const FileChooserRequest& request)
{
    const Responder& responder = currentResponder();
    FileChooserResult result = responder ? responder(request) : runDialog(request);
    if (result.result == 1) {
        for (QString& file : result.files) file = withDefaultExtension(file, request.defaultExt);
        // As the classic chooser does, say when the chosen extension is not
        // the default one.
        const QString ext = extensionWithoutPoint(request.defaultExt);
        if (!ext.isEmpty() && !result.files.isEmpty()) {
            const QString chosen = QFileInfo(result.files.first()).suffix();
            if (chosen.compare(ext, Qt::CaseInsensitive) != 0)
                result.flags |= FileChooserFlags::ExtensionDifferent;
            else
                result.flags &= ~FileChooserFlags::ExtensionDifferent;
        }
    }
    lastError() = (result.result == 0 || result.result == 1) ? 0 : result.extendedError;
    return result;
}

qint32 FileChooser::lastExtendedError() { return lastError(); }

FileChooser::Responder FileChooser::setResponder(Responder responder)
{
    Responder previous = std::move(currentResponder());
    currentResponder() = std::move(responder);
    return previous;
}

}  // namespace Platform
