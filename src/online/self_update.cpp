#include "online/self_update.h"

#include <optional>

#include "net/text_ops.h"
#include "online/update_script.h"
#include "online/version_check.h"
#include "toolkit/download/download_plan.h"
#include "toolkit/download/download_verify.h"

namespace vex::online {

namespace {

Text inProgramDirectory(const char* name) { return win::currentDirectory() + "\\" + name; }

// The own name and where the old executable waits during the swap (a name
// nothing holds yet); nothing when the script could not carry them.
struct SwapNames {
  Text own, aside;
};
std::optional<SwapNames> swapNames() {
  SwapNames names{win::ownFileName(), {}};
  if (!scriptCanCarry(names.own)) return std::nullopt;
  names.aside = updateAsideName(
      names.own, [](const Text& name) { return win::fileExists(inProgramDirectory(name.c_str())); });
  if (names.aside.empty()) return std::nullopt;
  return names;
}

// The whole check of a file's bytes against the release's statement.
bool bytesAcceptable(const Bytes& bytes, const ReleaseStatement& release) {
  // A server that answers with no HTTP head at all still reads as "200"
  // with its bytes as the body; whatever replaces the program must at least
  // be a Windows executable.
  if (bytes.size() < 2 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
  if (static_cast<std::int64_t>(bytes.size()) != release.length) return false;
  const auto digest = win::sha256(bytes);
  return digest && *digest == release.sha256;
}

void tellFailure(SelfUpdate& update, void* owner, const char* text) {
  update.showMessage(owner, text, kUpdateTitle, win::MessageIcon::Warning);
  if (update.afterFailure) update.afterFailure();
}

}  // namespace

void start_update_download(SelfUpdate& update, const VersionInfo& info, void* messageOwner,
                           std::function<void(int percent)> progress) {
  if (update.downloader.running()) return;
  const auto release = offeredRelease(info, update.trust);
  if (!release) {
    tellFailure(update, messageOwner, kUpdateUnverifiedText);
    return;
  }
  // A name the swap cannot carry is declined before anything is fetched
  // or ended.
  if (!swapNames()) {
    tellFailure(update, messageOwner, kUpdateRenameText);
    return;
  }
  DownloadTask& task = update.task;
  task.kind = kTaskToFile;
  task.address = text::trim(info.download);
  task.connections = 5;
  task.connectTimeoutMs = 5000;
  task.sendTimeoutMs = 5000;
  task.receiveTimeoutMs = 10000;
  task.progressIntervalMs = 1000;
  task.readBufferBytes = 10240;
  task.file = inProgramDirectory(kUpdateTempName);
  task.notify = [&update](const DownloadNotice& notice) { return on_download_notice(update, notice); };
  update.release = *release;
  update.messageOwner = messageOwner;
  update.progress = std::move(progress);
  update.percent = 0;
  update.downloader.start(task);
}

bool downloadedFileAcceptable(const Text& path, const ReleaseStatement& release) {
  const auto bytes = win::readWholeFile(path);
  return bytes && bytesAcceptable(*bytes, release);
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
  // Never swap in a partial or foreign file, nor one the verified statement
  // does not name, and never start a swap whose script is not whole: the
  // running executable stays.
  if (notice.value == 1 && downloadedFileAcceptable(temp, update.release) && write_update_script()) {
    update.percent = 100;
    if (update.progress) update.progress(100);
    update.showMessage(update.messageOwner, kUpdateDoneText, kUpdateTitle, win::MessageIcon::Information);
    swap_and_restart();
  }
  win::deleteFile(temp);
  tellFailure(update, update.messageOwner,
              notice.value == 1 ? kUpdateFailedText : updateFailureText(notice.failure));
  return 0;
}

const char* updateFailureText(DownloadFailure failure) {
  switch (failure) {
    case DownloadFailure::TimedOut:
      return kUpdateTimeoutText;
    case DownloadFailure::TooLarge:
      return kUpdateTooLargeText;
    case DownloadFailure::Redirects:
      return kUpdateRedirectsText;
    case DownloadFailure::BadAddress:
      return kUpdateAddressText;
    case DownloadFailure::File:
      return kUpdateFileText;
    default:
      return kUpdateFailedText;
  }
}

bool write_update_script() {
  const auto names = swapNames();
  if (!names) return false;
  const Text script = inProgramDirectory(kUpdateScriptName);
  if (win::writeWholeFile(script, buildUpdateScript(names->own, names->aside, win::oemCodePage()).text))
    return true;
  win::deleteFile(script);
  return false;
}

bool swap_and_restart() {
  const Text directory = win::currentDirectory();
  const auto names = swapNames();
  const bool ran = names && win::runHiddenAndWait(
                                kUpdateScriptName, directory,
                                buildUpdateScript(names->own, names->aside, win::oemCodePage()).environment);
  // Still running: the script did not end us, so undo what is left.
  win::deleteFile(directory + "\\" + kUpdateScriptName);
  win::deleteFile(directory + "\\" + kUpdateTempName);
  if (ran) win::exitProcess(0);
  return false;
}

}  // namespace vex::online
