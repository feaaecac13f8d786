#include "render/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

thread_local bool insideJob = false;

class WorkerPool {
public:
    WorkerPool()
    {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const int workers = int(std::min(cores, 16u)) - 1;
        for (int i = 0; i < workers; ++i) threads_.emplace_back([this] { serve(); });
    }

    ~WorkerPool()
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_) t.join();
    }

    int width() const { return int(threads_.size()) + 1; }

    void run(int parts, const std::function<void(int)>& work)
    {
        std::unique_lock<std::mutex> busy(submitting_, std::try_to_lock);
        if (insideJob || !busy.owns_lock() || threads_.empty() || parts < 2) {
            for (int p = 0; p < parts; ++p) work(p);
            return;
        }
        {
            std::lock_guard lock(mutex_);
            work_ = &work;
            parts_ = parts;
            next_.store(0);
            done_ = 0;
            ++generation_;
        }
        wake_.notify_all();
        const int ran = takeParts();
        std::unique_lock lock(mutex_);
        done_ += ran;
        // Every worker that joined the job has left it before the job's
        // state is given up.
        finished_.wait(lock, [&] { return done_ == parts_ && active_ == 0; });
        work_ = nullptr;
    }

private:
    // Takes parts of the current job until none is left; returns how many.
    int takeParts()
    {
        insideJob = true;
        int ran = 0;
        for (int p = next_.fetch_add(1); p < parts_; p = next_.fetch_add(1)) {
            (*work_)(p);
            ++ran;
        }
        insideJob = false;
        return ran;
    }

    void serve()
    {
        unsigned seen = 0;
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) return;
            seen = generation_;
            if (work_ == nullptr) continue;
            ++active_;
            lock.unlock();
            const int ran = takeParts();
            lock.lock();
            --active_;
            done_ += ran;
            if (done_ == parts_ && active_ == 0) finished_.notify_one();
        }
    }

    std::vector<std::thread> threads_;
    std::mutex submitting_;  // one job at a time
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    const std::function<void(int)>* work_ = nullptr;
    int parts_ = 0;
    std::atomic<int> next_{0};
    int done_ = 0;
    int active_ = 0;  // workers inside the current job
    unsigned generation_ = 0;
    bool stopping_ = false;
};

WorkerPool& pool()
{
    static WorkerPool instance;
    return instance;
}

}  // namespace

int ParallelWidth() { return pool().width(); }

void RunInParallel(int parts, const std::function<void(int part)>& work) { pool().run(parts, work); }
