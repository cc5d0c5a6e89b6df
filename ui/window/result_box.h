// The multi-line result box. It displays a result's lines, and whatever part of them is copied
// or dragged out comes with the characters the calculator wrote: the display keeps only line
// breaks, but a pasted schedule keeps its "\r\n".
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <vector>

namespace belvik::ui {

class ResultBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ResultBox(QWidget* parent);

  // Replaces the whole text with `text` and shows its first line.
  void showText(const QString& text);
  // The text as last given to showText, line ends and all.
  const QString& text() const { return text_; }

 protected:
  QMimeData* createMimeDataFromSelection() const override;

 private:
  // Where in text_ the character at a position of the displayed document stands.
  qsizetype textOffset(int position) const;

  QString text_;
  std::vector<qsizetype> lineStarts_;  // where each displayed line begins in text_
};

}  // namespace belvik::ui
