// A chart saved as a picture: PNG as it stands on screen, or SVG, which stays sharp at any size.
#pragma once

#include <QString>

#include "belvik/window_design.h"
#include "message_box.h"
#include "saving.h"

class QWidget;

namespace belvik::ui {

// Asks for a file name and saves `chart` there: SVG when the name ends in .svg, PNG otherwise.
// Nothing is written when the user cancels; a failed write leaves no file and says why.
void SaveChart(QWidget* chart, const QString& title, const design::PaneDescription& pane,
               const FileChooserFn& chooseFile, const MessageBoxFn& messageBox);

}  // namespace belvik::ui
