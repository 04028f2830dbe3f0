// The message box helper and the UI-thread dispatcher.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <thread>
#include <vector>

#include "toolkit/system/handles.h"
#include "toolkit/system/message_box.h"
#include "toolkit/system/ui_dispatcher.h"
#include "toolkit/system/wide_text.h"
#include "win_test_support.h"

namespace vex {
namespace {

// A shown box as the player sees it, read from another thread.
struct BoxLook {
  std::vector<COLORREF> text;  // the text control's pixels, row by row
  SIZE textSize{};
  bool textFits = false;     // its control is as large as the text needs in its font
  bool partsInside = false;  // every control inside the box, the box on the screen
  int colours() const {
    std::vector<COLORREF> seen;
    for (COLORREF c : text)
      if (std::find(seen.begin(), seen.end(), c) == seen.end()) seen.push_back(c);
    return static_cast<int>(seen.size());
  }
};

std::vector<COLORREF> pixelsOf(HDC dc, SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  win::UniqueDc memory(CreateCompatibleDC(dc));
  win::UniqueBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap || !bits || size.cx <= 0 || size.cy <= 0) return {};
  win::Selected selected(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const COLORREF*>(bits);
  return {first, first + size.cx * size.cy};
}

BoxLook lookOf(HWND box) {
  BoxLook look;
  RECT client{}, outer{}, part{}, both{};
  GetClientRect(box, &client);
  GetWindowRect(box, &outer);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  look.partsInside = IntersectRect(&both, &outer, &work) && EqualRect(&both, &outer);
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c)) continue;
    GetWindowRect(c, &part);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&part), 2);
    look.partsInside = look.partsInside && IntersectRect(&both, &part, &client) && EqualRect(&both, &part);
    wchar_t kind[16]{}, text[256]{};
    GetClassNameW(c, kind, 16);
    if (lstrcmpiW(kind, L"Static") != 0 || (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
    GetClientRect(c, &part);
    look.textSize = {part.right, part.bottom};
    GetWindowTextW(c, text, 256);
    HDC dc = GetDC(c);
    {
      win::Selected font(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
      RECT needs{0, 0, part.right, 0};
      DrawTextW(dc, text, -1, &needs, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
      look.textFits = needs.right <= part.right && needs.bottom <= part.bottom;
      look.text = pixelsOf(dc, look.textSize);
    }
    ReleaseDC(c, dc);
  }
  return look;
}

// Waits on another thread for a dialog with `title`, reads its text (and,
// if asked, its look once painted) and presses `button` in it.
struct BoxAnswerer {
  BoxAnswerer(const wchar_t* title, int button, bool read = false)
      : worker([this, title, button, read] {
          HWND found = nullptr;
          for (int i = 0; i < 400 && !(found && IsWindowVisible(found)); ++i) {
            found = FindWindowW(L"#32770", title);
            Sleep(10);
          }
          if (!found) return;
          if (read) {
            Sleep(300);  // painted by its modal loop
            look = lookOf(found);
          }
          box = found;
          owner = GetWindow(box, GW_OWNER);
          PostMessageW(box, WM_COMMAND, button, 0);
        }) {}
  ~BoxAnswerer() {
    if (worker.joinable()) worker.join();
  }
  std::atomic<HWND> box{nullptr};
  HWND owner = nullptr;
  BoxLook look;
  std::thread worker;
};

TEST(WinMessageBox, ReturnsThePressedButtonAsIndex) {
  {
    BoxAnswerer answer(L"提示", IDOK);
    EXPECT_EQ(win::messageBox(nullptr, "升级成功！    ", "提示", MB_OK | MB_ICONINFORMATION), 0);
    answer.worker.join();
    EXPECT_NE(answer.box.load(), nullptr);
  }
  {
    BoxAnswerer answer(L"提示", IDNO);
    EXPECT_EQ(win::messageBox(nullptr, "要更新吗？", "提示", MB_YESNO), 6);
  }
  {
    BoxAnswerer answer(L"提示", IDRETRY);
    EXPECT_EQ(win::messageBox(nullptr, "x", "提示", MB_RETRYCANCEL), 3);
  }
}

TEST(WinMessageBox, UntitledBoxGetsTheInformationTitleAndItsOwner) {
  HWND owner =
      CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  BoxAnswerer answer(L"信息：", IDCANCEL);
  EXPECT_EQ(win::messageBox(owner, "正文", "", MB_OKCANCEL), 1);
  answer.worker.join();
  EXPECT_NE(answer.box.load(), nullptr);
  EXPECT_EQ(answer.owner, owner);
  DestroyWindow(owner);
}

// The system's dialog font has no CJK glyphs under Wine: two equally long
// texts in like boxes would draw as the same row of empty boxes.
void expectDifferentGlyphs(const BoxLook& a, const BoxLook& b) {
  ASSERT_FALSE(a.text.empty());
  ASSERT_EQ(a.textSize.cx, b.textSize.cx);
  ASSERT_EQ(a.textSize.cy, b.textSize.cy);
  EXPECT_GT(a.colours(), 2);
  EXPECT_FALSE(a.text == b.text) << "two texts drew the same " << a.textSize.cx << "x" << a.textSize.cy
                                 << " pixels";
}

// Every box fits its text in our font (the long one wrapped) and stays inside the screen.
TEST(WinMessageBox, TextsDrawAsGlyphsInBoxesFittedToThem) {
  const struct {
    const char* text;
    unsigned flags;
  } boxes[] = {{"当前已是最新版本", MB_OK | MB_ICONINFORMATION},
               {"已停止下载新版本", MB_OK | MB_ICONINFORMATION},
               // Wider in our font than three quarters of the screen, however the
               // system's font measured it.
               {"升级失败：没有下载到完整的新版本，请稍后再试。升级失败：没有下载到完整的新版本，请稍后再试。"
                "升级失败：没有下载到完整的新版本，请稍后再试。升级失败：没有下载到完整的新版本，请稍后再试。"
                "升级失败：没有下载到完整的新版本，请稍后再试。",
                MB_OKCANCEL | MB_ICONWARNING}};
  std::vector<BoxLook> looks;
  for (std::size_t i = 0; i < std::size(boxes); ++i) {
    BoxAnswerer answer(L"提示", IDOK, true);
    EXPECT_EQ(win::messageBox(nullptr, boxes[i].text, "提示", boxes[i].flags), 0) << "box " << i;
    answer.worker.join();
    looks.push_back(answer.look);
    EXPECT_TRUE(answer.look.textFits) << "box " << i;
    EXPECT_TRUE(answer.look.partsInside) << "box " << i;
  }
  expectDifferentGlyphs(looks[0], looks[1]);
  EXPECT_GT(looks[2].textSize.cy, looks[0].textSize.cy * 3 / 2) << "the long text wraps";
}

// A box opened from inside another's modal loop is fitted too, and the
// outer one stays fitted once it is back on top.
TEST(WinMessageBox, BoxOpenedWhileAnotherIsUpDrawsItsText) {
  BoxAnswerer inner(L"内层", IDOK, true);
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    win::messageBox(nullptr, "已停止下载新版本", "内层", MB_OK);
  });
  BoxLook outerLook;
  std::thread outer([&] {
    inner.worker.join();
    BoxAnswerer answer(L"外层", IDOK, true);
    answer.worker.join();
    outerLook = answer.look;
  });
  EXPECT_EQ(win::messageBox(nullptr, "当前已是最新版本", "外层", MB_OK), 0);
  outer.join();
  ASSERT_NE(inner.box.load(), nullptr);
  EXPECT_TRUE(inner.look.textFits);
  EXPECT_TRUE(outerLook.textFits);
  expectDifferentGlyphs(inner.look, outerLook);
}

TEST(WinUiDispatcher, WorkerPostsRunOnTheUiThreadInOrder) {
  win::UiDispatcher dispatcher;
  const DWORD uiThread = GetCurrentThreadId();
  std::vector<int> order;
  std::atomic<int> wrongThread{0};
  std::thread worker([&] {
    for (int i = 0; i < 100; ++i)
      dispatcher.post([&, i] {
        if (GetCurrentThreadId() != uiThread) ++wrongThread;
        order.push_back(i);
      });
  });
  worker.join();
  test::pump(2000, [&] { return order.size() == 100; });
  ASSERT_EQ(order.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(order[i], i);
  EXPECT_EQ(wrongThread.load(), 0);
}

TEST(WinUiDispatcher, QueuedWorkIsDroppedWithTheDispatcher) {
  auto alive = std::make_shared<int>(0);
  {
    win::UiDispatcher dispatcher;
    for (int i = 0; i < 10; ++i) dispatcher.post([alive] { ++*alive; });
    EXPECT_FALSE(dispatcher.post({}));
  }
  EXPECT_EQ(alive.use_count(), 1);  // the queued copies were freed, not run
  EXPECT_EQ(*alive, 0);
}

TEST(WinWideText, GbkRoundTripsWhateverTheAnsiCodePage) {
  const Text gbk = "阵容、装备图：9.15b";
  EXPECT_EQ(win::widen(gbk), L"阵容、装备图：9.15b");
  EXPECT_EQ(win::narrow(win::widen(gbk)), gbk);
  EXPECT_EQ(win::widen(""), L"");
}

}  // namespace
}  // namespace vex
