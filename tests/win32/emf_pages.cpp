#include "emf_pages.h"

#include <algorithm>
#include <map>
#include <utility>

#include "text.h"

namespace probe {
namespace {

// A4 in hundredths of a millimetre, a metafile's frame unit.
constexpr int kWidth = 21000;
constexpr int kHeight = 29700;

}  // namespace

EmfPages::EmfPages(int dotsPerInch, std::function<void(std::size_t)> afterPage)
    : dotsPerInch_(dotsPerInch),
      afterPage_(std::move(afterPage)),
      screen_(GetDC(nullptr)),
      measuring_(CreateCompatibleDC(screen_)) {
  MapLikeThePage(measuring_);
}

EmfPages::~EmfPages() {
  for (HENHMETAFILE page : pages) DeleteEnhMetaFile(page);
  DeleteDC(measuring_);
  ReleaseDC(nullptr, screen_);
}

belvik::win32::PageGeometry EmfPages::Geometry() const {
  return {{0, 0, MulDiv(kWidth, dotsPerInch_, 2540), MulDiv(kHeight, dotsPerInch_, 2540)},
          dotsPerInch_,
          dotsPerInch_};
}

// Logical units of the page's density on the screen's pixels, which a metafile records in.
void EmfPages::MapLikeThePage(HDC context) const {
  const RECT paper = Geometry().paper;
  SetMapMode(context, MM_ANISOTROPIC);
  SetWindowExtEx(context, paper.right, paper.bottom, nullptr);
  SetViewportExtEx(
      context,
      MulDiv(kWidth, GetDeviceCaps(screen_, HORZRES), 100 * GetDeviceCaps(screen_, HORZSIZE)),
      MulDiv(kHeight, GetDeviceCaps(screen_, VERTRES), 100 * GetDeviceCaps(screen_, VERTSIZE)),
      nullptr);
}

bool EmfPages::StartDocument(const std::wstring& documentTitle) {
  title = documentTitle;
  return true;
}

HDC EmfPages::StartPage() {
  const RECT frame{0, 0, kWidth, kHeight};
  page_ = CreateEnhMetaFileW(screen_, nullptr, &frame, nullptr);
  if (page_) MapLikeThePage(page_);
  return page_;
}

bool EmfPages::EndPage() {
  HENHMETAFILE page = CloseEnhMetaFile(page_);
  if (keep_) {
    pages.push_back(page);
  } else {
    DeleteEnhMetaFile(page);
  }
  ++drawn;
  if (afterPage_) afterPage_(drawn);
  return page != nullptr;
}

bool EmfPages::EndDocument() {
  ended = true;
  return true;
}

std::vector<std::vector<std::string>> TextOf(const std::vector<HENHMETAFILE>& pages) {
  std::vector<std::vector<std::string>> text;
  for (HENHMETAFILE page : pages) {
    // Each drawn string by its reference point's height, then across.
    std::map<LONG, std::map<LONG, std::wstring>> pieces;
    EnumEnhMetaFile(
        nullptr, page,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) -> int {
          if (record->iType != EMR_EXTTEXTOUTW) return 1;
          const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
          const auto* chars = reinterpret_cast<const wchar_t*>(
              reinterpret_cast<const BYTE*>(record) + out->emrtext.offString);
          (*reinterpret_cast<std::map<LONG, std::map<LONG, std::wstring>>*>(
              data))[out->emrtext.ptlReference.y][out->emrtext.ptlReference.x] =
              std::wstring(chars, out->emrtext.nChars);
          return 1;
        },
        &pieces, nullptr);
    std::vector<std::string>& lines = text.emplace_back();
    for (const auto& [y, line] : pieces) {
      std::wstring joined;
      for (const auto& [x, piece] : line) {
        if (piece.empty()) continue;
        joined += (joined.empty() ? L"" : L" ") + piece;
      }
      if (!joined.empty()) lines.push_back(belvik::win32::Utf8(joined));
    }
  }
  return text;
}

}  // namespace probe
