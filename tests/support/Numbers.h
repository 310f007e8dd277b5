// The N numbers of a case-table field written as words separated by blanks, to unpack:
// `const auto [lat, lon] = Numbers<2>(row[0]);`.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

namespace rq::test {

template <std::size_t N>
std::array<double, N> Numbers(const std::string& text) {
    std::istringstream in(text);
    std::array<double, N> numbers{};
    for (double& n : numbers) in >> n;
    EXPECT_TRUE(in && (in >> std::ws).eof()) << "not " << N << " numbers: " << text;
    return numbers;
}

}  // namespace rq::test
