#include "result_text.h"

#include <algorithm>
#include <array>
#include <limits>

#include "belvik/number_writing.h"

namespace belvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::size_t ResultText::Write(std::string& out, std::initializer_list<Piece> pieces,
                              std::string_view ending) {
  // The line is gathered here and appended once; a text longer than the room goes on as it is.
  std::array<char, 256> line;
  char* end = line.data();
  // The line's first long number: one equal to it in the same form is copied, not written
  // again (a lump sum's value, once the amount is below its last place, is its gain).
  double repeatable = std::numeric_limits<double>::quiet_NaN();
  Piece::Form repeatableForm = Piece::Form::Text;
  const char* repeatableFirst = nullptr;
  std::size_t repeatableLength = 0;
  const auto flush = [&] {
    out.append(line.data(), end);
    end = line.data();
    repeatable = std::numeric_limits<double>::quiet_NaN();
    repeatableLength = 0;
  };
  const auto put = [&](std::string_view text) {
    if (text.size() > static_cast<std::size_t>(line.data() + line.size() - end)) flush();
    if (text.size() > line.size()) {
      out += text;
    } else {
      end = std::copy(text.begin(), text.end(), end);
    }
  };
  std::size_t numbers = 0;
  for (const Piece& piece : pieces) {
    if (piece.form() == Piece::Form::Text) {
      put(piece.text());
      continue;
    }
    if (static_cast<std::size_t>(line.data() + line.size() - end) < kFormRoom) flush();
    char* const first = end;
    if (piece.number() == repeatable && piece.form() == repeatableForm) {
      end = std::copy_n(repeatableFirst, repeatableLength, end);
    } else {
      end = WriteForm(end, piece.number(), piece.form() == Piece::Form::Plain);
      // Short ones are as quick to write as to copy.
      constexpr std::ptrdiff_t kLong = 8;
      if (repeatableLength == 0 && end - first > kLong) {
        repeatable = piece.number();
        repeatableForm = piece.form();
        repeatableFirst = first;
        repeatableLength = static_cast<std::size_t>(end - first);
      }
    }
    figures_.push_back(piece.number());
    ++numbers;
  }
  put(ending);
  flush();
  return numbers;
}

void ResultText::AppendLine(std::initializer_list<Piece> pieces) { Write(text_, pieces, kLineEnd); }

void ResultText::PutInFront(std::initializer_list<Piece> pieces) {
  std::string line;
  summaryCount_ = Write(line, pieces, kLineEnd);
  text_.insert(0, line);
}

void ResultText::WriteAlone(const Piece& number) {
  text_.clear();
  summaryCount_ = Write(text_, {number}, "");
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
