#include "codeplug/memory_image.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tolvan {

MemoryImage::MemoryImage(std::size_t size, std::uint8_t fill) : bytes_(size, fill) {}

void MemoryImage::outOfRange(std::size_t offset, std::size_t length) const
{
    throw std::out_of_range("memory image: offset " + std::to_string(offset) + " length " + std::to_string(length)
                            + " outside " + std::to_string(bytes_.size()) + " bytes");
}

bool MemoryImage::bit(std::size_t offset, int bitNo) const
{
    return (at(offset) >> bitNo) & 1;
}

void MemoryImage::setBit(std::size_t offset, int bitNo, bool on)
{
    const auto mask = static_cast<std::uint8_t>(1u << bitNo);
    set(offset, on ? (at(offset) | mask) : (at(offset) & ~mask));
}

std::span<const std::uint8_t> MemoryImage::bytes(std::size_t offset, std::size_t length) const
{
    check(offset, length);
    return {bytes_.data() + offset, length};
}

std::span<std::uint8_t> MemoryImage::bytes(std::size_t offset, std::size_t length)
{
    check(offset, length);
    return {bytes_.data() + offset, length};
}

void MemoryImage::write(std::size_t offset, std::span<const std::uint8_t> data)
{
    check(offset, data.size());
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

void MemoryImage::fill(std::size_t offset, std::size_t length, std::uint8_t value)
{
    check(offset, length);
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), length, value);
}

} // namespace tolvan
