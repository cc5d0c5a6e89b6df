// A colour of the print-outs and the charts: red, green and blue, each 0 to 255.
#pragma once

namespace belvik {

struct Rgb {
  int red;
  int green;
  int blue;
};

}  // namespace belvik
