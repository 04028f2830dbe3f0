#include "online/self_update.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <condition_variable>
#include <mutex>

#include "../support/loopback_server.h"
#include "online/update_script.h"
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
    update.publicKey.clear();  // the unsigned path unless a test sets a key
    update.showMessage = [this](void*, const Text& text, const Text& title, win::MessageIcon icon) {
      std::lock_guard lock(mutex);
      messages.push_back(text);
      titles.push_back(title);
      icons.push_back(icon);
      said.notify_all();
    };
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
};

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
  VersionInfo info;
  info.download = "\xA1\xA1 " + server.url("/missing.exe") + "  ";
  start_update_download(update, info, nullptr);
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
  VersionInfo info;
  info.download = server.url("/slow.exe");
  start_update_download(update, info, nullptr);
  ASSERT_TRUE(update.downloader.running());
  VersionInfo other;
  other.download = server.url("/other.exe");
  start_update_download(update, other, nullptr);
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

TEST_F(SelfUpdateTest, PublishedDigestMustMatch) {
  update.task.file = temp;
  const Bytes body = executableBytes(5000);
  win::writeWholeFile(temp, body);
  update.expectedSha256 = std::string(64, '0');
  on_download_notice(update, ended(true));
  EXPECT_FALSE(win::fileExists(temp));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kUpdateFailedText);

  Text hex = hexDigest(*win::sha256(body));
  for (char& c : hex) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  win::writeWholeFile(temp, body);
  EXPECT_TRUE(downloadedFileAcceptable(temp, hex));
  EXPECT_FALSE(downloadedFileAcceptable(temp, hex.substr(1)));
  EXPECT_TRUE(downloadedFileAcceptable(temp, ""));
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
  const auto d = *win::sha256({});
  EXPECT_TRUE(digestMatches(d, " E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855\r\n"));
  EXPECT_FALSE(digestMatches(d, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b85"));
  EXPECT_FALSE(digestMatches(d, ""));
}

TEST_F(SelfUpdateTest, SignedBuildTakesOnlyTheFileItsKeySigned) {
  const Text key = test::kTestPublicKey;
  win::writeWholeFile(temp, bytesOf(test::kSignedText));
  EXPECT_TRUE(downloadedFileAcceptable(temp, "", test::kSignature, key));
  EXPECT_TRUE(downloadedFileAcceptable(temp, "", test::kShortSSignature, key));
  // A digest published beside the signature must match as well.
  EXPECT_FALSE(downloadedFileAcceptable(temp, std::string(64, '0'), test::kSignature, key));
  EXPECT_FALSE(downloadedFileAcceptable(temp, "", "", key));
  EXPECT_FALSE(downloadedFileAcceptable(temp, "", "not base64!", key));
  EXPECT_FALSE(downloadedFileAcceptable(temp, "", test::kOtherSignature, key));
  EXPECT_FALSE(downloadedFileAcceptable(temp, "", test::kSignature, test::kP384PublicKey));
  Text flipped = test::kSignature;
  flipped[20] = flipped[20] == 'A' ? 'B' : 'A';
  EXPECT_FALSE(downloadedFileAcceptable(temp, "", flipped, key));
  // Another executable that comes with a good signature of a different file.
  win::writeWholeFile(temp, bytesOf(test::kOtherText));
  EXPECT_TRUE(downloadedFileAcceptable(temp, "", test::kOtherSignature, key));
  EXPECT_FALSE(downloadedFileAcceptable(temp, "", test::kSignature, key));

  // Through the end notice: told as a failed download, the file gone.
  update.task.file = temp;
  update.publicKey = key;
  update.signature = test::kSignature;
  on_download_notice(update, ended(true));
  EXPECT_FALSE(win::fileExists(temp));
  update.signature.clear();
  win::writeWholeFile(temp, bytesOf(test::kSignedText));
  on_download_notice(update, ended(true));
  EXPECT_FALSE(win::fileExists(temp));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], kUpdateFailedText);
  EXPECT_EQ(messages[1], kUpdateFailedText);
}

TEST_F(SelfUpdateTest, ScriptThatCannotBeWrittenKillsNothing) {
  // A folder in the script's place: the file cannot be written. Were the
  // script run anyway, its Taskkill would end this very test.
  const Text script = win::currentDirectory() + "\\" + kUpdateScriptName;
  ASSERT_TRUE(CreateDirectoryW(win::wideFromGbk(script).c_str(), nullptr));
  EXPECT_FALSE(write_update_script());
  update.task.file = temp;
  win::writeWholeFile(temp, executableBytes(3000));
  on_download_notice(update, ended(true));
  RemoveDirectoryW(win::wideFromGbk(script).c_str());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kUpdateFailedText);
  EXPECT_FALSE(win::fileExists(temp));
}

TEST_F(SelfUpdateTest, OwnNameAndDirectory) {
  EXPECT_EQ(win::ownFileName(), "online_update_tests.exe");
  EXPECT_EQ(win::currentDirectory(), win::gbkFromWide(dir));
  EXPECT_NE(win::currentDirectory().find("\xD5\xF3\xCF\xBB"), std::string::npos);
}

}  // namespace
}  // namespace vex::online
