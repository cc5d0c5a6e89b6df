// Names controls for screen readers. A name given here is what Narrator and every other client
// of the accessibility framework reads, in place of what it would make up (a button's caption,
// the label before a box); the control's automation id stays its control ID.
#pragma once

#include <string_view>

#include "com_apartment.h"
#include "windows_api.h"

struct IAccPropServices;

namespace belvik::win32 {

class ScreenReaderNames {
 public:
  ScreenReaderNames();
  ~ScreenReaderNames();
  ScreenReaderNames(const ScreenReaderNames&) = delete;
  ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;

  // Gives `control` the name `name`. Without the framework's annotation service (Wine has
  // none) the control keeps the name it would have had.
  void Name(HWND control, std::string_view name);

 private:
  ComApartment com_;
  IAccPropServices* services_ = nullptr;
};

}  // namespace belvik::win32
