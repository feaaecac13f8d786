// A page may take a quarter of what this process may use, everything it
// holds counted: the machine, its control groups and its address space
// bound it; the run index is dropped when it does not fit.
#include "CanvasFixture.h"
#include "render/PageImageReader.h"
#include "render/RegionRunIndex.h"

#include <QDir>
#include <QScopeGuard>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr qint64 GiB = qint64(1) << 30;

void writeFile(const QString& path, const char* text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
}

struct LimitRow {
    const char* fault;
    const char* cgroups;  // the process's groups as /proc/self/cgroup lists them
    std::vector<std::pair<const char*, const char*>> files;  // below the mount "cg"
    qint64 physical, addressSpace, expected;
};

}  // namespace

TEST(ProcessMemoryLimit, TheLeastOfMachineGroupsAndAddressSpace)
{
    const std::vector<LimitRow> rows = {
        {"a parent group's limit missed", "0::/user.slice/app-7.scope\n",
         {{"user.slice/app-7.scope/memory.max", "max\n"}, {"user.slice/memory.max", "1610612736\n"},
          {"memory.max", "3221225472\n"}}, 24 * GiB, 0, 1610612736},
        {"the group's own limit missed", "0::/a/b\n",
         {{"a/b/memory.max", "805306368\n"}, {"a/memory.max", "999999999999\n"}}, 24 * GiB, 0, 805306368},
        {"v1 memory among other controllers missed, or the host's group name not walked up",
         "12:cpuset:/x\n7:cpu,memory,pids:/docker/f00d\n0::/\n",
         {{"memory/memory.limit_in_bytes", "1073741824\n"}, {"memory.limit_in_bytes", "4096\n"}},
         24 * GiB, 0, 1073741824},
        {"the address-space limit missed", "0::/\n", {{"memory.max", "max\n"}}, 24 * GiB,
         3 * GiB + 3 * 4096, 3 * GiB + 3 * 4096},
        {"v1's \"unlimited\" or a broken line taken for a limit", "5:memory:/\nbroken\n",
         {{"memory/memory.limit_in_bytes", "9223372036854771712\n"}}, 6 * GiB + 7 * 4096, 0,
         6 * GiB + 7 * 4096},
        {"a group outside the mount read", "0::/../..\n",
         {{"memory.max", "2000000000\n"}, {"../memory.max", "1000\n"}}, 24 * GiB, 0, 2000000000},
    };
    for (const LimitRow& row : rows) {
        SCOPED_TRACE(row.fault);
        QTemporaryDir dir;
        writeFile(dir.filePath("cgroup"), row.cgroups);
        for (const auto& [name, text] : row.files) writeFile(dir.filePath("cg/") + name, text);
        const MemorySources sources{dir.filePath("cgroup").toStdString(), dir.filePath("cg").toStdString(),
                                    row.physical, row.addressSpace};
        EXPECT_EQ(ProcessMemoryLimit(sources), row.expected);
    }

    // The system's own address-space limit, the soft one, lowered in a child.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &limit), 0);
    const qint64 soft = qint64(std::min<rlim_t>(5 * GiB + 12345 * 4096, limit.rlim_max));
    const pid_t child = fork();
    if (child == 0) {
        limit.rlim_cur = rlim_t(soft);
        _exit(setrlimit(RLIMIT_AS, &limit) == 0
                      && ProcessMemoryLimit({"/nonexistent", "/nonexistent", 24 * GiB, -1}) == soft
                  ? 0 : 1);
    }
    int status = 1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(CanvasFixture, AContainersLimitRefusesAPageBeforeItIsDecoded)
{
    // 1.5 GB for the process: a page may take 375 MB, so a small PNG that
    // unpacks to 16384 x 16384 pixels (2 GiB of surfaces) is refused.
    const auto restore = qScopeGuard([] { SetPageMemorySources({}); });
    writeFile(dir.filePath("cgroup"), "0::/box\n");
    writeFile(dir.filePath("cg/box/memory.max"), "1500000000\n");
    SetPageMemorySources({dir.filePath("cgroup").toStdString(), dir.filePath("cg").toStdString(), 24 * GiB, 0});
    ASSERT_EQ(PageSurfaceBudget(), 1500000000 / 4);
    canvas->LoadRKVImage(savePage(PatternPage(61, 43), "small.png"));
    QImage square(16384, 16384, QImage::Format_Mono);
    square.fill(0);
    canvas->LoadRKVImage(savePage(square, "square.png"));
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(state().LoaderImage().size(), QSize(61, 43));
}

TEST_F(CanvasFixture, APageWhoseRunIndexDoesNotFitIsShownAndRecoloredExactly)
{
    // Runs of 1 to 13 pixels by row, counted here with each region's pixels.
    QImage page(37, 23, QImage::Format_RGB32);
    qint64 runs = 0;
    std::array<std::size_t, 256> counts{};
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) {
            const int region = ((x + y % 11) / (1 + y % 13) + y * 3) % 256;
            page.setPixel(x, y, PagePixel(x * 5 + y, region, 255 - y));
            runs += x == 0 || qGreen(page.pixel(x - 1, y)) != region;
            ++counts[std::size_t(region)];
        }
    const qint64 pixels = 37 * 23, runBytes = runs * qint64(sizeof(PixelRun));
    const auto* words = reinterpret_cast<const std::uint32_t*>(page.constBits());
    RegionRunIndex index;
    EXPECT_TRUE(index.Build(words, 37, 37, 23, runBytes));
    for (std::size_t r = 0; r < counts.size(); ++r) EXPECT_EQ(index.PixelCount(RegionSet().set(r)), counts[r]);
    EXPECT_FALSE(index.Build(words, 37, 37, 23, runBytes - 1));
    EXPECT_EQ(index.PixelCount(RegionSet().set()), 0u);

    const auto restore = qScopeGuard([] { SetPageSurfaceBudget(0); });
    const QString path = savePage(page);
    SetPageSurfaceBudget(pixels * PageSurfaceBytesPerPixel - 1);  // not even the surfaces
    canvas->LoadRKVImage(path);
    EXPECT_EQ(boxes.count(), 1);
    SetPageSurfaceBudget(pixels * PageSurfaceBytesPerPixel + runBytes - 1);
    showPage(page, 100);
    canvas->UpdatePaletteColor(4, 0x3060C0, -20);
    canvas->RenderRKVPage();
    RKV3CanvasCtl fresh;
    fresh.UpdatePaletteColor(4, 0x3060C0, -20);
    fresh.LoadRKVImage(path);
    fresh.RenderRKVPage();
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(canvas->Picture(), fresh.Picture());
}
