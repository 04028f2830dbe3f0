#include "online/self_update.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "../support/loopback_server.h"
#include "online/update_script.h"
#include "online/version_check.h"
#include "toolkit/download/download_verify.h"
#include "update_signature_keys.h"

namespace vex::online {
namespace {

using test::LoopbackServer;
using test::patternBytes;

// Runs each test in a fresh program directory of its own.
class SelfUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    dir = std::wstring(base) + L"vex update " + std::to_wstring(GetCurrentProcessId()) + L" \u9635\u5323";
    CreateDirectoryW(dir.c_str(), nullptr);
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(dir.c_str());
    temp = win::currentDirectory() + "\\" + kUpdateTempName;
    update.trust.publicKey = test::kReleaseKey;
    update.showMessage = [this](void*, const Text& text, const Text& title, win::MessageIcon icon) {
      std::lock_guard lock(mutex);
      messages.push_back(text);
      titles.push_back(title);
      icons.push_back(icon);
      said.notify_all();
    };
    update.afterFailure = [this] { ++failuresTold; };
  }
  void TearDown() override {
    update.downloader.stop();
    win::deleteFile(temp);
    SetCurrentDirectoryW(previous);
    RemoveDirectoryW(dir.c_str());
  }
  bool waitMessage(int seconds = 30) {
    std::unique_lock lock(mutex);
    return said.wait_for(lock, std::chrono::seconds(seconds), [&] { return !messages.empty(); });
  }
  DownloadNotice ended(bool complete) {
    DownloadNotice n;
    n.kind = kNoticeEnded;
    n.value = complete ? 1 : 0;
    return n;
  }

  std::wstring dir;
  wchar_t previous[MAX_PATH];
  Text temp;
  SelfUpdate update;
  std::mutex mutex;
  std::condition_variable said;
  std::vector<Text> messages, titles;
  std::vector<win::MessageIcon> icons;
  std::atomic<int> failuresTold{0};
};

// A page that offers kSignedText as edition 2.2 from `address`.
VersionInfo offering(const Text& address) {
  VersionInfo info;
  info.edition = "2.2";
  info.download = address;
  info.statement = test::kStatementNew;
  info.statementSignature = test::kStatementNewSignature;
  return info;
}

TEST_F(SelfUpdateTest, TaskRecordHoldsItsStartDefaults) {
  const DownloadTask t;
  EXPECT_EQ(t.kind, 1);
  EXPECT_EQ(t.userName, "anonymous");
  EXPECT_EQ(t.connections, 1);
  EXPECT_EQ(t.connectTimeoutMs, 20000);
  EXPECT_EQ(t.sendTimeoutMs, 20000);
  EXPECT_EQ(t.receiveTimeoutMs, 20000);
  EXPECT_EQ(t.progressIntervalMs, 1000);
  EXPECT_EQ(t.readBufferBytes, 20480);
  EXPECT_EQ(t.minRangeBytes, 1024);
  EXPECT_EQ(t.flag, 1);
  EXPECT_EQ(t.fileTypes, ".exe|.rar|.zip|.gif|.jpg|.mp3|.rm");
  EXPECT_NE(t.password.find('@'), std::string::npos);
}

TEST_F(SelfUpdateTest, StartFillsTheTaskForTheUpdate) {
  LoopbackServer server;
  start_update_download(update, offering("\xA1\xA1 " + server.url("/missing.exe") + "  "), nullptr);
  const DownloadTask& t = update.task;
  EXPECT_EQ(t.kind, 4096);
  EXPECT_EQ(t.address, server.url("/missing.exe"));
  EXPECT_EQ(t.file, temp);
  EXPECT_EQ(t.connections, 5);
  EXPECT_EQ(t.connectTimeoutMs, 5000);
  EXPECT_EQ(t.sendTimeoutMs, 5000);
  EXPECT_EQ(t.receiveTimeoutMs, 10000);
  EXPECT_EQ(t.progressIntervalMs, 1000);
  EXPECT_EQ(t.readBufferBytes, 10240);
  EXPECT_EQ(t.minRangeBytes, 1024);
  EXPECT_EQ(t.userName, "anonymous");
  ASSERT_TRUE(waitMessage());
  EXPECT_EQ(messages[0], kUpdateFailedText);  // a 404 never reaches the swap
  EXPECT_EQ(titles[0], "提示");
  EXPECT_FALSE(win::fileExists(temp));
}

TEST_F(SelfUpdateTest, SecondStartWhileDownloadingIsIgnored) {
  LoopbackServer server;
  server.serve("/slow.exe", {.body = patternBytes(300000), .bytesPerSecond = 100000});
  const VersionInfo info = offering(server.url("/slow.exe"));
  start_update_download(update, info, nullptr);
  ASSERT_TRUE(update.downloader.running());
  start_update_download(update, offering(server.url("/other.exe")), nullptr);
  EXPECT_EQ(update.task.address, info.download);
  update.downloader.stop();
  for (const auto& r : server.requests()) EXPECT_EQ(r.head.find("/other.exe"), std::string::npos);
  EXPECT_FALSE(win::fileExists(temp));
}

TEST_F(SelfUpdateTest, ProgressIsAPercentage) {
  int seen = -1;
  update.progress = [&](int percent) { seen = percent; };
  DownloadNotice n;
  n.kind = kNoticeProgress;
  n.value = 250;
  n.total = 1000;
  EXPECT_EQ(on_download_notice(update, n), 0);
  EXPECT_EQ(update.percent, 25);
  EXPECT_EQ(seen, 25);
  n.total = 0;  // length unknown
  on_download_notice(update, n);
  EXPECT_EQ(update.percent, 0);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SelfUpdateTest, IncompleteDownloadKeepsTheRunningProgram) {
  update.task.file = temp;
  win::writeWholeFile(temp, patternBytes(100));
  EXPECT_EQ(on_download_notice(update, ended(false)), 0);
  EXPECT_FALSE(win::fileExists(temp));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kUpdateFailedText);
  EXPECT_EQ(icons[0], win::MessageIcon::Warning);
}

TEST_F(SelfUpdateTest, EmptyOrMissingFileIsNotSwappedIn) {
  update.task.file = temp;
  win::writeWholeFile(temp, {});
  on_download_notice(update, ended(true));
  EXPECT_FALSE(win::fileExists(temp));
  on_download_notice(update, ended(true));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], kUpdateFailedText);
}

Bytes executableBytes(std::size_t size) {
  Bytes body = patternBytes(size);
  body[0] = 'M';
  body[1] = 'Z';
  return body;
}

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST_F(SelfUpdateTest, FileMustBeTheStatedOneByteForByte) {
  const ReleaseStatement release = *parseReleaseStatement(test::kStatementNew);
  const Text text = test::kSignedText;
  win::writeWholeFile(temp, bytesOf(text));
  EXPECT_TRUE(downloadedFileAcceptable(temp, release));
  win::writeWholeFile(temp, bytesOf(text + "x"));
  EXPECT_FALSE(downloadedFileAcceptable(temp, release));
  Text changed = text;
  changed[5] ^= 1;
  win::writeWholeFile(temp, bytesOf(changed));
  EXPECT_FALSE(downloadedFileAcceptable(temp, release));

  // Through the end notice: told as a failed download, the file gone.
  update.task.file = temp;
  update.release = release;
  on_download_notice(update, ended(true));
  EXPECT_FALSE(win::fileExists(temp));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kUpdateFailedText);
  EXPECT_EQ(failuresTold, 1);
}

TEST_F(SelfUpdateTest, SystemDigestKnownVectors) {
  auto sha = [](const std::string& text) { return hexDigest(*win::sha256(bytesOf(text))); };
  EXPECT_EQ(sha(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sha("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(sha("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(sha(std::string(1'000'000, 'a')),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
  EXPECT_EQ(sha(std::string(55, 'a')), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318");
  EXPECT_EQ(sha(std::string(56, 'a')), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a");
  EXPECT_EQ(sha(std::string(64, 'a')), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb");
}

// Pages as someone between the player and the maker may serve them. Only a
// statement the key signed, naming the page's edition, newer than the
// program, is offered, and then only its own file is taken.
struct StatementCase {
  const char* name;
  const char* edition;  // the page's [edition]
  Text statement, signature;
  const char* current;  // the program's edition
  const char* file;     // what the download brings
  bool offered, taken;
};

Text edited(Text text, const Text& from, const Text& to) {
  return text.replace(text.find(from), from.size(), to);
}

const StatementCase kStatementCases[] = {
    {"signed newer release", "2.2", test::kStatementNew, test::kStatementNewSignature, "2.1",
     test::kSignedText, true, true},
    {"2.9 to 2.10", "2.10", test::kStatementTen, test::kStatementTenSignature, "2.9", test::kSignedText, true,
     true},
    {"a file that matches another statement", "2.2", test::kStatementNew, test::kStatementNewSignature, "2.1",
     test::kOtherText, true, false},
    {"edition changed after signing", "9.9", edited(test::kStatementOld, "2.0", "9.9"),
     test::kStatementOldSignature, "2.1", test::kOtherText, false, false},
    {"old statement replayed", "2.0", test::kStatementOld, test::kStatementOldSignature, "2.1",
     test::kOtherText, false, false},
    {"old statement under a newer label", "9.9", test::kStatementOld, test::kStatementOldSignature, "2.1",
     test::kOtherText, false, false},
    {"equal edition", "2.1", test::kStatementEqual, test::kStatementEqualSignature, "2.1", test::kSignedText,
     false, false},
    {"2.10 is older than 2.11", "2.10", test::kStatementTen, test::kStatementTenSignature, "2.11",
     test::kSignedText, false, false},
    {"another statement's signature", "2.2", test::kStatementNew, test::kStatementOtherSignature, "2.1",
     test::kSignedText, false, false},
    {"valid file signature but no statement", "2.2", "", test::kSignedTextSignature, "2.1", test::kSignedText,
     false, false},
    {"statement but no signature", "2.2", test::kStatementNew, "", "2.1", test::kSignedText, false, false},
};

TEST_F(SelfUpdateTest, OnlyASignedNewerStatementIsOfferedAndOnlyItsFileTaken) {
  LoopbackServer server;
  for (const auto& c : kStatementCases) {
    SCOPED_TRACE(c.name);
    VersionInfo info = offering(server.url("/new.exe"));
    info.edition = c.edition;
    info.statement = c.statement;
    info.statementSignature = c.signature;
    const auto release = offeredRelease(info, {c.current, test::kReleaseKey});
    EXPECT_EQ(release.has_value(), c.offered);
    if (release) {
      win::writeWholeFile(temp, bytesOf(c.file));
      EXPECT_EQ(downloadedFileAcceptable(temp, *release), c.taken);
      win::deleteFile(temp);
      continue;
    }
    // Started anyway: said so, nothing fetched, nothing written, no question.
    messages.clear();
    update.trust.current = c.current;
    start_update_download(update, info, nullptr);
    EXPECT_FALSE(update.downloader.running());
    EXPECT_EQ(messages, std::vector<Text>{kUpdateUnverifiedText});
    EXPECT_FALSE(win::fileExists(temp));
  }
  EXPECT_TRUE(server.requests().empty());
  // Without a built-in key the statement is still needed, not its signature.
  VersionInfo unsigned_ = offering("");
  unsigned_.statementSignature.clear();
  EXPECT_TRUE(offeredRelease(unsigned_, {"2.1", ""}));
  unsigned_.statement.clear();
  EXPECT_FALSE(offeredRelease(unsigned_, {"2.1", ""}));
}

TEST_F(SelfUpdateTest, ScriptThatCannotBeWrittenKillsNothing) {
  // A folder in the script's place: the file cannot be written. Were the
  // script run anyway, its Taskkill would end this very test.
  const Text script = win::currentDirectory() + "\\" + kUpdateScriptName;
  ASSERT_TRUE(CreateDirectoryW(win::widen(script).c_str(), nullptr));
  EXPECT_FALSE(write_update_script());
  update.task.file = temp;
  win::writeWholeFile(temp, executableBytes(3000));
  on_download_notice(update, ended(true));
  RemoveDirectoryW(win::widen(script).c_str());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kUpdateFailedText);
  EXPECT_FALSE(win::fileExists(temp));
}

TEST_F(SelfUpdateTest, OwnNameAndDirectory) {
  EXPECT_EQ(win::ownFileName(), "online_update_tests.exe");
  EXPECT_EQ(win::currentDirectory(), win::narrow(dir));
  EXPECT_NE(win::currentDirectory().find("\xD5\xF3\xCF\xBB"), std::string::npos);
}

}  // namespace
}  // namespace vex::online
