// Reads a window from outside the program as a screen reader does, through
// oleacc: the client object, then every child's name, role, state and
// place, written to a file as UTF-16 lines of tab-separated fields:
//   self  <child count> <name> <focused child>
//   child <id> <c: simple | w: window object> <role> <state> <left> <top>
//         <width> <height> <hwnd> <hit at the centre> <name> <description>
//         <default action>
//   tab   <ids from the first child on, as NAVDIR_NEXT goes>
//   walk  <microseconds to read every child>
// Texts keep their line breaks and tabs escaped: \n \r \t \\.
// Usage: screen_reader <hwnd, hex> <file> [press <id> | focus <id>]
// (press: the child's default action; focus: takes the focus, then reads).
#include <windows.h>
// After windows.h, whose types they use.
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// The lines written so far.
struct Lines {
  std::wstring text;
  void start(const wchar_t* kind) { text += text.empty() ? kind : std::wstring(L"\n") + kind; }
  // Texts keep their line breaks and tabs as \n, \r, \t (and \ as \\).
  void field(const std::wstring& s) {
    text += L'\t';
    for (wchar_t c : s) {
      const wchar_t* escaped = c == L'\\'   ? L"\\\\"
                               : c == L'\n' ? L"\\n"
                               : c == L'\r' ? L"\\r"
                               : c == L'\t' ? L"\\t"
                                            : nullptr;
      if (escaped)
        text += escaped;
      else
        text += c;
    }
  }
  void field(long long v) { field(std::to_wstring(v)); }
};

std::wstring take(BSTR b) {
  std::wstring s = b ? std::wstring(b, SysStringLen(b)) : std::wstring();
  SysFreeString(b);
  return s;
}

VARIANT childId(LONG id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

HWND windowOf(IDispatch* object) {
  IAccessible* a = nullptr;
  HWND h = nullptr;
  if (object && SUCCEEDED(object->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&a)))) {
    WindowFromAccessibleObject(a, &h);
    a->Release();
  }
  return h;
}

struct Child {
  LONG id = 0;
  IAccessible* object = nullptr;  // a window object, or null: the client's own
  LONG role = -1, state = -1;
  LONG at[4] = {};
  std::wstring name, description, action;
};

void read(IAccessible* client, Child& c) {
  IAccessible* on = c.object ? c.object : client;
  VARIANT id = childId(c.object ? CHILDID_SELF : c.id), v;
  VariantInit(&v);
  if (SUCCEEDED(on->get_accRole(id, &v)) && v.vt == VT_I4) c.role = v.lVal;
  VariantClear(&v);
  if (SUCCEEDED(on->get_accState(id, &v)) && v.vt == VT_I4) c.state = v.lVal;
  VariantClear(&v);
  on->accLocation(&c.at[0], &c.at[1], &c.at[2], &c.at[3], id);
  BSTR b = nullptr;
  if (SUCCEEDED(on->get_accName(id, &b))) c.name = take(b);
  b = nullptr;
  if (SUCCEEDED(on->get_accDescription(id, &b))) c.description = take(b);
  b = nullptr;
  if (SUCCEEDED(on->get_accDefaultAction(id, &b))) c.action = take(b);
}

// A child as the reader was given it: its id, or (for a window object) the
// id of the child with that window; 0 for none.
LONG idOf(VARIANT& v, const std::vector<HWND>& windows) {
  LONG id = v.vt == VT_I4 ? v.lVal : 0;
  if (v.vt == VT_DISPATCH) {
    const HWND h = windowOf(v.pdispVal);
    for (std::size_t i = 0; i < windows.size(); ++i)
      if (h && windows[i] == h) id = static_cast<LONG>(i) + 1;
  }
  VariantClear(&v);
  return id;
}

int readWindow(HWND window, const std::wstring& command, LONG argument, Lines& out) {
  IAccessible* client = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&client))) ||
      !client)
    return 2;
  if (command == L"press") return SUCCEEDED(client->accDoDefaultAction(childId(argument))) ? 0 : 3;
  if (command == L"focus" && FAILED(client->accSelect(SELFLAG_TAKEFOCUS, childId(argument)))) return 3;

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  LONG count = 0;
  client->get_accChildCount(&count);
  std::vector<VARIANT> found(static_cast<std::size_t>(count));
  LONG got = 0;
  AccessibleChildren(client, 0, count, found.data(), &got);
  std::vector<Child> children(static_cast<std::size_t>(got));
  for (LONG i = 0; i < got; ++i) {
    Child& c = children[static_cast<std::size_t>(i)];
    c.id = i + 1;
    if (found[i].vt == VT_DISPATCH && found[i].pdispVal)
      found[i].pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&c.object));
    VariantClear(&found[i]);
    read(client, c);
  }
  QueryPerformanceCounter(&end);

  std::vector<HWND> windows;
  for (const Child& c : children) windows.push_back(c.object ? windowOf(c.object) : nullptr);
  VARIANT self = childId(CHILDID_SELF), v;
  BSTR b = nullptr;
  out.start(L"self");
  out.field(count);
  out.field(SUCCEEDED(client->get_accName(self, &b)) ? take(b) : L"");
  VariantInit(&v);
  client->get_accFocus(&v);
  out.field(idOf(v, windows));
  for (Child& c : children) {
    out.start(L"child");
    out.field(c.id);
    out.field(c.object ? L"w" : L"c");
    out.field(c.role);
    out.field(c.state);
    for (LONG x : c.at) out.field(x);
    out.field(static_cast<long long>(reinterpret_cast<UINT_PTR>(windows[c.id - 1])));
    VariantInit(&v);
    if (c.at[2] > 0 && c.at[3] > 0) client->accHitTest(c.at[0] + c.at[2] / 2, c.at[1] + c.at[3] / 2, &v);
    out.field(idOf(v, windows));
    out.field(c.name);
    out.field(c.description);
    out.field(c.action);
    if (c.object) c.object->Release();
  }
  out.start(L"tab");
  VariantInit(&v);
  // Bounded: a loop in the order must not hang the reader.
  HRESULT hr = client->accNavigate(NAVDIR_FIRSTCHILD, self, &v);
  for (LONG at = hr == S_OK ? idOf(v, windows) : 0, steps = 0; at > 0 && steps <= count; ++steps) {
    out.field(at);
    hr = client->accNavigate(NAVDIR_NEXT, childId(at), &v);
    at = hr == S_OK ? idOf(v, windows) : 0;
  }
  out.start(L"walk");
  out.field((end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart);
  out.text += L'\n';
  client->Release();
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 1;
  const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(argv[1], nullptr, 16)));
  const std::wstring command = argc >= 5 ? argv[3] : L"read";
  const LONG argument = argc >= 5 ? std::wcstol(argv[4], nullptr, 10) : 0;
  CoInitialize(nullptr);
  Lines out;
  const int result = readWindow(window, command, argument, out);
  CoUninitialize();
  FILE* f = _wfopen(argv[2], L"wb");
  if (!f) return 4;
  std::fwrite(out.text.data(), sizeof(wchar_t), out.text.size(), f);
  std::fclose(f);
  return result;
}
