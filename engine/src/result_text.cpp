#include "result_text.h"

namespace belvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendPieces(std::string& out, std::initializer_list<std::string_view> pieces) {
  for (const std::string_view piece : pieces) out += piece;
  out += kLineEnd;
}

}  // namespace

void ResultText::ReserveLines(double lines) {
  // Above every year line's length (up to four numbers of at most 24 characters each); pages
  // of the room that stay unwritten are never touched, so being generous costs nothing.
  constexpr std::size_t kLineRoom = 160;
  constexpr double kMaxLines = 32767;  // no schedule is longer
  if (lines >= 1 && lines <= kMaxLines)
    text_.reserve((static_cast<std::size_t>(lines) + 1) * kLineRoom);
}

void ResultText::AppendLine(std::initializer_list<std::string_view> pieces) {
  AppendPieces(text_, pieces);
}

void ResultText::PutInFront(std::initializer_list<std::string_view> pieces) {
  std::string line;
  AppendPieces(line, pieces);
  text_.insert(0, line);
}

}  // namespace belvik
