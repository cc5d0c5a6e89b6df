// Plain windows to hold the program's start-up against, built from this one source with the
// same flags: an empty QMainWindow of the program's outer size (no definition), that window
// holding one label (BELVIK_ONE_LABEL) of Latin text (BELVIK_LATIN_TEXT), the least any text
// costs: the font database and one face, or of Chinese text, the least a Chinese interface must
// load: a CJK face as well; and a window that paints Chinese in both of the program's faces
// (BELVIK_TWO_FACES): one label in the interface face and one in the result box's face.
// startup_launch runs each and ends it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <memory>

#ifdef BELVIK_TWO_FACES
#include "fonts.h"
#endif

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
#ifdef BELVIK_TWO_FACES
  belvik::ui::UseInterfaceFonts();
#endif
  auto window = std::make_unique<QMainWindow>();
  window->resize(800, 533);  // the program's 800 × 8000 twips, the client area with no frame
#if defined(BELVIK_ONE_LABEL) || defined(BELVIK_TWO_FACES)
#ifdef BELVIK_LATIN_TEXT
  auto* label = new QLabel(QStringLiteral("Inflation (%):"), window.get());
#else
  auto* label = new QLabel(QStringLiteral("年平均通货膨胀率(%)："), window.get());
#endif
  label->move(20, 40);
  label->adjustSize();
#endif
#ifdef BELVIK_TWO_FACES
  auto* result = new QLabel(QStringLiteral("第1年投入3600元，每月投入300"), window.get());
  result->setFont(belvik::ui::ResultFont());
  result->move(20, 300);
  result->adjustSize();
#endif
  window->show();
  return QApplication::exec();
}
