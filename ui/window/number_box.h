// The boxes numbers are typed into, in the main window and in the 反推每月定投 window alike.
#pragma once

#include <QString>

#include "keystroke_filter.h"

class QLineEdit;
class QWidget;

namespace belvik::ui {

// A single-line box holding `text` that takes only what `rule` lets through (a filter that
// `parent`'s window owns and may share among its boxes).
QLineEdit* CreateNumberBox(const QString& text, KeystrokeFilter* rule, QWidget* parent);

}  // namespace belvik::ui
