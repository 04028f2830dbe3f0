#include "toolkit/access/oleacc_library.h"

namespace vex::win {
OleaccLibrary::OleaccLibrary() {
  const bool found = ole32_.take(coInitialize_, "CoInitialize") &&
                     ole32_.take(coUninitialize_, "CoUninitialize") &&
                     ole32_.take(coDisconnectObject_, "CoDisconnectObject") &&
                     oleaut32_.take(sysAllocStringLen_, "SysAllocStringLen") &&
                     oleacc_.take(lresultFromObject_, "LresultFromObject") &&
                     oleacc_.take(objectFromWindow_, "AccessibleObjectFromWindow");
  if (!found) return;
  // S_FALSE: the thread was in an apartment already; it still counts. A
  // multi-threaded one (RPC_E_CHANGED_MODE) would serve calls off the UI
  // thread, where the windows must not be touched: then no answers.
  initialised_ = SUCCEEDED(coInitialize_(nullptr));
  loaded_ = initialised_;
}

OleaccLibrary::~OleaccLibrary() {
  if (initialised_) coUninitialize_();
}

LRESULT OleaccLibrary::answer(WPARAM wp, IAccessible* object) const {
  return loaded_ ? lresultFromObject_(IID_IAccessible, wp, object) : 0;
}

HRESULT OleaccLibrary::windowObject(HWND h, IDispatch** out) const {
  *out = nullptr;
  if (!loaded_) return E_FAIL;
  return objectFromWindow_(h, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void**>(out));
}

void OleaccLibrary::disconnect(IUnknown* object) const {
  if (loaded_) coDisconnectObject_(object, 0);
}

BSTR OleaccLibrary::string(std::wstring_view text) const {
  return loaded_ ? sysAllocStringLen_(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

}  // namespace vex::win
