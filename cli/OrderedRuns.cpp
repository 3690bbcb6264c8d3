#include "cli/OrderedRuns.h"

#include <mutex>
#include <vector>

#include "common/ParallelFor.h"

namespace aerolune::cli {

void runInOrder(std::size_t count, const std::function<void(std::size_t)>& run,
                const std::function<void(std::size_t)>& deliver) {
    // A sweep's own loop (21 angles) keeps every worker busy; a batch is
    // spread over the workers only when it has enough files to do the same.
    if (count < static_cast<std::size_t>(workerCount())) {
        for (std::size_t k = 0; k < count; ++k) {
            run(k);
            deliver(k);
        }
        return;
    }
    std::vector<char> done(count, 0);
    std::size_t nextToDeliver = 0;
    std::mutex mutex;
    parallelFor(static_cast<int>(count), [&](int item) {
        const auto k = static_cast<std::size_t>(item);
        run(k);
        // Whichever worker finishes the next run in order hands on it and
        // every finished one after it.
        std::lock_guard lock(mutex);
        done[k] = 1;
        while (nextToDeliver < count && done[nextToDeliver]) deliver(nextToDeliver++);
    });
}

}  // namespace aerolune::cli
