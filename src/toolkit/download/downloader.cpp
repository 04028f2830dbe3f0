#include "toolkit/download/downloader.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <set>
#include <shared_mutex>
#include <string>
#include <vector>

#include "toolkit/download/download_handles.h"
#include "toolkit/download/download_host.h"
#include "toolkit/download/download_plan.h"
#include "toolkit/download/download_url.h"

namespace vex::win {

namespace {

constexpr char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
// Read sizes: WinInet under Wine reaches full speed only with big reads.
constexpr DWORD kMinChunk = 8 * 1024;
constexpr DWORD kStartChunk = 256 * 1024;
constexpr int kMaxChunk = 1024 * 1024;
// Head of the file the first request reads before the rest is split.
constexpr std::int64_t kProbeBytes = 256 * 1024;
// How long stop() waits for the threads before leaving them to their time-outs.
constexpr int kStopWaitMs = 1500;

void setOption(HINTERNET handle, DWORD option, int value) {
  DWORD v = static_cast<DWORD>(value);
  InternetSetOptionA(handle, option, &v, sizeof v);
}

// Set on every handle: not every WinInet passes them down from the session.
void setTimeouts(HINTERNET handle, const DownloadTask& task) {
  setOption(handle, INTERNET_OPTION_CONNECT_TIMEOUT, task.connectTimeoutMs);
  setOption(handle, INTERNET_OPTION_SEND_TIMEOUT, task.sendTimeoutMs);
  setOption(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, task.receiveTimeoutMs);
}

std::string queryText(HINTERNET request, DWORD what) {
  char text[256] = {};
  DWORD size = sizeof text - 1;
  DWORD index = 0;
  if (!HttpQueryInfoA(request, what, text, &size, &index)) return {};
  return std::string(text, size);
}

int queryStatus(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  DWORD index = 0;
  if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, &index))
    return 0;
  return static_cast<int>(status);
}

}  // namespace

struct Downloader::Job {
  DownloadTask task;
  DownloadUrl url;
  std::atomic<bool> stopping{false};
  std::atomic<bool> abandoned{false};  // one range failed: the others give up
  std::atomic<bool> finished{false};
  std::atomic<std::int64_t> received{0};
  std::int64_t total = 0;

  // Request handles a stop closes to cut blocked reads short.
  std::mutex liveMutex;
  std::set<HINTERNET> live;

  std::mutex noticeMutex;
  ULONGLONG lastNotice = 0;  // GetTickCount64 of the last progress notice

  // Signalled when the transfer (not the end notice) is over.
  std::mutex doneMutex;
  std::condition_variable doneSignal;
  bool transferDone = false;

  InternetHandle session;
  // Writers share the lock; a stop that cannot wait takes it to close the file.
  std::shared_mutex fileMutex;
  FileHandle file;

  void run();
  DownloadFailure transfer(int* status);
  DownloadFailure readInto(HINTERNET request, std::int64_t offset, std::int64_t limit, std::int64_t* got);
  DownloadFailure fetchRange(ByteRange range);
  InternetHandle openRequest(HINTERNET connection, DownloadFailure* failure);
  void progress(bool force);
  void markTransferDone();
};

namespace {

// Keeps a request handle known to stop() while it is open.
class LiveRequest {
 public:
  LiveRequest(Downloader::Job& job, InternetHandle request) : job_(job), request_(std::move(request)) {
    std::lock_guard lock(job_.liveMutex);
    if (job_.stopping) {
      request_.reset();
    } else {
      job_.live.insert(request_.get());
    }
  }
  ~LiveRequest() {
    std::lock_guard lock(job_.liveMutex);
    if (job_.live.erase(request_.get()) == 0) request_.release();  // stop() closed it
  }
  LiveRequest(const LiveRequest&) = delete;
  LiveRequest& operator=(const LiveRequest&) = delete;
  HINTERNET get() const { return request_.get(); }
  void close() {
    std::lock_guard lock(job_.liveMutex);
    if (job_.live.erase(request_.get()) == 0) {
      request_.release();
    } else {
      request_.reset();
    }
  }

 private:
  Downloader::Job& job_;
  InternetHandle request_;
};

// One GET on a connection of its own: the connection outlives the request.
struct Exchange {
  InternetHandle connection;
  std::optional<LiveRequest> request;
};

// Connects, opens and sends the request with `header` (may be empty).
DownloadFailure sendGet(Downloader::Job& job, Exchange& x, const std::string& header) {
  x.connection = InternetHandle(InternetConnectA(job.session.get(), job.url.host.c_str(), job.url.port,
                                                 nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!x.connection) return DownloadFailure::Connect;
  DownloadFailure failure = DownloadFailure::None;
  x.request.emplace(job, job.openRequest(x.connection.get(), &failure));
  if (failure != DownloadFailure::None) return failure;
  if (x.request->get() == nullptr) return DownloadFailure::Stopped;
  if (!HttpSendRequestA(x.request->get(), header.empty() ? nullptr : header.c_str(),
                        static_cast<DWORD>(header.size()), nullptr, 0)) {
    return job.stopping ? DownloadFailure::Stopped : DownloadFailure::Connect;
  }
  return DownloadFailure::None;
}

}  // namespace

InternetHandle Downloader::Job::openRequest(HINTERNET connection, DownloadFailure* failure) {
  const char* accept[] = {"*/*", nullptr};
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                INTERNET_FLAG_KEEP_CONNECTION;
  if (url.secure) flags |= INTERNET_FLAG_SECURE;
  InternetHandle request(
      HttpOpenRequestA(connection, "GET", url.path.c_str(), nullptr, nullptr, accept, flags, 0));
  if (!request) {
    *failure = DownloadFailure::Connect;
    return request;
  }
  setTimeouts(request.get(), task);
  return request;
}

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

DownloadFailure Downloader::Job::readInto(HINTERNET request, std::int64_t offset, std::int64_t limit,
                                          std::int64_t* got) {
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::max(task.readBufferBytes, kMaxChunk)));
  DWORD chunk = kStartChunk;
  const ULONGLONG interval = static_cast<ULONGLONG>(std::max(task.progressIntervalMs, 16));
  *got = 0;
  for (;;) {
    if (stopping || abandoned) return DownloadFailure::Stopped;
    DWORD want = static_cast<DWORD>(buffer.size());
    if (limit >= 0) {
      if (*got >= limit) return DownloadFailure::None;
      want = static_cast<DWORD>(std::min<std::int64_t>(want, limit - *got));
    }
    want = std::min(want, chunk);
    DWORD n = 0;
    const ULONGLONG began = GetTickCount64();
    if (!InternetReadFile(request, buffer.data(), want, &n)) {
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
  Exchange x;
  DownloadFailure failure = sendGet(*this, x, header);
  if (failure != DownloadFailure::None) return failure;
  const LiveRequest& request = *x.request;
  if (queryStatus(request.get()) != 206) return DownloadFailure::BadRange;
  const auto answer = parseContentRange(queryText(request.get(), HTTP_QUERY_CONTENT_RANGE));
  if (!answer || answer->first != range.first || answer->last != range.last || answer->total != total) {
    return DownloadFailure::BadRange;
  }
  std::int64_t got = 0;
  failure = readInto(request.get(), range.first, range.size(), &got);
  return failure;
}

DownloadFailure Downloader::Job::transfer(int* status) {
  const auto split = splitDownloadUrl(task.address);
  if (!split) return DownloadFailure::BadAddress;
  url = *split;
  session = InternetHandle(InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  if (!session) return DownloadFailure::Connect;
  const int connections = std::clamp(task.connections, 1, 16);
  setTimeouts(session.get(), task);
  setOption(session.get(), INTERNET_OPTION_MAX_CONNS_PER_SERVER, connections + 1);
  setOption(session.get(), INTERNET_OPTION_MAX_CONNS_PER_1_0_SERVER, connections + 1);

  file = FileHandle(CreateFileW(wideFromGbk(task.file).c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return DownloadFailure::File;

  // The first request reads a bounded head of the file: it tells whether
  // ranges work and how long the file is; the rest is split afterwards.
  const std::int64_t probeBytes = connections > 1 ? kProbeBytes : 0;
  ResponsePlan plan;
  const std::string header =
      probeBytes > 0 ? "Range: bytes=0-" + std::to_string(probeBytes - 1) + "\r\n" : "";
  Exchange x;
  DownloadFailure failure = sendGet(*this, x, header);
  if (failure != DownloadFailure::None) return failure;
  LiveRequest& request = *x.request;
  FirstResponse first;
  first.status = *status = queryStatus(request.get());
  first.contentLength = parseContentLength(queryText(request.get(), HTTP_QUERY_CONTENT_LENGTH));
  first.contentRange = parseContentRange(queryText(request.get(), HTTP_QUERY_CONTENT_RANGE));
  plan = judgeFirstResponse(first, probeBytes);
  if (plan.failure != DownloadFailure::None) return plan.failure;
  total = plan.total.value_or(0);

  std::int64_t got = 0;
  if (!plan.ranged) {
    // No ranges: the whole file on this one connection.
    failure = readInto(request.get(), 0, plan.total.value_or(-1), &got);
    if (failure != DownloadFailure::None) return failure;
    // One more read tells a body longer than announced.
    if (plan.total) {
      std::uint8_t extra = 0;
      DWORD n = 0;
      if (InternetReadFile(request.get(), &extra, 1, &n) && n > 0) return DownloadFailure::WrongLength;
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
  results[0] = readInto(request.get(), 0, plan.probed, &got);
  request.close();
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

void Downloader::Job::markTransferDone() {
  std::lock_guard lock(doneMutex);
  transferDone = true;
  doneSignal.notify_all();
}

void Downloader::Job::run() {
  int status = 0;
  DownloadFailure failure = transfer(&status);
  if (failure == DownloadFailure::None) progress(true);
  {
    // Close every handle before the end is told: the file may be renamed next.
    std::lock_guard lock(liveMutex);
    live.clear();
  }
  session.reset();
  {
    std::unique_lock lock(fileMutex);
    file.reset();
  }
  if (stopping) failure = DownloadFailure::Stopped;
  if (failure != DownloadFailure::None) deleteFile(task.file);
  markTransferDone();
  if (failure != DownloadFailure::Stopped && task.notify) {
    DownloadNotice notice;
    notice.kind = kNoticeEnded;
    notice.value = failure == DownloadFailure::None ? 1 : 0;
    notice.total = failure == DownloadFailure::None ? received.load() : total;
    notice.failure = failure;
    notice.status = status;
    task.notify(notice);
  }
  finished = true;
}

Downloader::~Downloader() {
  stop();
  if (thread_.joinable()) thread_.detach();
}

bool Downloader::running() const { return job_ && !job_->finished; }

bool Downloader::start(const DownloadTask& task) {
  if (running()) return false;
  if (thread_.joinable()) thread_.join();
  job_ = std::make_shared<Job>();
  job_->task = task;
  thread_ = std::thread([job = job_] { job->run(); });
  return true;
}

void Downloader::stop() {
  if (!job_) return;
  const std::shared_ptr<Job> job = job_;
  job->stopping = true;
  {
    std::lock_guard lock(job->liveMutex);
    for (HINTERNET request : job->live) InternetCloseHandle(request);
    job->live.clear();
  }
  if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) {
    // Called from the notify routine: the transfer is already over.
    thread_.detach();
    return;
  }
  bool done = false;
  {
    std::unique_lock lock(job->doneMutex);
    done = job->doneSignal.wait_for(lock, std::chrono::milliseconds(kStopWaitMs),
                                    [&] { return job->transferDone; });
  }
  // A read blocked on a silent server ends only at its time-out; the
  // partial file goes now.
  if (!done) {
    std::unique_lock lock(job->fileMutex);
    job->file.reset();
    deleteFile(job->task.file);
  }
  // The thread may still be blocked or inside the end notice (a message
  // box); it holds its own share of the job, so it can finish on its own.
  if (thread_.joinable()) {
    if (job->finished) {
      thread_.join();
    } else {
      thread_.detach();
    }
  }
}

}  // namespace vex::win
