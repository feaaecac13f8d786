#include "model/ColorSetFiles.h"

#include "model/core/ColorSets.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>

namespace mdlRKVUtilities {

namespace {

using Platform::MessageBox;
using Platform::MsgButtons;
using Platform::MsgIcon;

bool fail(const char* message)
{
    MessageBox::show(QCoreApplication::translate("mdlRKVUtilities", message), MsgButtons::OkOnly, MsgIcon::Critical);
    return false;
}

}  // namespace

bool LoadPalette(const QString& path)
{
    return ReadPaletteFile(path) || fail(QT_TRANSLATE_NOOP("mdlRKVUtilities", "Error loading palette."));
}

bool SavePalette(const QString& path)
{
    return WritePaletteFile(path) || fail(QT_TRANSLATE_NOOP("mdlRKVUtilities", "Error saving palette."));
}

bool LoadScheme(const QString& path)
{
    return ReadSchemeFile(path, SchemeColors, SchemeNames) || fail(QT_TRANSLATE_NOOP("mdlRKVUtilities", "Error loading color scheme."));
}

bool SaveScheme(const QString& path)
{
    return WriteSchemeFile(path, SchemeColors, SchemeNames) || fail(QT_TRANSLATE_NOOP("mdlRKVUtilities", "Error saving color scheme."));
}

}  // namespace mdlRKVUtilities
