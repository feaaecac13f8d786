#pragma once

#include <QList>
#include <QString>
#include <optional>

// The pages a user names on the command line: "1,3-5" is pages 1, 3, 4 and
// 5. Items are single page numbers or ranges from-to (from <= to), separated
// by commas; blanks around items and numbers are allowed. The pages come
// back in ascending order, each once. Nothing for a list that breaks this
// form (an empty item, a number below 1, a range that runs backwards).
std::optional<QList<int>> ParsePageList(const QString& text);

// The pages 1 to count.
QList<int> AllPages(int count);

// The first page of the list that lies outside 1..count, if any.
std::optional<int> PageOutsideModel(const QList<int>& pages, int count);
