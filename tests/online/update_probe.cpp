// A stand-in for the program in the end-to-end update test: built twice
// with different version texts. With "--update HOST" it checks the version
// page on HOST and updates itself like the real program; started without
// arguments (as the update script does) it only notes that it ran.
// Every step lands in probe.log beside the executable (UTF-8). With
// VEX_PROBE_HOLDER naming file_holder.exe, the new file is locked after
// its check and before the swap, as a virus scanner may do.
// The swap ends this process with code 0 whatever went wrong before it, so
// the probe's own checks are noted as "FAIL ..." lines, which the harness
// counts as failures.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <cstdio>
#include <string>

#include "online/self_update.h"
#include "online/update_script.h"
#include "online/version_check.h"

#ifndef VEX_PROBE_VERSION
#error "VEX_PROBE_VERSION must name the build"
#endif

namespace {

std::string utf8(const std::wstring& wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

std::string utf8FromGbk(const std::string& gbk) { return utf8(vex::win::widen(gbk)); }

void note(const std::string& line) {
  FILE* log = _wfopen(L"probe.log", L"ab");
  if (log == nullptr) return;
  std::fprintf(log, "%s\n", line.c_str());
  std::fclose(log);
}

HANDLE g_ended = nullptr;  // set when a failed update has been told

void expect(bool ok, const std::string& what) {
  if (!ok) note("FAIL " + what);
}

// Starts the holder on the downloaded file and waits until it holds it.
void lockNewFile() {
  wchar_t holder[MAX_PATH];
  if (GetEnvironmentVariableW(L"VEX_PROBE_HOLDER", holder, MAX_PATH) == 0) return;
  const wchar_t* eventName = L"vex-probe-new-file-held";
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, eventName);
  std::wstring line = L"\"" + std::wstring(holder) + L"\" \"" +
                      vex::win::widen(vex::online::kUpdateTempName) + L"\" 8 " + eventName;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    const bool locked = WaitForSingleObject(held, 20000) == WAIT_OBJECT_0;
    note(locked ? "new file locked" : "new file not locked");
    expect(locked, "the holder did not take the new file");
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  CloseHandle(held);
}

}  // namespace

int main(int argc, char** argv) {
  // Like the program: the executable's directory becomes the current one.
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path);
  dir.erase(dir.find_last_of(L'\\'));
  SetCurrentDirectoryW(dir.c_str());

  const std::string name = utf8FromGbk(vex::win::ownFileName());
  if (argc < 3 || std::string(argv[1]) != "--update") {
    note("started " VEX_PROBE_VERSION " " + name + " oemcp " + std::to_string(GetOEMCP()));
    return 0;
  }
  note("updating " VEX_PROBE_VERSION " " + name + " oemcp " + std::to_string(GetOEMCP()));
  // The probe's own edition is the current one.
  const vex::online::UpdateTrust trust{.current = VEX_PROBE_VERSION};
  vex::online::VersionInfo info;
  if (!vex::online::fetch_version_info(info, argv[2], vex::online::kVersionPageDeadline, trust)) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    note("no new version (peak working set " + std::to_string(memory.PeakWorkingSetSize >> 10) + " kB)");
    return 2;
  }
  note("edition " + info.edition);
  g_ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  static vex::online::SelfUpdate update;
  update.trust = trust;
  update.showMessage = [](void*, const vex::online::Text& text, const vex::online::Text& title,
                          vex::win::MessageIcon icon) {
    using vex::online::kUpdateTempName;
    note("message " + utf8FromGbk(text));
    expect(title == vex::online::kUpdateTitle, "box title " + utf8FromGbk(title));
    if (text != vex::online::kUpdateDoneText) {
      expect(icon == vex::win::MessageIcon::Warning, "a failure told without the warning icon");
      expect(!vex::win::fileExists(kUpdateTempName), "the temporary file outlives the failure");
      SetEvent(g_ended);
    } else {
      // What the swap is about to take: the checked file and a written script.
      expect(icon == vex::win::MessageIcon::Information, "success told without the information icon");
      expect(vex::online::downloadedFileAcceptable(kUpdateTempName, update.release),
             "the file to swap in is not the stated one");
      expect(vex::win::fileExists(vex::online::kUpdateScriptName), "no script before the swap");
      expect(update.percent == 100, "progress " + std::to_string(update.percent.load()) + " at the end");
      lockNewFile();
    }
  };
  vex::online::start_update_download(update, info, nullptr);
  // A successful update ends this process from the script; a failed one
  // only tells and leaves it running.
  if (WaitForSingleObject(g_ended, 60000) != WAIT_OBJECT_0) {
    note("timed out");
    return 4;
  }
  update.downloader.stop();
  note("kept running");
  return 3;
}
