#include "online/self_update.h"

#include <optional>

#include "online/update_script.h"
#include "toolkit/download/download_plan.h"
#include "toolkit/download/download_signature.h"
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

// The whole check of a file's bytes against what the page published.
bool bytesAcceptable(const Bytes& bytes, const Text& expectedSha256, const Text& signature,
                     const Text& publicKey) {
  // A server that answers with no HTTP head at all still reads as "200"
  // with its bytes as the body; whatever replaces the program must at least
  // be a Windows executable.
  if (bytes.size() < 2 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
  if (static_cast<std::int64_t>(bytes.size()) > kMaxDownloadBytes) return false;
  if (expectedSha256.empty() && publicKey.empty()) return true;
  const auto digest = win::sha256(bytes);
  if (!digest) return false;
  if (!expectedSha256.empty() && !digestMatches(*digest, expectedSha256)) return false;
  if (publicKey.empty()) return true;
  const auto key = p256KeyFromPem(publicKey);
  const auto der = base64Decode(signature);
  if (!key || !der) return false;
  const auto raw = p256SignatureFromDer(*der);
  return raw && win::verifyP256(*key, *digest, *raw);
}

}  // namespace

void start_update_download(SelfUpdate& update, const VersionInfo& info, void* messageOwner,
                           std::function<void(int percent)> progress) {
  if (update.downloader.running()) return;
  // A name the swap cannot carry is declined before anything is fetched
  // or ended.
  if (!swapNames()) {
    update.showMessage(messageOwner, kUpdateRenameText, kUpdateTitle, win::MessageIcon::Warning);
    return;
  }
  DownloadTask& task = update.task;
  task.kind = kTaskToFile;
  task.address = trimBlanks(info.download);
  task.connections = 5;
  task.connectTimeoutMs = 5000;
  task.sendTimeoutMs = 5000;
  task.receiveTimeoutMs = 10000;
  task.progressIntervalMs = 1000;
  task.readBufferBytes = 10240;
  task.file = inProgramDirectory(kUpdateTempName);
  task.notify = [&update](const DownloadNotice& notice) { return on_download_notice(update, notice); };
  update.expectedSha256 = trimBlanks(info.sha256);
  update.signature = trimBlanks(info.signature);
  update.messageOwner = messageOwner;
  update.progress = std::move(progress);
  update.percent = 0;
  update.downloader.start(task);
}

bool downloadedFileAcceptable(const Text& path, const Text& expectedSha256, const Text& signature,
                              const Text& publicKey) {
  const auto bytes = win::readWholeFile(path);
  return bytes && bytesAcceptable(*bytes, expectedSha256, signature, publicKey);
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
  // Never swap in a partial, foreign or unsigned file, and never start a
  // swap whose script is not whole: the running executable stays.
  if (notice.value == 1 &&
      downloadedFileAcceptable(temp, update.expectedSha256, update.signature, update.publicKey) &&
      write_update_script()) {
    update.percent = 100;
    if (update.progress) update.progress(100);
    update.showMessage(update.messageOwner, kUpdateDoneText, kUpdateTitle, win::MessageIcon::Information);
    swap_and_restart();
  }
  win::deleteFile(temp);
  const char* text = notice.value == 1 ? kUpdateFailedText : updateFailureText(notice.failure);
  update.showMessage(update.messageOwner, text, kUpdateTitle, win::MessageIcon::Warning);
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
