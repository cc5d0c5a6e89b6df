// A font that a widget takes only when it first paints.
#pragma once

class QFont;
class QWidget;

namespace belvik::ui {

// Gives `widget` `font` just before `surface` (the widget itself, or the viewport a scroll
// area paints on) paints for the first time. A face that only this widget draws is then read
// once the window is on screen, not while it is being built.
void SetFontAtFirstPaint(QWidget* widget, QWidget* surface, const QFont& font);

}  // namespace belvik::ui
