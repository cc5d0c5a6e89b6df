// COM on the calling thread for as long as an object of this class lives: the screen readers'
// names and the common file dialog need it. Nested uses are counted by COM itself.
#pragma once

#include <objbase.h>

#include "windows_api.h"

namespace belvik::win32 {

class ComApartment {
 public:
  ComApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (started_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool started_;
};

}  // namespace belvik::win32
