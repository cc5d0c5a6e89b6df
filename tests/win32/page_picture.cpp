// The first printed page of a result as a PNG picture, for the README: the pane named by its
// menu command (mnuDT and so on) calculates the given texts, the print-out is drawn into an
// enhanced metafile as on a printer, and the page is played onto a bitmap of A4 at 96 dpi.
// Usage: page_picture OUT.png MENU TEXT...
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "belvik/shown_result.h"
#include "emf_pages.h"
#include "gdiplus_session.h"
#include "result_print.h"
#include "text.h"

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 3) return 2;
  const std::string menu = belvik::win32::Utf8(argv[2]);
  std::vector<std::string> texts;
  for (int k = 3; k < argc; ++k) texts.push_back(belvik::win32::Utf8(argv[k]));
  const belvik::win32::GdiplusSession gdiplus;
  for (const belvik::design::PaneDescription& pane : belvik::design::kPanes) {
    if (belvik::design::RowOf(pane.menu).name != menu) continue;
    const belvik::design::ShownResult shown{belvik::Calculate(pane.calculator, texts), "4"};
    probe::EmfPages pages;
    belvik::win32::PrintResult(
        nullptr, shown,
        [&pages](HWND) {
          return std::unique_ptr<belvik::win32::PageDevice>(new probe::LentPages(pages));
        },
        [](HWND, std::string_view, int, std::string_view) {});
    if (pages.pages.empty()) return 1;
    const RECT page{0, 0, 794, 1123};
    Gdiplus::Bitmap picture(page.right, page.bottom, PixelFormat24bppRGB);
    {
      Gdiplus::Graphics graphics(&picture);
      graphics.Clear(Gdiplus::Color(255, 255, 255));
      HDC context = graphics.GetHDC();
      PlayEnhMetaFile(context, pages.pages.front(), &page);
      graphics.ReleaseHDC(context);
    }
    const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    return picture.Save(argv[1], &png, nullptr) == Gdiplus::Ok ? 0 : 1;
  }
  return 2;
}
