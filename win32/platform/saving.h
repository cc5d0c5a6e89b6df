// Saving what the user asked to save: where (the common Save dialog, which tests stand in for)
// and how (all or nothing, with a message titled 提示 naming the file and the system's reason
// when the disk refuses).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "belvik/result_commands.h"
#include "belvik/window_design.h"
#include "message_box.h"
#include "windows_api.h"

namespace belvik::win32 {

// Asks over `owner` where to save a file of `kind`, offering `suggestedPath`. Returns the chosen
// path, or an empty string when the user cancels.
using FileChooserFn = std::function<std::wstring(HWND owner, const design::FileKind& kind,
                                                 const std::wstring& suggestedPath)>;

// The real one: the common Save dialog (IFileSaveDialog) with the kind's caption and type, in
// the suggested folder under the suggested name, asking before it overwrites.
std::wstring AskSaveFileName(HWND owner, const design::FileKind& kind,
                             const std::wstring& suggestedPath);

// The user's Documents folder and a name from the pane and today's date, such as
// 定投计算-20261208.csv.
std::wstring SuggestedPath(const design::PaneDescription& pane, const design::FileKind& kind);

// Asks `chooseFile` where to save a file of `kind` holding a result of `pane`; empty when the
// user cancels.
std::wstring ChooseFile(const FileChooserFn& chooseFile, HWND owner, const design::FileKind& kind,
                        const design::PaneDescription& pane);

// Writes `bytes` to a new file in `path`'s folder, flushed to the disk, which then takes the
// place of `path` (ReplaceFileW over an old file, keeping its attributes and permissions;
// MoveFileExW with write-through otherwise). Any failure leaves an old file as it was and no
// other file behind, and tells the user why; returns whether it saved.
bool SaveAtomically(HWND owner, const std::wstring& path, std::string_view bytes,
                    const MessageBoxFn& messageBox);

// Tells the user that `path` could not be saved, for the system's reason `error`.
void TellSaveFailed(HWND owner, const std::wstring& path, DWORD error,
                    const MessageBoxFn& messageBox);

}  // namespace belvik::win32
