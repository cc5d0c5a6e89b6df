// The text of the result box as a calculator builds it: lines appended one by one, then a
// summary line put in front. Every line ends in CR LF.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace belvik {

class ResultText {
 public:
  // Appends the pieces and a line end. Amortised constant time per character, so a schedule
  // of n lines costs O(n), not the O(n²) of rewriting the whole text per line.
  void AppendLine(std::initializer_list<std::string_view> pieces);
  // Puts the pieces and a line end in front of everything appended so far.
  void PutInFront(std::initializer_list<std::string_view> pieces);
  // Room for `lines` lines and the summary up front, so a long schedule never regrows its
  // text: each regrowth copies everything so far into freshly faulted pages.
  void ReserveLines(double lines);
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace belvik
