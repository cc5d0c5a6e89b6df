#include "result_text.h"

namespace belvik {

void ResultText::WriteAlone(const Piece& number) {
  text_.clear();
  summaryCount_ = Write(text_, number);
}

void ResultText::ReserveLines(double lines, std::size_t figuresPerLine) {
  // Above every year line's length (up to four numbers of at most 24 characters each); pages
  // of the room that stay unwritten are never touched, so being generous costs nothing.
  constexpr std::size_t kLineRoom = 160;
  constexpr std::size_t kSummaryFigures = 2;
  if (lines >= 1 && lines <= kMaxScheduleYears) {
    const auto count = static_cast<std::size_t>(lines);
    text_.reserve((count + 1) * kLineRoom);
    figures_.reserve(count * figuresPerLine + kSummaryFigures);
  }
}

void ResultText::MoveInto(Result& result) {
  result.text = std::move(text_);
  result.figures = std::move(figures_);
  result.summaryCount = summaryCount_;
}

}  // namespace belvik
