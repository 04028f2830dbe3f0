// The self-update: download the announced executable beside the running
// one, check it, and let a batch script swap the two and restart.
#pragma once
#include <atomic>
#include <functional>

#include "online/release_statement.h"
#include "online/version_check.h"
#include "online/version_page.h"
#include "toolkit/download/download_host.h"
#include "toolkit/download/download_task.h"
#include "toolkit/download/downloader.h"
#include "vexbox_config.h"

namespace vex::online {

inline constexpr char kUpdateDoneText[] = "升级成功！    ";
inline constexpr char kUpdateFailedText[] = "升级失败：没有下载到完整的新版本，请稍后再试。";
inline constexpr char kUpdateRenameText[] =
    "无法升级：程序的文件名含有升级时不能处理的字符。请把程序改名为 阵匣.exe 后再试。";
inline constexpr char kUpdateTitle[] = "提示";
inline constexpr char kUpdateTimeoutText[] = "升级失败：下载太慢，已超过时限，请稍后再试。";
inline constexpr char kUpdateTooLargeText[] =
    "升级失败：服务器给出的文件太大，不是阵匣的新版本，已停止下载。";
inline constexpr char kUpdateRedirectsText[] = "升级失败：服务器转向次数太多，已停止下载。";
inline constexpr char kUpdateAddressText[] = "升级失败：版本页面给出的下载地址不正确。";
inline constexpr char kUpdateUnverifiedText[] =
    "升级失败：版本页面给出的新版本没有通过签名检查，或不比当前版本新，已停止。";
inline constexpr char kUpdateFileText[] =
    "升级失败：无法在程序所在的文件夹里写入新版本，请检查文件夹是否可写。";

// The end message for a download that ended without a complete file:
// why, where the reason is the server's pace, size or address.
const char* updateFailureText(DownloadFailure failure);

// The update part of the program-wide state.
struct SelfUpdate {
  win::Downloader downloader;
  DownloadTask task;                          // the record with its start-up defaults
  std::atomic<int> percent{0};                // last progress, 0..100, readable from any thread
  ReleaseStatement release;                   // what the download must be, from the verified statement
  UpdateTrust trust;                          // only a newer release its key signed is taken
  void* messageOwner = nullptr;               // native handle of the window that owns the end message
  std::function<void(int percent)> progress;  // runs on a downloader thread
  // Runs once the player has dismissed the box that says why an update did
  // not happen, on the thread that showed it; the program closes the update
  // window there.
  std::function<void()> afterFailure;
  // The end messages; replaceable so an unattended run need not answer a box.
  std::function<void(void* owner, const Text& text, const Text& title, win::MessageIcon icon)> showMessage =
      win::showMessage;
};

// Fills the task for the announced download and starts it; returns at once.
// Starts nothing and says so (kUpdateUnverifiedText) unless the page offers
// a release (offeredRelease under the update's trust), or
// (kUpdateRenameText) when the update script could not carry the own file
// name.
// `progress` (may be empty) gets 0..100 on a downloader thread; post it to
// the UI thread before touching a control. A task that already runs is left
// alone.
void start_update_download(SelfUpdate& update, const VersionInfo& info, void* messageOwner,
                           std::function<void(int percent)> progress = {});

// The task's notify routine. Kind 3 updates the progress; kind 4 either
// swaps (a complete file that passes downloadedFileAcceptable, and a
// script that could be written) or deletes the temporary file and says
// the update failed. Returns 0.
int on_download_notice(SelfUpdate& update, const DownloadNotice& notice);

// Writes update.bat for the own file name; false when it could not be
// written whole (then nothing may be run).
bool write_update_script();

// Runs the written update.bat hidden; the script ends this program. Should
// the program outlive the script it removes what is left and ends with
// code 0. Returns (false) only when the script could not be started; then
// the script and the temporary file are gone and nothing was touched.
bool swap_and_restart();

// True when the file at `path` may replace the program: a Windows
// executable of exactly the release's length and SHA-256.
bool downloadedFileAcceptable(const Text& path, const ReleaseStatement& release);

}  // namespace vex::online
