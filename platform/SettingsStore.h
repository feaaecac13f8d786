#pragma once

#include <QString>

namespace Platform {

// The per-user settings store: text values addressed by application name,
// section and key. Each application keeps one ini file in the user's config
// folder (~/.config/<application>.ini unless XDG_CONFIG_HOME says otherwise);
// tests point the store at a folder of their own.
class SettingsStore {
public:
    // The stored text, or `defaultValue` when the key is absent.
    static QString read(const QString& application, const QString& section, const QString& key,
                        const QString& defaultValue);
    // Stores the text at once, so that it survives a crash of the program.
    // The file is replaced whole (a new file renamed over it), so a failed
    // write keeps the old settings; a link at its name is replaced, never
    // followed; false when the write failed.
    static bool write(const QString& application, const QString& section, const QString& key,
                      const QString& value);

    // Points the store at another folder and returns the one it replaces;
    // an empty folder means the user's config folder.
    static QString setFolder(const QString& folder);
    // The ini file that holds `application`'s settings.
    static QString filePath(const QString& application);
};

}  // namespace Platform
