#include "keystroke_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace belvik::ui {

namespace {

QString CurrentText(const QObject* box) {
  const auto* edit = qobject_cast<const QLineEdit*>(box);
  return edit ? edit->text() : QString();
}

// Keys whose text is not a typed character: Tab moves the focus, and on X11 Delete reports
// the DEL control code although it types nothing.
bool CarriesNoCharacter(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return true;
    default:
      return key->text().isEmpty();
  }
}

bool FilterKeyPress(KeystrokeRule rule, QObject* box, const QKeyEvent* key) {
  if (CarriesNoCharacter(key)) return false;
  // Read-only already; copying a schedule out of the box loses nothing.
  if (rule == KeystrokeRule::Result &&
      (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))) {
    return false;
  }
  return AcceptedCharacters(rule, CurrentText(box), key->text()) != key->text();
}

bool FilterInputMethod(KeystrokeRule rule, QObject* box, const QInputMethodEvent* input) {
  const QString commit = input->commitString();
  if (commit.isEmpty()) return false;
  const QString accepted = AcceptedCharacters(rule, CurrentText(box), commit);
  if (accepted == commit) return false;
  QInputMethodEvent narrowed(input->preeditString(), input->attributes());
  narrowed.setCommitString(accepted, input->replacementStart(), input->replacementLength());
  QCoreApplication::sendEvent(box, &narrowed);
  return true;
}

}  // namespace

QString AcceptedCharacters(KeystrokeRule rule, QStringView current, QStringView typed) {
  QString accepted;
  bool holdsPoint = current.contains(u'.');
  for (const QChar c : typed) {
    if (!design::Accepts(rule, c.unicode(), holdsPoint)) continue;
    accepted += c;
    holdsPoint = holdsPoint || c == u'.';
  }
  return accepted;
}

KeystrokeFilter::KeystrokeFilter(KeystrokeRule rule, QObject* parent)
    : QObject(parent), rule_(rule) {}

bool KeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return FilterKeyPress(rule_, watched, static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
      return FilterInputMethod(rule_, watched, static_cast<QInputMethodEvent*>(event));
    default:
      return false;
  }
}

}  // namespace belvik::ui
