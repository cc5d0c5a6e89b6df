#include "controls.h"

#include <commctrl.h>

#include <algorithm>

#include "control_ids.h"
#include "text.h"

namespace belvik::win32 {

namespace {

using design::Control;
using design::ControlRow;
using design::Kind;

struct WindowClass {
  const wchar_t* name;
  DWORD style;
  DWORD extendedStyle;
};

// Every control starts a group of its own, so the arrow keys move no focus between them.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP;

WindowClass ClassOf(Kind kind) {
  switch (kind) {
    case Kind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX, 0};
    case Kind::Label:
      return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case Kind::AmountBox:
    case Kind::YearsBox:
      return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::ResultBox:
      // No horizontal scrolling: long lines wrap at the box's width.
      return {WC_EDITW, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case Kind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case Kind::MenuCommand:
      break;
  }
  return {};
}

// What the panes say about `box`, if it is an input box.
const design::PaneBox* PaneBoxOf(Control box) {
  for (const design::PaneDescription& pane : design::kPanes) {
    for (const design::PaneBox& each : pane.boxes()) {
      if (each.box == box) return &each;
    }
  }
  return nullptr;
}

}  // namespace

HWND CreateControl(const ControlRow& row, HWND window) {
  const WindowClass windowClass = ClassOf(row.kind);
  HWND control = CreateWindowExW(
      windowClass.extendedStyle, windowClass.name, Wide(row.caption).c_str(),
      kChild | windowClass.style, 0, 0, 0, 0, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row.id))),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr);
  if (row.kind == Kind::AmountBox || row.kind == Kind::YearsBox || row.kind == Kind::ResultBox) {
    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
  }
  return control;
}

std::vector<Control> StackingOrder() {
  std::vector<const ControlRow*> focusable;
  for (const ControlRow& row : design::kControls) {
    if (design::TakesFocus(row.kind)) focusable.push_back(&row);
  }
  std::sort(focusable.begin(), focusable.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
  std::vector<Control> order;
  for (const ControlRow* row : focusable) {
    if (const design::PaneBox* box = PaneBoxOf(row->id)) order.push_back(box->label);
    order.push_back(row->id);
  }
  for (const Kind kind : {Kind::Label, Kind::Frame}) {
    for (const ControlRow& row : design::kControls) {
      if (row.kind == kind && std::find(order.begin(), order.end(), row.id) == order.end()) {
        order.push_back(row.id);
      }
    }
  }
  return order;
}

void AddHints(HWND window) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, window, nullptr,
                              instance, nullptr);
  // Wide enough for a hint in two or three lines rather than one across the screen.
  constexpr int kHintWidth = 360;
  SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0,
               MulDiv(kHintWidth, GetDpiForWindow(window), USER_DEFAULT_SCREEN_DPI));
  for (const ControlRow& row : design::kControls) {
    const design::PaneBox* box = PaneBoxOf(row.id);
    if (!box) continue;
    std::wstring hint = Wide(box->hint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window, ControlId(row.id)));
    tool.hinst = instance;
    tool.lpszText = hint.data();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace belvik::win32
