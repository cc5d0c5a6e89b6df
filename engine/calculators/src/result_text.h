// The text of the result box as a calculator builds it, and the numbers behind it: lines
// appended one by one, then a summary line put in front. Every line ends in CR LF. Each number
// is written and recorded by the same call, so the text and the figures cannot disagree.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "belvik/number_writing.h"
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
  // Appends a schedule line: the parts (string literals, texts and Pieces) and a line end; its
  // numbers become the line's figures. Amortised constant time per character, so a schedule of
  // n lines costs O(n), not the O(n²) of rewriting the whole text per line.
  template <typename... Parts>
  void AppendLine(const Parts&... parts) {
    Write(text_, parts..., kLineEnd);
  }
  // Puts the summary line in front of everything appended so far; its numbers are the summary.
  template <typename... Parts>
  void PutInFront(const Parts&... parts) {
    std::string line;
    summaryCount_ = Write(line, parts..., kLineEnd);
    text_.insert(0, line);
  }
  // Makes `number` the whole text, with no line end: a result that is one number and no lines.
  void WriteAlone(const Piece& number);
  // Room for `lines` lines of `figuresPerLine` numbers and the summary, so a long schedule never
  // regrows its text: each regrowth copies everything so far into freshly faulted pages.
  void ReserveLines(double lines, std::size_t figuresPerLine);

  // Hands the text and the figures, the summary's last, to `result`.
  void MoveInto(Result& result);

 private:
  static constexpr char kLineEnd[] = "\r\n";

  // Gathers one line on the stack and appends it to `out` at once. A line's literals and numbers
  // always fit, so they are copied with no test of the room left; a text only known at run time
  // goes straight onto `out` after what was gathered before it.
  class LineWriter {
   public:
    LineWriter(std::string& out, char* line, std::vector<double>& figures)
        : out_(out), line_(line), end_(line), figures_(figures) {}

    template <std::size_t N>
    void Put(const char (&literal)[N]) {
      end_ = std::copy_n(literal, N - 1, end_);
    }
    void Put(std::string_view text) {
      Flush();
      out_ += text;
    }
    void Put(const Piece& piece) {
      if (piece.form() == Piece::Form::Text) return Put(piece.text());
      PutNumber(piece.number(), piece.form());
    }
    void Flush() {
      out_.append(line_, end_);
      end_ = line_;
      repeatableLength_ = 0;
    }
    std::size_t numbers() const { return numbers_; }

   private:
    void PutNumber(double x, Piece::Form form) {
      char* const first = end_;
      // The line's first long number: one equal to it in the same form is copied, not written
      // again (a lump sum's value, once the amount is below its last place, is its gain).
      if (repeatableLength_ != 0 && x == repeatable_ && form == repeatableForm_) {
        end_ = std::copy_n(repeatableFirst_, repeatableLength_, end_);
      } else {
        end_ = WriteForm(end_, x, form == Piece::Form::Plain);
        // Short ones are as quick to write as to copy.
        constexpr std::ptrdiff_t kLong = 8;
        if (repeatableLength_ == 0 && end_ - first > kLong) {
          repeatable_ = x;
          repeatableForm_ = form;
          repeatableFirst_ = first;
          repeatableLength_ = static_cast<std::size_t>(end_ - first);
        }
      }
      figures_.push_back(x);
      ++numbers_;
    }

    std::string& out_;
    char* const line_;
    char* end_;
    std::vector<double>& figures_;
    std::size_t numbers_ = 0;
    double repeatable_ = 0;
    Piece::Form repeatableForm_ = Piece::Form::Text;
    const char* repeatableFirst_ = nullptr;
    std::size_t repeatableLength_ = 0;  // 0 while the line has no long number yet
  };

  // The room a part takes in the gathered line.
  template <typename Part>
  static constexpr std::size_t RoomOf() {
    if constexpr (std::is_array_v<Part>) {
      return std::extent_v<Part> - 1;
    } else if constexpr (std::is_same_v<Part, Piece>) {
      return kFormRoom;
    } else {
      return 0;
    }
  }

  // Writes the parts onto `out` and the numbers onto the figures; returns how many numbers.
  template <typename... Parts>
  std::size_t Write(std::string& out, const Parts&... parts) {
    std::array<char, (RoomOf<Parts>() + ...)> line;
    LineWriter writer(out, line.data(), figures_);
    (writer.Put(parts), ...);
    writer.Flush();
    return writer.numbers();
  }

  std::string text_;
  std::vector<double> figures_;  // the lines' numbers, then the summary's, written last
  std::size_t summaryCount_ = 0;
};

}  // namespace belvik
