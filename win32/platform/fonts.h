// The window's two faces at one pixel density: the platform's message font for every control
// but the result box, and the result box's own.
#pragma once

#include "windows_api.h"

namespace belvik::win32 {

// The face message boxes use, scaled for `dpi`: what the user chose for dialog text. The caller
// deletes it.
HFONT MessageFont(UINT dpi);

// The result box's font as designed: 宋体 14.25 pt, normal weight, GB2312, at `dpi`.
LOGFONTW ResultLogFont(UINT dpi);

class WindowFonts {
 public:
  explicit WindowFonts(UINT dpi);
  ~WindowFonts();
  WindowFonts(const WindowFonts&) = delete;
  WindowFonts& operator=(const WindowFonts&) = delete;

  HFONT interfaceFont() const { return interface_; }
  HFONT resultFont() const { return result_; }

 private:
  HFONT interface_;
  HFONT result_;
};

}  // namespace belvik::win32
