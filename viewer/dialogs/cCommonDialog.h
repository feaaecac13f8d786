#pragma once

#include "platform/ColorChooser.h"

#include <QString>
#include <climits>
#include <optional>

class QWidget;

// The viewer's wrapper around the platform's standard choosers: open a file,
// save a file, the display name of a file, and choose a colour with a table
// of 16 custom colours. It turns the viewer's simple arguments (a filter
// written with "|", a title, a folder, Booleans) into chooser requests, runs
// the chooser modally over the owner window and hands back the chosen file or
// colour. Cancelling and failing look the same to callers: false, with the
// file name empty or the colour -1. Outputs are written back into the
// reference arguments.
class cCommonDialog {
public:
    // Capacity of the file name and file title buffers: the system's limit
    // on a path, in bytes of the file system's encoding with the terminating
    // NUL. A Filename or FileTitle handed in that does not fit fails the call
    // at once, as a cancelled chooser, without showing it; a chosen name that
    // does not fit fails the same way (raw result 0).
    static constexpr int MaxPath = PATH_MAX;

    // The raw result of the last chooser call: 1 = something was chosen,
    // 0 = cancelled or failed.
    qint32 APIReturn() const { return apiReturn_; }
    // The chooser's extended error code, fetched only when the raw result was
    // neither 0 nor 1.
    qint32 ExtendedError() const { return extendedError_; }

    // Owner: the window the chooser runs over, nullptr for none.
    bool VBGetOpenFileName(QString& Filename, QString& FileTitle, bool FileMustExist,
                           bool MultiSelect, bool& ReadOnly, bool HideReadOnly, QString& Filter,
                           qint32& FilterIndex, const QString& InitDir, const QString& DlgTitle,
                           const QString& DefaultExt, QWidget* Owner, qint32& flags);

    bool VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt,
                           QString& Filter, qint32& FilterIndex, const QString& InitDir,
                           const QString& DlgTitle, const QString& DefaultExt, QWidget* Owner,
                           qint32& flags);

    // The one file chooser call of the viewer's windows. Open asks for one
    // existing file; Save asks before replacing a file and adds defaultExt to
    // a name typed without it. Filter is written with "|", the first pair
    // chosen at the start. Returns the chosen path, or nothing when the
    // chooser was cancelled or failed.
    enum class FileChoice { Open, Save };
    std::optional<QString> ChooseFile(FileChoice kind, const QString& title, const QString& filter,
                                      const QString& startFolder, QWidget* owner,
                                      const QString& defaultExt = QString());

    // The display name of a file (its name without the folder), or empty text
    // when there is none.
    QString VBGetFileTitle(const QString& sFile);

    // Color is in/out: the initial colour, then the chosen one (-1 when the
    // chooser was cancelled or failed). flags is not used.
    bool VBChooseColor(qint32& Color, bool AnyColor, bool FullOpen, bool DisableFullOpen,
                       QWidget* Owner, qint32& flags);

    // The custom colour at i; -1 outside 0..15. Writing outside 0..15 is
    // ignored. The table is filled from the system colours 0 to 15 on its
    // first use, so a colour written before the first chooser stays.
    qint32 CustomColor(short i);
    void setCustomColor(short i, qint32 value);

    // The platform's filter list for a filter written with "|": every "|" and
    // every ":" becomes a NUL, and two more NULs end the list.
    static QString ConvertFilter(const QString& filter);

    // The request flags of the open and save choosers for the caller's flags
    // and options. The hook and template bits (0x20, 0x40) are always cleared.
    static quint32 OpenFlags(qint32 flags, bool FileMustExist, bool MultiSelect, bool ReadOnly,
                             bool HideReadOnly);
    static quint32 SaveFlags(qint32 flags, bool OverWritePrompt);
    // The request flags of the colour chooser.
    static quint32 ColorFlags(bool AnyColor, bool FullOpen, bool DisableFullOpen);

private:
    bool runFileChooser(bool save, QString& Filename, QString& FileTitle, QString& Filter,
                        qint32& FilterIndex, const QString& InitDir, const QString& DlgTitle,
                        const QString& DefaultExt, QWidget* Owner, quint32 requestFlags,
                        qint32& flags);
    void fillCustomColors();

    qint32 apiReturn_ = 0;
    qint32 extendedError_ = 0;
    Platform::CustomColorTable customColors_{};
    bool customColorsFilled_ = false;
};
