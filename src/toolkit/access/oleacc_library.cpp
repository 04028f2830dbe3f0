#include "toolkit/access/oleacc_library.h"

#include <string>

namespace vex::win {
namespace {

// By full path from the system folder: never a copy planted beside the program.
HMODULE loadSystem(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder, n) + L"\\" + name).c_str());
}

template <typename Function>
bool take(HMODULE module, Function& function, const char* name) {
  if (module) function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return function != nullptr;
}

}  // namespace

OleaccLibrary::OleaccLibrary() {
  ole32_.handle = loadSystem(L"ole32.dll");
  oleaut32_.handle = loadSystem(L"oleaut32.dll");
  oleacc_.handle = loadSystem(L"oleacc.dll");
  const bool found = take(ole32_.handle, coInitialize_, "CoInitialize") &&
                     take(ole32_.handle, coUninitialize_, "CoUninitialize") &&
                     take(ole32_.handle, coDisconnectObject_, "CoDisconnectObject") &&
                     take(oleaut32_.handle, sysAllocStringLen_, "SysAllocStringLen") &&
                     take(oleacc_.handle, lresultFromObject_, "LresultFromObject") &&
                     take(oleacc_.handle, objectFromWindow_, "AccessibleObjectFromWindow");
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
