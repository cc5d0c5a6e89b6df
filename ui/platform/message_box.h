// The one way the program shows a modal message, so tests can stand in for it.
#pragma once

#include <QString>
#include <functional>

#include "belvik/window_design.h"

namespace belvik::ui {

using design::kPlainMessage;
using design::kWarningMessage;

// Shows `prompt` titled `title` with a style value (kPlainMessage or kWarningMessage) and
// returns when the user has closed it.
using MessageBoxFn = std::function<void(const QString& prompt, int style, const QString& title)>;

// The real one: a QMessageBox over the active window, if there is one.
void ShowMessageBox(const QString& prompt, int style, const QString& title);

// Shows `message` through `messageBox`, titled 提示.
void Tell(const MessageBoxFn& messageBox, const design::Message& message);

}  // namespace belvik::ui
