#pragma once

#include <QString>
#include <QStringList>

namespace mdlRKVUtilities {

// The models opened last, most recent first, as full paths. They are kept
// in the settings store under "RecentModel1" to "RecentModel8".
inline constexpr int RecentModelLimit = 8;

// The stored list; empty keys are skipped.
QStringList RecentModels();
// Stores the list in one write (at most RecentModelLimit paths; the keys
// past it are emptied).
void SaveRecentModels(const QStringList& paths);

// The list with path put first: an earlier entry of the same file moves up
// instead of appearing twice, and the oldest falls off past the limit.
QStringList WithRecentModel(QStringList paths, const QString& path);

// These three read, change and write the stored list under the settings
// lock, so several windows changing it at once lose no entry.
// A model opened successfully leads the stored list.
void RememberRecentModel(const QString& path);
// A model that is no longer there leaves the stored list.
void ForgetRecentModel(const QString& path);
void ClearRecentModels();

}  // namespace mdlRKVUtilities
