#include <QApplication>

#include "modbelvik.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const auto window = belvik::ui::Modbelvik::Main();
  // A refused start is a normal end: the user was told why.
  return window ? QApplication::exec() : 0;
}
