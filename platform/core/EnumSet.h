#pragma once
// A set of values of an enumeration, held as bits (bit n for ordinal n), as
// the classic `set of` types. Published set properties use this type.

#include <cstdint>
#include <initializer_list>

template <class E>
class TEnumSet {
public:
    using Element = E;

    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> elements)
    {
        for (E e : elements) Include(e);
    }
    [[nodiscard]] static constexpr TEnumSet FromBits(std::uint64_t bits)
    {
        TEnumSet set;
        set.m_bits = bits;
        return set;
    }

    [[nodiscard]] constexpr std::uint64_t Bits() const { return m_bits; }
    [[nodiscard]] constexpr bool Empty() const { return m_bits == 0; }
    [[nodiscard]] constexpr bool Contains(E e) const { return (m_bits & Bit(e)) != 0; }
    constexpr TEnumSet& Include(E e)
    {
        m_bits |= Bit(e);
        return *this;
    }
    constexpr TEnumSet& Exclude(E e)
    {
        m_bits &= ~Bit(e);
        return *this;
    }
    constexpr bool operator==(const TEnumSet&) const = default;

private:
    static constexpr std::uint64_t Bit(E e) { return std::uint64_t(1) << unsigned(e); }

    std::uint64_t m_bits = 0;
};
