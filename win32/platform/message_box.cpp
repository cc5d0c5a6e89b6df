#include "message_box.h"

#include "text.h"

namespace belvik::win32 {

// The design's style values are the message box's own: OK alone, and OK with the warning icon.
static_assert(design::kPlainMessage == MB_OK);
static_assert(design::kWarningMessage == (MB_OK | MB_ICONEXCLAMATION));

void ShowMessageBox(HWND owner, std::string_view prompt, int style, std::string_view title) {
  MessageBoxW(owner, Wide(prompt).c_str(), Wide(title).c_str(), static_cast<UINT>(style));
}

void Tell(const MessageBoxFn& messageBox, HWND owner, const design::Message& message) {
  messageBox(owner, message.prompt, message.style, design::kMessageTitle);
}

}  // namespace belvik::win32
