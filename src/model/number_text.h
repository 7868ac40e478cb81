#pragma once
// Decimal numbers of config lines: conversion to the 32-bit value the reader works with, and the
// 8-bit reduction of the level fields.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace zel::model {

// A number of a config line that is not a signed 32-bit decimal value. The line reader catches
// it and reports the line as not parsed.
class NumberError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decimal value of `text`: digits with an optional leading "-". Nothing for any other text and
// for a value outside the signed 32-bit range, however many digits it has.
std::optional<int32_t> parseInt32(std::string_view text);

// parseInt32(), throwing NumberError where it gives nothing.
int32_t toInt32(std::string_view text);

// The low 8 bits of `value`, read as a signed value (200 gives -56).
constexpr int8_t lowByte(int64_t value)
{
    return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint64_t>(value) & 0xFFu));
}

} // namespace zel::model
