// The fixed 12-bit string table of the old crunched methods 5, 6 and 7, where
// a code is the position of its entry and positions come from a hash.
#pragma once

#include <cstdint>

#include "string_history.h"

namespace arc::detail {

enum class OldHash {
    mid_square,   // methods 5 and 6
    multiplicative,  // method 7
};

class OldStringTable {
public:
    static constexpr int size = 4096;
    static constexpr std::uint16_t none = 0xFFFF;
    static constexpr int stack_size = 4095;

    struct Entry {
        std::uint16_t predecessor;
        std::uint16_t next;    // collision chain; 0 ends it
        std::uint16_t length;  // of the entry's string, saturating
        std::uint8_t follower;
        std::uint8_t used;
    };

    // Empties the table and enters the 256 single bytes; 3840 entries remain.
    void start(OldHash hash);
    // Enters (predecessor, follower) when entries remain and returns its
    // slot, else -1.
    int enter_if_room(std::uint16_t predecessor, std::uint8_t follower)
    {
        if (remaining_ == 0)
            return -1;
        --remaining_;
        return static_cast<int>(enter(predecessor, follower));
    }
    bool full() const { return remaining_ == 0; }
    const Entry& operator[](unsigned code) const { return entries_[code & (size - 1)]; }

    std::uint8_t* stack() { return stack_; }
    // Where the decoder wrote the string of an entry out before.
    std::uint64_t& position(unsigned code) { return positions_[code & (size - 1)]; }

private:
    unsigned enter(std::uint16_t predecessor, std::uint8_t follower);
    unsigned slot_for(std::uint16_t predecessor, std::uint8_t follower) const;

    Entry entries_[size];
    std::uint64_t positions_[size];
    std::uint8_t stack_[stack_size + StringHistory::slack];
    OldHash hash_ = OldHash::mid_square;
    int remaining_ = 0;
};

} // namespace arc::detail
