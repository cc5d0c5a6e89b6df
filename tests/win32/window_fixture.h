// The base of the Windows window tests: a fresh window for every test, shown, its messages
// recorded instead of shown, driven with window messages alone as another program would.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control_ids.h"
#include "frmbelvik.h"
#include "text.h"
#include "window_cases.h"

namespace probe {

using belvik::design::Control;
using belvik::win32::ControlId;

struct Shown {
  std::string prompt;
  int style;
  std::string title;
};

inline const belvik::design::PaneDescription& PaneOf(Control menu) {
  for (const belvik::design::PaneDescription& pane : belvik::design::kPanes) {
    if (pane.menu == menu) return pane;
  }
  return belvik::design::kPanes.front();
}

// Handles whatever the window has posted to itself.
inline void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The key `key` pressed and released, with Ctrl held or not, as the keyboard driver sends it.
inline void Key(HWND target, WPARAM key, bool control = false) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(state);
  SendMessageW(target, WM_KEYDOWN, key, 1);
  SendMessageW(target, WM_KEYUP, key, 0xC0000001);
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
}

// A stroke of the shared cases: a typed character arrives as its key, then as WM_CHAR; the
// Ctrl+letter characters with Ctrl held.
inline void Press(HWND target, const cases::Stroke& stroke) {
  if (stroke.key == cases::Key::Home) return Key(target, VK_HOME);
  if (stroke.key == cases::Key::Delete) return Key(target, VK_DELETE);
  const char16_t c = stroke.character;
  const bool control = c >= 1 && c <= 26 && c != u'\b' && c != u'\r';
  const SHORT scan = control ? static_cast<SHORT>('A' + c - 1) : VkKeyScanW(c);
  if (scan != -1) Key(target, LOBYTE(scan), control);
  SendMessageW(target, WM_CHAR, c, 1);
}

inline void Press(HWND target, const cases::Strokes& strokes) {
  for (const cases::Stroke& stroke : strokes) Press(target, stroke);
}

inline std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<belvik::win32::frmbelvik>(
        [this](HWND, std::string_view prompt, int style, std::string_view title) {
          shown.push_back({std::string(prompt), style, std::string(title)});
        });
    window_->show();
    Pump();
  }

  HWND Window() const { return window_->handle(); }
  belvik::win32::frmbelvik& Main() const { return *window_; }
  HWND Get(Control control) const { return GetDlgItem(Window(), ControlId(control)); }
  std::wstring Text(Control control) const { return belvik::win32::TextOf(Get(control)); }
  std::string Utf8(Control control) const { return belvik::win32::Utf8(Text(control)); }
  void Put(Control box, std::wstring_view text) const {
    SendMessageW(Get(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
  }

  void Choose(Control menu) const {
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(ControlId(menu), 0), 0);
  }
  void Fill(Control menu, const std::vector<std::string_view>& texts) const {
    for (std::size_t k = 0; k < texts.size(); ++k) {
      Put(PaneOf(menu).boxes()[k].box, belvik::win32::Wide(texts[k]));
    }
  }
  void Calculate(Control menu) const { SendMessageW(Get(PaneOf(menu).button), BM_CLICK, 0, 0); }

  std::vector<Shown> shown;

 private:
  std::unique_ptr<belvik::win32::frmbelvik> window_;
};

template <typename Case>
class CaseTest : public WindowTest, public testing::WithParamInterface<Case> {};

// Names a parameterised test after its shared row.
struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    std::string name;
    for (const char c : std::string_view(info.param.name)) {
      name += (std::isalnum(static_cast<unsigned char>(c)) != 0) ? c : '_';
    }
    return name;
  }
};

}  // namespace probe
