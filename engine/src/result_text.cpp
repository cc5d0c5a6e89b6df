#include "result_text.h"

namespace belvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendPieces(std::string& out, std::initializer_list<std::string_view> pieces) {
  for (const std::string_view piece : pieces) out += piece;
  out += kLineEnd;
}

}  // namespace

void ResultText::AppendLine(std::initializer_list<std::string_view> pieces) {
  AppendPieces(text_, pieces);
}

void ResultText::PutInFront(std::initializer_list<std::string_view> pieces) {
  std::string line;
  AppendPieces(line, pieces);
  text_.insert(0, line);
}

}  // namespace belvik
