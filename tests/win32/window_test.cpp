// What only the Windows window has to show: its fixed control IDs, its rectangles in twips at
// 96 and 144 DPI, its fonts, start-up, and the messages other programs drive it with.
#include "modbelvik.h"
#include "window_fixture.h"

namespace {

using belvik::design::Control;
using belvik::design::ControlRow;
using belvik::design::Kind;
using belvik::design::TwipsRect;
using probe::CaseTest;
using probe::WindowTest;

// A control's rectangle in twips: in the client area, or inside its frame.
TwipsRect InTwips(HWND window, HWND control, HWND frame, float perPixel) {
  RECT at{};
  GetWindowRect(control, &at);
  MapWindowPoints(nullptr, frame ? frame : window, reinterpret_cast<POINT*>(&at), 2);
  return {at.left * perPixel, at.top * perPixel, (at.right - at.left) * perPixel,
          (at.bottom - at.top) * perPixel};
}

// Within one pixel of the design: every length lands on whole pixels.
void ExpectNear(const TwipsRect& at, const TwipsRect& expected, float perPixel, bool sized,
                std::string_view name) {
  SCOPED_TRACE(name);
  EXPECT_NEAR(at.left, expected.left, perPixel);
  EXPECT_NEAR(at.top, expected.top, perPixel);
  if (!sized) return;
  EXPECT_NEAR(at.width, expected.width, perPixel);
  EXPECT_NEAR(at.height, expected.height, perPixel);
}

struct Density {
  const char* name;
  UINT dpi;
  float twipsPerPixel;
};

using Geometry = CaseTest<std::pair<Density, cases::PlacementCase>>;

// The window as laid out at a density: 12000 by 8000 twips outside; every frame on the pane
// rectangle of the client area; every control of the pane where the design puts it in its
// frame (labels sized to their text); the result box where the pane puts it.
TEST_P(Geometry, InTwipsAsDesigned) {
  const auto& [density, row] = GetParam();
  RECT outer{};
  GetWindowRect(Window(), &outer);
  const RECT suggested{outer.left, outer.top, outer.left + 1200, outer.top + 800};  // unused size
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(density.dpi, density.dpi),
               reinterpret_cast<LPARAM>(&suggested));
  Choose(row.menu);
  const float perPixel = density.twipsPerPixel;

  GetWindowRect(Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, belvik::design::RoundToPixels(12000, perPixel));
  EXPECT_EQ(outer.bottom - outer.top, belvik::design::RoundToPixels(8000, perPixel));
  RECT client{};
  GetClientRect(Window(), &client);
  const TwipsRect pane =
      belvik::design::PaneRect(belvik::design::ToTwips(client.right, client.bottom, perPixel));
  HWND frame = Get(probe::PaneOf(row.menu).frame);
  for (const ControlRow& control : belvik::design::kControls) {
    if (control.kind == Kind::MenuCommand) continue;
    const bool inPane = control.parent == probe::PaneOf(row.menu).frame;
    if (control.kind == Kind::Frame) {
      ExpectNear(InTwips(Window(), Get(control.id), nullptr, perPixel), pane, perPixel, true,
                 control.name);
    } else if (inPane) {
      ExpectNear(InTwips(Window(), Get(control.id), frame, perPixel), control.rect, perPixel,
                 control.kind != Kind::Label, control.name);
    }
    EXPECT_EQ(IsWindowVisible(Get(control.id)) != FALSE,
              inPane || control.id == probe::PaneOf(row.menu).frame ||
                  control.id == Control::txtJG ||
                  (probe::PaneOf(row.menu).inflationRow && !control.parent &&
                   control.kind != Kind::Frame))
        << control.name;
  }
  ExpectNear(InTwips(Window(), Get(Control::txtJG), nullptr, perPixel),
             belvik::design::ResultBoxRect({pane.width, pane.height}, row.resultBox.top), perPixel,
             true, "txtJG");
}

std::vector<std::pair<Density, cases::PlacementCase>> AtEveryDensity() {
  std::vector<std::pair<Density, cases::PlacementCase>> rows;
  for (const Density density : {Density{"96 DPI", 96, 15}, Density{"144 DPI", 144, 10}}) {
    for (const cases::PlacementCase& row : cases::kExamplePlacements) {
      rows.emplace_back(density, row);
    }
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Window, Geometry, testing::ValuesIn(AtEveryDensity()),
                         [](const auto& row) {
                           return probe::CaseName()(testing::TestParamInfo<cases::PlacementCase>(
                                      row.param.second, row.index)) +
                                  "_at_" + std::to_string(row.param.first.dpi);
                         });

TEST_F(WindowTest, CaptionComesFromTheVersionRecord) {
  EXPECT_EQ(belvik::win32::Utf8(belvik::win32::TextOf(Window())),
            "Fenmoor beta 1.0.6 by © 2026 Fenmoor 开发组");
}

// 宋体 14.25 pt in GB2312: 19 pixels high at 96 DPI, 29 at 144.
TEST_F(WindowTest, ResultBoxHasTheDesignedFontAtEachDensity) {
  for (const auto& [dpi, height] : {std::pair{96u, -19}, std::pair{144u, -29}}) {
    RECT outer{};
    GetWindowRect(Window(), &outer);
    SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&outer));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Get(Control::txtJG), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(std::wstring_view(font.lfFaceName), L"宋体");
    EXPECT_EQ(font.lfHeight, height);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
  }
}

// Another program clicks a button whose pane is hidden: the pane's calculator runs all the same.
TEST_F(WindowTest, ClickOnAHiddenPanesButtonCalculates) {
  Choose(Control::munFVIF);
  Fill(Control::mnuPVIF, {"4", "10000", "10"});
  Calculate(Control::mnuPVIF);
  EXPECT_EQ(Utf8(Control::txtJG), "6755.6417");
  EXPECT_TRUE(IsWindowVisible(Get(Control::frmFVIF)));
  EXPECT_FALSE(IsWindowVisible(Get(Control::frmPVIF)));
}

// Text put in by WM_SETTEXT, or pasted, passes no keystroke rule and reaches the calculator.
TEST_F(WindowTest, TextSetFromOutsideIsTakenAsItIs) {
  Choose(Control::mnuYLJ);
  Fill(Control::mnuYLJ, {"4", "-1,5", "3", "50", "60"});
  EXPECT_EQ(Text(Control::txtJE1), L"-1,5");
  Calculate(Control::mnuYLJ);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown.front().prompt, "输入的数值格式不正确。");
}

// Desktop users press the focused button with Enter as well as with Space.
TEST_F(WindowTest, EnterAndSpaceOnTheFocusedButtonCalculate) {
  for (const WPARAM key : {VK_RETURN, VK_SPACE}) {
    Choose(Control::munFVIF);
    Fill(Control::munFVIF, {"10000", "10", "1"});
    SetFocus(Get(Control::cmdFVIF));
    MSG down{GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
    MSG up{GetFocus(), WM_KEYUP, key, 0xC0000001, 0, {}};
    if (!IsDialogMessageW(Window(), &down)) DispatchMessageW(&down);
    if (!IsDialogMessageW(Window(), &up)) DispatchMessageW(&up);
    EXPECT_EQ(Utf8(Control::txtJG),
              "1年后本利合计：11000元。\r\n第1年累计收益1000，累计收益率10%，本利和11000元。\r\n")
        << key;
  }
}

TEST_F(WindowTest, EmptyBoxMessageLeavesTheCursorInTheFirstEmptyBox) {
  Choose(Control::mnuYLJ);
  Fill(Control::mnuYLJ, {"4", "1000", "", "", "60"});
  Calculate(Control::mnuYLJ);
  EXPECT_EQ(GetFocus(), Get(Control::txtYear0));
}

TEST_F(WindowTest, ResultBoxCopiesItsScheduleWithLineEnds) {
  Fill(Control::mnuDT, {"300", "0", "10", "2"});
  Calculate(Control::mnuDT);
  probe::Press(Get(Control::txtJG), {cases::kCtrlA, cases::kCtrlC});
  ASSERT_TRUE(OpenClipboard(Window()));
  HANDLE copied = GetClipboardData(CF_UNICODETEXT);
  const std::string text = belvik::win32::Utf8(static_cast<const wchar_t*>(GlobalLock(copied)));
  GlobalUnlock(copied);
  CloseClipboard();
  EXPECT_EQ(text,
            "总投入本金7200元，本利合计8316元。\r\n第1年投入3600元，每月投入300\r\n"
            "第2年投入3600元，每月投入300\r\n");
}

using Screen = testing::TestWithParam<cases::ScreenCase>;
TEST_P(Screen, OpensTheWindowOrRefuses) {
  std::vector<probe::Shown> shown;
  const auto window = belvik::win32::Modbelvik::Main(
      GetParam().width, [&shown](HWND, std::string_view prompt, int style, std::string_view title) {
        shown.push_back({std::string(prompt), style, std::string(title)});
      });
  ASSERT_EQ(window != nullptr, GetParam().opens);
  if (window) {
    EXPECT_TRUE(IsWindowVisible(window->handle()));
    EXPECT_TRUE(shown.empty());
    return;
  }
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown.front().prompt, cases::kRefusalPrompt);
  EXPECT_EQ(shown.front().style, 48);
  EXPECT_EQ(shown.front().title, cases::kRefusalTitle);
  EXPECT_EQ(FindWindowW(belvik::win32::frmbelvik::kClassName, nullptr), nullptr);
}
INSTANTIATE_TEST_SUITE_P(Shared, Screen, testing::ValuesIn(cases::kScreens), probe::CaseName());

}  // namespace
