#pragma once
// A parallel loop for work whose items are independent (the angles of a
// polar, the two surfaces of a boundary layer, the rows of a field): the
// items are shared out among a few threads, the calling thread among them,
// and the loop returns when every item is done. Each item must write only
// its own results; then the results do not depend on the number of threads.

#include <functional>

namespace aerolune {

/// Threads a parallel loop may use: the whole number in the environment
/// variable AEROLUNE_THREADS when it holds one from 1 up, else the
/// processors this process may run on; at least 1.
int workerCount();

/// Runs task(i) once for every i in [0, count). With one worker, fewer than
/// two items, or when called from inside another parallel loop's item, the
/// items run here one after another in order. An exception thrown by an item
/// is rethrown here once every item has finished (the lowest item's, when
/// several throw).
/// \param count number of items
/// \param task the work of one item
void parallelFor(int count, const std::function<void(int)>& task);

}  // namespace aerolune
