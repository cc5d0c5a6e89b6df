// The result box's commands on Windows, each sent as the window's WM_COMMAND with its ID: the
// rows both front-ends share (result_cases.h), and what only Windows has: the menu's access keys
// and the keys that open it, the failures a file replaced in place can meet, pages drawn into
// enhanced metafiles and read back, and the PDF printer's absence.
#include "window_fixture.h"
// The window's headers bring the Windows API, which the common controls' header needs first.
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "belvik/calculators.h"
#include "belvik/goal_window.h"
#include "belvik/result_table.h"
#include "chart_window.h"
#include "goal_window.h"
#include "emf_pages.h"
#include "print_progress.h"
#include "result_cases.h"

namespace {

using belvik::design::Control;
using belvik::design::ResultCommand;
using belvik::win32::CommandId;
using belvik::win32::Utf8;

std::string Clipboard(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = Utf8(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::string Bytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// A fresh folder for what a test saves, holding a folder named "taken"; removed afterwards.
struct Folder {
  std::wstring path;
  Folder() {
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    path = std::wstring(temporary) + L"belvik-" + std::to_wstring(GetTickCount64());
    CreateDirectoryW(path.c_str(), nullptr);
    CreateDirectoryW(In(L"taken").c_str(), nullptr);
  }
  ~Folder() {
    for (const std::wstring& file : Files()) {
      SetFileAttributesW(In(file).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(In(file).c_str());
    }
    RemoveDirectoryW(In(L"taken").c_str());
    RemoveDirectoryW(path.c_str());
  }
  std::wstring In(std::wstring_view name) const { return path + L"\\" + std::wstring(name); }
  std::vector<std::wstring> Files() const {
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(In(L"*").c_str(), &found);
    while (search != INVALID_HANDLE_VALUE) {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.emplace_back(found.cFileName);
      if (!FindNextFileW(search, &found)) break;
    }
    FindClose(search);
    return files;
  }
};

class Commands : public probe::WindowTest {
 protected:
  void Run(Control menu, const cases::Texts& texts) {
    Choose(menu);
    Fill(menu, texts);
    if (!texts.empty()) Calculate(menu);
  }
  void Send(ResultCommand command) const {
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(CommandId(command), 0), 0);
    probe::Pump();
  }
  // Files of every kind go to `path` (empty: the user cancels); the dialog's kind and suggested
  // path are kept.
  void SaveTo(std::wstring path) {
    Main().setFileChooser(
        [this, path](HWND, const belvik::design::FileKind& kind, const std::wstring& suggestion) {
          asked = &kind;
          suggested = suggestion;
          return path;
        });
  }
  // The print-outs go to metafiles.
  void PrintTo(probe::EmfPages& pages) {
    Main().setPrinterChooser([&pages](HWND) {
      return std::unique_ptr<belvik::win32::PageDevice>(new probe::LentPages(pages));
    });
  }

  const belvik::design::FileKind* asked = nullptr;
  std::wstring suggested;
};

template <typename Case>
class CommandsWith : public Commands, public testing::WithParamInterface<Case> {};

// ---- The menu --------------------------------------------------------------------------------

using Offers = CommandsWith<cases::OfferCase>;
// Sent while not on offer, a command does nothing: 显示图表… opens a chart only with figures.
TEST_P(Offers, FollowTheResultOnScreen) {
  const cases::OfferCase& row = GetParam();
  Main().setPdfPrinterFinder([] { return belvik::win32::PdfPrinterFn(); });
  Run(row.menu, row.texts);
  if (row.switchPane) Choose(row.menu);
  HMENU menu = Main().createResultMenu();
  const auto enabled = [menu](ResultCommand command) {
    return (GetMenuState(menu, CommandId(command), MF_BYCOMMAND) & MF_GRAYED) == 0;
  };
  for (const ResultCommand command : {ResultCommand::CopyAsTable, ResultCommand::ExportCsv,
                                      ResultCommand::Print, ResultCommand::ShowChart}) {
    EXPECT_EQ(enabled(command), row.figures) << CommandId(command);
  }
  EXPECT_EQ(GetMenuState(menu, CommandId(ResultCommand::ExportPdf), MF_BYCOMMAND), UINT(-1));
  EXPECT_TRUE(enabled(ResultCommand::SelectAll));
  EXPECT_EQ(enabled(ResultCommand::FindMonthlyAmount), row.findsMonthly);
  DestroyMenu(menu);
  SendMessageW(Window(), WM_COMMAND, CommandId(ResultCommand::ShowChart), 0);
  HWND chart = FindWindowW(belvik::win32::kChartWindowClass, nullptr);
  EXPECT_EQ(chart != nullptr, row.figures);
  if (chart) DestroyWindow(chart);
}
INSTANTIATE_TEST_SUITE_P(Shared, Offers, testing::ValuesIn(cases::kOffers), probe::CaseName());

// Each command's access key, as Windows' own menus mark it: in the caption where it holds the
// letter, in brackets before the ellipsis otherwise; the box's own keys after a tab.
TEST_F(Commands, MenuMarksEachCommandsAccessKey) {
  Main().setPdfPrinterFinder([] {
    return [](const std::wstring&) { return std::unique_ptr<belvik::win32::PageDevice>(); };
  });
  HMENU menu = Main().createResultMenu();
  std::vector<std::wstring> texts;
  for (int k = 0; k < GetMenuItemCount(menu); ++k) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, k, text, 64, MF_BYPOSITION);
    texts.emplace_back(text);
  }
  DestroyMenu(menu);
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"复制(&C)\tCtrl+C", L"全选(&A)\tCtrl+A", L"",
                                              L"复制为表格(&T)", L"导出为 CS&V 文件…", L"打印(&P)…",
                                              L"导出为 P&DF…", L"显示图表(&G)…", L"",
                                              L"反推每月定投(&M)…"}));
}

// The ways a user opens the menu on the result box; the access key T then copies the table.
struct Opening {
  const char* name;
  UINT down;
  UINT up;
  WPARAM key;
  bool shift;
};

LRESULT CALLBACK ChooseTable(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR opened) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
    ++*reinterpret_cast<int*>(opened);
    PostMessageW(reinterpret_cast<HWND>(lParam), WM_CHAR, L't', 1);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

using Open = CommandsWith<Opening>;
TEST_P(Open, TheMenuWhoseKeyChoosesACommand) {
  const Opening& row = GetParam();
  Run(Control::mnuYLJ, cases::kTables[0].texts);
  int opened = 0;
  SetWindowSubclass(Window(), ChooseTable, 1, reinterpret_cast<DWORD_PTR>(&opened));
  HWND box = Get(Control::txtJG);
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = row.shift ? 0x80 : 0;
  SetKeyboardState(state);
  SendMessageW(box, row.down, row.key, row.key ? 1 : MAKELPARAM(20, 20));
  SendMessageW(box, row.up, row.key, row.key ? 0xC0000001 : MAKELPARAM(20, 20));
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
  probe::Pump();
  RemoveWindowSubclass(Window(), ChooseTable, 1);
  EXPECT_GE(opened, 1);
  EXPECT_EQ(Clipboard(Window()), cases::kTables[0].tabSeparated);
}
INSTANTIATE_TEST_SUITE_P(
    Windows, Open,
    testing::Values(Opening{"Shift_F10", WM_SYSKEYDOWN, WM_SYSKEYUP, VK_F10, true},
                    Opening{"menu_key", WM_KEYDOWN, WM_KEYUP, VK_APPS, false},
                    Opening{"right_button", WM_RBUTTONDOWN, WM_RBUTTONUP, 0, false}),
    probe::CaseName());

TEST_F(Commands, SelectAllThenCopyTakesTheTextWithItsLineEnds) {
  Run(Control::mnuDT, {"300", "0", "10", "2"});
  Send(ResultCommand::SelectAll);
  Send(ResultCommand::Copy);
  EXPECT_EQ(Clipboard(Window()),
            "总投入本金7200元，本利合计8316元。\r\n第1年投入3600元，每月投入300\r\n"
            "第2年投入3600元，每月投入300\r\n");
}

// ---- Table and CSV ---------------------------------------------------------------------------

using Tables = CommandsWith<cases::TableCase>;
TEST_P(Tables, OnTheClipboardAndInTheFileAsTheEngineWritesThem) {
  const cases::TableCase& row = GetParam();
  const Folder folder;
  SaveTo(folder.In(L"a.csv"));
  Run(row.menu, row.texts);
  Send(ResultCommand::CopyAsTable);
  Send(ResultCommand::ExportCsv);
  const belvik::ResultTable table = belvik::TableOf(
      belvik::Calculate(probe::PaneOf(row.menu).calculator,
                        std::vector<std::string>(row.texts.begin(), row.texts.end())));
  EXPECT_EQ(Clipboard(Window()), row.tabSeparated);
  EXPECT_EQ(Clipboard(Window()), belvik::TabSeparated(table));
  EXPECT_EQ(Bytes(folder.In(L"a.csv")), row.csv);
  EXPECT_EQ(Bytes(folder.In(L"a.csv")), belvik::Csv(table));
}
INSTANTIATE_TEST_SUITE_P(Shared, Tables, testing::ValuesIn(cases::kTables), probe::CaseName());

// What stands in the way of a save on Windows besides the shared rows' cases.
enum class Obstacle { None, OldFile, LockedOpen, ReadOnly };

struct Save {
  cases::SaveCase shared;
  Obstacle obstacle;
};

std::vector<Save> Saves() {
  std::vector<Save> rows;
  for (const cases::SaveCase& row : cases::kSaves) rows.push_back({row, Obstacle::None});
  rows.push_back({{"an old file replaced whole", "定投.csv", true, false}, Obstacle::OldFile});
  rows.push_back(
      {{"an old file locked open stays", "定投.csv", false, true}, Obstacle::LockedOpen});
  rows.push_back({{"a read-only old file stays", "定投.csv", false, true}, Obstacle::ReadOnly});
  // Where not even Wine running as root may create a file: Linux's sysfs, as Wine's drive Z:.
  rows.push_back({{"a read-only folder", "Z:\\sys\\定投.csv", false, true}, Obstacle::None});
  return rows;
}

using Saving = CommandsWith<Save>;
TEST_P(Saving, LeavesTheChosenFileOrTheOldOneWhole) {
  const cases::SaveCase& row = GetParam().shared;
  const Obstacle obstacle = GetParam().obstacle;
  const Folder folder;
  const std::wstring name = belvik::win32::Wide(row.file);
  const bool elsewhere = name.find(L':') != std::wstring::npos;
  const std::wstring path = elsewhere ? name : folder.In(name);
  const std::string old = "old contents";
  HANDLE lock = INVALID_HANDLE_VALUE;
  if (obstacle != Obstacle::None) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << old;
    if (obstacle == Obstacle::ReadOnly) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    if (obstacle == Obstacle::LockedOpen) {
      lock = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
  }
  SaveTo(row.file.empty() ? std::wstring() : path);
  Run(Control::mnuDT, cases::kTables[1].texts);
  Send(ResultCommand::ExportCsv);
  if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);

  EXPECT_TRUE(suggested.ends_with(L"\\定投计算-" + belvik::win32::Wide(std::to_string([] {
                                    SYSTEMTIME today;
                                    GetLocalTime(&today);
                                    return today.wYear * 10000 + today.wMonth * 100 + today.wDay;
                                  }())) +
                                  L".csv"));
  EXPECT_EQ(asked, &belvik::design::kCsvFile);
  const bool kept = row.saved || obstacle != Obstacle::None;
  EXPECT_EQ(folder.Files(),
            kept && !elsewhere ? std::vector<std::wstring>{name} : std::vector<std::wstring>{});
  if (kept) {
    EXPECT_EQ(Bytes(path), row.saved ? cases::kTables[1].csv : old);
  }
  ASSERT_EQ(shown.size(), row.told ? 1u : 0u);
  if (row.told) {
    EXPECT_EQ(shown[0].title, "提示");
    EXPECT_EQ(shown[0].style, 48);
    EXPECT_TRUE(shown[0].prompt.starts_with("文件未能保存：" + belvik::win32::Utf8(path) + "\n"))
        << shown[0].prompt;
  }
}
INSTANTIATE_TEST_SUITE_P(Windows, Saving, testing::ValuesIn(Saves()),
                         [](const testing::TestParamInfo<Save>& row) {
                           return probe::CaseName()(testing::TestParamInfo<cases::SaveCase>(
                               row.param.shared, row.index));
                         });

// ---- Print and PDF ---------------------------------------------------------------------------

using OnePage = CommandsWith<cases::PageCase>;
TEST_P(OnePage, NamesEveryInput) {
  const cases::PageCase& row = GetParam();
  probe::EmfPages pages;
  PrintTo(pages);
  Run(row.menu, row.texts);
  Send(ResultCommand::Print);
  EXPECT_EQ(probe::TextOf(pages.pages),
            cases::Pages{std::vector<std::string>(row.lines.begin(), row.lines.end())});
  EXPECT_TRUE(pages.ended);
  EXPECT_EQ(pages.title, belvik::win32::Wide(row.lines.front()));
}
INSTANTIATE_TEST_SUITE_P(Shared, OnePage, testing::ValuesIn(cases::kOnePagers), probe::CaseName());

TEST_F(Commands, LongScheduleOnNumberedPagesUnderTheHeaderRow) {
  probe::EmfPages pages;
  PrintTo(pages);
  Run(Control::mnuDT, cases::kLongSchedule);
  Send(ResultCommand::Print);
  EXPECT_EQ(cases::LongSchedulePagesFault(probe::TextOf(pages.pages)), "");
}

// 导出为 PDF… prints the same pages to the chosen file on the PDF printer, with no dialog of
// its own; where the system has no PDF printer (Wine has none) it is not offered.
TEST_F(Commands, PdfGoesToTheChosenFileOnThePdfPrinter) {
  probe::EmfPages pages;
  std::wstring printedTo;
  Main().setPdfPrinterFinder([&] {
    return [&](const std::wstring& path) {
      printedTo = path;
      return std::unique_ptr<belvik::win32::PageDevice>(new probe::EmfPages());
    };
  });
  SaveTo(L"C:\\a.pdf");
  Run(cases::kOnePagers[0].menu, cases::kOnePagers[0].texts);
  Send(ResultCommand::ExportPdf);
  EXPECT_EQ(asked, &belvik::design::kPdfFile);
  EXPECT_TRUE(suggested.ends_with(L".pdf"));
  EXPECT_EQ(printedTo, L"C:\\a.pdf");

  Main().setPdfPrinterFinder(belvik::win32::FindPdfPrinter);
  asked = nullptr;
  Send(ResultCommand::ExportPdf);
  EXPECT_EQ(asked, nullptr);
  EXPECT_TRUE(shown.empty());
}

// 取消 in the progress window aborts the job before the next page; a printer that refuses a
// page says so.
struct Job {
  const char* name;
  bool cancel;
  std::size_t pages;
  bool told;
};

using Jobs = CommandsWith<Job>;
TEST_P(Jobs, EndAbortedWithoutPrinting) {
  const Job& row = GetParam();
  probe::EmfPages pages(600, [&row](std::size_t drawn) {
    HWND progress = FindWindowW(belvik::win32::PrintProgress::kClassName, nullptr);
    if (row.cancel && drawn == 1) SendMessageW(progress, WM_COMMAND, IDCANCEL, 0);
  });
  if (!row.cancel) pages.DropPages();
  struct Refusing : probe::EmfPages {
    HDC StartPage() override { return nullptr; }
  };
  Refusing refusing;
  Main().setPrinterChooser([&](HWND) {
    probe::EmfPages& device = row.cancel ? pages : refusing;
    return std::unique_ptr<belvik::win32::PageDevice>(new probe::LentPages(device));
  });
  Run(Control::mnuDT, cases::kLongSchedule);
  Send(ResultCommand::Print);
  probe::EmfPages& device = row.cancel ? pages : static_cast<probe::EmfPages&>(refusing);
  EXPECT_TRUE(device.aborted);
  EXPECT_FALSE(device.ended);
  EXPECT_EQ(device.drawn, row.pages);
  EXPECT_EQ(shown.size(), row.told ? 1u : 0u);
  if (row.told) {
    EXPECT_EQ(shown[0].prompt, "打印未能完成，请检查打印机后再试。");
  }
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_EQ(FindWindowW(belvik::win32::PrintProgress::kClassName, nullptr), nullptr);
}
INSTANTIATE_TEST_SUITE_P(Windows, Jobs,
                         testing::Values(Job{"cancelled_after_page_1", true, 1, false},
                                         Job{"page_refused", false, 0, true}),
                         probe::CaseName());

// ---- Chart and 反推每月定投 --------------------------------------------------------------------

using ReadOuts = CommandsWith<cases::ReadOutCase>;
TEST_P(ReadOuts, FollowThePointerThroughScaleAndMoneyAndSaveAsPng) {
  const cases::ReadOutCase& row = GetParam();
  const Folder folder;
  SaveTo(folder.In(L"chart.png"));
  Run(row.menu, row.texts);
  Send(ResultCommand::ShowChart);
  HWND chart = FindWindowW(belvik::win32::kChartWindowClass, nullptr);
  ASSERT_NE(chart, nullptr);
  belvik::win32::ChartView& view = *belvik::win32::ChartViewOf(chart);
  const auto point = [&view](std::size_t at) {
    const POINT place = view.PositionOf(at);
    SendMessageW(view.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(place.x, place.y));
  };
  const auto readOut = [chart] {
    return belvik::win32::Utf8(belvik::win32::TextOf(GetDlgItem(chart, belvik::win32::chart_ids::kReadOut)));
  };
  const auto click = [chart](int id) { SendMessageW(GetDlgItem(chart, id), BM_CLICK, 0, 0); };
  point(row.point == 0 ? 1 : 0);
  EXPECT_NE(readOut(), row.readOut);
  point(row.point);
  EXPECT_EQ(readOut(), row.readOut);
  click(belvik::win32::chart_ids::kLogarithmic);
  EXPECT_EQ(readOut(), row.readOut);
  HWND today = GetDlgItem(chart, belvik::win32::chart_ids::kTodaysMoney);
  EXPECT_EQ(IsWindowEnabled(today) != FALSE, !row.todaysMoney.empty());
  if (IsWindowEnabled(today)) {
    click(belvik::win32::chart_ids::kTodaysMoney);
    EXPECT_EQ(readOut(), row.todaysMoney);
  }
  click(belvik::win32::chart_ids::kSave);
  EXPECT_EQ(asked, &belvik::design::kPngChart);
  EXPECT_TRUE(Bytes(folder.In(L"chart.png")).starts_with("\x89PNG\r\n\x1a\n"));
  DestroyWindow(chart);
}
INSTANTIATE_TEST_SUITE_P(Shared, ReadOuts, testing::ValuesIn(cases::kReadOuts), probe::CaseName());

using Goals = CommandsWith<cases::GoalCase>;
TEST_P(Goals, AnswerAsTheUserTypesAndFillInThePane) {
  namespace goal = belvik::design::goal_window;
  const cases::GoalCase& row = GetParam();
  Choose(row.menu);
  Fill(row.menu, row.texts);
  if (row.menu == Control::mnuYLJ) Calculate(row.menu);
  Send(ResultCommand::FindMonthlyAmount);
  HWND window = FindWindowW(belvik::win32::kGoalWindowClass, nullptr);
  ASSERT_NE(window, nullptr);
  const auto text = [window](int id) { return belvik::win32::Utf8(belvik::win32::TextOf(GetDlgItem(window, id))); };
  for (std::size_t k = 0; k < goal::kBoxes.size(); ++k) {
    if (goal::SpokenName(goal::kBoxes[k]) == row.box) {
      probe::Press(GetDlgItem(window, belvik::win32::goal_ids::Box(k)), cases::Typed(row.typed));
    }
  }
  EXPECT_EQ(text(belvik::win32::goal_ids::Box(goal::kTarget)), row.target);
  EXPECT_EQ(text(belvik::win32::goal_ids::Box(goal::kYears)), row.years);
  const std::string words = text(belvik::win32::goal_ids::kAnswer);
  EXPECT_TRUE(words.starts_with(row.answer)) << words;
  EXPECT_TRUE(shown.empty());
  HWND fillIn = GetDlgItem(window, belvik::win32::goal_ids::kFillIn);
  const bool answered = words.ends_with("不少于目标" + std::string(row.target) + "元。");
  EXPECT_EQ(IsWindowEnabled(fillIn) != FALSE, answered);
  if (!answered) return DestroyWindow(window), void();

  SendMessageW(fillIn, BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(IsWindowVisible(Get(Control::frmDT)));
  Calculate(Control::mnuDT);
  const std::string result = Utf8(Control::txtJG);
  const std::size_t from = result.find("本利合计") + std::string_view("本利合计").size();
  const std::string value = result.substr(from, result.find("元。", from) - from);
  EXPECT_GE(std::stod(value), std::stod(std::string(row.target))) << result;
  EXPECT_NE(words.find("本利合计" + value + "元"), std::string::npos) << words;
}
INSTANTIATE_TEST_SUITE_P(Shared, Goals, testing::ValuesIn(cases::kGoals), probe::CaseName());

}  // namespace
