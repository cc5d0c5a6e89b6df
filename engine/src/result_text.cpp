#include "result_text.h"

#include "number_form.h"

namespace belvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

void ResultText::Write(std::string& out, std::vector<double>& figures,
                       std::initializer_list<Piece> pieces) {
  for (const Piece& piece : pieces) {
    if (piece.form() == Piece::Form::Text) {
      out += piece.text();
      continue;
    }
    AppendForm(out, piece.number(), piece.form() == Piece::Form::Plain);
    figures.push_back(piece.number());
  }
}

void ResultText::AppendLine(std::initializer_list<Piece> pieces) {
  Write(text_, lineFigures_, pieces);
  text_ += kLineEnd;
}

void ResultText::PutInFront(std::initializer_list<Piece> pieces) {
  std::string line;
  Write(line, summary_, pieces);
  line += kLineEnd;
  text_.insert(0, line);
}

void ResultText::WriteAlone(const Piece& number) {
  text_.clear();
  Write(text_, summary_, {number});
}

void ResultText::ReserveLines(double lines, std::size_t figuresPerLine) {
  // Above every year line's length (up to four numbers of at most 24 characters each); pages
  // of the room that stay unwritten are never touched, so being generous costs nothing.
  constexpr std::size_t kLineRoom = 160;
  if (lines >= 1 && lines <= kMaxScheduleYears) {
    const auto count = static_cast<std::size_t>(lines);
    text_.reserve((count + 1) * kLineRoom);
    lineFigures_.reserve(count * figuresPerLine);
  }
}

}  // namespace belvik
