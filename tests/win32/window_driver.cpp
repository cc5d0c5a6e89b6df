// Drives the real belvik.exe from another process, as other programs and the checks do: by its
// fixed control IDs with WM_COMMAND, WM_SETTEXT and BM_CLICK, reading the result box with
// WM_GETTEXT and message boxes (class #32770) by their static text, closed with IDOK.
//
//   window_driver cases EXE     each case line of standard input (reference_check.py's) through
//                               the window; writes the failure its message names and the result
//                               box's text, as calculator_driver does
//   window_driver refusal EXE   the start-up refusal on a narrow screen: status 0 if shown as
//                               designed and no window opened
//   window_driver starts EXE [CLASS]  milliseconds from start to the first shown window (of
//                               CLASS), which is then closed; status 0 if it ended with 0
//   window_driver pose EXE MENU TEXT...  leaves the window open on a pane, its boxes filled
//                               and its button clicked, for a screenshot
//   window_driver menu EXE MENU TEXT...  the same, then opens the result box's context menu
//                               from the keyboard (Shift+F10), its text selected
//   window_driver command EXE ID MENU TEXT...  the same, then sends the window's command ID
//                               (807 显示图表…, 808 反推每月定投…)
#include <atomic>
#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "belvik/version.h"
#include "binary_streams.h"
#include "case_lines.h"
#include "control_ids.h"
#include "text.h"

namespace {

using belvik::design::Control;
using belvik::win32::ControlId;
using belvik::win32::Utf8;
using belvik::win32::Wide;
using Clock = std::chrono::steady_clock;

struct Program {
  PROCESS_INFORMATION process{};

  explicit Program(const std::string& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + Wide(exe) + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      std::cerr << "cannot start " << exe << "\n";
      std::exit(2);
    }
  }
  ~Program() {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }

  // The shown top-level window of the process, of `className` if given; none within 30 s.
  HWND WaitForWindow(const wchar_t* className) const {
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
      if (HWND found = Find(className)) return found;
      if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    return nullptr;
  }

  HWND Find(const wchar_t* className) const {
    struct Search {
      DWORD id;
      const wchar_t* className;
      HWND found;
    } search{process.dwProcessId, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          wchar_t name[64] = {};
          GetClassNameW(window, name, 64);
          if (owner != s.id || !IsWindowVisible(window) ||
              (s.className && std::wstring_view(name) != s.className)) {
            return TRUE;
          }
          s.found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // Closes `window` and waits for the program's end: its exit status.
  DWORD Close(HWND window) const {
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    return status;
  }
};

std::wstring TextOf(HWND control) {
  const auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

struct MessageShown {
  std::string title;
  std::string prompt;
  bool warning;  // with the exclamation icon
};

// Reads a message box, then presses its OK button.
MessageShown ReadAndClose(HWND dialog) {
  MessageShown box{Utf8(TextOf(dialog)), {}, false};
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (std::wstring_view(name) != L"Static") continue;
    if (GetWindowLongW(child, GWL_STYLE) & SS_ICON) {
      box.warning = box.warning || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    } else if (const std::wstring text = TextOf(child); !text.empty()) {
      box.prompt = Utf8(text);
    }
  }
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  return box;
}

// Clicks `button` as another program would and answers the message box the click shows, if any.
std::optional<MessageShown> Click(const Program& program, HWND button) {
  std::atomic<bool> clicked = false;
  std::thread click([button, &clicked] {
    SendMessageW(button, BM_CLICK, 0, 0);
    clicked = true;
  });
  std::optional<MessageShown> shown;
  while (!clicked) {
    if (HWND dialog = shown ? nullptr : program.Find(L"#32770")) shown = ReadAndClose(dialog);
    Sleep(1);
  }
  click.join();
  return shown;
}

// The failure whose message `box` shows as designed; 99 for any other box.
int FailureOf(const MessageShown& box) {
  using belvik::Failure;
  for (const Failure failure : {Failure::EmptyInput, Failure::FloatingPoint, Failure::TypeMismatch,
                                Failure::Overflow, Failure::YearsCap}) {
    const belvik::design::Message message = *belvik::design::MessageFor(failure);
    if (box.prompt == message.prompt && box.title == belvik::design::kMessageTitle &&
        box.warning == (message.style == belvik::design::kWarningMessage)) {
      return static_cast<int>(failure);
    }
  }
  return 99;
}

void Choose(HWND window, const belvik::design::PaneDescription& pane,
            const std::vector<std::string>& texts) {
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId(pane.menu), 0), 0);
  for (std::size_t k = 0; k < pane.boxes().size() && k < texts.size(); ++k) {
    SendMessageW(GetDlgItem(window, ControlId(pane.boxes()[k].box)), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(Wide(texts[k]).c_str()));
  }
}

int RunCases(const std::string& exe) {
  const Program program(exe);
  HWND window = program.WaitForWindow(L"frmbelvik");
  if (!window) return 2;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::vector<std::string> fields = SplitTabs(line);
    const belvik::design::PaneDescription& pane = belvik::design::PaneOf(CalculatorOf(fields[0]));
    Choose(window, pane, {fields.begin() + 1, fields.end()});
    const std::optional<MessageShown> shown =
        Click(program, GetDlgItem(window, ControlId(pane.button)));
    std::cout << Answer(shown ? FailureOf(*shown) : 0,
                        Utf8(TextOf(GetDlgItem(window, ControlId(Control::txtJG)))));
  }
  return static_cast<int>(program.Close(window));
}

int Refusal(const std::string& exe) {
  const Program program(exe);
  HWND dialog = program.WaitForWindow(L"#32770");
  if (!dialog) return 2;
  const bool windowShown = program.Find(L"frmbelvik") != nullptr;
  const MessageShown box = ReadAndClose(dialog);
  WaitForSingleObject(program.process.hProcess, 30000);
  DWORD status = 1;
  GetExitCodeProcess(program.process.hProcess, &status);
  const belvik::design::Message& refusal = belvik::design::kNarrowScreenRefusal;
  const bool designed = box.prompt == refusal.prompt &&
                        box.title == belvik::version::kProductName && box.warning && !windowShown &&
                        status == 0;
  std::cout << "refusal \"" << box.prompt << "\" titled \"" << box.title << "\", "
            << (box.warning ? "with" : "without") << " the warning icon; window "
            << (windowShown ? "shown" : "not shown") << "; exit status " << status << ": "
            << (designed ? "as designed" : "NOT as designed") << "\n";
  return designed ? 0 : 1;
}

int Starts(const std::string& exe, const wchar_t* className) {
  const auto start = Clock::now();
  const Program program(exe);
  HWND window = program.WaitForWindow(className);
  if (!window) return 2;
  std::cout << std::chrono::duration<double, std::milli>(Clock::now() - start).count() << "\n";
  return static_cast<int>(program.Close(window));
}

// What to do once the pane is filled and calculated.
enum class Then { Nothing, OpenMenu, Command };

int Pose(const std::string& exe, const std::string& menu, const std::vector<std::string>& texts,
         Then then = Then::Nothing, int command = 0) {
  const Program program(exe);
  HWND window = program.WaitForWindow(L"frmbelvik");
  if (!window) return 2;
  for (const belvik::design::PaneDescription& pane : belvik::design::kPanes) {
    if (belvik::design::RowOf(pane.menu).name != menu) continue;
    Choose(window, pane, texts);
    if (!texts.empty()) Click(program, GetDlgItem(window, ControlId(pane.button)));
  }
  HWND result = GetDlgItem(window, ControlId(Control::txtJG));
  switch (then) {
    case Then::OpenMenu:
      // Posted: the menu runs its own loop in the program until it is closed.
      SendMessageW(result, EM_SETSEL, 0, -1);
      PostMessageW(result, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(result), -1);
      break;
    case Then::Command:
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
      break;
    case Then::Nothing:
      break;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  UseBinaryStandardStreams();
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "cases") return RunCases(args[1]);
  if (args.size() >= 2 && args[0] == "refusal") return Refusal(args[1]);
  if (args.size() >= 2 && args[0] == "starts") {
    const std::wstring className = args.size() > 2 ? Wide(args[2]) : std::wstring();
    return Starts(args[1], args.size() > 2 ? className.c_str() : nullptr);
  }
  if (args.size() >= 3 && args[0] == "pose") {
    return Pose(args[1], args[2], {args.begin() + 3, args.end()});
  }
  if (args.size() >= 3 && args[0] == "menu") {
    return Pose(args[1], args[2], {args.begin() + 3, args.end()}, Then::OpenMenu);
  }
  if (args.size() >= 4 && args[0] == "command") {
    return Pose(args[1], args[3], {args.begin() + 4, args.end()}, Then::Command,
                std::stoi(args[2]));
  }
  std::cerr << "usage: window_driver cases|refusal|starts|pose|menu|command EXE ...\n";
  return 2;
}
