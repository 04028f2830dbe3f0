// The background downloader: one task at a time, fetched over up to the
// task's connection count with byte ranges when the server accepts them,
// written straight into the target file. Progress (kind 3) and the end
// (kind 4) are told to the task's notify routine from the downloader's own
// threads.
#pragma once
#include <memory>
#include <thread>

#include "toolkit/download/download_task.h"

namespace vex::win {

class Downloader {
 public:
  Downloader() = default;
  ~Downloader();
  Downloader(const Downloader&) = delete;
  Downloader& operator=(const Downloader&) = delete;

  // Starts the task and returns at once; does nothing (false) while a task
  // runs, including while its end notice is being handled.
  bool start(const DownloadTask& task);
  // Ends the running task without an end notice and removes its partial
  // file; its threads have ended when this returns. Safe to call from the
  // notify routine and when nothing runs.
  void stop();
  bool running() const;

  struct Job;

 private:
  std::shared_ptr<Job> job_;
  std::thread thread_;
};

}  // namespace vex::win
