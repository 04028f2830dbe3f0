// The structural floor of the window figures: what Vexbox must put on screen
// natively at start, done the cheapest sound way. Two colour-keyed popups of
// MainWindow's and LineupWindow's sizes (the second 160 px below the first),
// 45 boxes each with a CJK glyph drawn into one back buffer per popup, and an
// 18-column owner-data report list of 83 rows in the second popup. A click on
// a box repaints that box in the buffer and copies only its rectangle out.
// It includes nothing of the toolkit, so it measures the same before and
// after any change there.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kKey = RGB(0x60, 0x60, 0x60);
constexpr COLORREF kStrip = RGB(0x17, 0x1C, 0x25);
constexpr COLORREF kBody = RGB(0x24, 0x2B, 0x38);
constexpr COLORREF kBox = RGB(0x3A, 0x46, 0x5C);
constexpr COLORREF kBoxOn = RGB(0xC8, 0x8A, 0x2E);
constexpr int kWidth = 542;

struct GdiFree {
  void operator()(void* h) const { DeleteObject(static_cast<HGDIOBJ>(h)); }
};
struct DcFree {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using Gdi = std::unique_ptr<void, GdiFree>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcFree>;

struct Box {
  RECT at;
  wchar_t glyph;
  bool on = false;
};

// One popup: its boxes and the back buffer they are drawn into.
struct Popup {
  const wchar_t* title;
  int top, height, strip;  // strip: width of the dark title strip
  std::vector<Box> boxes;
  HFONT font = nullptr;
  HWND hwnd = nullptr;
  MemoryDc dc{};
  Gdi bitmap{};
  HGDIOBJ oldBitmap = nullptr;
};

void fill(HDC dc, const RECT& r, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void drawBox(HDC dc, const Box& b) {
  fill(dc, b.at, b.on ? kBoxOn : kBox);
  RECT text = b.at;
  DrawTextW(dc, &b.glyph, 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void drawAll(Popup& p) {
  HDC dc = p.dc.get();
  const RECT all{0, 0, kWidth, p.height}, strip{0, 0, p.strip, 26}, body{0, 26, kWidth, 150};
  fill(dc, all, kKey);
  fill(dc, strip, kStrip);
  fill(dc, body, kBody);
  SelectObject(dc, p.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0xF0, 0xF0, 0xF0));
  RECT title{34, 0, p.strip, 26};
  DrawTextW(dc, p.title, -1, &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  for (const Box& b : p.boxes) drawBox(dc, b);
}

// MainWindow's rows: ten champion slots, five core champions, nine item cells
// and the detail box.
std::vector<Box> mainBoxes() {
  constexpr wchar_t glyphs[] = L"阵匣英雄装备合成核心前期中期最终推荐评级名称作者费用图标版本关于";
  std::vector<Box> v;
  int g = 0;
  for (int k = 0; k < 10; ++k) v.push_back({{55 * k, 36, 55 * k + 47, 83}, glyphs[g++]});
  for (int k = 0; k < 5; ++k) v.push_back({{210 + 51 * k, 96, 257 + 51 * k, 143}, glyphs[g++]});
  for (int k = 0; k < 6; ++k) v.push_back({{53 + 25 * k, 128, 75 + 25 * k, 150}, glyphs[g++]});
  for (int k = 0; k < 3; ++k) v.push_back({{60 + 52 * k, 90, 92 + 52 * k, 122}, glyphs[g++]});
  v.push_back({{0, 96, 47, 143}, glyphs[g++]});
  return v;
}

// LineupWindow's panel: five cost buttons, ten choices and five chosen places.
std::vector<Box> lineupBoxes() {
  constexpr wchar_t glyphs[] = L"一二三四五甲乙丙丁戊己庚辛壬癸子丑寅卯辰";
  std::vector<Box> v;
  int g = 0;
  for (int k = 0; k < 5; ++k) v.push_back({{14 + 36 * k, 35, 38 + 36 * k, 47}, glyphs[g++]});
  for (int k = 0; k < 10; ++k) v.push_back({{14 + 26 * k, 57, 36 + 26 * k, 79}, glyphs[g++]});
  for (int k = 0; k < 5; ++k) v.push_back({{14 + 26 * k, 112, 36 + 26 * k, 134}, glyphs[g++]});
  return v;
}

constexpr int kColumnWidths[18] = {40, 135, 22, 22, 22,  22,  22,  22,  22,
                                   22, 22,  22, 90, 200, 200, 200, 200, 30};

HWND makeList(HWND parent, HINSTANCE instance, HFONT font) {
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL, 0, 150,
                              kWidth, 230, parent, nullptr, instance, nullptr);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  const wchar_t* titles[18] = {L"评级", L"名称",     L"",         L"",         L"",         L"",
                               L"",     L"",         L"",         L"",         L"",         L"",
                               L"作者", L"阵容核心", L"前期推荐", L"中期过渡", L"最终阵容", L"ID"};
  for (int c = 0; c < 18; ++c) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = kColumnWidths[c];
    col.pszText = const_cast<wchar_t*>(titles[c]);
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
  }
  SendMessageW(list, LVM_SETITEMCOUNT, 83, 0);
  return list;
}

void cellText(NMLVDISPINFOW* info) {
  std::wstring text;
  const int row = info->item.iItem, column = info->item.iSubItem;
  if (column == 0)
    text = L"S";
  else if (column == 1)
    text = L"阵容" + std::to_wstring(row + 1);
  else if (column < 12)
    text = std::wstring(1, L"甲乙丙丁戊己庚辛壬癸"[(row + column) % 10]);
  else if (column == 17)
    text = std::to_wstring(row + 1);
  else
    text = L"英雄 装备 合成 前期 中期";
  lstrcpynW(info->item.pszText, text.c_str(), info->item.cchTextMax);
}

Popup* popupOf(HWND h) { return reinterpret_cast<Popup*>(GetWindowLongPtrW(h, GWLP_USERDATA)); }

LRESULT CALLBACK procedure(HWND h, UINT msg, WPARAM w, LPARAM l) {
  Popup* p = popupOf(h);
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrW(h, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      const RECT& r = ps.rcPaint;
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, p->dc.get(), r.left, r.top, SRCCOPY);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_LBUTTONUP: {
      const POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      for (Box& b : p->boxes)
        if (PtInRect(&b.at, at)) {
          b.on = !b.on;
          drawBox(p->dc.get(), b);
          InvalidateRect(h, &b.at, FALSE);
          break;
        }
      return 0;
    }
    case WM_NOTIFY: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(l);
      if (info->hdr.code == LVN_GETDISPINFOW && (info->item.mask & LVIF_TEXT)) cellText(info);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(h, msg, w, l);
}

void open(Popup& p, HINSTANCE instance, const wchar_t* className) {
  HDC screen = GetDC(nullptr);
  p.dc.reset(CreateCompatibleDC(screen));
  p.bitmap.reset(CreateCompatibleBitmap(screen, kWidth, p.height));
  ReleaseDC(nullptr, screen);
  p.oldBitmap = SelectObject(p.dc.get(), p.bitmap.get());
  drawAll(p);
  p.hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, p.title, WS_POPUP, 0, p.top, kWidth,
                           p.height, nullptr, nullptr, instance, &p);
  SetWindowLongA(p.hwnd, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(p.hwnd, kKey, 255, LWA_COLORKEY | LWA_ALPHA);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  Gdi font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"微软雅黑"));
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.lpszClassName = L"VexFloorPopup";
  RegisterClassW(&wc);

  const HFONT one = static_cast<HFONT>(font.get());
  std::array<Popup, 2> popups{Popup{L"Vexbox(阵匣)", 0, 150, 381, mainBoxes(), one},
                              Popup{L"阵容", 160, 380, 281, lineupBoxes(), one}};
  for (Popup& p : popups) open(p, instance, wc.lpszClassName);
  makeList(popups[1].hwnd, instance, one);
  for (Popup& p : popups) ShowWindow(p.hwnd, SW_SHOWNOACTIVATE);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  for (Popup& p : popups) {
    if (IsWindow(p.hwnd)) DestroyWindow(p.hwnd);
    SelectObject(p.dc.get(), p.oldBitmap);
  }
  return 0;
}
