// The keystroke rules of the boxes: which typed characters a box lets through.
#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include "belvik/window_design.h"

namespace belvik::ui {

using design::KeystrokeRule;

// The characters of `typed` that a box holding `current` takes, each judged as if the ones
// accepted before it had already been typed.
QString AcceptedCharacters(KeystrokeRule rule, QStringView current, QStringView typed);

// Applies a rule to the key presses and input-method commits of the boxes it watches. A key
// press is cancelled whole unless every character it carries is accepted; keys that carry no
// character (Delete, arrows, Tab) pass. In the result box Copy and Select All also pass.
class KeystrokeFilter : public QObject {
  Q_OBJECT

 public:
  KeystrokeFilter(KeystrokeRule rule, QObject* parent);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeystrokeRule rule_;
};

}  // namespace belvik::ui
