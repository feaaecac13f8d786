#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace Platform {

// The request flags the file choosers understand, with their classic values.
namespace FileChooserFlags {
constexpr quint32 ReadOnly = 0x1;             // the read-only box is ticked
constexpr quint32 OverwritePrompt = 0x2;      // confirm replacing an existing file
constexpr quint32 HideReadOnly = 0x4;         // no read-only box
constexpr quint32 EnableHook = 0x20;          // a hook procedure (never honoured)
constexpr quint32 EnableTemplate = 0x40;      // a dialog template (never honoured)
constexpr quint32 AllowMultiSelect = 0x200;   // several files may be chosen
constexpr quint32 ExtensionDifferent = 0x400; // returned: the extension is not the default one
constexpr quint32 FileMustExist = 0x1000;
}  // namespace FileChooserFlags

enum class FileChooserKind { Open, Save };

// One open or save chooser as the code asks for it.
struct FileChooserRequest {
    FileChooserKind kind = FileChooserKind::Open;
    QWidget* owner = nullptr;  // none when null
    // The filter list: descriptions and patterns separated by NUL characters
    // and ended by two NULs.
    QString filter;
    qint32 filterIndex = 1;    // 1-based
    QString fileName;          // the file name the chooser starts with
    QString initialDir;
    QString title;
    QString defaultExt;        // with or without its leading point
    quint32 flags = 0;
};

// What the chooser gave back. result is 1 when a file was chosen, 0 when the
// user cancelled, anything else when the chooser failed (extendedError then
// tells why).
struct FileChooserResult {
    qint32 result = 0;
    QStringList files;         // full paths; several only with multiple selection
    qint32 filterIndex = 1;    // the filter selected when the chooser closed
    quint32 flags = 0;         // the request flags as the chooser returns them
    qint32 extendedError = 0;
};

// The open and save file chooser service. By default it runs Qt's file
// dialog modally; a responder (installed by tests, see ScriptedFileChooser)
// takes its place so that nothing waits on a modal window.
class FileChooser {
public:
    using Responder = std::function<FileChooserResult(const FileChooserRequest&)>;

    // Runs the chooser. The default extension is added to every chosen name
    // that the user gave without an extension.
    static FileChooserResult run(const FileChooserRequest& request);

    // The extended error of the last chooser that failed (0 after a success
    // or a cancel).
    static qint32 lastExtendedError();

    // Installs a responder and returns the one it replaces (empty for the
    // real dialog).
    static Responder setResponder(Responder responder);

    // The display name of a file: its name without the folder ("\" and "/"
    // both separate folders, as in every path of the program). Nothing for an
    // empty name, a name that ends in a separator or one holding a NUL.
    static std::optional<QString> fileTitle(const QString& path);

    // The description and pattern pairs of a NUL-separated filter list; a
    // description without a pattern gets an empty one.
    static QList<QPair<QString, QString>> filterPairs(const QString& filter);

    // A wildcard pattern that matches regardless of case on a case-sensitive
    // file system: "*.RKV3" becomes "*.[Rr][Kk][Vv]3". Several patterns
    // separated by ";" are each converted and joined by blanks.
    static QString caseInsensitivePattern(const QString& pattern);

    // name with the default extension added when its file name has none.
    static QString withDefaultExtension(const QString& name, const QString& defaultExt);

    // Builds the Qt dialog for a request, ready to run (used by run() and by
    // tests that check how a request is turned into a dialog).
    static QFileDialog* makeDialog(const FileChooserRequest& request);

    // The 1-based index of the filter selected in a dialog made by
    // makeDialog (0 when it has no filters).
    static qint32 selectedFilterIndex(const QFileDialog* dialog);
};

}  // namespace Platform
