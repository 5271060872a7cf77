#pragma once
// One colour channel of a 16- or 32-bit BMP pixel, described by a bit mask
// (for example 0xF800 for the red of a 5-6-5 pixel). Extract scales the
// channel to eight bits: wider channels keep their top bits, narrower ones
// are stretched so that the channel's maximum becomes 255.

#include <bit>
#include <cstdint>
#include <optional>

struct BmpChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;  // bits below the channel
    int Bits = 0;   // width of the channel

    // Nothing when the mask's bits are not contiguous. A zero mask is a
    // channel that is absent; it extracts as 0.
    [[nodiscard]] static constexpr std::optional<BmpChannel> FromMask(std::uint32_t mask)
    {
        if (mask == 0) return BmpChannel{};
        const int shift = std::countr_zero(mask);
        const int bits = std::popcount(mask);
        if (std::countr_one(mask >> shift) != bits) return std::nullopt;
        return BmpChannel{mask, shift, bits};
    }

    [[nodiscard]] constexpr std::uint8_t Extract(std::uint32_t value) const
    {
        if (Bits == 0) return 0;
        const std::uint32_t v = (value & Mask) >> Shift;
        if (Bits >= 8) return std::uint8_t(v >> (Bits - 8));
        const std::uint32_t max = (1u << Bits) - 1;
        return std::uint8_t((v * 255 + max / 2) / max);
    }
};
