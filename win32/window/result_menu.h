// The result box's context menu on Windows: the design's commands in its order and captions,
// each with its access key and its fixed command ID, enabled as the design offers it for the pane
// and the result on screen. The mouse's right button, the menu key and Shift+F10 open it.
#pragma once

#include <string>

#include "belvik/result_commands.h"
#include "belvik/shown_result.h"
#include "windows_api.h"

namespace belvik::win32 {

// A command's menu text: its caption with its access key marked (复制(&C), 导出为 CS&V 文件…),
// and the key that does the same in the box after a tab.
std::wstring MenuText(const design::ResultCommandRow& row);

// The menu as it stands for `pane` showing `shown` (none: the placeholder): 复制 only while
// `selection`, 导出为 PDF… only where there is a PDF printer. The caller destroys it.
HMENU CreateResultMenu(const design::PaneDescription& pane, const design::ShownResult* shown,
                       bool selection, bool pdfPrinter);

// The result box hands WM_CONTEXTMENU to its window instead of opening the edit control's own
// menu.
void HandContextMenuToWindow(HWND resultBox);

// Where WM_CONTEXTMENU's `where` opens a menu of `resultBox`: the pointer's place, or, from the
// keyboard, the caret's, within the part of the box on show.
POINT MenuPlace(HWND resultBox, LPARAM where);

}  // namespace belvik::win32
