#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tolvan {

// The radio's programmable memory, byte for byte. Byte n is radio address n and
// .sin file offset n. Every access is range-checked: an offset outside the image
// is a programming error and throws std::out_of_range instead of corrupting memory.
class MemoryImage {
public:
    static constexpr std::uint8_t kErased = 0xFF;

    explicit MemoryImage(std::size_t size = 0, std::uint8_t fill = kErased);

    std::size_t size() const { return bytes_.size(); }

    // Inline: the table and the comparison touch every byte of an image this way.
    std::uint8_t at(std::size_t offset) const
    {
        if (offset >= bytes_.size())
            outOfRange(offset, 1);
        return bytes_[offset];
    }
    void set(std::size_t offset, std::uint8_t value)
    {
        if (offset >= bytes_.size())
            outOfRange(offset, 1);
        bytes_[offset] = value;
    }

    // Bit helpers for flag bytes: only the named bit changes.
    bool bit(std::size_t offset, int bitNo) const;
    void setBit(std::size_t offset, int bitNo, bool on);

    std::span<const std::uint8_t> bytes(std::size_t offset, std::size_t length) const;
    std::span<std::uint8_t> bytes(std::size_t offset, std::size_t length);
    void write(std::size_t offset, std::span<const std::uint8_t> data);
    void fill(std::size_t offset, std::size_t length, std::uint8_t value);

    const std::vector<std::uint8_t>& raw() const { return bytes_; }

    bool operator==(const MemoryImage&) const = default;

private:
    void check(std::size_t offset, std::size_t length) const
    {
        if (offset > bytes_.size() || length > bytes_.size() - offset)
            outOfRange(offset, length);
    }
    [[noreturn]] void outOfRange(std::size_t offset, std::size_t length) const;

    std::vector<std::uint8_t> bytes_;
};

} // namespace tolvan
