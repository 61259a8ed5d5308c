#pragma once

#include <gtest/gtest.h>

#include <string>

namespace corvix::testing {

// Names a parameterised case after its `name` field.
struct CaseName {
    template<typename P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const
    {
        return info.param.name;
    }
};

} // namespace corvix::testing
