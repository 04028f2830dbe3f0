// Reads a window from outside the program as a screen reader does, through
// oleacc, and writes what it heard to a file as UTF-16 lines of
// tab-separated fields (texts with \n \r \t \\ escaped):
//   self  <child count> <name> <focused child, 0: none>
//   child <id> <role> <state> <left> <top> <right> <bottom> <child hit at
//         the centre of a visible, available button, else -> <name>
//         <description> <default action>
//   child <id> window <hwnd>      (a child that is a window's own object)
//   tab   <child ids from the first on, as NAVDIR_NEXT goes>
//   walk  <microseconds to read every child> <microseconds of one empty
//         call, the round trip every call pays>
// Usage: screen_reader <hwnd, hex> <file> [press <id> | focus <id>]
// (press: the child's default action, nothing written; focus: takes the
// focus, then reads).
#include <windows.h>
// After windows.h, whose types they use.
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Lines {
  std::wstring text;
  void start(const wchar_t* kind) { text += text.empty() ? kind : std::wstring(L"\n") + kind; }
  void field(long long v) { field(std::to_wstring(v)); }
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
};

VARIANT childId(LONG id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::wstring take(BSTR b) {
  std::wstring s = b ? std::wstring(b, SysStringLen(b)) : std::wstring();
  SysFreeString(b);
  return s;
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
  HWND window = nullptr;  // a window's own object: its handle
  LONG role = -1, state = -1;
  LONG at[4] = {};
  std::wstring name, description, action;
};

Child read(IAccessible* client, VARIANT& found, LONG id) {
  Child c;
  if (found.vt == VT_DISPATCH) {
    c.window = windowOf(found.pdispVal);
    VariantClear(&found);
    return c;
  }
  VARIANT child = childId(id), v;
  VariantInit(&v);
  if (SUCCEEDED(client->get_accRole(child, &v)) && v.vt == VT_I4) c.role = v.lVal;
  VariantClear(&v);
  if (SUCCEEDED(client->get_accState(child, &v)) && v.vt == VT_I4) c.state = v.lVal;
  VariantClear(&v);
  client->accLocation(&c.at[0], &c.at[1], &c.at[2], &c.at[3], child);
  BSTR b = nullptr;
  if (SUCCEEDED(client->get_accName(child, &b))) c.name = take(b);
  b = nullptr;
  if (SUCCEEDED(client->get_accDescription(child, &b))) c.description = take(b);
  b = nullptr;
  if (SUCCEEDED(client->get_accDefaultAction(child, &b))) c.action = take(b);
  return c;
}

// A child as the reader was given it: its id, or (for a window object) the
// id of the child with that window; 0 for none.
LONG idOf(VARIANT& v, const std::vector<Child>& children) {
  LONG id = v.vt == VT_I4 ? v.lVal : 0;
  if (v.vt == VT_DISPATCH) {
    const HWND h = windowOf(v.pdispVal);
    for (std::size_t i = 0; i < children.size(); ++i)
      if (h && children[i].window == h) id = static_cast<LONG>(i) + 1;
  }
  VariantClear(&v);
  return id;
}

int readWindow(IAccessible* client, Lines& out) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  LONG count = 0, got = 0;
  client->get_accChildCount(&count);
  std::vector<VARIANT> found(static_cast<std::size_t>(count));
  AccessibleChildren(client, 0, count, found.data(), &got);
  std::vector<Child> children;
  for (LONG i = 0; i < got; ++i) children.push_back(read(client, found[static_cast<std::size_t>(i)], i + 1));
  QueryPerformanceCounter(&end);

  VARIANT self = childId(CHILDID_SELF), v;
  VariantInit(&v);
  BSTR b = nullptr;
  out.start(L"self");
  out.field(count);
  out.field(SUCCEEDED(client->get_accName(self, &b)) ? take(b) : L"");
  client->get_accFocus(&v);
  out.field(idOf(v, children));
  for (std::size_t i = 0; i < children.size(); ++i) {
    const Child& c = children[i];
    out.start(L"child");
    out.field(static_cast<long long>(i) + 1);
    if (c.window) {
      out.field(L"window");
      out.field(static_cast<long long>(reinterpret_cast<UINT_PTR>(c.window)));
      continue;
    }
    out.field(c.role);
    out.field(c.state);
    for (LONG x : {c.at[0], c.at[1], c.at[0] + c.at[2], c.at[1] + c.at[3]}) out.field(x);
    if (c.role == ROLE_SYSTEM_PUSHBUTTON &&
        !(c.state & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) &&
        client->accHitTest(c.at[0] + c.at[2] / 2, c.at[1] + c.at[3] / 2, &v) == S_OK)
      out.field(idOf(v, children));
    else
      out.field(L"-");
    out.field(c.name);
    out.field(c.description);
    out.field(c.action);
  }
  out.start(L"tab");
  // Bounded: a loop in the order must not hang the reader.
  HRESULT hr = client->accNavigate(NAVDIR_FIRSTCHILD, self, &v);
  for (LONG at = hr == S_OK ? idOf(v, children) : 0, steps = 0; at > 0 && steps <= count; ++steps) {
    out.field(at);
    hr = client->accNavigate(NAVDIR_NEXT, childId(at), &v);
    at = hr == S_OK ? idOf(v, children) : 0;
  }
  out.start(L"walk");
  out.field((end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart);
  constexpr int kCalls = 100;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kCalls; ++i) client->get_accChildCount(&count);
  QueryPerformanceCounter(&end);
  out.field((end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart / kCalls);
  return 0;
}

int run(HWND window, const std::wstring& command, LONG argument, Lines& out) {
  IAccessible* client = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&client))) ||
      !client)
    return 2;
  int result = 0;
  if (command == L"press")
    result = SUCCEEDED(client->accDoDefaultAction(childId(argument))) ? 0 : 3;
  else if (command == L"focus" && client->accSelect(SELFLAG_TAKEFOCUS, childId(argument)) != S_OK)
    result = 3;
  else
    result = readWindow(client, out);
  client->Release();
  return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 1;
  const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(argv[1], nullptr, 16)));
  const std::wstring command = argc >= 5 ? argv[3] : L"read";
  const LONG argument = argc >= 5 ? std::wcstol(argv[4], nullptr, 10) : 0;
  CoInitialize(nullptr);
  Lines out;
  const int result = run(window, command, argument, out);
  CoUninitialize();
  FILE* f = _wfopen(argv[2], L"wb");
  if (!f) return 4;
  std::fwrite(out.text.data(), sizeof(wchar_t), out.text.size(), f);
  std::fclose(f);
  return result;
}
