// Conversion of numbers from config lines, and the 8-bit reduction of levels.

#include "model/number_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace zel::model {
namespace {

TEST(NumberText, ConvertsExactlyTheSigned32BitRange)
{
    struct Case {
        std::string text;
        std::optional<int32_t> value; // nothing: parseInt32 gives nothing, toInt32 throws
    };
    const std::vector<Case> cases = {
        {"0", 0},
        {"-0", 0},
        {"42", 42},
        {"-12", -12},
        {"0000000000000000000000000000000000000000000000000042", 42},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {std::string(60, '9'), std::nullopt},
        {"-" + std::string(60, '9'), std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+5", std::nullopt},
        {"1a", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseInt32(c.text), c.value);
        if (c.value)
            EXPECT_EQ(toInt32(c.text), *c.value);
        else
            EXPECT_THROW(toInt32(c.text), NumberError);
    }
}

TEST(NumberText, LowByteKeepsTheLowEightBitsAsSigned)
{
    const std::vector<std::pair<int64_t, int8_t>> cases = {
        {0, 0},   {127, 127}, {128, -128}, {200, -56},        {255, -1},
        {256, 0}, {-12, -12}, {-129, 127}, {2147483648LL, 0}, {-2147483647LL, 1},
    };
    for (const auto& [value, low] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(lowByte(value), low);
    }
}

} // namespace
} // namespace zel::model
