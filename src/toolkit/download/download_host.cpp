#include "toolkit/download/download_host.h"

#include <windows.h>

#include <vector>

#include "toolkit/download/download_handles.h"
#include "toolkit/system/message_box.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {

std::wstring wideFromGbk(const std::string& text) { return widen(text); }
std::string gbkFromWide(const std::wstring& text) { return narrow(text); }

std::string currentDirectory() {
  const DWORD n = GetCurrentDirectoryW(0, nullptr);
  std::wstring dir(n, L'\0');
  dir.resize(GetCurrentDirectoryW(n, dir.data()));
  while (dir.size() > 3 && dir.back() == L'\\') dir.pop_back();
  return gbkFromWide(dir);
}

std::string ownFileName() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  const std::size_t slash = path.find_last_of(L"\\/");
  return gbkFromWide(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

unsigned oemCodePage() { return GetOEMCP(); }

bool writeWholeFile(const std::string& path, const Bytes& bytes) {
  FileHandle file(CreateFileW(wideFromGbk(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

std::optional<Bytes> readWholeFile(const std::string& path) {
  FileHandle file(CreateFileW(wideFromGbk(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  Bytes bytes;
  std::vector<std::uint8_t> chunk(1 << 16);
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr))
      return std::nullopt;
    if (got == 0) break;
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
  }
  return bytes;
}

bool deleteFile(const std::string& path) { return DeleteFileW(wideFromGbk(path).c_str()) != 0; }

bool fileExists(const std::string& path) {
  return GetFileAttributesW(wideFromGbk(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool runHiddenAndWait(const std::string& commandLine, const std::string& directory) {
  std::wstring line = wideFromGbk(commandLine);
  const std::wstring dir = wideFromGbk(directory);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      dir.empty() ? nullptr : dir.c_str(), &startup, &info)) {
    return false;
  }
  FileHandle process(info.hProcess);
  FileHandle thread(info.hThread);
  WaitForSingleObject(process.get(), INFINITE);
  return true;
}

void exitProcess(unsigned code) { ExitProcess(code); }

void showMessage(void* owner, const std::string& text, const std::string& title, MessageIcon icon) {
  HWND window = static_cast<HWND>(owner);
  if (window != nullptr && !IsWindow(window)) window = nullptr;
  UINT flags = MB_OK;
  if (icon == MessageIcon::Information) flags |= MB_ICONINFORMATION;
  if (icon == MessageIcon::Warning) flags |= MB_ICONWARNING;
  messageBox(window, text, title, flags);
}

}  // namespace vex::win
