#include "result_box.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

namespace belvik::ui {
namespace {

// How many characters of line break stand at `at`: a text document ends a paragraph at each of
// these, "\r\n" counting as one break.
qsizetype LineBreakLength(const QString& text, qsizetype at) {
  switch (text[at].unicode()) {
    case u'\r':
      return at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
    case u'\n':
    case QChar::ParagraphSeparator:
    case 0xFDD0:  // QTextBeginningOfFrame
    case 0xFDD1:  // QTextEndOfFrame
      return 1;
    default:
      return 0;
  }
}

}  // namespace

ResultBox::ResultBox(QWidget* parent) : QPlainTextEdit(parent) {}

void ResultBox::showText(const QString& text) {
  text_ = text;
  // The document makes each line break one paragraph, so displayed line k is exactly the
  // characters of text_ from lineStarts_[k] to its line break. Setting the document's text
  // directly spares the editor's re-formatting of every character, a tenth of a long schedule.
  lineStarts_.assign(1, 0);
  for (qsizetype at = 0; at < text.size(); ++at) {
    const qsizetype breakLength = LineBreakLength(text, at);
    if (breakLength == 0) continue;
    at += breakLength - 1;
    lineStarts_.push_back(at + 1);
  }
  document()->setPlainText(text);
  moveCursor(QTextCursor::Start);
}

qsizetype ResultBox::textOffset(int position) const {
  const QTextBlock block = document()->findBlock(position);
  const auto line = static_cast<std::size_t>(block.blockNumber());
  if (!block.isValid() || line >= lineStarts_.size()) return text_.size();
  return lineStarts_[line] + (position - block.position());
}

QMimeData* ResultBox::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  const qsizetype from = textOffset(cursor.selectionStart());
  const qsizetype to = textOffset(cursor.selectionEnd());
  auto* selected = new QMimeData;
  selected->setText(text_.mid(from, to - from));
  return selected;
}

}  // namespace belvik::ui
