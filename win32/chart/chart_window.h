// The result as a picture: a window of its own with the chart, the read-out of the year chosen,
// 对数刻度, 按今天的钱 and 保存图表… (PNG).
#pragma once

#include "belvik/shown_result.h"
#include "chart_view.h"
#include "message_box.h"
#include "saving.h"
#include "windows_api.h"

namespace belvik::win32 {

inline constexpr wchar_t kChartWindowClass[] = L"BelvikChartWindow";

// Opens a chart window of the result over `owner`: modeless, closed with its owner at the
// latest; Esc closes it. Saving the chart asks `chooseFile` where and tells failures through
// `messageBox`. Returns the window.
HWND ShowChart(HWND owner, const design::ShownResult& shown, FileChooserFn chooseFile,
               MessageBoxFn messageBox);

// The chart drawn in a window ShowChart opened.
ChartView* ChartViewOf(HWND chartWindow);

}  // namespace belvik::win32
