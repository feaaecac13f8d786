#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace mdlRKVUtilities {

// Every value the viewer keeps in the per-user settings store (application
// "RKVViewer3", section "Settings"). The table in ViewerSettings.cpp gives
// each its key text and its default, in one place.
enum class Setting {
    LastModelPath,
    LastColorPath,
    LastSchemePath,
    LastPalettePath,
    MainLeft,
    MainTop,
    MainWidth,
    MainHeight,
    PromptSaveOnChanges,
    DefaultPaperSize,
    UserPrintOffsetX,
    UserPrintOffsetY,
    // The print dialog's layout (0 tile, 1 centre, 2 split across sheets),
    // the overlap of split parts with its unit ("10mm", "0.4in"; empty: the
    // paper's default), Fit to Sheet and the scale bar.
    UserPrintLayout,
    UserPrintOverlap,
    UserPrintFitToSheet,
    UserPrintScaleBar,
    // The recent models of the File menu, most recent first (RecentModels.h).
    RecentModel1,
    RecentModel2,
    RecentModel3,
    RecentModel4,
    RecentModel5,
    RecentModel6,
    RecentModel7,
    RecentModel8,
    // The palette viewport's height in twips once the user has dragged the
    // boundary between the palette and the region list; empty keeps the
    // designed layout.
    PaletteListHeight,
};

// The key text, such as "LastModelPath".
QString SettingKey(Setting setting);
// The value used when the key is absent; the four folders are the program
// folder followed by models/, colors/, schemes/ and palettes/.
QString SettingDefault(Setting setting);

// Reads the stored text, or the default when the key is absent.
QString GetSetting(Setting setting);
// Stores the text at once; false when it could not be written. The old
// settings file is then kept whole, and the user is told once ("Error
// saving settings.") rather than for every key of the same shutdown.
bool SaveSetting(Setting setting, const QString& value);
// Stores several values in one write of the settings file, told as above.
bool SaveSettings(const QList<std::pair<Setting, QString>>& values);

// Booleans are stored as the texts "True" and "False". A text that is
// neither reads as `fallback`.
QString BoolSettingText(bool value);
bool BoolFromSettingText(const QString& text, bool fallback);

}  // namespace mdlRKVUtilities
