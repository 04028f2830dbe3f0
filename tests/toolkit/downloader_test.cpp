#include "toolkit/download/downloader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <vector>

#include "../support/loopback_server.h"
#include "toolkit/download/download_host.h"

namespace vex::win {
namespace {

using test::LoopbackServer;
using test::patternBytes;
using test::Reply;

// Collects the notices of one task and lets the test wait for its end.
struct Recorder {
  std::mutex mutex;
  std::condition_variable ended;
  std::vector<DownloadNotice> notices;

  DownloadNotify notify() {
    return [this](const DownloadNotice& n) {
      std::lock_guard lock(mutex);
      notices.push_back(n);
      ended.notify_all();
      return 0;
    };
  }
  std::optional<DownloadNotice> waitEnd(int seconds = 30) {
    std::unique_lock lock(mutex);
    auto isEnd = [&] { return !notices.empty() && notices.back().kind == kNoticeEnded; };
    if (!ended.wait_for(lock, std::chrono::seconds(seconds), isEnd)) return std::nullopt;
    return notices.back();
  }
  std::vector<DownloadNotice> progress() {
    std::lock_guard lock(mutex);
    std::vector<DownloadNotice> out;
    for (const auto& n : notices) {
      if (n.kind == kNoticeProgress) out.push_back(n);
    }
    return out;
  }
};

class DownloaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    target = std::string(dir) + "vex-download-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    deleteFile(target);
  }
  void TearDown() override { deleteFile(target); }

  DownloadTask task(const std::string& address, int connections = 5) {
    DownloadTask t;
    t.kind = kTaskToFile;
    t.address = address;
    t.file = target;
    t.connections = connections;
    t.connectTimeoutMs = 5000;
    t.sendTimeoutMs = 5000;
    t.receiveTimeoutMs = 10000;
    t.progressIntervalMs = 50;
    t.readBufferBytes = 10240;
    t.notify = recorder.notify();
    return t;
  }

  std::string target;
  Recorder recorder;
  LoopbackServer server;
};

TEST_F(DownloaderTest, UsesFiveRangedConnectionsWhenTheServerAcceptsRanges) {
  const Bytes body = patternBytes(3 << 20);
  server.serve("/new.exe", {.body = body, .bytesPerSecond = 2 << 20});
  Downloader downloader;
  ASSERT_TRUE(downloader.start(task(server.url("/new.exe"))));
  const auto end = recorder.waitEnd();
  ASSERT_TRUE(end);
  EXPECT_EQ(end->value, 1);
  EXPECT_EQ(end->failure, DownloadFailure::None);
  EXPECT_EQ(end->total, static_cast<std::int64_t>(body.size()));
  EXPECT_EQ(readWholeFile(target), body);
  // A bounded head, then five ranges: four beside the head, the fifth on the
  // head's connection once it is done. The server may still count the head's
  // socket for a moment after the client has let it go.
  EXPECT_EQ(server.connections(), 6);
  EXPECT_GE(server.maxConcurrent(), 5);
  EXPECT_LE(server.maxConcurrent(), 6);
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 6u);
  EXPECT_NE(requests[0].head.find("Range: bytes=0-262143\r\n"), std::string::npos) << requests[0].head;
  for (const auto& r : requests) EXPECT_NE(r.head.find("Range: bytes="), std::string::npos);
}

TEST_F(DownloaderTest, ProgressGrowsToTheWholeFile) {
  const Bytes body = patternBytes(1 << 20);
  server.serve("/new.exe", {.body = body, .bytesPerSecond = 500000});
  Downloader downloader;
  downloader.start(task(server.url("/new.exe")));
  ASSERT_TRUE(recorder.waitEnd());
  const auto progress = recorder.progress();
  ASSERT_GE(progress.size(), 3u);
  for (std::size_t i = 1; i < progress.size(); ++i) EXPECT_GE(progress[i].value, progress[i - 1].value);
  EXPECT_EQ(progress.back().value, static_cast<std::int64_t>(body.size()));
  EXPECT_EQ(progress.back().total, static_cast<std::int64_t>(body.size()));
}

TEST_F(DownloaderTest, OneConnectionWhenRangesAreRefused) {
  const Bytes body = patternBytes(2 << 20, 7);
  server.serve("/new.exe", {.body = body, .acceptRanges = false});
  Downloader downloader;
  downloader.start(task(server.url("/new.exe")));
  const auto end = recorder.waitEnd();
  ASSERT_TRUE(end);
  EXPECT_EQ(end->value, 1);
  EXPECT_EQ(readWholeFile(target), body);
  EXPECT_EQ(server.connections(), 1);
}

TEST_F(DownloaderTest, BodyWithoutLengthIsNeverComplete) {
  // Whole or cut short, a body without a length cannot be told complete.
  const Bytes body = patternBytes(300000, 3);
  for (std::int64_t cut : {std::int64_t{-1}, std::int64_t{150000}}) {
    SCOPED_TRACE(cut);
    server.serve("/new.exe", {.body = body, .acceptRanges = false, .sendLength = false, .cutAfter = cut});
    Recorder local;
    DownloadTask t = task(server.url("/new.exe"), 1);
    t.notify = local.notify();
    Downloader downloader;
    downloader.start(t);
    const auto end = local.waitEnd();
    ASSERT_TRUE(end);
    EXPECT_EQ(end->value, 0);
    EXPECT_EQ(end->failure, DownloadFailure::NoLength);
    EXPECT_FALSE(fileExists(target));
  }
}

struct FailureCase {
  const char* name;
  Reply file;
  DownloadFailure expected;
};

TEST_F(DownloaderTest, FailuresEndWithoutAFile) {
  const Bytes body = patternBytes(1 << 20, 5);
  const FailureCase cases[] = {
      {"404", {.body = body, .status = 404}, DownloadFailure::HttpStatus},
      {"cut, ranged", {.body = body, .cutAfter = 100000}, DownloadFailure::Cut},
      {"cut, single", {.body = body, .acceptRanges = false, .cutAfter = 100000}, DownloadFailure::Cut},
      {"short body",
       {.body = body, .acceptRanges = false, .announcedLength = (1 << 20) + 5000},
       DownloadFailure::Cut},
      {"length beside range", {.body = body, .announcedLength = 1000}, DownloadFailure::WrongLength},
      {"empty", {.body = {}, .acceptRanges = false}, DownloadFailure::Empty},
      {"1 TiB announced",
       {.body = body, .acceptRanges = false, .announcedLength = std::int64_t{1} << 40},
       DownloadFailure::TooLarge},
      {"1 TiB in the range total",
       {.body = body, .announcedTotal = std::int64_t{1} << 40},
       DownloadFailure::TooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    server.serve("/bad.exe", c.file);
    const std::size_t asked = server.requests().size();
    Recorder local;
    DownloadTask t = task(server.url("/bad.exe"));
    t.notify = local.notify();
    Downloader downloader;
    ASSERT_TRUE(downloader.start(t));
    const auto end = local.waitEnd();
    ASSERT_TRUE(end);
    EXPECT_EQ(end->value, 0);
    EXPECT_EQ(end->failure, c.expected);
    EXPECT_FALSE(fileExists(target));
    // An oversized file is refused on its first answer: no ranges follow.
    if (c.expected == DownloadFailure::TooLarge) {
      EXPECT_EQ(server.requests().size(), asked + 1);
    }
  }
}

TEST_F(DownloaderTest, BadAddressesFailAtOnce) {
  for (const char* address : {"", "ftp://127.0.0.1/x", "http://127.0.0.1:1/x"}) {
    SCOPED_TRACE(address);
    Recorder local;
    DownloadTask t = task(address);
    t.notify = local.notify();
    Downloader downloader;
    downloader.start(t);
    const auto end = local.waitEnd();
    ASSERT_TRUE(end);
    EXPECT_EQ(end->value, 0);
    EXPECT_FALSE(fileExists(target));
  }
}

TEST_F(DownloaderTest, SecondStartWhileRunningDoesNothing) {
  server.serve("/slow.exe", {.body = patternBytes(400000), .bytesPerSecond = 400000});
  server.serve("/other.exe", {.body = patternBytes(1000)});
  Downloader downloader;
  ASSERT_TRUE(downloader.start(task(server.url("/slow.exe"))));
  EXPECT_TRUE(downloader.running());
  EXPECT_FALSE(downloader.start(task(server.url("/other.exe"))));
  const auto end = recorder.waitEnd();
  ASSERT_TRUE(end);
  EXPECT_EQ(end->total, 400000);
  for (const auto& r : server.requests()) EXPECT_EQ(r.head.find("/other.exe"), std::string::npos);
}

TEST_F(DownloaderTest, StopRemovesThePartialFileAndSendsNoEnd) {
  server.serve("/slow.exe", {.body = patternBytes(4 << 20), .bytesPerSecond = 200000});
  Downloader downloader;
  downloader.start(task(server.url("/slow.exe")));
  for (int i = 0; i < 100 && recorder.progress().empty(); ++i) Sleep(20);
  ASSERT_TRUE(fileExists(target));
  const DWORD before = GetTickCount();
  downloader.stop();
  EXPECT_LT(GetTickCount() - before, 3000u);
  EXPECT_FALSE(downloader.running());
  EXPECT_FALSE(fileExists(target));
  for (const auto& n : recorder.notices) EXPECT_NE(n.kind, kNoticeEnded);
}

TEST_F(DownloaderTest, StopCutsASilentServerShort) {
  server.serve("/silent.exe", {.fault = test::Fault::Stall, .body = patternBytes(1000)});
  Downloader downloader;
  downloader.start(task(server.url("/silent.exe")));
  Sleep(300);
  const DWORD before = GetTickCount();
  downloader.stop();
  EXPECT_LT(GetTickCount() - before, 3000u);
  EXPECT_FALSE(fileExists(target));
}

TEST_F(DownloaderTest, StopWithNothingRunningIsHarmless) {
  Downloader downloader;
  downloader.stop();
  EXPECT_FALSE(downloader.running());
}

}  // namespace
}  // namespace vex::win
