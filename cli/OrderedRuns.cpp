#include "cli/OrderedRuns.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace aerolune::cli {

unsigned batchThreads() {
    if (const char* text = std::getenv("AEROLUNE_THREADS")) {
        char* end = nullptr;
        const long asked = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && asked > 0) return static_cast<unsigned>(std::min(asked, 256L));
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

void runInOrder(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& run,
                const std::function<void(std::size_t)>& deliver) {
    std::vector<char> done(count, 0);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t k = next++; k < count; k = next++) {
            run(k);
            {
                std::lock_guard lock(mutex);
                done[k] = 1;
            }
            finished.notify_one();
        }
    };
    const std::size_t workers = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(count, 1));
    std::vector<std::jthread> pool;
    for (std::size_t t = 0; t < workers; ++t) pool.emplace_back(work);
    for (std::size_t k = 0; k < count; ++k) {
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return done[k] != 0; });
        lock.unlock();
        deliver(k);
    }
}

}  // namespace aerolune::cli
