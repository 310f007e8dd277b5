#include <gtest/gtest.h>

#include "platform/OsVersion.h"

using namespace rq::platform;

TEST(OsVersion, ReportsFiveUnlessATestInjectsAnother) {
    ASSERT_TRUE(GetOsVersion().has_value());
    EXPECT_EQ(GetOsVersion()->major, 5u);
    EXPECT_EQ(GetOsVersion()->minor, 0u);
    InjectOsVersion(std::optional<OsVersion>(OsVersion{4, 2}));
    EXPECT_EQ(GetOsVersion()->major, 4u);
    EXPECT_EQ(GetOsVersion()->minor, 2u);
    InjectOsVersion(std::optional<OsVersion>());
    EXPECT_FALSE(GetOsVersion().has_value()) << "a failing query";
    InjectOsVersion(std::nullopt);
    EXPECT_EQ(GetOsVersion()->major, 5u);
}
