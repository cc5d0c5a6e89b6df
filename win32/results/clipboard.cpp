#include "clipboard.h"

#include <cstring>

namespace belvik::win32 {

bool PutOnClipboard(HWND owner, std::wstring_view text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
  std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
  copy[text.size()] = L'\0';
  GlobalUnlock(memory);
  // The clipboard owns the memory once SetClipboardData has taken it.
  if (OpenClipboard(owner)) {
    const bool put = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    if (put) return true;
  }
  GlobalFree(memory);
  return false;
}

}  // namespace belvik::win32
