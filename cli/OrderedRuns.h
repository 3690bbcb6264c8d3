#pragma once
// Independent runs spread over the machine's cores, their results handed on
// in the order they were asked for: a batch of sections prints as it would
// one after another, only sooner.

#include <cstddef>
#include <functional>

namespace aerolune::cli {

/// Threads a batch uses: the machine's cores, or AEROLUNE_THREADS when that
/// is set to a positive whole number (1 runs everything on one thread).
unsigned batchThreads();

/// Calls run(k) for k = 0..count-1 on up to `threads` threads, and deliver(k)
/// on the calling thread for k = 0, 1, ... in order, each as soon as run(k)
/// and every delivery before it are done. run must not throw; what it
/// produces it keeps where deliver finds it (a slot per k).
/// \param count number of runs
/// \param threads threads to run them on (at least one is used)
void runInOrder(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& run,
                const std::function<void(std::size_t)>& deliver);

}  // namespace aerolune::cli
