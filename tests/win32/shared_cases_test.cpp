// The cases the Qt window's suite runs too, from the same rows, against the Windows window.
#include "window_fixture.h"

namespace {

using belvik::design::Control;
using probe::CaseTest;
using probe::Press;
using probe::Wide;

using Typing = CaseTest<cases::TypingCase>;
TEST_P(Typing, IntoABox) {
  const cases::TypingCase& row = GetParam();
  Put(row.box, Wide(row.before));
  SendMessageW(Get(row.box), EM_SETSEL, row.before.size(), row.before.size());
  Press(Get(row.box), row.keys);
  EXPECT_EQ(Text(row.box), Wide(row.after));
}
INSTANTIATE_TEST_SUITE_P(Shared, Typing, testing::ValuesIn(cases::kTyping), probe::CaseName());

// An input method hands over each character of a finished composition as WM_IME_CHAR.
using Commit = CaseTest<cases::CommitCase>;
TEST_P(Commit, IntoABox) {
  const cases::CommitCase& row = GetParam();
  Put(row.box, Wide(row.before));
  SendMessageW(Get(row.box), EM_SETSEL, row.before.size(), row.before.size());
  for (const char16_t c : row.commit) SendMessageW(Get(row.box), WM_IME_CHAR, c, 1);
  EXPECT_EQ(Text(row.box), Wide(row.after));
}
INSTANTIATE_TEST_SUITE_P(Shared, Commit, testing::ValuesIn(cases::kCommits), probe::CaseName());

using ResultBoxKeys = CaseTest<cases::ResultKeysCase>;
TEST_P(ResultBoxKeys, ChangeNothing) {
  const std::wstring schedule = L"2年后本利合计：12100元。\r\n第1年\r\n";
  Put(Control::txtJG, schedule);
  SendMessageW(Get(Control::txtJG), EM_SETSEL, schedule.size(), schedule.size());
  Press(Get(Control::txtJG), GetParam().keys);
  EXPECT_EQ(Text(Control::txtJG), schedule);
}
INSTANTIATE_TEST_SUITE_P(Shared, ResultBoxKeys, testing::ValuesIn(cases::kResultBoxKeys),
                         probe::CaseName());

using WorkedExample = CaseTest<cases::CalculationCase>;
TEST_P(WorkedExample, FillsTheResultBox) {
  const cases::CalculationCase& row = GetParam();
  Choose(row.menu);
  Fill(row.menu, row.texts);
  Calculate(row.menu);
  EXPECT_EQ(Utf8(Control::txtJG), row.result);
  EXPECT_TRUE(shown.empty());
}
INSTANTIATE_TEST_SUITE_P(Shared, WorkedExample, testing::ValuesIn(cases::kWorkedExamples),
                         probe::CaseName());

using Failure = CaseTest<cases::CalculationCase>;
TEST_P(Failure, IsShownAndTheBoxKeepsWhatTheCalculatorLeft) {
  const cases::CalculationCase& row = GetParam();
  Choose(row.menu);
  Fill(row.menu, row.texts);
  Calculate(row.menu);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown.front().prompt, row.prompt);
  EXPECT_EQ(shown.front().style, row.style);
  EXPECT_EQ(shown.front().title, "提示");
  EXPECT_EQ(Utf8(Control::txtJG), row.result);
  EXPECT_TRUE(IsWindowVisible(Window()));
}
INSTANTIATE_TEST_SUITE_P(Shared, Failure, testing::ValuesIn(cases::kFailures), probe::CaseName());

// Tab as the dialog manager moves it, from the first control of the row on.
using TabOrder = CaseTest<cases::TabCase>;
TEST_P(TabOrder, VisitsOnlyTheShownPane) {
  const cases::TabCase& row = GetParam();
  Choose(row.menu);
  SetFocus(Get(row.visits.front()));
  std::vector<int> visited = {GetDlgCtrlID(GetFocus())};
  while (visited.size() < row.visits.size()) {
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    IsDialogMessageW(Window(), &tab);
    visited.push_back(GetDlgCtrlID(GetFocus()));
  }
  std::vector<int> expected;
  for (const Control control : row.visits) expected.push_back(probe::ControlId(control));
  EXPECT_EQ(visited, expected);
}
INSTANTIATE_TEST_SUITE_P(Shared, TabOrder, testing::ValuesIn(cases::kTabOrder), probe::CaseName());

using ShownAtStart = CaseTest<cases::ShownCase>;
TEST_P(ShownAtStart, OnThePeriodicInvestmentPane) {
  EXPECT_EQ(IsWindowVisible(Get(GetParam().control)) != FALSE, GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(Shared, ShownAtStart, testing::ValuesIn(cases::kShownAtStart),
                         probe::CaseName());

using Default = CaseTest<cases::DefaultCase>;
TEST_P(Default, IsInItsBox) { EXPECT_EQ(Utf8(GetParam().box), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(Shared, Default, testing::ValuesIn(cases::kDefaults), probe::CaseName());

// A box is named by the label stacked straight before it, which is what a screen reader reads
// for a box that has no name of its own.
using SpokenName = CaseTest<cases::NameCase>;
TEST_P(SpokenName, OfABoxIsItsLabel) {
  const cases::NameCase& row = GetParam();
  if (!belvik::design::IsInputBox(belvik::design::RowOf(row.control).kind)) {
    GTEST_SKIP() << "a button's name is an annotation, which Wine does not keep";
  }
  EXPECT_EQ(belvik::win32::Utf8(belvik::win32::TextOf(GetWindow(Get(row.control), GW_HWNDPREV))),
            row.spoken);
}
INSTANTIATE_TEST_SUITE_P(Shared, SpokenName, testing::ValuesIn(cases::kSpokenNames),
                         probe::CaseName());

}  // namespace
