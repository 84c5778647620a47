// Names each parameterised test after the `name` field of its case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& test) const {
        return test.param.name;
    }
};

}  // namespace testing_support
