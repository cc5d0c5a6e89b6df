// Names a parameterised test after its table row, so a failure says which case broke.
#pragma once

#include <gtest/gtest.h>

#include <string>

struct RowName {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};
