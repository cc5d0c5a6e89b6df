#include "result_menu.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "control_ids.h"
#include "text.h"

namespace belvik::win32 {
namespace {

using design::ResultCommand;

constexpr UINT_PTR kHandOverId = 3;

LRESULT CALLBACK HandOver(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  switch (message) {
    case WM_CONTEXTMENU:
      // The default procedure sends a child's WM_CONTEXTMENU on to its parent.
      return DefWindowProcW(box, message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      // The box opens the menu from the keyboard itself, never through the default procedure:
      // Wine's does nothing with the menu key, and Shift+F10's key-down there also arms F10 as
      // the menu-bar key, whose key-up then enters the menu bar behind the context menu. The
      // menu key opens it as it is let go, as Windows does.
      if (wParam == VK_APPS || (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0)) {
        const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
        if (up == (wParam == VK_APPS)) {
          SendMessageW(GetParent(box), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), -1);
        }
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, HandOver, kHandOverId);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

// The keys the box takes for the two commands it has of its own.
std::wstring_view ShortcutOf(ResultCommand command) {
  switch (command) {
    case ResultCommand::Copy:
      return L"\tCtrl+C";
    case ResultCommand::SelectAll:
      return L"\tCtrl+A";
    default:
      return {};
  }
}

}  // namespace

std::wstring MenuText(const design::ResultCommandRow& row) {
  std::wstring text = Wide(row.caption);
  const auto key = static_cast<wchar_t>(row.accessKey);
  if (const std::size_t at = text.find(key); at != std::wstring::npos) {
    text.insert(at, L"&");
  } else {
    // Before the ellipsis that says a dialog follows: 打印(&P)…
    const std::size_t end = text.ends_with(L'…') ? text.size() - 1 : text.size();
    text.insert(end, std::wstring(L"(&") + key + L")");
  }
  return text.append(ShortcutOf(row.id));
}

HMENU CreateResultMenu(const design::PaneDescription& pane, const design::ShownResult* shown,
                       bool selection, bool pdfPrinter) {
  HMENU menu = CreatePopupMenu();
  for (const design::ResultCommandRow& row : design::kResultCommands) {
    if (row.id == ResultCommand::ExportPdf && !pdfPrinter) continue;
    if (row.separatorBefore) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const bool offered = row.id == ResultCommand::Copy ? selection : Offers(row, pane, shown);
    AppendMenuW(menu, MF_STRING | (offered ? MF_ENABLED : MF_GRAYED),
                static_cast<UINT_PTR>(CommandId(row.id)), MenuText(row).c_str());
  }
  return menu;
}

void HandContextMenuToWindow(HWND resultBox) {
  SetWindowSubclass(resultBox, HandOver, kHandOverId, 0);
}

POINT MenuPlace(HWND resultBox, LPARAM where) {
  if (where != -1) return {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  RECT client{};
  GetClientRect(resultBox, &client);
  DWORD end = 0;
  SendMessageW(resultBox, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  const LRESULT at = SendMessageW(resultBox, EM_POSFROMCHAR, end, 0);
  POINT place{at == -1 ? 0 : GET_X_LPARAM(at), at == -1 ? 0 : GET_Y_LPARAM(at)};
  // A caret scrolled out of view: the box's corner instead.
  if (!PtInRect(&client, place)) place = {0, 0};
  ClientToScreen(resultBox, &place);
  return place;
}

}  // namespace belvik::win32
