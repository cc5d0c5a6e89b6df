// The result as a picture: a window of its own with the schedule's curves.
#pragma once

#include "shown_result.h"

class QWidget;

namespace belvik::ui {

// Opens a chart window of the result over `parent`.
void ShowChart(QWidget* parent, const ShownResult& shown);

}  // namespace belvik::ui
