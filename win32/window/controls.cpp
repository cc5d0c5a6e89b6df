#include "controls.h"

#include <commctrl.h>

#include <algorithm>

#include "control_ids.h"
#include "hints.h"
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
  const Hints hints(window);
  for (const ControlRow& row : design::kControls) {
    if (const design::PaneBox* box = PaneBoxOf(row.id)) {
      hints.Add(GetDlgItem(window, ControlId(row.id)), box->hint);
    }
  }
}

void FitToText(HWND label) {
  HDC context = GetDC(label);
  const HGDIOBJ previous =
      SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT fitted{};
  DrawTextW(context, TextOf(label).c_str(), -1, &fitted, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(context, previous);
  ReleaseDC(label, context);
  SetWindowPos(label, nullptr, 0, 0, fitted.right, fitted.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace belvik::win32
