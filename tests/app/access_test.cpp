// The program as a screen reader hears it: a second process (screen_reader)
// reads each window through oleacc, and every line it writes must be the
// one the Ui's state gives: each control's name, role, state and place,
// the tab order; a button's default action clicks it.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "../online/update_signature_keys.h"
#include "../support/box_watcher.h"
#include "../support/loopback_server.h"
#include "../views/native_probe.h"

namespace vex::test {
namespace {

constexpr int kUpdatePort = 18631;        // the build's update host
constexpr int kReaderDeadlineMs = 30000;  // Wine's first start of a process is slow

std::wstring inBuild(const char* below) {
  const char* dir = std::getenv("VEX_BUILD_DIR");
  const std::string path = std::string("Z:") + (dir ? dir : "") + below;
  return std::wstring(path.begin(), path.end());
}

struct Heard {
  int exitCode = -1;
  std::vector<std::wstring> lines;
  // The line that starts with `kind` and the `child`th of them.
  std::wstring line(const wchar_t* kind, std::size_t child = 0) const {
    const std::wstring start = std::wstring(kind) + L"\t" + (child ? std::to_wstring(child) + L"\t" : L"");
    for (const std::wstring& l : lines)
      if (l.rfind(start, 0) == 0 || (!child && l == kind)) return l;
    return L"(none)";
  }
};

// Runs the reader against `window` while this thread serves its calls, at
// once as the program's own loop would, so the walk's time is the program's.
Heard hear(HWND window, const std::wstring& command = L"", int deadlineMs = kReaderDeadlineMs) {
  const std::wstring file = inBuild("/access-heard.txt");
  DeleteFileW(file.c_str());
  wchar_t handle[32];
  std::swprintf(handle, 32, L"%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
  std::wstring line =
      L"\"" + inBuild("/tests/app/screen_reader.exe") + L"\" " + handle + L" \"" + file + L"\" " + command;
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION process{};
  Heard heard;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
    return heard;
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(deadlineMs);
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    if (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT) !=
        WAIT_OBJECT_0 + 1)
      break;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  DWORD code = 0;
  if (GetExitCodeProcess(process.hProcess, &code) && code == STILL_ACTIVE)
    TerminateProcess(process.hProcess, 9);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  heard.exitCode = static_cast<int>(code);
  pump(200);  // what the reader's calls posted (a click) runs now
  std::ifstream in(std::string(file.begin(), file.end()), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t next = std::min(text.find(L'\n', at), text.size());
    heard.lines.push_back(text.substr(at, next - at));
    at = next + 1;
  }
  return heard;
}

// The reader's fields: texts escaped as it escapes them.
std::wstring fields(std::initializer_list<std::wstring> values) {
  std::wstring line;
  for (const std::wstring& v : values) {
    line += line.empty() ? L"" : L"\t";
    for (wchar_t c : v) {
      if (c == L'\\' || c == L'\n' || c == L'\r' || c == L'\t') line += L'\\';
      line += c == L'\n' ? L'n' : c == L'\r' ? L'r' : c == L'\t' ? L't' : c;
    }
  }
  return line;
}
std::wstring number(long long v) { return std::to_wstring(v); }

long roleFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::SuperBtn:
      return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::Label:
      return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::PicBox:
      return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::ShapeBox:
      return ROLE_SYSTEM_GROUPING;
    default:
      return ROLE_SYSTEM_WHITESPACE;  // timers show nothing
  }
}

bool reachable(RunningApp& run, ControlRef ref) {
  const ControlState& s = run.ui().control(ref);
  return s.tabStop && !s.disabled && showing(run, ref);
}

// What the reader must hear of the `i`th control; `more` adds states the
// pointer or the focus give.
std::wstring childLine(RunningApp& run, const WindowState& w, std::size_t i, long more = 0) {
  const ControlState& s = w.controls[i];
  const ControlRef ref{w.id, s.id};
  if (s.kind == ControlKind::ListView || s.kind == ControlKind::ProcessBar) {
    const auto h =
        reinterpret_cast<UINT_PTR>(GetDlgItem(run.app().backend().windowHandle(ref.window), ref.control));
    return fields({L"child", number(i + 1), L"window", number(static_cast<long long>(h))});
  }
  const bool shown = s.kind != ControlKind::Timer && showing(run, ref);
  const bool button = s.kind == ControlKind::SuperBtn;
  const long state = (shown ? 0 : STATE_SYSTEM_INVISIBLE) | (s.disabled ? STATE_SYSTEM_UNAVAILABLE : 0) |
                     (s.tabStop ? STATE_SYSTEM_FOCUSABLE : 0) | more;
  const RECT at = screenBoxOf(run, ref);
  // A champion's portrait has no caption: its tooltip is the only name it has.
  const Text& name = s.kind == ControlKind::Label || (button && !s.caption.empty()) ? s.caption : s.hint;
  return fields({L"child", number(i + 1), number(roleFor(s.kind)), number(state), number(at.left),
                 number(at.top), number(at.right), number(at.bottom),
                 button && shown && !s.disabled ? number(i + 1) : L"-", win::widen(name),
                 button ? win::widen(s.hint) : L"", button ? L"Press" : L""});
}

// The focus events a reader's hook receives (a hook has no context).
std::vector<std::wstring>& focusEvents() {
  static std::vector<std::wstring> events;
  return events;
}
void CALLBACK onFocus(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  focusEvents().push_back(fields(
      {number(static_cast<long long>(reinterpret_cast<UINT_PTR>(window))), number(object), number(child)}));
}

class Access : public ::testing::Test {
 protected:
  void SetUp() override {
    pointerAway();
    for (int i = 0; i < 200 && LoopbackServer::portAnswers(kUpdatePort); ++i) Sleep(100);
    if (LoopbackServer::portAnswers(kUpdatePort)) GTEST_SKIP() << "port " << kUpdatePort << " is taken";
    // The update window opens from About as at a real mandatory update.
    server = std::make_unique<LoopbackServer>(
        [](const std::string& path) {
          if (path == "/vexbox/new.exe") return Reply{Fault::Stall, ""};
          return Reply{
              Fault::None,
              path == "/vexbox/Version.html"
                  ? signedTestPage("http://127.0.0.1:" + std::to_string(kUpdatePort) + "/vexbox/new.exe", "Y")
                  : "ok"};
        },
        kUpdatePort);
    ASSERT_TRUE(server->listening());
    run.app().state().update.selfUpdate.trust.publicKey = kReleaseKey;
  }
  void TearDown() override { run.app().exitSteps(); }

  // Every line a reader hears of the window, against the Ui.
  Heard expectHeardAsHeld(std::int32_t id) {
    const WindowState& w = *run.ui().window(id);
    const Heard heard = hear(run.window(id));
    EXPECT_EQ(heard.exitCode, 0) << std::hex << id;
    EXPECT_EQ(heard.line(L"self"), fields({L"self", number(static_cast<long long>(w.controls.size())),
                                           win::widen(w.caption), L"0"}));
    std::wstring tab = L"tab";
    for (std::size_t i = 0; i < w.controls.size(); ++i) {
      EXPECT_EQ(heard.line(L"child", i + 1), childLine(run, w, i));
      if (reachable(run, {id, w.controls[i].id})) tab += L"\t" + number(i + 1);
    }
    EXPECT_EQ(heard.line(L"tab"), tab);
    return heard;
  }
  void clickOn(std::int32_t window, std::int32_t id) {
    click(run, {window, id}, 500);
    pointerAway();
  }

  BoxWatcher boxes{IDOK};
  std::unique_ptr<LoopbackServer> server;
  RunningApp run;
};

TEST_F(Access, EveryWindowIsHeardAsTheUiHoldsIt) {
  // A player without a reader pays nothing (true of the first test only).
  EXPECT_EQ(GetModuleHandleW(L"oleacc.dll"), nullptr) << "loaded before a reader asked";
  expectHeardAsHeld(layout::kMainWindow);
  const Heard lineup = expectHeardAsHeld(layout::kLineupWindow);
  std::printf("reader walk of LineupWindow (%zu children), us; one call's round trip, us: %ls\n",
              run.ui().window(layout::kLineupWindow)->controls.size(), lineup.line(L"walk").c_str() + 5);
  clickOn(layout::kMainWindow, layout::main_window::装备图菜单按钮);
  expectHeardAsHeld(layout::kItemChartWindow);
  clickOn(layout::kItemChartWindow, layout::item_chart_window::英雄按钮);
  expectHeardAsHeld(layout::kItemListWindow);
  clickOn(layout::kLineupWindow, layout::lineup_window::英雄按钮);
  expectHeardAsHeld(layout::kHeroListWindow);
  clickOn(layout::kMainWindow, layout::main_window::关于菜单按钮);
  expectHeardAsHeld(layout::kAboutWindow);
  run.ui().open(layout::kDonateWindow, layout::kAboutWindow);
  pump(200);
  expectHeardAsHeld(layout::kDonateWindow);
  run.ui().close(layout::kDonateWindow);
  pump(200);
  clickOn(layout::kAboutWindow, layout::about_window::超级按钮1);
  expectHeardAsHeld(layout::kUpdateWindow);
}

TEST_F(Access, ReaderPressesAButtonAndMovesTheFocus) {
  const WindowState& main = *run.ui().window(layout::kMainWindow);
  const long chart = run.ui().indexOf({main.id, layout::main_window::装备图菜单按钮}) + 1;
  ASSERT_FALSE(run.ui().isOpen(layout::kItemChartWindow));
  EXPECT_EQ(hear(run.window(main.id), L"press " + number(chart)).exitCode, 0);
  EXPECT_TRUE(run.ui().isOpen(layout::kItemChartWindow)) << "the press clicks as the mouse does";

  // The focus to the last tab stop, the pointer on the one before.
  std::vector<std::size_t> stops;
  for (std::size_t i = 0; i < main.controls.size(); ++i)
    if (reachable(run, {main.id, main.controls[i].id})) stops.push_back(i);
  ASSERT_GE(stops.size(), 2u);
  const std::size_t last = stops.back(), under = stops[stops.size() - 2];
  focusEvents().clear();
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, onFocus,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  pointerTo(centreOf(screenBoxOf(run, {main.id, main.controls[under].id})), 200);
  const Heard heard = hear(run.window(main.id), L"focus " + number(last + 1));
  UnhookWinEvent(hook);
  EXPECT_EQ(heard.line(L"child", last + 1), childLine(run, main, last, STATE_SYSTEM_FOCUSED));
  EXPECT_EQ(heard.line(L"child", under + 1), childLine(run, main, under, STATE_SYSTEM_HOTTRACKED));
  EXPECT_EQ(heard.line(L"self"), fields({L"self", number(static_cast<long long>(main.controls.size())),
                                         win::widen(main.caption), number(last + 1)}));
  const auto window = static_cast<long long>(reinterpret_cast<UINT_PTR>(run.window(main.id)));
  EXPECT_EQ(focusEvents(), (std::vector{fields({number(window), number(OBJID_CLIENT), number(last + 1)})}))
      << "a reader hears where the focus went";
}

}  // namespace
}  // namespace vex::test
