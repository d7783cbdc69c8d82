#include "string_table_compressor.h"

#include <algorithm>
#include <cstring>

namespace arc::detail {

namespace {

constexpr unsigned clear_code = 256;
constexpr unsigned first_free_code = 257;
constexpr int start_width = 9;

} // namespace

StringTableCompressor::StringTableCompressor(CompressorTables::Tables& tables, Writer& out,
                                             int max_width)
    : packing_(tables.packing), hash_(tables.hash), out_(out), max_width_(max_width),
      limit_(1u << max_width), width_(start_width), largest_((1u << start_width) - 1),
      next_free_(first_free_code)
{
    std::memset(packing_, 0, sizeof tables.packing);
    empty_hash();
}

void StringTableCompressor::empty_hash()
{
    std::fill(std::begin(hash_.key), std::end(hash_.key), StringHash::empty_key);
}

void StringTableCompressor::start(std::uint8_t first)
{
    current_ = first;
}

// The probe starts at current XOR byte * 32 and steps back by 9029 - slot
// (by 1 from slot 0), which visits every slot since 9029 is prime; the table
// never holds more than 8192 - 257 strings, so a free slot ends every probe.
void StringTableCompressor::add(std::uint8_t byte)
{
    const std::uint32_t key = (current_ << 8) | byte;
    int slot = static_cast<int>(current_ ^ (static_cast<unsigned>(byte) << 5));
    const int step = slot == 0 ? 1 : StringHash::slots - slot;
    while (hash_.key[slot] != key) {
        if (hash_.key[slot] == StringHash::empty_key) {
            put_code(current_);
            if (next_free_ < limit_) {
                hash_.key[slot] = key;
                hash_.code[slot] = static_cast<std::uint16_t>(next_free_++);
            } else {
                next_free_ = first_free_code;
                clear_pending_ = true;
                put_code(clear_code);
            }
            current_ = byte;
            return;
        }
        slot -= step;
        if (slot < 0)
            slot += StringHash::slots;
    }
    current_ = hash_.code[slot];
}

// Places the code at the bit offset, least significant bit first. A group is
// eight codes, `width` bytes, and goes out when full; when the width grows or
// the table is cleared, the group is padded to `width` bytes and ended.
void StringTableCompressor::put_code(unsigned code)
{
    const int byte = bit_offset_ >> 3;
    const std::uint32_t bits = static_cast<std::uint32_t>(code) << (bit_offset_ & 7);
    packing_[byte] |= static_cast<std::uint8_t>(bits);
    packing_[byte + 1] |= static_cast<std::uint8_t>(bits >> 8);
    packing_[byte + 2] |= static_cast<std::uint8_t>(bits >> 16);
    bit_offset_ += width_;
    if (bit_offset_ == width_ * 8)
        end_group();
    if (next_free_ > largest_ || clear_pending_) {
        if (bit_offset_ != 0)
            end_group();
        if (clear_pending_) {
            width_ = start_width;
            largest_ = (1u << start_width) - 1;
            clear_pending_ = false;
            empty_hash();
        } else {
            ++width_;
            largest_ = width_ >= max_width_ ? limit_ : (1u << width_) - 1;
        }
    }
}

void StringTableCompressor::end_group()
{
    out_.write(packing_, static_cast<std::size_t>(width_));
    std::memset(packing_, 0, 16);
    bit_offset_ = 0;
}

void StringTableCompressor::finish()
{
    put_code(current_);
    const int bytes = (bit_offset_ + 7) / 8;
    out_.write(packing_, static_cast<std::size_t>(bytes));
    std::memset(packing_, 0, 16);
    bit_offset_ = 0;
}

} // namespace arc::detail
