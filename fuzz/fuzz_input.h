#pragma once

// The first bytes of a fuzz input choose what the rest is tried with, so one
// input does one round trip and the fuzzer spends its time on the bytes.

#include "editions/edition.h"

#include <cstddef>
#include <cstdint>

namespace tolvan {

struct FuzzInput {
    const Edition* edition;
    Language language;
    const std::uint8_t* data;
    std::size_t size;
};

// Byte 0: the edition (modulo the ten); byte 1, lowest bit: the language.
inline FuzzInput takeEditionAndLanguage(const std::uint8_t* data, std::size_t size)
{
    const auto& editions = allEditions();
    FuzzInput in{editions[size > 0 ? data[0] % editions.size() : 0],
                 size > 1 && (data[1] & 1) ? Language::Chinese : Language::English, data, size};
    const std::size_t used = size < 2 ? size : 2;
    in.data += used;
    in.size -= used;
    return in;
}

} // namespace tolvan
