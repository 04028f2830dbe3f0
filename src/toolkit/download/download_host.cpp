#include "toolkit/download/download_host.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "toolkit/system/handles.h"
#include "toolkit/system/message_box.h"

namespace vex::win {

std::string currentDirectory() {
  const DWORD n = GetCurrentDirectoryW(0, nullptr);
  std::wstring dir(n, L'\0');
  dir.resize(GetCurrentDirectoryW(n, dir.data()));
  while (dir.size() > 3 && dir.back() == L'\\') dir.pop_back();
  return narrow(dir);
}

std::string ownFileName() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  // A name GBK spells only approximately ("?" or a look-alike) would make
  // the update script name another file.
  std::string gbk = narrow(name);
  return widen(gbk) == name ? gbk : std::string();
}

unsigned oemCodePage() { return GetOEMCP(); }

bool writeWholeFile(const std::string& path, const Bytes& bytes) {
  const UniqueHandle file = openedFile(CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

std::optional<Bytes> readWholeFile(const std::string& path) {
  const UniqueHandle file = openedFile(CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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

bool deleteFile(const std::string& path) { return DeleteFileW(widen(path).c_str()) != 0; }

bool fileExists(const std::string& path) {
  return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// The current environment block with `extra` set in it (replacing
// variables of the same name), as CreateProcessW takes it.
std::wstring environmentWith(const std::vector<std::pair<std::string, std::string>>& extra) {
  std::vector<std::wstring> names;
  for (const auto& [name, value] : extra) names.push_back(widen(name) + L"=");
  std::wstring block;
  if (wchar_t* current = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = current; *entry != L'\0'; entry += wcslen(entry) + 1) {
      const std::wstring text(entry);
      bool replaced = false;
      for (const auto& name : names)
        replaced = replaced || CompareStringOrdinal(text.c_str(), static_cast<int>(name.size()), name.c_str(),
                                                    static_cast<int>(name.size()), TRUE) == CSTR_EQUAL;
      if (!replaced) block += text + L'\0';
    }
    FreeEnvironmentStringsW(current);
  }
  for (std::size_t i = 0; i < extra.size(); ++i) block += names[i] + widen(extra[i].second) + L'\0';
  block += L'\0';
  return block;
}

}  // namespace

bool runHiddenAndWait(const std::string& commandLine, const std::string& directory,
                      const std::vector<std::pair<std::string, std::string>>& extra) {
  std::wstring line = widen(commandLine);
  std::wstring environment = environmentWith(extra);
  const std::wstring dir = widen(directory);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, environment.data(),
                      dir.empty() ? nullptr : dir.c_str(), &startup, &info)) {
    return false;
  }
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);
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
