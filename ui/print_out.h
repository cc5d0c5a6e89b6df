// What a print-out of a result says, in reading order: the pane's name, each input with its
// label, the summary, then the schedule as a table.
#pragma once

#include <QString>
#include <QStringList>

#include "belvik/result_table.h"
#include "shown_result.h"

namespace belvik::ui {

struct PrintOut {
  QString title;             // the pane's name, as on its menu command
  QStringList inputs;        // each box as label：text
  QString summary;           // empty for a run stopped before its summary
  ResultTable table;         // the header row first; no rows when the result has no schedule
  bool endsInTotal = false;  // the table's last row is the 合计 row
};

PrintOut PrintOutOf(const ShownResult& shown);

}  // namespace belvik::ui
