#include "render/PageBudget.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <fstream>
#include <mutex>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr qint64 BudgetCeiling = qint64(2) << 30;

std::atomic<qint64> budgetOverride{0};

std::mutex sourcesLock;
MemorySources installedSources;

// The least of two limits, where 0 means none.
qint64 least(qint64 a, qint64 b) { return a == 0 ? b : b == 0 ? a : std::min(a, b); }

// The limit a control group file holds: 0 when the file is missing, says
// "max" or holds no plain positive number.
qint64 readLimit(const std::string& path)
{
    std::ifstream in(path);
    std::string word;
    if (!(in >> word)) return 0;
    qint64 value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && stop == end && value > 0 ? value : 0;
}

// The least limit in file of the group at path below root and of every group
// above it: a group's memory is bounded by each of its parents too. Inside
// a container the process's group is often named as the host sees it, and
// only the root below the container's mount holds the limit; walking up
// finds it there.
qint64 groupLimit(const std::string& root, std::string group, const char* file)
{
    // A group outside the process's view ("/../.."): only the root is ours.
    if (group.find("..") != std::string::npos) group.clear();
    while (!group.empty() && group.back() == '/') group.pop_back();
    qint64 limit = 0;
    for (;;) {
        limit = least(limit, readLimit(root + group + "/" + file));
        if (group.empty()) return limit;
        const std::size_t parent = group.rfind('/');
        group.resize(parent == std::string::npos ? 0 : parent);
    }
}

// The memory limit of the process's control groups, v2 and v1 alike (a
// hybrid system lists both); 0 for none.
qint64 cgroupLimit(const MemorySources& sources)
{
    std::ifstream in(sources.processCgroups);
    qint64 limit = 0;
    std::string line;
    while (std::getline(in, line)) {
        // "hierarchy:controllers:path"; the path may hold colons of its own.
        const std::size_t first = line.find(':');
        const std::size_t second = first == std::string::npos ? first : line.find(':', first + 1);
        if (second == std::string::npos) continue;
        std::string controllers(1, ',');
        controllers.append(line, first + 1, second - first - 1).push_back(',');
        const std::string group = line.substr(second + 1);
        if (line.compare(0, first, "0") == 0 && controllers == ",,")
            limit = least(limit, groupLimit(sources.cgroupRoot, group, "memory.max"));
        else if (controllers.find(",memory,") != std::string::npos)
            limit = least(limit, groupLimit(sources.cgroupRoot + "/memory", group, "memory.limit_in_bytes"));
    }
    return limit;
}

qint64 physicalMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return qint64(pages) * qint64(pageSize);
}

qint64 addressSpaceLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 0;
    return qint64(std::min<rlim_t>(limit.rlim_cur, rlim_t(INT64_MAX)));
}

}  // namespace

qint64 ProcessMemoryLimit(const MemorySources& sources)
{
    const qint64 physical = sources.physicalMemory >= 0 ? sources.physicalMemory : physicalMemory();
    const qint64 addressSpace =
        sources.addressSpaceLimit >= 0 ? sources.addressSpaceLimit : addressSpaceLimit();
    return least(least(physical, cgroupLimit(sources)), addressSpace);
}

void SetPageMemorySources(const MemorySources& sources)
{
    const std::lock_guard lock(sourcesLock);
    installedSources = sources;
}

qint64 PageSurfaceBudget()
{
    if (const qint64 set = budgetOverride.load(); set > 0) return set;
    MemorySources sources;
    {
        const std::lock_guard lock(sourcesLock);
        sources = installedSources;
    }
    // The limits are read each time: a container's limit can change while
    // the program runs. A process that knows none gets the ceiling.
    const qint64 memory = ProcessMemoryLimit(sources);
    return memory > 0 ? std::min(memory / 4, BudgetCeiling) : BudgetCeiling;
}

void SetPageSurfaceBudget(qint64 bytes) { budgetOverride.store(std::max<qint64>(bytes, 0)); }

bool PageSizeAllowed(QSize size)
{
    if (size.width() < 1 || size.height() < 1) return false;
    if (size.width() > MaxPageSide || size.height() > MaxPageSide) return false;
    return qint64(size.width()) * size.height() * PageSurfaceBytesPerPixel <= PageSurfaceBudget();
}
