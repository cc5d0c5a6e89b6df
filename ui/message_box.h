// The one way the program shows a modal message, so tests can stand in for it.
#pragma once

#include <QString>
#include <functional>

namespace belvik::ui {

// Style values of a message: an OK button alone, without or with the warning icon.
inline constexpr int kPlainMessage = 0;
inline constexpr int kWarningMessage = 48;

// Shows `prompt` titled `title` and returns when the user has closed it.
using MessageBoxFn = std::function<void(const QString& prompt, int style, const QString& title)>;

// The real one: a QMessageBox over the active window, if there is one.
void ShowMessageBox(const QString& prompt, int style, const QString& title);

}  // namespace belvik::ui
