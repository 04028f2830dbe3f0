// The range-fault path end to end: a child process of this test hits an
// index beyond a list; the test reads the box it shows, presses OK and
// checks that the exit steps ran and the process ended with its code.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/range_fault_box.h"
#include "toolkit/common/one_based_list.h"

namespace vex::test {
namespace {

constexpr wchar_t kChildFlag[] = L"--range-fault-child";

std::wstring markerPath() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + L"vex-range-fault-exit-steps.txt";
}

int runChild(bool below) {
  Ui ui;
  installRangeFaultBox(ui, [] {
    HANDLE f = CreateFileW(markerPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(f);
  });
  OneBasedList<int> list{1, 2, 3};
  volatile int n = below ? 0 : 4;
  return list[n];
}

struct Found {
  DWORD pid;
  HWND box = nullptr;
};

BOOL CALLBACK findBox(HWND h, LPARAM p) {
  auto* f = reinterpret_cast<Found*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (pid == f->pid && std::wstring(cls) == L"#32770" && IsWindowVisible(h)) {
    f->box = h;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK collectText(HWND h, LPARAM p) {
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (std::wstring(cls) == L"Static") {
    wchar_t text[256] = {};
    GetWindowTextW(h, text, 256);
    *reinterpret_cast<std::wstring*>(p) += text;
  }
  return TRUE;
}

struct Outcome {
  std::wstring text;
  DWORD exitCode = 0;
  bool exitStepsRan = false;
};

Outcome faultInChild(const wchar_t* which) {
  DeleteFileW(markerPath().c_str());
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring cmd = L"\"" + std::wstring(self) + L"\" " + kChildFlag + L" " + which;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  Outcome out;
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return out;
  Found f{pi.dwProcessId};
  for (int i = 0; i < 400 && !f.box; ++i) {
    Sleep(25);
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&f));
  }
  if (f.box) {
    EnumChildWindows(f.box, collectText, reinterpret_cast<LPARAM>(&out.text));
    PostMessageW(f.box, WM_COMMAND, IDOK, 0);
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
  GetExitCodeProcess(pi.hProcess, &out.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  out.exitStepsRan = GetFileAttributesW(markerPath().c_str()) != INVALID_FILE_ATTRIBUTES;
  DeleteFileW(markerPath().c_str());
  return out;
}

TEST(RangeFault, IndexBeyondTheCountShowsTheMessageThenEndsCleanly) {
  Outcome out = faultInChild(L"beyond");
  EXPECT_EQ(out.text, L"\u6570\u7ec4\u6210\u5458\u5f15\u7528\u4e0b\u6807\u8d85\u51fa\u5b9a\u4e49\u8303\u56f4");
  EXPECT_EQ(out.exitCode, kRangeFaultExitCode);
  EXPECT_TRUE(out.exitStepsRan);
}

TEST(RangeFault, IndexBelowOneShowsItsOwnMessage) {
  Outcome out = faultInChild(L"below");
  EXPECT_EQ(out.text,
            L"\u6570\u7ec4\u6210\u5458\u5f15\u7528\u4e0b\u6807\u5fc5\u987b\u5927\u4e8e\u7b49\u4e8e1");
  EXPECT_EQ(out.exitCode, kRangeFaultExitCode);
}

}  // namespace
}  // namespace vex::test

int main(int argc, char** argv) {
  int wargc = 0;
  wchar_t** wargv = CommandLineToArgvW(GetCommandLineW(), &wargc);
  if (wargc >= 3 && std::wstring(wargv[1]) == vex::test::kChildFlag)
    return vex::test::runChild(std::wstring(wargv[2]) == L"below");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
