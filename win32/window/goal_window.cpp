#include "goal_window.h"

#include <commctrl.h>

#include <array>
#include <memory>
#include <utility>

#include "belvik/goal_window.h"
#include "control_ids.h"
#include "controls.h"
#include "fonts.h"
#include "hints.h"
#include "keystroke_filter.h"
#include "screen_reader_names.h"
#include "text.h"
#include "window_class.h"

namespace belvik::win32 {
namespace {

namespace goal = design::goal_window;

// A fixed frame: every control has its place in twips.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

class GoalWindow {
 public:
  GoalWindow(HWND owner, goal::Start start, FillInFn fillIn)
      : form_(std::move(start)), fillIn_(std::move(fillIn)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterOwnedWindowClass(kGoalWindowClass, Procedure, owner);

    CreateWindowExW(0, kGoalWindowClass, Wide(goal::kTitle).c_str(), kStyle, 0, 0, 0, 0, owner,
                    nullptr, instance, this);
    dpi_ = GetDpiForWindow(window_);
    fonts_ = std::make_unique<WindowFonts>(dpi_);
    createControls(instance);
    layOut();
    centreOver(owner);
    for (std::size_t k = 0; k < goal::kBoxes.size(); ++k) {
      if (boxes_[k]) SetText(boxes_[k], form_.StartText(k));
    }
    if (form_.route() == goal::Route::Pension) showTargets(false);
    ready_ = true;
    answer();
    ShowWindow(window_, SW_SHOW);
    SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE));
  }

  HWND handle() const { return window_; }

 private:
  float twipsPerPixel() const { return design::TwipsPerPixel(static_cast<float>(dpi_)); }

  HWND create(const wchar_t* windowClass, DWORD style, DWORD extendedStyle, int id,
              HINSTANCE instance) const {
    HWND made = CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0,
                                0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                instance, nullptr);
    return made;
  }

  // In tab order, each box straight after the label that names it; the pension's targets after
  // the first box.
  void createControls(HINSTANCE instance) {
    const Hints hints(window_);
    for (std::size_t k = 0; k < goal::kBoxes.size(); ++k) {
      const goal::Box& row = goal::kBoxes[k];
      if (!form_.Shows(row)) continue;
      labels_[k] = create(WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, -1, instance);
      SetText(labels_[k], row.caption);
      boxes_[k] = create(WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE,
                         goal_ids::Box(k), instance);
      FilterKeystrokes(boxes_[k], row.rule);
      names_.Name(boxes_[k], goal::SpokenName(row));
      hints.Add(boxes_[k], row.hint);
      if (k == goal::kRetiredReturn) {
        total_ = create(WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0,
                        goal_ids::kTotalTarget, instance);
        discounted_ =
            create(WC_BUTTONW, BS_AUTORADIOBUTTON, 0, goal_ids::kDiscountedTarget, instance);
        hints.Add(total_, goal::kTotalTarget.hint);
        hints.Add(discounted_, goal::kDiscountedTarget.hint);
      }
    }
    answer_ = create(WC_EDITW, ES_MULTILINE | ES_READONLY | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE,
                     goal_ids::kAnswer, instance);
    names_.Name(answer_, goal::kAnswerName);
    fillInButton_ = create(WC_BUTTONW, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0,
                           goal_ids::kFillIn, instance);
    SetText(fillInButton_, goal::kFillIn);
  }

  void place(HWND control, const design::TwipsRect& rect) const {
    const design::PixelRect at =
        design::RoundToPixels(goal::Placed(rect, form_.route()), twipsPerPixel());
    SetWindowPos(control, nullptr, at.left, at.top, at.width, at.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  // Every control where the design puts it at the window's density, in its font.
  void layOut() {
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->interfaceFont()), FALSE);
    }
    const design::TwipsSize client = goal::ClientSize(form_.route());
    RECT outer{0, 0, design::RoundToPixels(client.width, twipsPerPixel()),
               design::RoundToPixels(client.height, twipsPerPixel())};
    AdjustWindowRectExForDpi(&outer, kStyle, FALSE, 0, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t k = 0; k < goal::kBoxes.size(); ++k) {
      if (!boxes_[k]) continue;
      place(boxes_[k], goal::kBoxes[k].rect);
      place(labels_[k], goal::LabelRect(goal::kBoxes[k]));
      FitToText(labels_[k]);
    }
    if (total_) {
      place(total_, goal::kTotalTarget.rect);
      place(discounted_, goal::kDiscountedTarget.rect);
    }
    place(answer_, goal::kAnswerRect);
    const int margin = MulDiv(4, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    SendMessageW(answer_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(margin, margin));
    place(fillInButton_, goal::kFillInRect);
    InvalidateRect(window_, nullptr, TRUE);
  }

  void centreOver(HWND owner) const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    const POINT at = CentredOver(owner, outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  goal::BoxTexts texts() const {
    goal::BoxTexts all;
    for (std::size_t k = 0; k < all.size(); ++k) {
      if (boxes_[k]) all[k] = Utf8(TextOf(boxes_[k]));
    }
    return all;
  }

  bool Checked(HWND button) const { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  void Check(HWND chosen) const {
    SendMessageW(total_, BM_SETCHECK, chosen == total_ ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(discounted_, BM_SETCHECK, chosen == discounted_ ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  // The two targets of the pension result; typing a return after retirement means the
  // discounted one, which is chosen as soon as it can be worked out.
  void showTargets(bool chooseDiscounted) {
    const goal::TargetChoices choices =
        form_.WorkOutTargets(Utf8(TextOf(boxes_[goal::kRetiredReturn])));
    SetText(total_, choices.total);
    SetText(discounted_, choices.discounted);
    EnableWindow(discounted_, choices.discountedAvailable);
    if (choices.discountedAvailable && chooseDiscounted) Check(discounted_);
    if (!choices.discountedAvailable) Check(total_);
    useChosenTarget();
  }

  void useChosenTarget() { SetText(boxes_[goal::kTarget], form_.TargetText(Checked(discounted_))); }

  void answer() {
    SetText(answer_, form_.Answer(texts()));
    EnableWindow(fillInButton_, form_.Answered());
  }

  void fillIn() {
    if (!form_.Answered()) return;
    fillIn_(form_.FillInTexts(texts()));
    DestroyWindow(window_);
  }

  bool command(int id, int notification) {
    if (id == goal_ids::Box(goal::kRetiredReturn) && notification == EN_CHANGE) {
      if (ready_) showTargets(true);
      return true;
    }
    if (id >= goal_ids::Box(0) && id < goal_ids::Box(goal::kBoxes.size()) &&
        notification == EN_CHANGE) {
      if (ready_) answer();
      return true;
    }
    switch (id) {
      case goal_ids::kTotalTarget:
      case goal_ids::kDiscountedTarget:
        if (notification == BN_CLICKED) useChosenTarget();
        return true;
      case goal_ids::kFillIn:
      case IDOK:  // Enter
        fillIn();
        return true;
      case IDCANCEL:  // Esc
        DestroyWindow(window_);
        return true;
      default:
        return false;
    }
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = ObjectOf(window, message, lParam, &GoalWindow::window_);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
      case WM_COMMAND:
        if (self->command(LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
      case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        self->dpi_ = LOWORD(wParam);
        self->fonts_ = std::make_unique<WindowFonts>(self->dpi_);
        SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        self->layOut();
        return 0;
      }
      case WM_NCDESTROY:
        delete self;
        return DefWindowProcW(window, message, wParam, lParam);
      default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  goal::Form form_;
  const FillInFn fillIn_;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::unique_ptr<WindowFonts> fonts_;
  ScreenReaderNames names_;
  std::array<HWND, goal::kBoxes.size()> labels_{};
  std::array<HWND, goal::kBoxes.size()> boxes_{};
  HWND total_ = nullptr;
  HWND discounted_ = nullptr;
  HWND answer_ = nullptr;
  HWND fillInButton_ = nullptr;
  bool ready_ = false;  // every box holds its first text
};

}  // namespace

HWND ShowGoalWindow(HWND owner, goal::Start start, FillInFn fillIn) {
  // The window deletes itself once destroyed.
  return (new GoalWindow(owner, std::move(start), std::move(fillIn)))->handle();
}

}  // namespace belvik::win32
