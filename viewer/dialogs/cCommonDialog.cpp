#include "dialogs/cCommonDialog.h"

#include "platform/FileChooser.h"
#include "platform/SystemColors.h"

#include <QFile>

namespace {

using namespace Platform;

// The part of a buffer before its first NUL.
QString upToFirstNul(const QString& buffer)
{
    const qsizetype nul = buffer.indexOf(QChar(0));
    return nul < 0 ? buffer : buffer.left(nul);
}

// True when a name fits a buffer of MaxPath bytes with its NUL.
bool fitsBuffer(const QString& name)
{
    return QFile::encodeName(name).size() < cCommonDialog::MaxPath;
}

// The file buffer the classic chooser fills: the full path of the one file
// chosen, or, for several files, their folder followed by each name, every
// part ended by a NUL.
QString fileBuffer(const QStringList& files)
{
    if (files.size() <= 1) return files.value(0);
    const QString first = files.first();
    const qsizetype cut = qMax(first.lastIndexOf(QLatin1Char('/')), first.lastIndexOf(QLatin1Char('\\')));
    QString buffer = first.left(qMax<qsizetype>(cut, 0));
    for (const QString& file : files) {
        const qsizetype sep = qMax(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\')));
        buffer += QChar(0) + file.mid(sep + 1);
    }
    return buffer + QChar(0);
}

}  // namespace

QString cCommonDialog::ConvertFilter(const QString& filter)
{
    QString converted = filter;
    for (QChar& c : converted)
        if (c == QLatin1Char('|') || c == QLatin1Char(':')) c = QChar(0);
    converted += QChar(0);
    converted += QChar(0);
    return converted;
}

quint32 cCommonDialog::OpenFlags(qint32 flags, bool FileMustExist, bool MultiSelect, bool ReadOnly,
                                 bool HideReadOnly)
{
    quint32 result = quint32(flags) & ~(FileChooserFlags::EnableHook | FileChooserFlags::EnableTemplate);
    if (FileMustExist) result |= FileChooserFlags::FileMustExist;
    if (MultiSelect) result |= FileChooserFlags::AllowMultiSelect;
    if (ReadOnly) result |= FileChooserFlags::ReadOnly;
    if (HideReadOnly) result |= FileChooserFlags::HideReadOnly;
    return result;
}

quint32 cCommonDialog::SaveFlags(qint32 flags, bool OverWritePrompt)
{
    quint32 result = quint32(flags) & ~(FileChooserFlags::EnableHook | FileChooserFlags::EnableTemplate);
    if (OverWritePrompt) result |= FileChooserFlags::OverwritePrompt;
    return result | FileChooserFlags::HideReadOnly;
}

quint32 cCommonDialog::ColorFlags(bool AnyColor, bool FullOpen, bool DisableFullOpen)
{
    quint32 result = AnyColor ? ColorChooserFlags::AnyColor : ColorChooserFlags::SolidColor;
    result |= ColorChooserFlags::RgbInit;
    if (FullOpen) result |= ColorChooserFlags::FullOpen;
    if (DisableFullOpen) result |= ColorChooserFlags::PreventFullOpen;
    return result;
}

bool cCommonDialog::runFileChooser(bool save, QString& Filename, QString& FileTitle, QString& Filter,
                                   qint32& FilterIndex, const QString& InitDir, const QString& DlgTitle,
                                   const QString& DefaultExt, QWidget* Owner, quint32 requestFlags,
                                   qint32& flags)
{
    apiReturn_ = 0;
    extendedError_ = 0;
    const QString converted = ConvertFilter(Filter);

    const auto fail = [&] {
        Filename.clear();
        FileTitle.clear();
        Filter.clear();
        flags = 0;
        return false;
    };

    // The name buffers hold MaxPath characters with their NUL: a longer name
    // cannot be handed in, and the chooser is not shown.
    if (!fitsBuffer(upToFirstNul(Filename)) || !fitsBuffer(upToFirstNul(FileTitle))) return fail();

    FileChooserRequest request;
    request.kind = save ? FileChooserKind::Save : FileChooserKind::Open;
    request.owner = Owner;
    request.filter = converted;
    request.filterIndex = FilterIndex;
    request.fileName = upToFirstNul(Filename);
    request.initialDir = InitDir;
    request.title = DlgTitle;
    request.defaultExt = DefaultExt;
    request.flags = requestFlags;

    FileChooserResult result = FileChooser::run(request);
    apiReturn_ = result.result;
    if (result.result == 1) {
        const QString buffer = fileBuffer(result.files);
        const QString title = FileChooser::fileTitle(result.files.value(0)).value_or(QString());
        // A chosen name that does not fit its buffer fails the way the
        // classic chooser does: raw result 0.
        if (buffer.isEmpty() || !fitsBuffer(buffer) || !fitsBuffer(title)) {
            apiReturn_ = 0;
            return fail();
        }
        Filename = upToFirstNul(buffer);
        FileTitle = title;
        flags = qint32(result.flags);
        FilterIndex = result.filterIndex;
        const auto pairs = FileChooser::filterPairs(converted);
        Filter = FilterIndex >= 1 && FilterIndex <= pairs.size() ? pairs[FilterIndex - 1].second : QString();
        return true;
    }
    if (result.result != 0) extendedError_ = FileChooser::lastExtendedError();
    return fail();
}

bool cCommonDialog::VBGetOpenFileName(QString& Filename, QString& FileTitle, bool FileMustExist,
                                      bool MultiSelect, bool& ReadOnly, bool HideReadOnly,
                                      QString& Filter, qint32& FilterIndex, const QString& InitDir,
                                      const QString& DlgTitle, const QString& DefaultExt, QWidget* Owner,
                                      qint32& flags)
{
    const quint32 requestFlags = OpenFlags(flags, FileMustExist, MultiSelect, ReadOnly, HideReadOnly);
    if (!runFileChooser(false, Filename, FileTitle, Filter, FilterIndex, InitDir, DlgTitle, DefaultExt,
                        Owner, requestFlags, flags))
        return false;
    if (quint32(flags) & FileChooserFlags::ReadOnly) ReadOnly = true;
    return true;
}

bool cCommonDialog::VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt,
                                      QString& Filter, qint32& FilterIndex, const QString& InitDir,
                                      const QString& DlgTitle, const QString& DefaultExt, QWidget* Owner,
                                      qint32& flags)
{
    return runFileChooser(true, Filename, FileTitle, Filter, FilterIndex, InitDir, DlgTitle, DefaultExt,
                          Owner, SaveFlags(flags, OverWritePrompt), flags);
}

std::optional<QString> cCommonDialog::ChooseFile(FileChoice kind, const QString& title, const QString& filter,
                                                 const QString& startFolder, QWidget* owner,
                                                 const QString& defaultExt)
{
    QString path, fileTitle;
    QString chosenFilter = filter;
    qint32 filterIndex = 1;
    qint32 flags = 0;
    bool readOnly = false;
    const bool chosen =
        kind == FileChoice::Open
            ? VBGetOpenFileName(path, fileTitle, true, false, readOnly, false, chosenFilter, filterIndex,
                                startFolder, title, defaultExt, owner, flags)
            : VBGetSaveFileName(path, fileTitle, true, chosenFilter, filterIndex, startFolder, title, defaultExt,
                                owner, flags);
    if (!chosen || path.isEmpty()) return std::nullopt;
    return path;
}

QString cCommonDialog::VBGetFileTitle(const QString& sFile)
{
    const std::optional<QString> title = FileChooser::fileTitle(sFile);
    if (!title || !fitsBuffer(*title)) return QString();
    return *title;
}

void cCommonDialog::fillCustomColors()
{
    if (customColorsFilled_) return;
    for (int i = 0; i < int(customColors_.size()); ++i) customColors_[i] = sysColor(i);
    customColorsFilled_ = true;
}

qint32 cCommonDialog::CustomColor(short i)
{
    if (i < 0 || i >= short(customColors_.size())) return -1;
    fillCustomColors();
    return customColors_[i];
}

void cCommonDialog::setCustomColor(short i, qint32 value)
{
    if (i < 0 || i >= short(customColors_.size())) return;
    fillCustomColors();
    customColors_[i] = value;
}

bool cCommonDialog::VBChooseColor(qint32& Color, bool AnyColor, bool FullOpen, bool DisableFullOpen,
                                  QWidget* Owner, qint32& flags)
{
    fillCustomColors();
    ColorChooserRequest request;
    request.owner = Owner;
    request.initialColor = Color;
    request.flags = ColorFlags(AnyColor, FullOpen, DisableFullOpen);

    const ColorChooserResult result = ColorChooser::run(request, customColors_);
    apiReturn_ = result.result;
    if (result.result == 1) {
        Color = result.color;
        return true;
    }
    if (result.result != 0) extendedError_ = ColorChooser::lastExtendedError();
    Color = -1;
    return false;
}
