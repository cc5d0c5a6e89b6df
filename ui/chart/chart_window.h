// The result as a picture: a window of its own with the schedule's curves.
#pragma once

#include "belvik/shown_result.h"
#include "message_box.h"
#include "saving.h"

class QWidget;

namespace belvik::ui {

// Opens a chart window of the result over `parent`: modeless, closed with its parent at the
// latest. Saving the chart asks `chooseFile` where and tells failures through `messageBox`.
void ShowChart(QWidget* parent, const design::ShownResult& shown, FileChooserFn chooseFile,
               MessageBoxFn messageBox);

}  // namespace belvik::ui
