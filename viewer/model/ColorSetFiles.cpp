#include "ColorSetFiles.h"

#include "ColorSets.h"

#include "MessageBox.h"

namespace mdlRKVUtilities {

namespace {

using Platform::MessageBox;
using Platform::MsgButtons;
using Platform::MsgIcon;

bool fail(const char* message)
{
    MessageBox::show(QString::fromLatin1(message), MsgButtons::OkOnly, MsgIcon::Critical);
    return false;
}

}  // namespace

bool LoadPalette(const QString& path)
{
    return ReadPaletteFile(path) || fail("Error loading palette.");
}

bool SavePalette(const QString& path)
{
    return WritePaletteFile(path) || fail("Error saving palette.");
}

bool LoadScheme(const QString& path)
{
    return ReadSchemeFile(path, SchemeColors, SchemeNames) || fail("Error loading color scheme.");
}

bool SaveScheme(const QString& path)
{
    return WriteSchemeFile(path, SchemeColors, SchemeNames) || fail("Error saving color scheme.");
}

}  // namespace mdlRKVUtilities
