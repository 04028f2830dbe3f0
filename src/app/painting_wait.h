// Runs a job on a worker thread while the UI thread keeps its windows
// painted: a slow server then leaves the windows drawn instead of frozen.
// Input waits in the queue until the job is done, so no handler runs twice.
#pragma once
#include <functional>

namespace vex {

// Returns when `job` has ended. Should no thread be had, the job runs here.
void runWhilePainting(const std::function<void()>& job);

}  // namespace vex
