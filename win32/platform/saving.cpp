#include "saving.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>

#include "com_apartment.h"
#include "text.h"

namespace belvik::win32 {
namespace {

// The part of `path` before its last backslash: its folder.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// The system's words for `error`, in the user's language, without the line end it comes with.
std::string SystemReason(DWORD error) {
  wchar_t* words = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
  std::wstring reason(words, length);
  LocalFree(words);
  reason.erase(reason.find_last_not_of(L" \r\n") + 1);
  return Utf8(reason.empty() ? L"0x" + std::to_wstring(error) : reason);
}

DWORD Written(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD error = ERROR_SUCCESS;
  for (std::size_t at = 0; at < bytes.size() && error == ERROR_SUCCESS;) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1 << 30));
    DWORD done = 0;
    if (!WriteFile(file, bytes.data() + at, chunk, &done, nullptr)) error = GetLastError();
    at += done;
  }
  if (error == ERROR_SUCCESS && !FlushFileBuffers(file)) error = GetLastError();
  CloseHandle(file);
  return error;
}

// Puts `temporary` in the place of `path`. An old file goes under a backup name while it is
// replaced, so that no failure of ReplaceFileW can lose it, and back where one left it there.
DWORD Replace(const std::wstring& path, const std::wstring& temporary) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  // Windows refuses to put a file in a folder's place, but Wine moves the folder aside.
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return ERROR_ACCESS_DENIED;
  }
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return MoveFileExW(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ERROR_SUCCESS
               : GetLastError();
  }
  const std::wstring backup = temporary + L".old";
  if (ReplaceFileW(path.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_WRITE_THROUGH,
                   nullptr, nullptr)) {
    DeleteFileW(backup.c_str());
    return ERROR_SUCCESS;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
    MoveFileExW(backup.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  return error;
}

DWORD Save(const std::wstring& path, std::string_view bytes) {
  wchar_t temporary[MAX_PATH];
  if (!GetTempFileNameW(FolderOf(path).c_str(), L"blv", 0, temporary)) return GetLastError();
  DWORD error = Written(temporary, bytes);
  if (error == ERROR_SUCCESS) error = Replace(path, temporary);
  if (error != ERROR_SUCCESS) DeleteFileW(temporary);
  return error;
}

template <typename T>
struct Released {
  T* object = nullptr;
  ~Released() {
    if (object) object->Release();
  }
};

}  // namespace

std::wstring AskSaveFileName(HWND owner, const design::FileKind& kind,
                             const std::wstring& suggestedPath) {
  const ComApartment com;
  Released<IFileSaveDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&dialog.object)))) {
    return {};
  }
  const std::wstring typeName = Wide(kind.typeName);
  const std::wstring extension = Wide(kind.extension);
  const std::wstring pattern = L"*." + extension;
  const COMDLG_FILTERSPEC type{typeName.c_str(), pattern.c_str()};
  dialog.object->SetFileTypes(1, &type);
  dialog.object->SetDefaultExtension(extension.c_str());
  dialog.object->SetTitle(Wide(kind.dialogCaption).c_str());
  dialog.object->SetFileName(suggestedPath.substr(FolderOf(suggestedPath).size() + 1).c_str());
  Released<IShellItem> folder;
  if (SUCCEEDED(SHCreateItemFromParsingName(FolderOf(suggestedPath).c_str(), nullptr,
                                            IID_PPV_ARGS(&folder.object)))) {
    dialog.object->SetFolder(folder.object);
  }
  FILEOPENDIALOGOPTIONS options = 0;
  dialog.object->GetOptions(&options);
  dialog.object->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_FORCEFILESYSTEM |
                            FOS_PATHMUSTEXIST | FOS_NOREADONLYRETURN);
  Released<IShellItem> chosen;
  wchar_t* path = nullptr;
  if (FAILED(dialog.object->Show(owner)) || FAILED(dialog.object->GetResult(&chosen.object)) ||
      FAILED(chosen.object->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
    return {};
  }
  std::wstring result(path);
  CoTaskMemFree(path);
  return result;
}

std::wstring SuggestedPath(const design::PaneDescription& pane, const design::FileKind& kind) {
  SYSTEMTIME today{};
  GetLocalTime(&today);
  const std::wstring name =
      Wide(design::SuggestedFileName(pane, today.wYear, today.wMonth, today.wDay, kind.extension));
  wchar_t* documents = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &documents))) {
    folder = documents;
  }
  CoTaskMemFree(documents);
  return folder + L"\\" + name;
}

std::wstring ChooseFile(const FileChooserFn& chooseFile, HWND owner, const design::FileKind& kind,
                        const design::PaneDescription& pane) {
  return chooseFile(owner, kind, SuggestedPath(pane, kind));
}

bool SaveAtomically(HWND owner, const std::wstring& path, std::string_view bytes,
                    const MessageBoxFn& messageBox) {
  const DWORD error = Save(path, bytes);
  if (error == ERROR_SUCCESS) return true;
  TellSaveFailed(owner, path, error, messageBox);
  return false;
}

void TellSaveFailed(HWND owner, const std::wstring& path, DWORD error,
                    const MessageBoxFn& messageBox) {
  messageBox(owner, design::SaveFailure(Utf8(path), SystemReason(error)), design::kWarningMessage,
             design::kMessageTitle);
}

}  // namespace belvik::win32
