#include "toolkit/access/window_accessible.h"

#include "toolkit/access/oleacc_library.h"
#include "toolkit/controls/win/native_window.h"
#include "toolkit/system/wide_text.h"

namespace vex::win {
namespace {

constexpr wchar_t kPress[] = L"Press";

LONG roleOf(const NativeControl& c) {
  switch (c.kind()) {
    case ControlKind::SuperBtn:
      return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::Label:
      return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::PicBox:
      return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::ShapeBox:
      return ROLE_SYSTEM_GROUPING;
    case ControlKind::ListView:
      return ROLE_SYSTEM_LIST;
    case ControlKind::ProcessBar:
      return ROLE_SYSTEM_PROGRESSBAR;
    default:
      return ROLE_SYSTEM_WHITESPACE;  // a timer: nothing to see
  }
}

// A button without a caption (a champion's portrait) is named by its
// tooltip, as are pictures and boxes.
const Text& nameOf(const NativeControl& c) {
  const ControlState& s = c.state();
  switch (c.kind()) {
    case ControlKind::SuperBtn:
      return s.caption.empty() ? s.hint : s.caption;
    case ControlKind::Label:
      return s.caption;
    default:
      return s.hint;
  }
}

void setLong(VARIANT* v, LONG value) {
  v->vt = VT_I4;
  v->lVal = value;
}

// A text no control of ours has.
HRESULT noText(BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace

WindowAccessible* WindowAccessible::create(NativeWindow& window, const OleaccLibrary& library) {
  return std::make_unique<WindowAccessible>(Key{}, window, library).release();
}

void WindowAccessible::detach() {
  if (!window_) return;
  window_ = nullptr;
  library_.disconnect(this);
}

HRESULT WindowAccessible::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, IID_IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG WindowAccessible::AddRef() { return ++references_; }

ULONG WindowAccessible::Release() {
  const ULONG left = --references_;
  if (left == 0) std::unique_ptr<WindowAccessible> last(this);
  return left;
}

HRESULT WindowAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT WindowAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT WindowAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT WindowAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

WindowAccessible::Target WindowAccessible::target(const VARIANT& child, NativeControl** control) const {
  *control = nullptr;
  if (!window_ || child.vt != VT_I4) return Target::Bad;
  if (child.lVal == CHILDID_SELF) return Target::Self;
  const auto& all = window_->controls();
  if (child.lVal < 1 || static_cast<std::size_t>(child.lVal) > all.size()) return Target::Bad;
  *control = all[static_cast<std::size_t>(child.lVal - 1)].get();
  return Target::Control;
}

HRESULT WindowAccessible::give(NativeControl* control, VARIANT* out) const {
  out->vt = VT_EMPTY;
  if (!control) return S_FALSE;
  if (HWND own = control->hwnd()) {
    IDispatch* object = nullptr;
    if (SUCCEEDED(library_.windowObject(own, &object)) && object) {
      out->vt = VT_DISPATCH;
      out->pdispVal = object;
      return S_OK;
    }
  }
  setLong(out, control->index() + 1);
  return S_OK;
}

HRESULT WindowAccessible::text(const std::wstring& value, BSTR* out) const {
  *out = nullptr;
  if (value.empty()) return S_FALSE;
  *out = library_.string(value);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT WindowAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  return library_.windowObject(window_->hwnd(), parent);
}

HRESULT WindowAccessible::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  *count = static_cast<LONG>(window_->controls().size());
  return S_OK;
}

HRESULT WindowAccessible::get_accChild(VARIANT child, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  NativeControl* c;
  if (target(child, &c) != Target::Control) return E_INVALIDARG;
  // Painted controls are simple elements of this object.
  if (!c->hwnd()) return S_FALSE;
  return library_.windowObject(c->hwnd(), out);
}

HRESULT WindowAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  NativeControl* c;
  switch (target(child, &c)) {
    case Target::Self:
      return text(widen(window_->state().caption), name);
    case Target::Control:
      return text(widen(nameOf(*c)), name);
    default:
      return E_INVALIDARG;
  }
}

HRESULT WindowAccessible::get_accValue(VARIANT, BSTR* value) { return noText(value); }

HRESULT WindowAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  NativeControl* c;
  const Target t = target(child, &c);
  if (t == Target::Bad) return E_INVALIDARG;
  return t == Target::Control && c->isButton() ? text(widen(c->state().hint), description) : S_FALSE;
}

HRESULT WindowAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  role->vt = VT_EMPTY;
  NativeControl* c;
  const Target t = target(child, &c);
  if (t == Target::Bad) return E_INVALIDARG;
  setLong(role, t == Target::Self ? ROLE_SYSTEM_CLIENT : roleOf(*c));
  return S_OK;
}

HRESULT WindowAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  state->vt = VT_EMPTY;
  NativeControl* c;
  const Target t = target(child, &c);
  if (t == Target::Bad) return E_INVALIDARG;
  LONG bits = IsWindowVisible(window_->hwnd()) ? 0 : STATE_SYSTEM_INVISIBLE;
  if (t == Target::Control) {
    const ControlState& s = c->state();
    // A timer never shows, whatever its flag says.
    if (!c->placement().shown || c->kind() == ControlKind::Timer) bits |= STATE_SYSTEM_INVISIBLE;
    if (s.disabled) bits |= STATE_SYSTEM_UNAVAILABLE;
    if (s.tabStop) bits |= STATE_SYSTEM_FOCUSABLE;
    if (window_->focused() == c) bits |= STATE_SYSTEM_FOCUSED;
    if (window_->hot() == c) bits |= STATE_SYSTEM_HOTTRACKED;
    if (window_->pressed() == c) bits |= STATE_SYSTEM_PRESSED;
  }
  setLong(state, bits);
  return S_OK;
}

HRESULT WindowAccessible::get_accHelp(VARIANT, BSTR* help) { return noText(help); }

HRESULT WindowAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT WindowAccessible::get_accKeyboardShortcut(VARIANT, BSTR* keys) { return noText(keys); }

HRESULT WindowAccessible::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  focus->vt = VT_EMPTY;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  return give(const_cast<NativeControl*>(window_->focused()), focus);
}

HRESULT WindowAccessible::get_accSelection(VARIANT* selection) {
  if (!selection) return E_POINTER;
  selection->vt = VT_EMPTY;
  return window_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT WindowAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  NativeControl* c;
  const Target t = target(child, &c);
  if (t == Target::Bad) return E_INVALIDARG;
  return t == Target::Control && c->isButton() ? text(kPress, action) : S_FALSE;
}

HRESULT WindowAccessible::accSelect(LONG flags, VARIANT child) {
  NativeControl* c;
  if (target(child, &c) != Target::Control) return E_INVALIDARG;
  // Only the focus: the controls have no selection of their own.
  if (flags != SELFLAG_TAKEFOCUS) return E_INVALIDARG;
  if (!c->takesFocus()) return S_FALSE;
  window_->setFocus(c);
  return S_OK;
}

HRESULT WindowAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  NativeControl* c;
  const Target t = target(child, &c);
  if (t == Target::Bad) return E_INVALIDARG;
  RECT box;
  if (t == Target::Self)
    GetClientRect(window_->hwnd(), &box);
  else
    box = c->placement().box;
  // Client pixels at the window's own scale: screen pixels once moved.
  MapWindowPoints(window_->hwnd(), nullptr, reinterpret_cast<POINT*>(&box), 2);
  *left = box.left;
  *top = box.top;
  *width = box.right - box.left;
  *height = box.bottom - box.top;
  return S_OK;
}

// Along the tab order, as Tab moves: the table's order over reachable tab stops.
HRESULT WindowAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  end->vt = VT_EMPTY;
  NativeControl* from;
  const Target t = target(start, &from);
  if (t == Target::Bad) return E_INVALIDARG;
  const int count = static_cast<int>(window_->controls().size());
  NativeControl* stop = nullptr;
  switch (direction) {
    case NAVDIR_FIRSTCHILD:
    case NAVDIR_LASTCHILD:
      if (t != Target::Self) return E_INVALIDARG;
      stop = direction == NAVDIR_FIRSTCHILD ? window_->stopAfter(-1, 1, false)
                                            : window_->stopAfter(count, -1, false);
      break;
    case NAVDIR_NEXT:
    case NAVDIR_PREVIOUS:
      // The client's siblings are the frame's business.
      if (t != Target::Control) return S_FALSE;
      stop = window_->stopAfter(from->index(), direction == NAVDIR_NEXT ? 1 : -1, false);
      break;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
  return stop ? give(stop, end) : S_FALSE;
}

// What the mouse would reach there; a list view or progress bar is its window.
HRESULT WindowAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  child->vt = VT_EMPTY;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  HWND h = window_->hwnd();
  POINT p{x, y};
  ScreenToClient(h, &p);
  RECT client;
  GetClientRect(h, &client);
  if (!PtInRect(&client, p)) return S_FALSE;
  if (NativeControl* c = window_->hitTest(p)) return give(c, child);
  for (const auto& c : window_->controls())
    if (c->hwnd() && c->placement().shown && PtInRect(&c->placement().clip, p)) return give(c.get(), child);
  setLong(child, CHILDID_SELF);
  return S_OK;
}

HRESULT WindowAccessible::accDoDefaultAction(VARIANT child) {
  NativeControl* c;
  const Target t = target(child, &c);
  if (t == Target::Bad) return E_INVALIDARG;
  if (t != Target::Control || !c->isButton()) return DISP_E_MEMBERNOTFOUND;
  // As the mouse: a hidden or disabled button does not click.
  if (!c->placement().shown || c->state().disabled) return E_FAIL;
  window_->raiseLater(*c, Event::Clicked);
  return S_OK;
}

HRESULT WindowAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT WindowAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace vex::win
