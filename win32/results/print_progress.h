// The progress of a long print-out: a small window over its owner that says which page is being
// made, with a bar and 取消. It shows only once the pages have taken a while; until the job ends
// the owner takes no input, so no other command or calculation starts over the pages.
#pragma once

#include <chrono>
#include <cstddef>
#include <string_view>

#include "windows_api.h"

namespace belvik::win32 {

class PrintProgress {
 public:
  PrintProgress(HWND owner, std::string_view caption);
  ~PrintProgress();
  PrintProgress(const PrintProgress&) = delete;
  PrintProgress& operator=(const PrintProgress&) = delete;

  // Before page `page` (from 1) of `pageCount`: shows where the job is, handles what the user
  // did meanwhile, and says whether to go on (false once 取消 was pressed).
  bool Step(std::size_t page, std::size_t pageCount);

  static constexpr wchar_t kClassName[] = L"BelvikPrintProgress";

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND owner_;
  bool ownerWasEnabled_;
  HWND window_ = nullptr;
  HWND text_ = nullptr;
  HWND bar_ = nullptr;
  HFONT font_ = nullptr;
  bool cancelled_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace belvik::win32
