// Start-up to the first shown window. Built four times: with the program's own start-up, with
// an empty QMainWindow of the same outer size (BELVIK_EMPTY_WINDOW), and with that window
// holding one label (BELVIK_ONE_LABEL) of Latin text (BELVIK_LATIN_TEXT), the least any text
// costs: the font database and one face, or of Chinese text, the least a Chinese interface
// must load: a CJK face as well. The launcher passes its CLOCK_MONOTONIC time in nanoseconds
// as BELVIK_LAUNCH_NS; the probe prints the milliseconds from then to the window's first
// expose event (on X, sent once the window is mapped) and its memory at that moment, paints
// that first frame and quits.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#if defined(BELVIK_EMPTY_WINDOW) || defined(BELVIK_ONE_LABEL)
#include <QLabel>
#include <QMainWindow>
#else
#include "modbelvik.h"
#endif

namespace {

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// The peak resident memory so far (VmHWM), and the resident memory at that moment split into
// the heap and mapped files (fonts, libraries), to tell which of the two a difference between
// the probes comes from.
void PrintResidentMemory() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0 || line.rfind("RssAnon:", 0) == 0 ||
        line.rfind("RssFile:", 0) == 0) {
      std::printf("%s\n", line.c_str());
    }
  }
}

class FirstExpose : public QObject {
 public:
  explicit FirstExpose(long long launchNs) : launchNs_(launchNs) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Expose) {
      const auto* window = qobject_cast<QWindow*>(watched);
      if (window && window->isExposed()) {
        seen_ = true;
        std::printf("first_expose_ms %.1f\n", static_cast<double>(MonotonicNs() - launchNs_) / 1e6);
        PrintResidentMemory();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      }
    }
    return false;
  }

 private:
  long long launchNs_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const char* launch = std::getenv("BELVIK_LAUNCH_NS");
  const long long launchNs = launch ? std::atoll(launch) : MonotonicNs();
  QApplication app(argc, argv);
  FirstExpose watcher(launchNs);
  app.installEventFilter(&watcher);
#if defined(BELVIK_EMPTY_WINDOW) || defined(BELVIK_ONE_LABEL)
  auto window = std::make_unique<QMainWindow>();
  window->resize(800, 533);  // the program's 800 × 8000 twips, the client area with no frame
#ifdef BELVIK_ONE_LABEL
#ifdef BELVIK_LATIN_TEXT
  auto* label = new QLabel(QStringLiteral("Inflation (%):"), window.get());
#else
  auto* label = new QLabel(QStringLiteral("年平均通货膨胀率(%)："), window.get());
#endif
  label->move(20, 40);
  label->adjustSize();
#endif
  window->show();
#else
  const auto window = belvik::ui::Modbelvik::Main();
  if (!window) return 1;
#endif
  return QApplication::exec();
}
