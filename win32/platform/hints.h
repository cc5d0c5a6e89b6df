// Hints that pop up while the pointer rests on a control: what a box takes, what a choice means.
#pragma once

#include <string_view>

#include "windows_api.h"

namespace belvik::win32 {

class Hints {
 public:
  // A tooltip control of `window`, which it is destroyed with.
  explicit Hints(HWND window);

  // Shows `hint` over `control`, a child of the window.
  void Add(HWND control, std::string_view hint) const;

 private:
  HWND window_;
  HWND tips_;
};

}  // namespace belvik::win32
