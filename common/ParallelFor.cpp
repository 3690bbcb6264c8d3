#include "common/ParallelFor.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace aerolune {

namespace {

// More threads than this gain nothing on the loops we run (21 polar angles
// at most) and only cost their start.
constexpr int kMaxWorkers = 64;

// True on a thread while it runs a parallel loop's items: a loop started
// from there runs in that thread instead of starting threads of its own.
thread_local bool insideLoop = false;

int requestedWorkers() {
    const char* text = std::getenv("AEROLUNE_THREADS");
    if (!text || !*text) return 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 1) return 0;
    return static_cast<int>(std::min<long>(value, kMaxWorkers));
}

int availableProcessors() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

int workerCount() {
    const int requested = requestedWorkers();
    return std::min(requested > 0 ? requested : availableProcessors(), kMaxWorkers);
}

void parallelFor(int count, const std::function<void(int)>& task) {
    if (count <= 0) return;
    const int workers = insideLoop ? 1 : std::min(count, workerCount());
    std::atomic<int> next{0};
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(count));
    auto work = [&] {
        const bool wasInside = insideLoop;
        insideLoop = true;
        for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
            try {
                task(i);
            } catch (...) {
                failures[static_cast<std::size_t>(i)] = std::current_exception();
            }
        }
        insideLoop = wasInside;
    };
    std::vector<std::thread> threads;
    try {
        for (int t = 1; t < workers; ++t) threads.emplace_back(work);
    } catch (const std::system_error&) {
        // No more threads to be had: the ones started and this one share the items.
    }
    work();
    for (std::thread& thread : threads) thread.join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

}  // namespace aerolune
