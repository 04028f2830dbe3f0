// The IAccessible of one window's client area, for screen readers in any
// process. Its children are the window's controls in the table's order
// (child id = index + 1): buttons, labels, pictures, boxes (groupings) and
// timers (always invisible) answer here; the list view and the progress
// bar are their own windows' system objects. Every call runs on the UI
// thread (a single-threaded apartment); a default action is posted, never
// run inside the call.
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <oleacc.h>

#include <atomic>
#include <memory>
#include <string>

namespace vex::win {

class NativeControl;
class NativeWindow;
class OleaccLibrary;

class WindowAccessible final : public IAccessible {
  struct Key {
    explicit Key() = default;
  };

 public:
  // A new object with one reference, the caller's.
  static WindowAccessible* create(NativeWindow& window, const OleaccLibrary& library);
  WindowAccessible(Key, NativeWindow& window, const OleaccLibrary& library)
      : window_(&window), library_(library) {}
  WindowAccessible(const WindowAccessible&) = delete;
  WindowAccessible& operator=(const WindowAccessible&) = delete;

  // The window is going: every call from now on fails.
  void detach();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: no type information; readers call the methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  friend std::default_delete<WindowAccessible>;
  ~WindowAccessible() = default;
  enum class Target { Self, Control, Bad };
  // What a child id names: the client itself, one of its controls (in
  // *control), or nothing (the window gone, an id out of range).
  Target target(const VARIANT& child, NativeControl** control) const;
  // The control as a reader receives it: its id, or its window's object.
  HRESULT give(NativeControl* control, VARIANT* out) const;
  HRESULT text(const std::wstring& text, BSTR* out) const;

  std::atomic<ULONG> references_{1};
  NativeWindow* window_;  // null once detached
  const OleaccLibrary& library_;
};

}  // namespace vex::win
