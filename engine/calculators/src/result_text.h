// The text of the result box as a calculator builds it, and the numbers behind it: lines
// appended one by one, then a summary line put in front. Every line ends in CR LF. Each number
// is written and recorded by the same call, so the text and the figures cannot disagree.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "belvik/result.h"

namespace belvik {

// A piece of a line: literal text, or a number in one of the result box's two forms.
class Piece {
 public:
  enum class Form { Text, Str, Plain };

  // Implicit, so that literals and texts as typed stand in a line as they are.
  Piece(const char* text) : text_(text) {}
  Piece(std::string_view text) : text_(text) {}
  static Piece Number(double x, Form form) { return Piece(x, form); }

  Form form() const { return form_; }
  std::string_view text() const { return text_; }
  double number() const { return number_; }

 private:
  Piece(double x, Form form) : form_(form), number_(x) {}

  Form form_ = Form::Text;
  std::string_view text_;
  double number_ = 0;
};

// A number written as StrForm writes it, or as PlainForm does.
inline Piece Str(double x) { return Piece::Number(x, Piece::Form::Str); }
inline Piece Plain(double x) { return Piece::Number(x, Piece::Form::Plain); }

class ResultText {
 public:
  // Appends a schedule line: the pieces and a line end; its numbers become the line's figures.
  // Amortised constant time per character, so a schedule of n lines costs O(n), not the O(n²)
  // of rewriting the whole text per line.
  void AppendLine(std::initializer_list<Piece> pieces);
  // Puts the summary line in front of everything appended so far; its numbers are the summary.
  void PutInFront(std::initializer_list<Piece> pieces);
  // Makes `number` the whole text, with no line end: a result that is one number and no lines.
  void WriteAlone(const Piece& number);
  // Room for `lines` lines of `figuresPerLine` numbers and the summary, so a long schedule never
  // regrows its text: each regrowth copies everything so far into freshly faulted pages.
  void ReserveLines(double lines, std::size_t figuresPerLine);

  // Hands the text and the figures, the summary's last, to `result`.
  void MoveInto(Result& result);

 private:
  // Writes the pieces and `ending` onto `out` and the numbers onto the figures; returns how many.
  std::size_t Write(std::string& out, std::initializer_list<Piece> pieces, std::string_view ending);

  std::string text_;
  std::vector<double> figures_;  // the lines' numbers, then the summary's, written last
  std::size_t summaryCount_ = 0;
};

}  // namespace belvik
