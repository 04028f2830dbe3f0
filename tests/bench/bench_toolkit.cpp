// Prints how long the toolkit takes to open a 40-control window, to redraw
// it whole, and to fill and sort an 83-row, 18-column list.
#include <windows.h>

#include <cstdio>
#include <string>

#include "../support/pump.h"
#include "toolkit/controls/win/win32_backend.h"

namespace {

using namespace vex;
using vex::test::pump;
// <chrono> does not compile with GBK narrow literals; the counter serves.
struct Clock {
  using time_point = LONGLONG;
  static time_point now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
  }
};

constexpr std::int32_t kWin = 0x52100001, kList = 0x52100002, kListId = 1;

Bytes solidBmp(int w, int h, Colour c) {
  const std::uint32_t pixels = static_cast<std::uint32_t>(w * h * 4);
  Bytes b(54 + pixels, 0xFF);
  const std::uint32_t header[] = {54 + pixels,
                                  0,
                                  54,
                                  40,
                                  static_cast<std::uint32_t>(w),
                                  static_cast<std::uint32_t>(h),
                                  1 | (32 << 16),
                                  0,
                                  pixels,
                                  0,
                                  0,
                                  0,
                                  0};
  b[0] = 'B';
  b[1] = 'M';
  for (std::size_t i = 0; i < std::size(header); ++i)
    for (int k = 0; k < 4; ++k) b[2 + i * 4 + k] = (header[i] >> (8 * k)) & 0xFF;
  for (std::size_t i = 54; i < b.size(); i += 4) {
    b[i] = (c >> 16) & 0xFF;
    b[i + 1] = (c >> 8) & 0xFF;
    b[i + 2] = c & 0xFF;
  }
  return b;
}

ControlState make(std::int32_t id, ControlKind kind, int l, int t, int w, int h, std::int32_t parent = 0) {
  ControlState c;
  c.id = id;
  c.kind = kind;
  c.left = l;
  c.top = t;
  c.width = w;
  c.height = h;
  c.parent = parent;
  return c;
}

WindowLayout fortyControls() {
  WindowLayout w;
  w.id = kWin;
  w.width = 542;
  w.height = 150;
  w.background = rgb(0x606060);
  w.dragControl = 1;
  const Bytes portrait = solidBmp(43, 43, rgb(0x336699));
  const Bytes marker = solidBmp(15, 15, rgb(0xFFFFFF));
  for (int i = 0; i < 10; ++i) {
    ControlState b = make(100 + i, ControlKind::SuperBtn, 55 * i, 36, 47, 47);
    b.picture = portrait;
    b.backColour[kHover] = rgb(0xFFFFFF);
    b.hint = "英雄";
    b.pointer = Pointer::Hand;
    w.controls.push_back(b);
  }
  for (int i = 0; i < 5; ++i) {
    ControlState m = make(200 + i, ControlKind::PicBox, 241 + 52 * i, 127, 14, 14);
    m.picture = marker;
    w.controls.push_back(m);
    ControlState core = make(210 + i, ControlKind::SuperBtn, 210 + 52 * i, 96, 47, 47);
    for (int s = 0; s < 3; ++s) core.backColour[s] = core.textColour[s] = rgb(0x171C25);
    core.picture = portrait;
    w.controls.push_back(core);
  }
  for (int i = 0; i < 9; ++i) {
    ControlState item = make(300 + i, ControlKind::SuperBtn, 53 + 25 * i, 128, 22, 22);
    item.backColour[kNormal] = rgb(0xF0F0F0);
    item.backColour[kHover] = rgb(0xFFFFFF);
    w.controls.push_back(item);
  }
  ControlState logo = make(2, ControlKind::PicBox, 5, 5, 16, 16, 1);
  logo.picture = solidBmp(16, 16, rgb(0x00AAFF));
  w.controls.push_back(logo);
  const char* captions[] = {"阵容", "装备图", "关于", "", ""};
  for (int i = 0; i < 5; ++i) {
    ControlState menu = make(10 + i, ControlKind::SuperBtn, 170 + 40 * i, 1, 40, 24, 1);
    menu.caption = captions[i];
    menu.textColour[kNormal] = rgb(0xECECEC);
    menu.backColour[kNormal] = rgb(0x171C25);
    menu.backColour[kHover] = rgb(0x0F2D38);
    w.controls.push_back(menu);
  }
  ControlState title = make(3, ControlKind::Label, 22, 1, 138, 24, 1);
  title.caption = "Vexbox(阵匣)V2.1";
  title.textColour[kNormal] = rgb(0xECECEC);
  title.backColour[kNormal] = rgb(0x171C25);
  w.controls.push_back(title);
  for (int i = 0; i < 3; ++i) {
    ControlState note = make(400 + i, ControlKind::Label, 400, 90 + 18 * i, 140, 16);
    note.caption = "游戏版本：9.15b";
    note.textColour[kNormal] = rgb(0xECECEC);
    w.controls.push_back(note);
  }
  ControlState strip = make(1, ControlKind::ShapeBox, 0, 0, 381, 26);
  strip.fill = rgb(0x171C25);
  w.controls.push_back(strip);
  return w;
}

WindowLayout lineupList() {
  WindowLayout w;
  w.id = kList;
  w.width = 542;
  w.height = 230;
  ControlState list = make(kListId, ControlKind::ListView, 0, 0, 542, 230);
  list.list.columns = {{"评级", 40, Align::Left}, {"名称", 135, Align::Left}};
  for (int i = 0; i < 10; ++i) list.list.columns.push_back({"", 22, Align::Centre});
  for (const char* t : {"作者", "阵容核心", "前期推荐", "中期过渡", "最终阵容", "ID"})
    list.list.columns.push_back({t, 90, Align::Left});
  w.controls = {list};
  return w;
}

double msSince(Clock::time_point t) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(Clock::now() - t) * 1000.0 / static_cast<double>(f.QuadPart);
}

}  // namespace

int main() {
  Ui ui;
  win::Win32Backend backend(ui);
  ui.addLayout(fortyControls());
  ui.addLayout(lineupList());
  std::printf("window with %zu controls\n", ui.layout(kWin).controls.size());

  constexpr int kOpens = 20, kRedraws = 50;
  double openTotal = 0;
  for (int i = 0; i < kOpens; ++i) {
    const auto t = Clock::now();
    ui.open(kWin);
    UpdateWindow(backend.windowHandle(kWin));
    pump(0);
    openTotal += msSince(t);
    if (i + 1 < kOpens) {
      ui.close(kWin);
      pump(0);
    }
  }
  std::printf("open 40-control window: %.2f ms (mean of %d)\n", openTotal / kOpens, kOpens);

  const auto redraw = Clock::now();
  for (int i = 0; i < kRedraws; ++i)
    RedrawWindow(backend.windowHandle(kWin), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  std::printf("redraw it whole: %.2f ms (mean of %d)\n", msSince(redraw) / kRedraws, kRedraws);

  const auto hover = Clock::now();
  for (int i = 0; i < kRedraws; ++i) {
    ui.setBackColour({kWin, 100}, kNormal, i % 2 ? rgb(0x171C25) : rgb(0x0F2D38));
    UpdateWindow(backend.windowHandle(kWin));
  }
  std::printf("repaint one button: %.2f ms (mean of %d)\n", msSince(hover) / kRedraws, kRedraws);

  ui.open(kList);
  const ControlRef list{kList, kListId};
  const auto fill = Clock::now();
  for (int r = 0; r < 83; ++r) {
    const int row = ui.listAppendRow(list);
    ui.listSetCell(list, row, 0, r % 3 == 0 ? "T1" : r % 3 == 1 ? "T2" : "T3");
    ui.listSetCell(list, row, 1, "铸星龙王阵容");
    for (int c = 2; c < 12; ++c) ui.listSetCellImage(list, row, c, (r + c) % 51);
    for (int c = 12; c < 17; ++c) ui.listSetCell(list, row, c, "铸星龙王、仙灵女巫、无畏");
    ui.listSetCell(list, row, 17, std::to_string(r + 1));
  }
  pump(0);  // the native list catches up here
  const double filled = msSince(fill);
  const auto sort = Clock::now();
  ui.sortListByColumn(list, 0);
  pump(0);
  const double sorted = msSince(sort);
  std::printf("fill 83 x 18 list: %.1f ms, sort it: %.1f ms\n", filled, sorted);
  ui.close(kList);
  ui.close(kWin);
  pump(0);
  return 0;
}
