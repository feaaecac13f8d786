#include "model/ViewerSettings.h"

#include "platform/MessageBox.h"
#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"

namespace mdlRKVUtilities {

namespace {

const QString Section = QStringLiteral("Settings");

struct SettingEntry {
    Setting setting;
    const char* key;
    const char* defaultText;  // a folder below the program folder when it ends in "/"
};

// Every key with its default.
constexpr SettingEntry Table[] = {
    {Setting::LastModelPath, "LastModelPath", "/models/"},
    {Setting::LastColorPath, "LastColorPath", "/colors/"},
    {Setting::LastSchemePath, "LastSchemePath", "/schemes/"},
    {Setting::LastPalettePath, "LastPalettePath", "/palettes/"},
    {Setting::MainLeft, "MainLeft", "1000"},
    {Setting::MainTop, "MainTop", "1000"},
    {Setting::MainWidth, "MainWidth", "6500"},
    {Setting::MainHeight, "MainHeight", "6500"},
    {Setting::PromptSaveOnChanges, "PromptSaveOnChanges", "True"},
    {Setting::DefaultPaperSize, "DefaultPaperSize", "1"},
    {Setting::UserPrintOffsetX, "UserPrintOffsetX", "0"},
    {Setting::UserPrintOffsetY, "UserPrintOffsetY", "0"},
    {Setting::UserPrintLayout, "UserPrintLayout", "0"},
    {Setting::UserPrintOverlap, "UserPrintOverlap", ""},
    {Setting::UserPrintFitToSheet, "UserPrintFitToSheet", "False"},
    {Setting::UserPrintScaleBar, "UserPrintScaleBar", "False"},
    {Setting::RecentModel1, "RecentModel1", ""},
    {Setting::RecentModel2, "RecentModel2", ""},
    {Setting::RecentModel3, "RecentModel3", ""},
    {Setting::RecentModel4, "RecentModel4", ""},
    {Setting::RecentModel5, "RecentModel5", ""},
    {Setting::RecentModel6, "RecentModel6", ""},
    {Setting::RecentModel7, "RecentModel7", ""},
    {Setting::RecentModel8, "RecentModel8", ""},
    {Setting::PaletteListHeight, "PaletteListHeight", ""},
};

const SettingEntry& entryOf(Setting setting)
{
    for (const SettingEntry& entry : Table)
        if (entry.setting == setting) return entry;
    return Table[0];
}

}  // namespace

QString SettingKey(Setting setting)
{
    return QString::fromLatin1(entryOf(setting).key);
}

QString SettingDefault(Setting setting)
{
    const QString text = QString::fromLatin1(entryOf(setting).defaultText);
    return text.endsWith(QLatin1Char('/')) ? Platform::programFolder() + text : text;
}

QString GetSetting(Setting setting)
{
    return Platform::SettingsStore::read(Platform::programTitle(), Section, SettingKey(setting),
                                         SettingDefault(setting));
}

bool SaveSetting(Setting setting, const QString& value)
{
    return SaveSettings({{setting, value}});
}

bool SaveSettings(const QList<std::pair<Setting, QString>>& values)
{
    QList<std::pair<QString, QString>> keysAndValues;
    for (const auto& [setting, value] : values) keysAndValues.append({SettingKey(setting), value});
    // Told once until a write succeeds again.
    static bool failureShown = false;
    if (Platform::SettingsStore::write(Platform::programTitle(), Section, keysAndValues)) {
        failureShown = false;
        return true;
    }
    if (!failureShown)
        Platform::MessageBox::show(QStringLiteral("Error saving settings."), Platform::MsgButtons::OkOnly,
                                   Platform::MsgIcon::Critical);
    failureShown = true;
    return false;
}

QString BoolSettingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool BoolFromSettingText(const QString& text, bool fallback)
{
    if (text == QLatin1String("True")) return true;
    if (text == QLatin1String("False")) return false;
    return fallback;
}

}  // namespace mdlRKVUtilities
