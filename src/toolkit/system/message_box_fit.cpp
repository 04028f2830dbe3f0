#include "toolkit/system/message_box_fit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/system/handles.h"

namespace vex::win {
namespace {

int width(const RECT& r) { return r.right - r.left; }
int height(const RECT& r) { return r.bottom - r.top; }

struct Extent {
  int w = 0, h = 0;
};

struct Part {
  HWND hwnd = nullptr;
  RECT box{};  // in the box's client area
};

// The parts the system laid out: the text, the icon (when shown) and the
// buttons from left to right. Found by class and style, as the control ids
// differ between Windows and Wine.
struct BoxParts {
  Part text, icon;
  std::vector<Part> buttons;
};

BoxParts partsOf(HWND box) {
  BoxParts parts;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongW(c, GWL_STYLE);
    if (!(style & WS_VISIBLE)) continue;
    Part part{c, {}};
    GetWindowRect(c, &part.box);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&part.box), 2);
    wchar_t kind[16]{};
    GetClassNameW(c, kind, 16);
    if (_wcsicmp(kind, L"Button") == 0) {
      parts.buttons.push_back(part);
    } else if (_wcsicmp(kind, L"Static") == 0) {
      // Wine keeps an empty icon control under the text of a box without one.
      if ((style & SS_TYPEMASK) != SS_ICON)
        parts.text = part;
      else if (SendMessageW(c, STM_GETICON, 0, 0))
        parts.icon = part;
    }
  }
  std::sort(parts.buttons.begin(), parts.buttons.end(),
            [](const Part& a, const Part& b) { return a.box.left < b.box.left; });
  return parts;
}

std::wstring textOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The text's size as its static control draws it, wrapped at `wrap`.
Extent textSize(HDC dc, HWND control, int wrap) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  UINT flags = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT;
  if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
  if (style & SS_EDITCONTROL) flags |= DT_EDITCONTROL;
  RECT r{0, 0, wrap, 0};
  const std::wstring text = textOf(control);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
  return {width(r), height(r)};
}

Extent captionSize(HDC dc, const std::vector<Part>& buttons) {
  Extent most{1, 1};
  for (const Part& b : buttons) {
    RECT r{};
    const std::wstring caption = textOf(b.hwnd);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    most = {std::max(most.w, width(r)), std::max(most.h, height(r))};
  }
  return most;
}

void place(HWND control, int left, int top, int w, int h) {
  SetWindowPos(control, nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void fitBoxToFont(HWND box, HFONT font) {
  const BoxParts parts = partsOf(box);
  if (!parts.text.hwnd || parts.buttons.empty()) return;

  MONITORINFO screen{};
  screen.cbSize = sizeof screen;
  GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &screen);
  const RECT& work = screen.rcWork;

  Extent text, caption;
  {
    const WindowDc window(box);
    HDC dc = window.get();
    // The system's wrapping width, except that a text it kept on one line
    // stays on one line when our font makes it a little wider.
    auto systemFont = reinterpret_cast<HGDIOBJ>(SendMessageW(parts.text.hwnd, WM_GETFONT, 0, 0));
    Selected selected(dc, systemFont ? systemFont : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW line{};
    GetTextMetricsW(dc, &line);
    const bool oneLine = height(parts.text.box) < 2 * line.tmHeight;
    const int wrap =
        oneLine ? std::max<int>(width(parts.text.box), width(work) * 3 / 4) : width(parts.text.box);
    SelectObject(dc, font);
    text = textSize(dc, parts.text.hwnd, wrap);
    caption = captionSize(dc, parts.buttons);
  }
  SendMessageW(parts.text.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const Part& b : parts.buttons) SendMessageW(b.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  // The old layout's margins, kept as they were.
  RECT client{};
  GetClientRect(box, &client);
  const RECT& t = parts.text.box;
  const int textLeft = t.left, rightOfText = client.right - t.right;
  const RECT& first = parts.buttons.front().box;
  const RECT& last = parts.buttons.back().box;
  const bool icon = parts.icon.hwnd != nullptr;
  const RECT& i = parts.icon.box;
  const int side = icon ? i.left : t.left;
  const int top = icon ? std::min(t.top, i.top) : t.top;
  const int aboveButtons = first.top - (icon ? std::max(t.bottom, i.bottom) : t.bottom);
  const int belowButtons = client.bottom - first.bottom;
  const int buttonGap = parts.buttons.size() > 1 ? parts.buttons[1].box.left - first.right : 0;
  const int leftOfButtons = first.left, rightOfButtons = client.right - last.right;

  const int n = static_cast<int>(parts.buttons.size());
  const int buttonW = std::max(width(first), caption.w + 2 * caption.h);
  const int buttonH = std::max(height(first), caption.h * 3 / 2);
  const int buttonsW = n * buttonW + (n - 1) * buttonGap;
  const int clientW = std::max(textLeft + text.w + rightOfText, buttonsW + 2 * side);
  const int content = std::max(text.h, icon ? height(i) : 0);
  const int buttonsTop = top + content + aboveButtons;
  const int clientH = buttonsTop + buttonH + belowButtons;

  place(parts.text.hwnd, t.left, top + (content - text.h) / 2, text.w, text.h);
  if (icon) place(parts.icon.hwnd, i.left, top + (content - height(i)) / 2, width(i), height(i));
  // The spare width is split as before: centred buttons stay centred,
  // right-aligned ones stay right.
  const int spare = clientW - buttonsW;
  int x = leftOfButtons + rightOfButtons > 0 ? spare * leftOfButtons / (leftOfButtons + rightOfButtons)
                                             : spare / 2;
  for (const Part& b : parts.buttons) {
    place(b.hwnd, x, buttonsTop, buttonW, buttonH);
    x += buttonW + buttonGap;
  }

  RECT outer{};
  GetWindowRect(box, &outer);
  const int w = width(outer) + clientW - width(client), h = height(outer) + clientH - height(client);
  const int left =
      std::clamp(outer.left + (width(outer) - w) / 2, work.left, std::max(work.left, work.right - w));
  const int topEdge =
      std::clamp(outer.top + (height(outer) - h) / 2, work.top, std::max(work.top, work.bottom - h));
  SetWindowPos(box, nullptr, left, topEdge, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(box, nullptr, TRUE);
}

}  // namespace vex::win
