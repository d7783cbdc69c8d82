// Test-only writer of the old crunched methods 5, 6 and 7, to make fixtures:
// the fixed 12-bit string table whose codes are table positions, placed by
// the method's hash and the collision rule.
#pragma once

#include <array>

#include "test_data.h"

namespace arc::test {

enum class OldCrunchHash { mid_square, multiplicative };

// The encoder's own model of the table, also used to build damaged data.
class OldCrunchTable {
public:
    static constexpr unsigned size = 4096;

    explicit OldCrunchTable(OldCrunchHash hash);

    int code_of_byte(std::uint8_t c) const { return byte_code_[c]; }
    bool used(unsigned code) const { return slots_[code % size].used; }
    // The code of (predecessor, follower) along the collision chain of its
    // hash slot, or -1.
    int find(int predecessor, std::uint8_t follower) const;
    // The slot that entering (predecessor, follower) would take now.
    unsigned slot_for_next(std::uint16_t predecessor, std::uint8_t follower) const;
    // Enters the string while room is left; its code, or -1.
    int add(int predecessor, std::uint8_t follower);

private:
    struct Slot {
        bool used = false;
        std::uint16_t predecessor = 0;
        std::uint8_t follower = 0;
        std::uint16_t next = 0;
    };

    unsigned hash(std::uint16_t predecessor, std::uint8_t follower) const;
    unsigned chain_end(unsigned slot) const;
    int enter(std::uint16_t predecessor, std::uint8_t follower);

    OldCrunchHash hash_;
    std::array<Slot, size> slots_{};
    std::array<int, 256> byte_code_{};
    unsigned room_ = 0;
};

// The 12-bit codes of `input`, two in three bytes (a lone last code in two).
Bytes old_crunch(const Bytes& input, OldCrunchHash hash);
// Packs codes as above.
Bytes pack_twelve_bit_codes(const std::vector<int>& codes);

// Member data of method 5 (mid-square hash on the bytes), 6 (mid-square on
// repeat-compressed bytes) or 7 (multiplicative on repeat-compressed bytes).
Bytes old_crunch_member(int method, const Bytes& input);

} // namespace arc::test
