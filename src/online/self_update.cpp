#include "online/self_update.h"

#include "online/update_script.h"
#include "toolkit/download/download_sha256.h"

namespace vex::online {

namespace {

Text tempFilePath() { return win::currentDirectory() + "\\" + kUpdateTempName; }

// A server that answers with no HTTP head at all still reads as "200" with
// its bytes as the body; whatever replaces the program must at least be a
// Windows executable.
bool startsLikeAnExecutable(const Text& path) {
  const auto bytes = win::readWholeFile(path);
  return bytes && bytes->size() >= 2 && (*bytes)[0] == 'M' && (*bytes)[1] == 'Z';
}

}  // namespace

void start_update_download(SelfUpdate& update, const VersionInfo& info, void* messageOwner,
                           std::function<void(int percent)> progress) {
  if (update.downloader.running()) return;
  DownloadTask& task = update.task;
  task.kind = kTaskToFile;
  task.address = trimBlanks(info.download);
  task.connections = 5;
  task.connectTimeoutMs = 5000;
  task.sendTimeoutMs = 5000;
  task.receiveTimeoutMs = 10000;
  task.progressIntervalMs = 1000;
  task.readBufferBytes = 10240;
  task.file = tempFilePath();
  task.notify = [&update](const DownloadNotice& notice) { return on_download_notice(update, notice); };
  update.expectedSha256 = trimBlanks(info.sha256);
  update.messageOwner = messageOwner;
  update.progress = std::move(progress);
  update.percent = 0;
  update.downloader.start(task);
}

bool downloadedFileAcceptable(const Text& path, const Text& expectedSha256) {
  const auto bytes = win::readWholeFile(path);
  if (!bytes || bytes->empty()) return false;
  if (expectedSha256.empty()) return true;
  Sha256 digest;
  digest.update(*bytes);
  return digestMatches(digest.finish(), expectedSha256);
}

int on_download_notice(SelfUpdate& update, const DownloadNotice& notice) {
  if (notice.kind == kNoticeProgress) {
    const int percent = notice.total > 0 ? static_cast<int>(notice.value * 100 / notice.total) : 0;
    update.percent = percent;
    if (update.progress) update.progress(percent);
    return 0;
  }
  if (notice.kind != kNoticeEnded) return 0;
  const Text temp = update.task.file;
  if (notice.value == 1 && downloadedFileAcceptable(temp, update.expectedSha256) &&
      startsLikeAnExecutable(temp)) {
    update.percent = 100;
    if (update.progress) update.progress(100);
    update.showMessage(update.messageOwner, kUpdateDoneText, kUpdateTitle, win::MessageIcon::Information);
    swap_and_restart();
  }
  // Never swap in a partial or foreign file: the running executable stays.
  win::deleteFile(temp);
  update.showMessage(update.messageOwner, kUpdateFailedText, kUpdateTitle, win::MessageIcon::Warning);
  return 0;
}

void swap_and_restart() {
  const Text directory = win::currentDirectory();
  const Text script = directory + "\\" + kUpdateScriptName;
  win::writeWholeFile(script, buildUpdateScript(win::ownFileName(), win::oemCodePage()));
  win::runHiddenAndWait(kUpdateScriptName, directory);
  // Still running: the script did not end us, so undo what is left.
  win::deleteFile(script);
  win::deleteFile(directory + "\\" + kUpdateTempName);
  win::exitProcess(0);
}

}  // namespace vex::online
