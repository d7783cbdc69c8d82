#include "old_string_table.h"

#include <cstring>

namespace arc::detail {

namespace {

constexpr unsigned slot_mask = OldStringTable::size - 1;
constexpr unsigned collision_skip = 101;

} // namespace

// Mid-square rule: key = (predecessor + follower) mod 65536 with bit 0x800
// set, slot = bits 6..17 of key squared. Multiplicative rule: the low 12
// bits of (predecessor + follower) * 15073, "none" counting as -1 (which
// 0xFFFF does modulo 4096).
unsigned OldStringTable::slot_for(std::uint16_t predecessor, std::uint8_t follower) const
{
    const std::uint32_t sum = (static_cast<std::uint32_t>(predecessor) + follower) & 0xFFFF;
    if (hash_ == OldHash::mid_square) {
        const std::uint32_t key = sum | 0x800;
        return ((key * key) >> 6) & slot_mask;
    }
    return (sum * 15073u) & slot_mask;
}

// A taken slot sends the entry to the first free slot from 101 past the end
// of the slot's collision chain, linked as the chain's new end. A free slot
// always exists: at most 4096 entries are ever entered. The chain walk is
// bounded as well; chains are acyclic, the bound only guards that.
unsigned OldStringTable::enter(std::uint16_t predecessor, std::uint8_t follower)
{
    unsigned slot = slot_for(predecessor, follower);
    if (entries_[slot].used) {
        unsigned last = slot;
        for (int steps = 0; entries_[last].next != 0 && steps < size; ++steps)
            last = entries_[last].next;
        unsigned probe = (last + collision_skip) & slot_mask;
        for (int steps = 0; entries_[probe].used && steps < size; ++steps)
            probe = (probe + 1) & slot_mask;
        entries_[last].next = static_cast<std::uint16_t>(probe);
        slot = probe;
    }
    const unsigned length = predecessor == none ? 1u : (*this)[predecessor].length + 1u;
    entries_[slot] = Entry{predecessor, 0, static_cast<std::uint16_t>(length < 0xFFFF ? length : 0xFFFF),
                           follower, 1};
    return slot;
}

void OldStringTable::start(OldHash hash)
{
    hash_ = hash;
    for (Entry& e : entries_)
        e = Entry{none, 0, 1, 0, 0};
    for (std::uint64_t& p : positions_)
        p = 0;
    for (unsigned byte = 0; byte < 256; ++byte)
        enter(none, static_cast<std::uint8_t>(byte));
    remaining_ = size - 256;
}

} // namespace arc::detail
