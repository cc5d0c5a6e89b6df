// Print-out pages as enhanced metafiles, one a page of A4 at a printer's density: what the
// checks read the printed text back from, what the benchmark prints into, and what a picture of
// a printed page is played from.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "page_device.h"

namespace probe {

class EmfPages : public belvik::win32::PageDevice {
 public:
  // `afterPage` hears the number of pages drawn so far after each.
  explicit EmfPages(int dotsPerInch = 600, std::function<void(std::size_t)> afterPage = {});
  ~EmfPages() override;
  EmfPages(const EmfPages&) = delete;
  EmfPages& operator=(const EmfPages&) = delete;

  HDC MeasuringContext() const override { return measuring_; }
  belvik::win32::PageGeometry Geometry() const override;
  bool StartDocument(const std::wstring& title) override;
  HDC StartPage() override;
  bool EndPage() override;
  bool EndDocument() override;
  void Abort() override { aborted = true; }

  // Keeps no page: for timing, where holding thousands would measure memory instead.
  void DropPages() { keep_ = false; }

  std::wstring title;
  bool ended = false;
  bool aborted = false;
  std::size_t drawn = 0;
  std::vector<HENHMETAFILE> pages;

 private:
  void MapLikeThePage(HDC context) const;

  int dotsPerInch_;
  std::function<void(std::size_t)> afterPage_;
  HDC screen_;
  HDC measuring_;
  HDC page_ = nullptr;
  bool keep_ = true;
};

// A device that hands every call on to an EmfPages the test keeps, so that what was drawn can be
// read once the job, which owns its device, is over.
class LentPages : public belvik::win32::PageDevice {
 public:
  explicit LentPages(EmfPages& pages) : pages_(pages) {}
  HDC MeasuringContext() const override { return pages_.MeasuringContext(); }
  belvik::win32::PageGeometry Geometry() const override { return pages_.Geometry(); }
  bool StartDocument(const std::wstring& title) override { return pages_.StartDocument(title); }
  HDC StartPage() override { return pages_.StartPage(); }
  bool EndPage() override { return pages_.EndPage(); }
  bool EndDocument() override { return pages_.EndDocument(); }
  void Abort() override { pages_.Abort(); }

 private:
  EmfPages& pages_;
};

// The text each page draws, line by line from the top, the pieces of a line (its cells) from the
// left joined by one space.
std::vector<std::vector<std::string>> TextOf(const std::vector<HENHMETAFILE>& pages);

}  // namespace probe
