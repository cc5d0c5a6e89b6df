// GDI+ started for as long as an object of this class lives; every GDI+ object must be gone
// before it ends. GDI+ (gdiplus.dll) ships with every Windows and with Wine, so the program
// file still needs no DLL beside it.
#pragma once

#include "windows_api.h"
// windows_api.h leaves out COM's streams and property IDs and the min and max macros, all of
// which GDI+'s headers use.
#include <objbase.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace belvik::win32 {

class GdiplusSession {
 public:
  GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace belvik::win32
