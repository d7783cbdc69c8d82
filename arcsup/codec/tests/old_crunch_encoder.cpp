#include "old_crunch_encoder.h"

#include <array>
#include <memory>

#include "arc/method.h"
#include "codec_helpers.h"

namespace arc::test {

namespace {

constexpr unsigned table_size = OldCrunchTable::size;
constexpr std::uint16_t no_predecessor = 0xFFFF;

class CodePacker {
public:
    explicit CodePacker(Bytes& out) : out_(out) {}
    void put(int code)
    {
        if (!odd_) {
            out_.push_back(static_cast<std::uint8_t>(code >> 4));
            out_.push_back(static_cast<std::uint8_t>((code & 0x0F) << 4));
        } else {
            out_.back() |= static_cast<std::uint8_t>(code >> 8);
            out_.push_back(static_cast<std::uint8_t>(code & 0xFF));
        }
        odd_ = !odd_;
    }

private:
    Bytes& out_;
    bool odd_ = false;
};

} // namespace

OldCrunchTable::OldCrunchTable(OldCrunchHash hash) : hash_(hash)
{
    for (unsigned c = 0; c < 256; ++c)
        byte_code_[c] = enter(no_predecessor, static_cast<std::uint8_t>(c));
    room_ = table_size - 256;
}

int OldCrunchTable::find(int predecessor, std::uint8_t follower) const
{
    unsigned s = hash(static_cast<std::uint16_t>(predecessor), follower);
    while (slots_[s].used) {
        if (slots_[s].predecessor == predecessor && slots_[s].follower == follower)
            return static_cast<int>(s);
        if (slots_[s].next == 0)
            return -1;
        s = slots_[s].next;
    }
    return -1;
}

int OldCrunchTable::add(int predecessor, std::uint8_t follower)
{
    if (room_ == 0)
        return -1;
    --room_;
    return enter(static_cast<std::uint16_t>(predecessor), follower);
}

unsigned OldCrunchTable::hash(std::uint16_t predecessor, std::uint8_t follower) const
{
    const std::uint32_t sum = (predecessor + follower) & 0xFFFFu;
    if (hash_ == OldCrunchHash::multiplicative)
        return (sum * 15073u) % table_size;
    const std::uint32_t key = sum | 0x800u;
    return ((key * key) >> 6) % table_size;
}

unsigned OldCrunchTable::chain_end(unsigned s) const
{
    while (slots_[s].next != 0)
        s = slots_[s].next;
    return s;
}

unsigned OldCrunchTable::slot_for_next(std::uint16_t predecessor, std::uint8_t follower) const
{
    const unsigned s = hash(predecessor, follower);
    if (!slots_[s].used)
        return s;
    unsigned free_slot = (chain_end(s) + 101) % table_size;
    while (slots_[free_slot].used)
        free_slot = (free_slot + 1) % table_size;
    return free_slot;
}

int OldCrunchTable::enter(std::uint16_t predecessor, std::uint8_t follower)
{
    const unsigned home = hash(predecessor, follower);
    const unsigned s = slot_for_next(predecessor, follower);
    if (s != home)
        slots_[chain_end(home)].next = static_cast<std::uint16_t>(s);
    slots_[s] = Slot{true, predecessor, follower, 0};
    return static_cast<int>(s);
}

Bytes old_crunch(const Bytes& input, OldCrunchHash hash)
{
    Bytes out;
    if (input.empty())
        return out;
    auto table = std::make_unique<OldCrunchTable>(hash);
    CodePacker packer(out);
    int current = table->code_of_byte(input[0]);
    for (std::size_t i = 1; i < input.size(); ++i) {
        const std::uint8_t c = input[i];
        const int longer = table->find(current, c);
        if (longer >= 0) {
            current = longer;
            continue;
        }
        packer.put(current);
        (void)table->add(current, c);
        current = table->code_of_byte(c);
    }
    packer.put(current);
    return out;
}

Bytes pack_twelve_bit_codes(const std::vector<int>& codes)
{
    Bytes out;
    CodePacker packer(out);
    for (int code : codes)
        packer.put(code);
    return out;
}

Bytes old_crunch_member(int method, const Bytes& input)
{
    switch (method) {
    case method::crunched_old:
        return old_crunch(input, OldCrunchHash::mid_square);
    case method::crunched_old_packed:
        return old_crunch(encode(method::packed, input), OldCrunchHash::mid_square);
    default:
        return old_crunch(encode(method::packed, input), OldCrunchHash::multiplicative);
    }
}

} // namespace arc::test
