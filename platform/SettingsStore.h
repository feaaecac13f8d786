#pragma once

#include <QList>
#include <QLockFile>
#include <QString>

#include <utility>

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

    // Several keys of one section stored in one replacement of the file, so
    // another program reading it sees all of them changed or none.
    static bool write(const QString& application, const QString& section,
                      const QList<std::pair<QString, QString>>& keysAndValues);

    // While it lives, holds off every other Lock on the application's
    // settings, in this process and in others: a lock file beside the ini
    // file. A value read, changed and written back under it (a list that
    // several windows add to) loses no other window's change. Should the
    // lock not come within a few seconds (a folder that cannot be written,
    // a hung holder), the work goes ahead unlocked rather than not at all.
    class Lock {
    public:
        explicit Lock(const QString& application);
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        QLockFile file;
    };

    // Points the store at another folder and returns the one it replaces;
    // an empty folder means the user's config folder.
    static QString setFolder(const QString& folder);
    // The ini file that holds `application`'s settings.
    static QString filePath(const QString& application);
};

}  // namespace Platform
