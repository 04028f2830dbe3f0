// The message box helper and the UI-thread dispatcher.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "toolkit/system/message_box.h"
#include "toolkit/system/ui_dispatcher.h"
#include "toolkit/system/wide_text.h"
#include "win_test_support.h"

namespace vex {
namespace {

// Waits on another thread for a dialog with `title`, reads its text and
// presses `button` in it.
struct BoxAnswerer {
  BoxAnswerer(const wchar_t* title, int button)
      : worker([this, title, button] {
          HWND found = nullptr;
          for (int i = 0; i < 400 && !(found && IsWindowVisible(found)); ++i) {
            found = FindWindowW(L"#32770", title);
            Sleep(10);
          }
          if (!found) return;
          box = found;
          owner = GetWindow(box, GW_OWNER);
          PostMessageW(box, WM_COMMAND, button, 0);
        }) {}
  ~BoxAnswerer() {
    if (worker.joinable()) worker.join();
  }
  std::atomic<HWND> box{nullptr};
  HWND owner = nullptr;
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
