#include "calculator_table.h"

#include <string_view>

#include "belvik/number_text.h"
#include "row_name.h"

namespace belvik {
namespace {

std::vector<std::string_view> CrLfLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  EXPECT_TRUE(text.empty()) << "a line without its CR LF";
  return lines;
}

// Each form found in `line` after the one before it.
void ExpectInOrder(std::string_view line, const std::vector<std::string>& forms) {
  std::size_t from = 0;
  for (const std::string& form : forms) {
    const std::size_t at = line.find(form, from);
    ASSERT_NE(at, std::string_view::npos) << form << " not in " << line;
    from = at + form.size();
  }
}

}  // namespace

void ExpectFiguresMatchText(const Result& result) {
  if (!result.text) {
    EXPECT_TRUE(result.figures.empty());
    return;
  }
  if (result.calculator == Calculator::PresentValue) {
    EXPECT_EQ(result.text->empty(), result.Summary().empty());
    if (!result.Summary().empty()) {
      EXPECT_EQ(*result.text, PlainForm(result.Summary()[0]));
    }
    return;
  }
  std::vector<std::string_view> lines = CrLfLines(*result.text);
  if (result.failure == Failure::None) {
    ASSERT_FALSE(lines.empty());
    std::vector<std::string> forms;
    for (const double figure : result.Summary()) {
      forms.push_back(result.calculator == Calculator::LumpSum ? StrForm(figure)
                                                               : PlainForm(figure));
    }
    ExpectInOrder(lines.front(), forms);
    lines.erase(lines.begin());
  } else {
    EXPECT_TRUE(result.Summary().empty());
  }
  ASSERT_EQ(lines.size(), result.LineCount());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::vector<std::string> forms;
    for (const double figure : result.Line(k)) forms.push_back(StrForm(figure));
    ExpectInOrder(lines[k], forms);
  }
}

TEST_P(CalculatorTest, WritesTheBoxAndStopsWhereItShould) {
  const CalculatorCase& c = GetParam();
  const Result got = Calculate(c.calculator, c.texts);
  EXPECT_EQ(got.calculator, c.calculator);
  EXPECT_EQ(got.failure, c.failure);
  EXPECT_EQ(got.text, c.text);
  ExpectFiguresMatchText(got);
}

}  // namespace belvik
