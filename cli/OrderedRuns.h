#pragma once
// Independent runs spread over the machine's cores, their results handed on
// in the order they were asked for: a batch of sections prints as it would
// one after another, only sooner.

#include <cstddef>
#include <functional>

namespace aerolune::cli {

/// Calls run(k) for k = 0..count-1 and deliver(k) for k = 0, 1, ... in order,
/// each as soon as run(k) and every delivery before it are done; deliveries
/// never overlap. With at least as many runs as workers (AEROLUNE_THREADS or
/// the processors) the runs share the workers and each runs its own loops on
/// one thread; with fewer, they run one after another and each spreads its
/// own loops over the workers. Neither run nor deliver may throw; what run
/// produces it keeps where deliver finds it (a slot per k).
/// \param count number of runs
void runInOrder(std::size_t count, const std::function<void(std::size_t)>& run,
                const std::function<void(std::size_t)>& deliver);

}  // namespace aerolune::cli
