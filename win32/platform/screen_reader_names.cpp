#include "screen_reader_names.h"

#include <initguid.h>
// initguid first: the annotation service's GUIDs are defined here, with no import library.
#include <oleacc.h>

#include "text.h"

namespace belvik::win32 {

ScreenReaderNames::ScreenReaderNames() {
  CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                   reinterpret_cast<void**>(&services_));
}

ScreenReaderNames::~ScreenReaderNames() {
  if (services_) services_->Release();
}

void ScreenReaderNames::Name(HWND control, std::string_view name) {
  if (!services_) return;
  services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            PROPID_ACC_NAME, Wide(name).c_str());
}

}  // namespace belvik::win32
