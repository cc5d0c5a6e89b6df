// A QTextDocument turns every "\r", "\n" and "\r\n" into one paragraph break, and its
// toPlainText() writes each break as "\n": the result lines' "\r\n" would read back as "\n",
// and a copied schedule would lose its line ends' first half. Every public way in
// (setPlainText, QTextCursor::insertText, HTML import) goes through that conversion, so the
// text is put in through the document's own insert, which stores characters as they are;
// only "\n" becomes a paragraph break. A "\r" at a line's end is drawn as nothing.
#include "exact_text.h"

#include <QtGui/private/qtextdocument_p.h>

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace belvik::ui {

void SetExactText(QPlainTextEdit* box, const QString& text) {
  box->clear();
  QTextDocument* document = box->document();
  QTextDocumentPrivate* store = QTextDocumentPrivate::get(document);
  const QTextCursor start(document);
  const int charFormat = store->formatCollection()->indexForFormat(start.charFormat());
  const int blockFormat = store->formatCollection()->indexForFormat(start.blockFormat());

  store->beginEditBlock();
  int position = 0;
  qsizetype lineStart = 0;
  for (;;) {
    qsizetype lineEnd = text.indexOf(u'\n', lineStart);
    if (lineEnd < 0) lineEnd = text.size();
    const QString line = text.mid(lineStart, lineEnd - lineStart);
    if (!line.isEmpty()) {
      store->insert(position, line, charFormat);
      position += static_cast<int>(line.size());
    }
    if (lineEnd == text.size()) break;
    store->insertBlock(position, blockFormat, charFormat);
    ++position;
    lineStart = lineEnd + 1;
  }
  store->endEditBlock();
  box->moveCursor(QTextCursor::Start);
}

}  // namespace belvik::ui
