// A chart as a PNG picture, made in memory, so that a disk that refuses it fails where the
// user is told why.
#pragma once

#include <string>

#include "chart_view.h"

namespace belvik::win32 {

// The PNG bytes of `chart` drawn as it stands on screen; empty if GDI+ could not encode it.
std::string ChartPng(const ChartView& chart);

}  // namespace belvik::win32
