// The program as a screen reader reads it: a second process (screen_reader)
// asks each window through oleacc, and what it hears must be what the Ui
// holds: every control by name, role, state and place, the tab order, and
// a button's default action doing its click.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "../faults/box_watcher.h"
#include "../faults/fault_server.h"
#include "../views/native_probe.h"

namespace vex::test {
namespace {

constexpr int kUpdatePort = 18631;        // the build's update host
constexpr int kReaderDeadlineMs = 30000;  // Wine's first start of a process is slow

struct HeardChild {
  bool window = false;  // a window's own object, not an element of the client
  long role = 0, state = 0;
  RECT at{};
  HWND hwnd = nullptr;
  long hit = 0;  // what accHitTest answers at the centre
  std::wstring name, description, action;
};

struct Heard {
  int exitCode = -1;
  std::wstring name;
  long count = 0, focus = 0;
  std::vector<HeardChild> children;
  std::vector<long> tabOrder;
  long long walkMicros = 0;
};

std::vector<std::wstring> split(const std::wstring& s, wchar_t by) {
  std::vector<std::wstring> parts(1);
  for (wchar_t c : s) {
    if (c == by)
      parts.emplace_back();
    else
      parts.back().push_back(c);
  }
  return parts;
}

std::wstring unescape(const std::wstring& s) {
  std::wstring plain;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != L'\\' || i + 1 == s.size()) {
      plain += s[i];
      continue;
    }
    const wchar_t c = s[++i];
    plain += c == L'n' ? L'\n' : c == L'r' ? L'\r' : c == L't' ? L'\t' : c;
  }
  return plain;
}

Heard parse(const std::wstring& text) {
  Heard h;
  for (const std::wstring& line : split(text, L'\n')) {
    const auto f = split(line, L'\t');
    auto n = [&f](std::size_t i) { return i < f.size() ? std::wcstoll(f[i].c_str(), nullptr, 10) : 0; };
    if (f[0] == L"self" && f.size() >= 4) {
      h.count = static_cast<long>(n(1));
      h.name = unescape(f[2]);
      h.focus = static_cast<long>(n(3));
    } else if (f[0] == L"child" && f.size() >= 14) {
      HeardChild c;
      c.window = f[2] == L"w";
      c.role = static_cast<long>(n(3));
      c.state = static_cast<long>(n(4));
      c.at = {static_cast<LONG>(n(5)), static_cast<LONG>(n(6)), static_cast<LONG>(n(5) + n(7)),
              static_cast<LONG>(n(6) + n(8))};
      c.hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(n(9)));
      c.hit = static_cast<long>(n(10));
      c.name = unescape(f[11]);
      c.description = unescape(f[12]);
      c.action = unescape(f[13]);
      h.children.push_back(c);
    } else if (f[0] == L"tab") {
      for (std::size_t i = 1; i < f.size(); ++i) h.tabOrder.push_back(static_cast<long>(n(i)));
    } else if (f[0] == L"walk") {
      h.walkMicros = n(1);
    }
  }
  return h;
}

std::wstring inBuild(const char* below) {
  const char* dir = std::getenv("VEX_BUILD_DIR");
  const std::string path = std::string("Z:") + (dir ? dir : "") + below;
  return std::wstring(path.begin(), path.end());
}

// Runs the reader against `window` while this process serves its calls.
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
  // Each call of the reader is a message to this thread: served at once,
  // as the program's own loop would, so the walk's time is the program's.
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(deadlineMs);
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    const DWORD woke =
        MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    if (woke != WAIT_OBJECT_0 + 1) break;
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
  // What the reader's calls posted (a click) runs now.
  pump(200);
  std::ifstream in(std::string(file.begin(), file.end()), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  heard = parse(text);
  heard.exitCode = static_cast<int>(code);
  return heard;
}

std::string idOf(const ControlState& c) {
  char id[16];
  std::snprintf(id, sizeof id, "%08X", static_cast<unsigned>(c.id));
  return id;
}

bool stock(const ControlState& c) {
  return c.kind == ControlKind::ListView || c.kind == ControlKind::ProcessBar;
}

// The roles a reader announces, by kind; timers show nothing.
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
      return ROLE_SYSTEM_WHITESPACE;
  }
}

// A champion's portrait has no caption: its tooltip is the only name it has.
const Text& nameFor(const ControlState& c) {
  if (c.kind == ControlKind::Label || (c.kind == ControlKind::SuperBtn && !c.caption.empty()))
    return c.caption;
  return c.hint;
}

// The focus events a reader's hook receives (hooks carry no context).
struct FocusEvent {
  HWND window;
  LONG object, child;
};
std::vector<FocusEvent>& focusEvents() {
  static std::vector<FocusEvent> events;
  return events;
}
void CALLBACK onFocus(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  focusEvents().push_back({window, object, child});
}

class Access : public ::testing::Test {
 protected:
  void SetUp() override {
    pointerAway();
    for (int i = 0; i < 200 && FaultServer::portAnswers(kUpdatePort); ++i) Sleep(100);
    if (FaultServer::portAnswers(kUpdatePort)) GTEST_SKIP() << "port " << kUpdatePort << " is taken";
    server = std::make_unique<FaultServer>(
        [](const std::string& path) {
          if (path == "/vexbox/new.exe") return Answer{Fault::Stall, ""};
          return Answer{Fault::None, path == "/vexbox/Version.html" ? page() : "ok"};
        },
        kUpdatePort);
    ASSERT_TRUE(server->listening());
  }
  void TearDown() override { run.app().exitSteps(); }
  static std::string page() {
    return "[start][edition]2.2[/edition][dowload]http://127.0.0.1:" + std::to_string(kUpdatePort) +
           "/vexbox/new.exe[/dowload][update]Y[/update][end]";
  }

  // Everything a reader hears of the window, against the Ui.
  Heard expectHeardAsHeld(std::int32_t id) {
    const WindowState& w = *run.ui().window(id);
    const Heard heard = hear(run.window(id));
    EXPECT_EQ(heard.exitCode, 0) << std::hex << id;
    EXPECT_EQ(heard.name, win::widen(w.caption));
    EXPECT_EQ(heard.count, static_cast<long>(w.controls.size()));
    if (heard.children.size() != w.controls.size()) {
      ADD_FAILURE() << "heard " << heard.children.size() << " of " << w.controls.size() << " controls";
      return heard;
    }
    std::vector<long> tabOrder;
    for (std::size_t i = 0; i < w.controls.size(); ++i) {
      const ControlState& s = w.controls[i];
      const ControlRef ref{id, s.id};
      const HeardChild& c = heard.children[i];
      const long child = static_cast<long>(i) + 1;
      SCOPED_TRACE("control " + idOf(s));
      if (stock(s)) {
        EXPECT_TRUE(c.window);
        EXPECT_EQ(c.hwnd, run.app().backend().controlHandle(ref));
      } else {
        const bool shown = s.kind != ControlKind::Timer && showing(run, ref);
        EXPECT_FALSE(c.window);
        EXPECT_EQ(c.role, roleFor(s.kind));
        EXPECT_EQ(c.name, win::widen(nameFor(s)));
        EXPECT_EQ((c.state & STATE_SYSTEM_INVISIBLE) != 0, !shown);
        EXPECT_EQ((c.state & STATE_SYSTEM_UNAVAILABLE) != 0, s.disabled);
        EXPECT_EQ((c.state & STATE_SYSTEM_FOCUSABLE) != 0, s.tabStop);
        const RECT box = screenBoxOf(run, ref);
        if (shown) {
          EXPECT_TRUE(EqualRect(&c.at, &box))
              << c.at.left << "," << c.at.top << " not " << box.left << "," << box.top;
        }
        const bool button = s.kind == ControlKind::SuperBtn;
        EXPECT_EQ(c.description, button ? win::widen(s.hint) : L"");
        EXPECT_EQ(c.action, button ? L"Press" : L"");
        if (button && shown && !s.disabled) {
          EXPECT_EQ(c.hit, child);
        }
      }
      if (s.tabStop && showing(run, ref) && !s.disabled) tabOrder.push_back(child);
    }
    EXPECT_EQ(heard.tabOrder, tabOrder);
    return heard;
  }
  void clickOn(std::int32_t window, std::int32_t id) { click(run, {window, id}, 500); }

  BoxWatcher boxes{IDOK};
  std::unique_ptr<FaultServer> server;
  RunningApp run;
};

TEST_F(Access, EveryWindowIsHeardAsTheUiHoldsIt) {
  // A player without a reader pays nothing (true of the first test only).
  EXPECT_EQ(GetModuleHandleW(L"oleacc.dll"), nullptr) << "loaded before a reader asked";
  expectHeardAsHeld(layout::kMainWindow);
  const Heard lineup = expectHeardAsHeld(layout::kLineupWindow);
  std::printf("reader walk of LineupWindow: %lld us for %zu children\n", lineup.walkMicros,
              lineup.children.size());
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
  const long chart = run.ui().indexOf({layout::kMainWindow, layout::main_window::装备图菜单按钮}) + 1;
  ASSERT_FALSE(run.ui().isOpen(layout::kItemChartWindow));
  EXPECT_EQ(hear(run.window(layout::kMainWindow), L"press " + std::to_wstring(chart)).exitCode, 0);
  EXPECT_TRUE(run.ui().isOpen(layout::kItemChartWindow)) << "the press clicks as the mouse does";

  // The last tab stop, so the focus surely moves there; the pointer rests
  // on the one before.
  std::vector<long> stops;
  for (std::size_t i = 0; i < main.controls.size(); ++i)
    if (main.controls[i].tabStop && showing(run, {main.id, main.controls[i].id}) &&
        !main.controls[i].disabled)
      stops.push_back(static_cast<long>(i) + 1);
  ASSERT_GE(stops.size(), 2u);
  const long last = stops.back(), under = stops[stops.size() - 2];
  focusEvents().clear();
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, onFocus,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  pointerTo(centreOf(screenBoxOf(run, {main.id, main.controls[static_cast<std::size_t>(under - 1)].id})),
            200);
  const Heard heard = hear(run.window(layout::kMainWindow), L"focus " + std::to_wstring(last));
  UnhookWinEvent(hook);
  EXPECT_EQ(heard.focus, last);
  ASSERT_EQ(heard.children.size(), main.controls.size());
  EXPECT_NE(heard.children[static_cast<std::size_t>(last - 1)].state & STATE_SYSTEM_FOCUSED, 0);
  ASSERT_EQ(focusEvents().size(), 1u) << "a reader hears where the focus went";
  EXPECT_EQ(focusEvents()[0].window, run.window(layout::kMainWindow));
  EXPECT_EQ(focusEvents()[0].object, OBJID_CLIENT);
  EXPECT_EQ(focusEvents()[0].child, last);
  EXPECT_NE(heard.children[static_cast<std::size_t>(under - 1)].state & STATE_SYSTEM_HOTTRACKED, 0);
}

}  // namespace
}  // namespace vex::test
