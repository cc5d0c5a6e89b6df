// Setting the result box's text so that reading it back gives the same characters.
#pragma once

#include <QString>

class QPlainTextEdit;

namespace belvik::ui {

// Replaces the box's whole text with `text`, keeping every "\r" as a character of its line,
// so that toPlainText() returns `text` unchanged. Shows the first line.
void SetExactText(QPlainTextEdit* box, const QString& text);

}  // namespace belvik::ui
