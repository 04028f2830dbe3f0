// Every online path against servers that fail in the usual ways: nothing
// listening, a silent server, a reset mid-response, a 500 page and bytes
// that are no HTTP. Each call must come back within its time-outs with an
// empty or failed result, and the program must stay usable.
#include <gtest/gtest.h>
#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "../support/fault_cases.h"
#include "net/http_request.h"
#include "online/self_update.h"
#include "online/usage_beacon.h"
#include "online/version_check.h"
#include "toolkit/download/downloader.h"
#include "toolkit/internet/bounded_internet.h"
#include "toolkit/internet/wininet_api.h"

namespace vex::test {
namespace {

// Far above every time-out involved (a few seconds each), far below a hang.
constexpr ULONGLONG kBoundMs = 20000;
constexpr int kFixedPort = 18631;  // the build's endpoints

class Stopwatch {
 public:
  ULONGLONG ms() const { return GetTickCount64() - start_; }

 private:
  ULONGLONG start_ = GetTickCount64();
};

// The failing endpoint of a case: a server, or a port nothing listens on.
class Endpoint {
 public:
  Endpoint(const FaultCase& c, int port = 0) {
    if (!c.refuse) {
      server_ = std::make_unique<LoopbackServer>(c.fault, port);
      port_ = server_->port();
    } else {
      port_ = port ? port : LoopbackServer::closedPort();
    }
  }
  bool usable() const { return !server_ || server_->listening(); }
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string url(const std::string& path) const { return "http://" + host() + path; }
  LoopbackServer* server() const { return server_.get(); }

 private:
  std::unique_ptr<LoopbackServer> server_;
  int port_ = 0;
};

class OnlineFaults : public ::testing::TestWithParam<FaultCase> {};

// As the beacon calls it: the library's own defaults let a silent server
// hold a request as long as it stays silent.
TEST_P(OnlineFaults, HttpRequestComesBackWithoutTheBody) {
  Endpoint at(GetParam());
  ASSERT_TRUE(at.usable());
  std::string headers = "Referer:http://127.0.0.1", gotHeaders, gotCookies;
  WinInetApi wininet;
  BoundedInternet api(wininet, {.deadline = kBeaconDeadline});
  Stopwatch clock;
  const Bytes body =
      http_request(api, at.url("/stat.htm?id=1"),
                   {.got_cookies = &gotCookies, .headers = &headers, .got_headers = &gotHeaders});
  const ULONGLONG took = clock.ms();
  std::printf("http_request %s: %llu ms, %zu bytes\n", GetParam().name, took, body.size());
  EXPECT_LT(took, kBoundMs);
  EXPECT_TRUE(gotCookies.empty());
  if (GetParam().fault == Fault::Status500) {
    // The status is not read: an error page is a body like any other.
    EXPECT_EQ(std::string(body.begin(), body.end()), "<html>fault</html>");
  } else if (GetParam().fault == Fault::Reset) {
    EXPECT_LT(body.size(), 100000u) << "a cut response is never taken as whole";
  } else if (GetParam().fault != Fault::GarbageHeaders) {
    EXPECT_TRUE(body.empty());
  }
}

TEST_P(OnlineFaults, VersionCheckAnnouncesNothing) {
  Endpoint at(GetParam());
  ASSERT_TRUE(at.usable());
  online::VersionInfo info;
  info.edition = "stale";
  info.download = "stale";
  Stopwatch clock;
  const bool announced = online::fetch_version_info(info, at.host());
  const ULONGLONG took = clock.ms();
  std::printf("fetch_version_info %s: %llu ms\n", GetParam().name, took);
  EXPECT_LT(took, kBoundMs);
  EXPECT_FALSE(announced);
  EXPECT_EQ(info.edition, "");
  EXPECT_EQ(info.download, "");
  EXPECT_EQ(info.update, "");
}

// Waits for the end notice of one task.
struct EndNotice {
  std::mutex mutex;
  std::condition_variable signal;
  bool ended = false;
  DownloadNotice notice;

  DownloadNotify notify() {
    return [this](const DownloadNotice& n) {
      if (n.kind != kNoticeEnded) return 0;
      std::lock_guard lock(mutex);
      ended = true;
      notice = n;
      signal.notify_all();
      return 0;
    };
  }
  bool wait(ULONGLONG ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    std::unique_lock lock(mutex);
    while (!ended && GetTickCount64() < end) {
      lock.unlock();
      Sleep(20);
      lock.lock();
    }
    return ended;
  }
};

std::string tempPath(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name + std::to_string(GetCurrentProcessId());
}

bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A five-connection download of the update to `file`, told to `end`.
DownloadTask fileDownload(const std::string& address, const std::string& file, EndNotice& end) {
  DownloadTask task;
  task.kind = kTaskToFile;
  task.address = address;
  task.file = file;
  task.connections = 5;
  task.notify = end.notify();
  return task;
}

TEST_P(OnlineFaults, DownloadEndsIncompleteWithoutAFile) {
  Endpoint at(GetParam());
  ASSERT_TRUE(at.usable());
  const std::string file = tempPath("vex fault download ");
  DeleteFileA(file.c_str());
  EndNotice end;
  DownloadTask task = fileDownload(at.url("/vexbox/new.exe"), file, end);
  task.connectTimeoutMs = 5000;
  task.sendTimeoutMs = 5000;
  task.receiveTimeoutMs = 10000;
  task.readBufferBytes = 10240;
  win::Downloader downloader;
  Stopwatch clock;
  ASSERT_TRUE(downloader.start(task));
  ASSERT_TRUE(end.wait(kBoundMs)) << "no end notice within the bound";
  std::printf("download %s: %llu ms, failure %d, status %d\n", GetParam().name, clock.ms(),
              static_cast<int>(end.notice.failure), end.notice.status);
  if (GetParam().fault == Fault::GarbageHeaders) {
    // WinInet reads a reply without a status line as "200" whose body is
    // every byte sent: the downloader cannot tell, the self-update must.
    DeleteFileA(file.c_str());
    return;
  }
  EXPECT_EQ(end.notice.value, 0) << "reported complete";
  EXPECT_NE(end.notice.failure, DownloadFailure::None);
  EXPECT_FALSE(fileExists(file));
  DeleteFileA(file.c_str());
}

TEST_P(OnlineFaults, SelfUpdateSaysItFailedAndKeepsTheProgram) {
  Endpoint at(GetParam());
  ASSERT_TRUE(at.usable());
  online::SelfUpdate update;
  std::mutex mutex;
  std::vector<std::string> said;
  update.showMessage = [&](void*, const std::string& text, const std::string&, win::MessageIcon) {
    std::lock_guard lock(mutex);
    said.push_back(text);
  };
  online::VersionInfo info;
  info.edition = "2.2";
  info.download = "  " + at.url("/vexbox/new.exe") + " ";
  Stopwatch clock;
  online::start_update_download(update, info, nullptr);
  ULONGLONG took = 0;
  for (;;) {
    {
      std::lock_guard lock(mutex);
      if (!said.empty()) break;
    }
    took = clock.ms();
    ASSERT_LT(took, kBoundMs) << "no end message within the bound";
    Sleep(20);
  }
  std::printf("self-update %s: %llu ms\n", GetParam().name, took);
  std::lock_guard lock(mutex);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0], online::kUpdateFailedText);
  EXPECT_FALSE(fileExists(update.task.file)) << "the partial file is removed";
}

// A complete file that is no executable (a broken server's bytes) never
// replaces the program.
TEST(SelfUpdateGuard, CompleteFileThatIsNoExecutableIsNotSwappedIn) {
  online::SelfUpdate update;
  std::vector<std::string> said;
  update.showMessage = [&](void*, const std::string& text, const std::string&, win::MessageIcon) {
    said.push_back(text);
  };
  update.task.file = tempPath("vex fault not an exe ");
  win::writeWholeFile(update.task.file, Bytes{'\x16', '\x03', 'g', 'a', 'r', 'b', 'a', 'g', 'e'});
  DownloadNotice complete;
  complete.kind = kNoticeEnded;
  complete.value = 1;
  EXPECT_EQ(online::on_download_notice(update, complete), 0);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0], online::kUpdateFailedText);
  EXPECT_FALSE(fileExists(update.task.file));
}

INSTANTIATE_TEST_SUITE_P(Each, OnlineFaults, ::testing::ValuesIn(kFaultCases), faultCaseName);

// Servers that hold on or pour out for as long as the client lets them.
// Every online path runs against each with short limits and must give up
// on time, after a bounded number of requests and bytes, leaving no file.
struct HostileCase {
  Hostile server;
  int maxRequests;          // by one page fetch or beacon
  DownloadFailure failure;  // what the download says
};

const HostileCase kHostile[] = {
    {Hostile::SlowStatusLine, 1, DownloadFailure::TimedOut},
    {Hostile::SelfRedirect, 6, DownloadFailure::Redirects},
    {Hostile::RedirectLoop, 6, DownloadFailure::Redirects},
    {Hostile::Trickle, 1, DownloadFailure::NoLength},
    {Hostile::TrickleOfAnnouncedLength, 1, DownloadFailure::TimedOut},
    {Hostile::EndlessBody, 1, DownloadFailure::NoLength},
    {Hostile::RedirectToHugeFile, 2, DownloadFailure::TooLarge},
};

constexpr std::chrono::milliseconds kShortDeadline{1500};
// The deadline plus the time a loaded machine takes to close up.
constexpr ULONGLONG kGivenUpMs = 4000;
// A few socket buffers' worth; the endless and huge bodies are 100 MiB on.
constexpr std::uint64_t kMaxServedBytes = std::uint64_t{16} << 20;

std::string hostileCaseName(const ::testing::TestParamInfo<HostileCase>& info) {
  return hostileName(info.param.server);
}

class HostileServers : public ::testing::TestWithParam<HostileCase> {
 protected:
  LoopbackServer server{[](const std::string& path) { return hostileReply(GetParam().server, path); }};

  void report(const char* path, ULONGLONG took) {
    std::printf("%s %s: gave up after %llu ms, %zu requests, %llu bytes served\n", path,
                hostileName(GetParam().server), took, server.paths().size(),
                static_cast<unsigned long long>(server.bytesSent()));
    EXPECT_LT(took, kGivenUpMs);
    EXPECT_LT(server.bytesSent(), kMaxServedBytes);
  }
};

TEST_P(HostileServers, PageFetchGivesUpOnTime) {
  ASSERT_TRUE(server.listening());
  Stopwatch clock;
  const Bytes page = online::fetch_version_page(server.url("/vexbox/Version.html"), kShortDeadline);
  report("page", clock.ms());
  EXPECT_LE(server.paths().size(), static_cast<std::size_t>(GetParam().maxRequests));
  EXPECT_TRUE(page.empty());
}

TEST_P(HostileServers, BeaconGivesUpOnTime) {
  ASSERT_TRUE(server.listening());
  WinInetApi wininet;
  BoundedInternet api(wininet, {.deadline = kShortDeadline});
  Stopwatch clock;
  std::string headers = usage_beacon_headers();
  const Bytes body = http_request(api, server.url("/stat.htm?id=1"), {.headers = &headers});
  report("beacon", clock.ms());
  EXPECT_LE(server.paths().size(), static_cast<std::size_t>(GetParam().maxRequests));
  EXPECT_LE(body.size(), TransferLimits{}.maxBodyBytes);
}

TEST_P(HostileServers, DownloadFailsOnTimeAndLeavesNoFile) {
  ASSERT_TRUE(server.listening());
  const std::string file = tempPath("vex hostile download ");
  DeleteFileA(file.c_str());
  EndNotice end;
  DownloadTask task = fileDownload(server.url("/vexbox/new.exe"), file, end);
  task.deadlineMs = static_cast<int>(kShortDeadline.count());
  task.idleMs = 1000;
  win::Downloader downloader;
  Stopwatch clock;
  ASSERT_TRUE(downloader.start(task));
  ASSERT_TRUE(end.wait(kBoundMs)) << "no end notice within the bound";
  report("download", clock.ms());
  // The probe and its redirects; no range request follows a failed probe.
  EXPECT_LE(server.paths().size(), 6u);
  EXPECT_EQ(end.notice.value, 0);
  EXPECT_EQ(end.notice.failure, GetParam().failure);
  EXPECT_FALSE(fileExists(file));
  for (int i = 0; i < 50 && downloader.running(); ++i) Sleep(20);
  EXPECT_FALSE(downloader.running()) << "a new download may start";
  DeleteFileA(file.c_str());
}

INSTANTIATE_TEST_SUITE_P(Each, HostileServers, ::testing::ValuesIn(kHostile), hostileCaseName);

// A CR LF inside the page's download address never reaches the wire: the
// player is told the address is wrong and the server sees no request.
TEST(HostileServersInput, ControlBytesInTheDownloadAddressAreRefused) {
  LoopbackServer server(Fault::None);
  ASSERT_TRUE(server.listening());
  online::SelfUpdate update;
  std::mutex mutex;
  std::vector<std::string> said;
  update.showMessage = [&](void*, const std::string& text, const std::string&, win::MessageIcon) {
    std::lock_guard lock(mutex);
    said.push_back(text);
  };
  const std::string page = "[start][edition]2.2[/edition][dowload] " + server.url("/new.exe") +
                           "\r\nX-Injected: yes\r\nX-Pad: [/dowload][end]";
  online::start_update_download(update, online::parseVersionPage(page), nullptr);
  Stopwatch clock;
  for (;;) {
    {
      std::lock_guard lock(mutex);
      if (!said.empty()) break;
    }
    ASSERT_LT(clock.ms(), kBoundMs);
    Sleep(20);
  }
  EXPECT_EQ(said[0], online::kUpdateAddressText);
  EXPECT_TRUE(server.requests().empty());
  EXPECT_FALSE(fileExists(update.task.file));
  // The same address through the other paths.
  EXPECT_TRUE(online::fetch_version_page(server.url("/p\r\nX-Injected: yes")).empty());
  WinInetApi wininet;
  BoundedInternet api(wininet, {});
  http_request(api, server.url("/stat.htm?x=1\r\nX-Injected: yes"));
  EXPECT_EQ(api.ended(), TransferEnd::BadAddress);
  EXPECT_TRUE(server.requests().empty());
}

// An idle program holds no WinInet: each online job loads it and the last
// one to end lets it go.
TEST(OnlineMemory, WinInetIsHeldOnlyWhileAJobRuns) {
  LoopbackServer server(Fault::None);
  ASSERT_TRUE(server.listening());
  auto releasedWithin = [](ULONGLONG ms) {
    Stopwatch clock;
    while (GetModuleHandleW(L"wininet.dll") != nullptr && clock.ms() < ms) Sleep(20);
    return GetModuleHandleW(L"wininet.dll") == nullptr;
  };
  ASSERT_TRUE(releasedWithin(5000)) << "an earlier job still holds it";
  EXPECT_FALSE(online::fetch_version_page(server.url("/vexbox/Version.html")).empty());
  EXPECT_TRUE(releasedWithin(1000)) << "after the page";
  {
    WinInetApi wininet;
    BoundedInternet api(wininet, {});
    EXPECT_FALSE(http_request(api, server.url("/stat.htm?id=1")).empty());
  }
  EXPECT_TRUE(releasedWithin(1000)) << "after the beacon";
  EndNotice end;
  DownloadTask task;
  task.address = server.url("/vexbox/new.exe");
  task.file = tempPath("vex held download ");
  task.notify = end.notify();
  win::Downloader downloader;
  ASSERT_TRUE(downloader.start(task));
  ASSERT_TRUE(end.wait(kBoundMs));
  EXPECT_EQ(end.notice.value, 1);
  EXPECT_TRUE(releasedWithin(1000)) << "after the download";
  DeleteFileA(task.file.c_str());
}

// The beacon and the about flow use the build's fixed endpoints.
class FixedPortFaults : public ::testing::TestWithParam<FaultCase> {
 protected:
  void SetUp() override {
    // Another program's server on the port would answer instead of ours.
    for (int i = 0; i < 100 && LoopbackServer::portAnswers(kFixedPort); ++i) Sleep(100);
    if (LoopbackServer::portAnswers(kFixedPort)) GTEST_SKIP() << "port " << kFixedPort << " is taken";
  }
};

TEST_P(FixedPortFaults, BeaconReturnsWithinItsBound) {
  Endpoint at(GetParam(), kFixedPort);
  ASSERT_TRUE(at.usable());
  Stopwatch clock;
  send_usage_beacon();
  const ULONGLONG took = clock.ms();
  std::printf("send_usage_beacon %s: %llu ms\n", GetParam().name, took);
  EXPECT_LT(took, kBoundMs);
  if (at.server()) {
    ASSERT_FALSE(at.server()->paths().empty());
    EXPECT_EQ(at.server()->paths()[0].rfind("/stat.htm?id=", 0), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(Each, FixedPortFaults, ::testing::ValuesIn(kFaultCases), faultCaseName);

}  // namespace
}  // namespace vex::test
