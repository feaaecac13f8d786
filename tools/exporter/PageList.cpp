#include "exporter/PageList.h"

#include <algorithm>

namespace {

std::optional<int> pageNumber(const QString& text)
{
    bool ok = false;
    const int page = text.trimmed().toInt(&ok);
    if (!ok || page < 1) return std::nullopt;
    return page;
}

}  // namespace

std::optional<QList<int>> ParsePageList(const QString& text)
{
    QList<int> pages;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QStringList ends = item.split(QLatin1Char('-'));
        if (ends.size() > 2) return std::nullopt;
        const std::optional<int> from = pageNumber(ends.first());
        const std::optional<int> to = pageNumber(ends.last());
        if (!from || !to || *to < *from) return std::nullopt;
        // A range larger than any model is refused here rather than spelt out.
        if (*to - *from > 1000000) return std::nullopt;
        for (int page = *from; page <= *to; ++page) pages.append(page);
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}

QList<int> AllPages(int count)
{
    QList<int> pages;
    for (int page = 1; page <= count; ++page) pages.append(page);
    return pages;
}

std::optional<int> PageOutsideModel(const QList<int>& pages, int count)
{
    for (int page : pages)
        if (page < 1 || page > count) return page;
    return std::nullopt;
}
