#include "toolkit/download/downloader.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <vector>

#include "toolkit/download/download_host.h"
#include "toolkit/download/download_page.h"
#include "toolkit/download/download_plan.h"
#include "toolkit/internet/bounded_internet.h"
#include "toolkit/internet/fetch.h"
#include "toolkit/internet/internet_query.h"
#include "toolkit/internet/url_parts.h"
#include "toolkit/internet/wininet_api.h"
#include "toolkit/system/handles.h"

namespace vex::win {

namespace {

// Read sizes: WinInet under Wine reaches full speed only with big reads.
constexpr std::uint32_t kMinChunk = 8 * 1024;
constexpr std::uint32_t kStartChunk = 256 * 1024;
constexpr int kMaxChunk = 1024 * 1024;
// Head of the file the first request reads before the rest is split.
constexpr std::int64_t kProbeBytes = 256 * 1024;

TransferLimits limitsOf(const DownloadTask& task) {
  TransferLimits limits;
  limits.deadline = std::chrono::milliseconds(std::max(task.deadlineMs, 1));
  limits.idle = std::chrono::milliseconds(std::max(task.idleMs, 0));
  limits.maxBodyBytes = kMaxDownloadBytes;
  limits.connectTimeoutMs = static_cast<std::uint32_t>(std::max(task.connectTimeoutMs, 1));
  limits.sendTimeoutMs = static_cast<std::uint32_t>(std::max(task.sendTimeoutMs, 1));
  limits.receiveTimeoutMs = static_cast<std::uint32_t>(std::max(task.receiveTimeoutMs, 1));
  return limits;
}

// Why the layer ended an exchange, as the task's failure.
DownloadFailure failureOf(TransferEnd end, DownloadFailure seen) {
  switch (end) {
    case TransferEnd::Deadline:
    case TransferEnd::Idle:
      return DownloadFailure::TimedOut;
    case TransferEnd::Redirects:
      return DownloadFailure::Redirects;
    case TransferEnd::BadAddress:
      return DownloadFailure::BadAddress;
    case TransferEnd::TooLarge:
      return seen == DownloadFailure::None ? DownloadFailure::WrongLength : seen;
    case TransferEnd::Stopped:  // by the job itself; a stop() marks the job
    case TransferEnd::None:
      break;
  }
  return seen;
}

}  // namespace

struct Downloader::Job {
  explicit Job(const DownloadTask& t)
      : task(t),
        api(std::make_unique<WinInetApi>()),
        net(std::make_unique<BoundedInternet>(*api, limitsOf(t))) {}

  enum class State { Transferring, Telling, Idle };

  DownloadTask task;
  WebAddress url;
  // WinInet is loaded while the transfer runs and let go before the end is
  // told; `netMutex` guards the two against a stop from another thread.
  std::mutex netMutex;
  std::unique_ptr<WinInetApi> api;
  std::unique_ptr<BoundedInternet> net;
  std::atomic<bool> stopping{false};
  std::atomic<bool> abandoned{false};  // one range failed: the others give up
  std::atomic<std::int64_t> received{0};
  std::int64_t total = 0;

  std::mutex noticeMutex;
  ULONGLONG lastNotice = 0;  // GetTickCount64 of the last progress notice

  std::shared_mutex fileMutex;
  UniqueHandle file;

  mutable std::mutex stateMutex;
  std::condition_variable stateChanged;
  State state = State::Transferring;

  void run();
  DownloadFailure transfer(int* status);
  DownloadFailure readInto(InternetHandle request, std::int64_t offset, std::int64_t limit,
                           std::int64_t* got);
  DownloadFailure fetchRange(ByteRange range);
  void progress(bool force);
  void cut() {
    std::lock_guard lock(netMutex);
    if (net) net->end(TransferEnd::Stopped);
  }
  void setState(State next) {
    std::lock_guard lock(stateMutex);
    state = next;
    stateChanged.notify_all();
  }
  State currentState() const {
    std::lock_guard lock(stateMutex);
    return state;
  }
};

namespace {

// One GET of the task's address with `header` (may be empty), on a
// connection of its own.
DownloadFailure sendGet(Downloader::Job& job, std::optional<Exchange>& x, const std::string& header) {
  const auto connections = static_cast<std::uint32_t>(std::clamp(job.task.connections, 1, 16) + 1);
  x.emplace(fetch(*job.net, {.agent = kBrowserAgent,
                             .address = job.url,
                             .flags = inet::kFlagReload | inet::kFlagNoCacheWrite | inet::kFlagPragmaNoCache |
                                      inet::kFlagKeepConnection,
                             .rootOptions = {{inet::kOptionMaxConnsPerServer, connections},
                                             {inet::kOptionMaxConnsPer10Server, connections}},
                             .headers = "Accept: */*\r\n" + header}));
  if (x->sent()) return DownloadFailure::None;
  return x->opened() && job.stopping ? DownloadFailure::Stopped : DownloadFailure::Connect;
}

}  // namespace

void Downloader::Job::progress(bool force) {
  const int interval = std::max(0, task.progressIntervalMs);
  std::lock_guard lock(noticeMutex);
  const ULONGLONG now = GetTickCount64();
  if (!force && lastNotice != 0 && now - lastNotice < static_cast<ULONGLONG>(interval)) return;
  lastNotice = now;
  if (task.notify && !stopping) {
    DownloadNotice notice;
    notice.kind = kNoticeProgress;
    notice.value = received;
    notice.total = total;
    task.notify(notice);
  }
}

DownloadFailure Downloader::Job::readInto(InternetHandle request, std::int64_t offset, std::int64_t limit,
                                          std::int64_t* got) {
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::max(task.readBufferBytes, kMaxChunk)));
  std::uint32_t chunk = kStartChunk;
  const ULONGLONG interval = static_cast<ULONGLONG>(std::max(task.progressIntervalMs, 16));
  *got = 0;
  for (;;) {
    if (stopping || abandoned) return DownloadFailure::Stopped;
    std::uint32_t want = static_cast<std::uint32_t>(buffer.size());
    if (limit >= 0) {
      if (*got >= limit) return DownloadFailure::None;
      want = static_cast<std::uint32_t>(std::min<std::int64_t>(want, limit - *got));
    }
    want = std::min(want, chunk);
    std::uint32_t n = 0;
    const ULONGLONG began = GetTickCount64();
    if (!net->readFile(request, std::span(buffer).first(want), n)) {
      return stopping ? DownloadFailure::Stopped : DownloadFailure::Cut;
    }
    // A synchronous read waits for a full buffer: on a slow line smaller
    // reads keep the progress flowing, on a fast one bigger reads cost less.
    const ULONGLONG took = GetTickCount64() - began;
    if (took * 4 > interval && chunk > kMinChunk) chunk /= 2;
    if (took * 16 < interval && n == want && chunk < buffer.size()) chunk *= 2;
    if (n == 0) return limit >= 0 && *got < limit ? DownloadFailure::Cut : DownloadFailure::None;
    OVERLAPPED at{};
    const std::int64_t position = offset + *got;
    at.Offset = static_cast<DWORD>(position & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    DWORD written = 0;
    {
      std::shared_lock lock(fileMutex);
      if (!file) return DownloadFailure::Stopped;
      if (!WriteFile(file.get(), buffer.data(), n, &written, &at) || written != n)
        return DownloadFailure::File;
    }
    *got += n;
    received += n;
    progress(false);
  }
}

DownloadFailure Downloader::Job::fetchRange(ByteRange range) {
  const std::string header =
      "Range: bytes=" + std::to_string(range.first) + "-" + std::to_string(range.last) + "\r\n";
  std::optional<Exchange> x;
  DownloadFailure failure = sendGet(*this, x, header);
  if (failure != DownloadFailure::None) return failure;
  if (queryStatus(*net, x->request()) != 206) return DownloadFailure::BadRange;
  const auto answer = parseContentRange(queryText(*net, x->request(), inet::kQueryContentRange));
  if (!answer || answer->first != range.first || answer->last != range.last || answer->total != total) {
    return DownloadFailure::BadRange;
  }
  std::int64_t got = 0;
  return readInto(x->request(), range.first, range.size(), &got);
}

DownloadFailure Downloader::Job::transfer(int* status) {
  const auto split = splitWebAddress(task.address);
  if (!split) return DownloadFailure::BadAddress;
  url = *split;
  const int connections = std::clamp(task.connections, 1, 16);

  file = openedFile(CreateFileW(widen(task.file).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return DownloadFailure::File;

  // The first request reads a bounded head of the file: it tells whether
  // ranges work and how long the file is; the rest is split afterwards.
  const std::int64_t probeBytes = connections > 1 ? kProbeBytes : 0;
  const std::string header =
      probeBytes > 0 ? "Range: bytes=0-" + std::to_string(probeBytes - 1) + "\r\n" : "";
  std::optional<Exchange> x;
  DownloadFailure failure = sendGet(*this, x, header);
  if (failure != DownloadFailure::None) return failure;
  FirstResponse first;
  first.status = *status = queryStatus(*net, x->request());
  first.contentLength = parseContentLength(queryText(*net, x->request(), inet::kQueryContentLength));
  first.contentRange = parseContentRange(queryText(*net, x->request(), inet::kQueryContentRange));
  const ResponsePlan plan = judgeFirstResponse(first, probeBytes);
  if (plan.failure != DownloadFailure::None) {
    // Closing now, not after the library has drained what was refused.
    net->end(TransferEnd::Stopped);
    return plan.failure;
  }
  total = plan.total.value_or(0);
  if (plan.total) {
    // A big file may take longer than the deadline, at no less than the
    // least rate; never more bytes than announced.
    const std::int64_t rate = std::max(task.minBytesPerSecond, 1);
    net->extendDeadline(std::chrono::milliseconds(*plan.total * 1000 / rate));
    net->lowerByteCap(static_cast<std::uint64_t>(*plan.total));
  }

  std::int64_t got = 0;
  if (!plan.ranged) {
    // No ranges: the whole file on this one connection.
    failure = readInto(x->request(), 0, plan.total.value_or(-1), &got);
    if (failure != DownloadFailure::None) return failure;
    // One more read tells a body longer than announced.
    if (plan.total) {
      std::uint8_t extra = 0;
      std::uint32_t n = 0;
      if (net->readFile(x->request(), std::span(&extra, 1), n) && n > 0) return DownloadFailure::WrongLength;
    }
    return judgeCompletion(plan.total, got);
  }
  LARGE_INTEGER size;
  size.QuadPart = *plan.total;
  {
    std::shared_lock lock(fileMutex);
    if (!file) return DownloadFailure::Stopped;
    if (!SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get())) {
      return DownloadFailure::File;
    }
  }
  // The other ranges start while the head is still being read; this
  // connection then takes the first range itself, so no more than
  // `connections` are ever open.
  std::vector<ByteRange> ranges = planRanges(*plan.total - plan.probed, connections, task.minRangeBytes);
  for (ByteRange& range : ranges) {
    range.first += plan.probed;
    range.last += plan.probed;
  }
  std::vector<DownloadFailure> results(ranges.size() + 1, DownloadFailure::None);
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < ranges.size(); ++i) {
    workers.emplace_back([this, &results, &ranges, i] {
      results[i + 1] = fetchRange(ranges[i]);
      if (results[i + 1] != DownloadFailure::None) abandoned = true;
    });
  }
  results[0] = readInto(x->request(), 0, plan.probed, &got);
  x.reset();
  if (results[0] != DownloadFailure::None) {
    abandoned = true;
  } else if (!ranges.empty()) {
    results[1] = fetchRange(ranges[0]);
    if (results[1] != DownloadFailure::None) abandoned = true;
  }
  for (auto& worker : workers) worker.join();
  // The range that failed first says why; the others only gave up.
  for (DownloadFailure result : results) {
    if (result != DownloadFailure::None && result != DownloadFailure::Stopped) return result;
  }
  for (DownloadFailure result : results) {
    if (result != DownloadFailure::None) return result;
  }
  return judgeCompletion(plan.total, received);
}

void Downloader::Job::run() {
  int status = 0;
  DownloadFailure failure = transfer(&status);
  if (failure == DownloadFailure::None) progress(true);
  failure = failureOf(net->ended(), failure);
  // Close every handle and let go of WinInet before the end is told: the
  // file may be renamed next, and a message box may keep this thread.
  net->end(TransferEnd::Stopped);
  {
    std::lock_guard lock(netMutex);
    net.reset();
    api.reset();
  }
  {
    std::unique_lock lock(fileMutex);
    file.reset();
  }
  if (stopping) failure = DownloadFailure::Stopped;
  if (failure != DownloadFailure::None) deleteFile(task.file);
  // Only a notice to tell makes the job Telling: a stop waiting on a job
  // with nothing to tell sees it go straight to Idle, and joins it.
  if (failure == DownloadFailure::Stopped || !task.notify) return;
  setState(State::Telling);
  DownloadNotice notice;
  notice.kind = kNoticeEnded;
  notice.value = failure == DownloadFailure::None ? 1 : 0;
  notice.total = failure == DownloadFailure::None ? received.load() : total;
  notice.failure = failure;
  notice.status = status;
  task.notify(notice);
}

Downloader::~Downloader() { stop(); }

bool Downloader::running() const { return job_ && job_->currentState() != Job::State::Idle; }

bool Downloader::start(const DownloadTask& task) {
  if (running()) return false;
  if (thread_.joinable()) thread_.join();
  job_ = std::make_shared<Job>(task);
  thread_ = std::thread([job = job_] {
    job->run();
    job->setState(Job::State::Idle);
  });
  return true;
}

void Downloader::stop() {
  if (!job_) return;
  const std::shared_ptr<Job> job = job_;
  job->stopping = true;
  job->cut();
  if (!thread_.joinable()) return;
  if (thread_.get_id() == std::this_thread::get_id()) {
    // Called from the notify routine: the transfer is already over.
    thread_.detach();
    return;
  }
  // Every blocked call returns once the exchange is closed; only an end
  // notice already under way (a message box the player has not answered)
  // may keep the thread, which holds its own share of the job.
  std::unique_lock lock(job->stateMutex);
  job->stateChanged.wait(lock, [&] { return job->state != Job::State::Transferring; });
  const bool idle = job->state == Job::State::Idle;
  lock.unlock();
  if (idle) {
    thread_.join();
  } else {
    thread_.detach();
  }
}

}  // namespace vex::win
