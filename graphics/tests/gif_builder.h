#pragma once
// Building GIF files for the tests: screen, colour tables, extensions and
// images whose pixels are coded by a real LZW encoder, or raw codes for the
// cases an encoder never writes.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "test_files.h"

namespace gif_test {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r, g, b;
};

// Codes packed least significant bit first, with their widths.
class CodeWriter {
public:
    void put(unsigned code, unsigned width) {
        bits_ |= static_cast<std::uint64_t>(code) << held_;
        held_ += width;
        while (held_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(bits_));
            bits_ >>= 8;
            held_ -= 8;
        }
    }
    Bytes finish() {
        if (held_) bytes_.push_back(static_cast<std::uint8_t>(bits_));
        held_ = 0;
        bits_ = 0;
        return std::move(bytes_);
    }

private:
    Bytes bytes_;
    std::uint64_t bits_ = 0;
    unsigned held_ = 0;
};

// An LZW encoder that follows the reader's code widths exactly. With
// `clear_when_full` false the table, once full, stays as it is and the
// codes stay 12 bits wide.
inline Bytes lzw_encode(const Bytes& pixels, unsigned min_code_size, bool clear_when_full = true) {
    const unsigned clear = 1u << min_code_size;
    CodeWriter out;
    std::map<std::pair<unsigned, std::uint8_t>, unsigned> table;
    unsigned next = clear + 2;                       // the encoder's next entry
    unsigned reader_next = clear + 2, width = min_code_size + 1;  // the reader's view
    bool first = true;
    auto emit = [&](unsigned code) {
        out.put(code, width);
        if (code == clear) {
            reader_next = clear + 2;
            width = min_code_size + 1;
            first = true;
            return;
        }
        if (first) {
            first = false;
            return;
        }
        if (reader_next < 4096 && ++reader_next >= (1u << width) && width < 12) ++width;
    };
    emit(clear);
    if (pixels.empty()) {
        emit(clear + 1);
        return out.finish();
    }
    unsigned w = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        std::uint8_t c = pixels[i];
        auto found = table.find({w, c});
        if (found != table.end()) {
            w = found->second;
            continue;
        }
        emit(w);
        if (next < 4096) table[{w, c}] = next++;
        if (next == 4096 && clear_when_full) {
            emit(clear);
            table.clear();
            next = clear + 2;
        }
        w = c;
    }
    emit(w);
    emit(clear + 1);
    return out.finish();
}

// Data bytes as sub-blocks of up to `block` bytes, with the terminator.
inline Bytes sub_blocks(const Bytes& data, std::size_t block = 255) {
    Bytes out;
    for (std::size_t at = 0; at < data.size(); at += block) {
        std::size_t n = std::min(block, data.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);
    return out;
}

// Size bits of a packed byte for a table of `entries` (2 to 256).
inline unsigned size_bits(std::size_t entries) {
    unsigned bits = 0;
    while ((2u << bits) < entries) ++bits;
    return bits;
}

// A table padded to its power of two with its first colour, which adds no
// colour of its own.
inline void put_table(Bytes& out, const std::vector<Rgb>& table) {
    std::size_t entries = 2u << size_bits(table.size());
    for (std::size_t i = 0; i < entries; ++i) {
        Rgb c = i < table.size() ? table[i] : table[0];
        out.insert(out.end(), {c.r, c.g, c.b});
    }
}

struct Image {
    unsigned left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    std::vector<Rgb> local;  // empty: none
    Bytes pixels;            // in the order they are coded
    unsigned min_code_size = 8;
    Bytes data;              // coded data; empty: code `pixels`
};

class GifFile {
public:
    GifFile(unsigned width, unsigned height, std::vector<Rgb> global = {}, unsigned screen_size_bits = 0,
            const char* signature = "GIF89a") {
        bytes_.assign(signature, signature + 6);
        put16(bytes_, width);
        put16(bytes_, height);
        unsigned packed = global.empty() ? screen_size_bits : 0x80 | size_bits(global.size());
        bytes_.insert(bytes_.end(), {static_cast<std::uint8_t>(packed), 0, 0});
        if (!global.empty()) put_table(bytes_, global);
    }
    GifFile& extension(std::uint8_t label, const Bytes& data) {
        bytes_.insert(bytes_.end(), {0x21, label});
        Bytes blocks = sub_blocks(data);
        bytes_.insert(bytes_.end(), blocks.begin(), blocks.end());
        return *this;
    }
    GifFile& image(const Image& im) {
        bytes_.push_back(0x2C);
        put16(bytes_, im.left);
        put16(bytes_, im.top);
        put16(bytes_, im.width);
        put16(bytes_, im.height);
        unsigned packed = (im.interlaced ? 0x40 : 0) | (im.local.empty() ? 0 : 0x80 | size_bits(im.local.size()));
        bytes_.push_back(static_cast<std::uint8_t>(packed));
        if (!im.local.empty()) put_table(bytes_, im.local);
        bytes_.push_back(static_cast<std::uint8_t>(im.min_code_size));
        Bytes blocks = im.data.empty() ? sub_blocks(lzw_encode(im.pixels, im.min_code_size)) : im.data;
        bytes_.insert(bytes_.end(), blocks.begin(), blocks.end());
        return *this;
    }
    GifFile& raw(const Bytes& b) {
        bytes_.insert(bytes_.end(), b.begin(), b.end());
        return *this;
    }
    Bytes trailer() const {
        Bytes out = bytes_;
        out.push_back(0x3B);
        return out;
    }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

}  // namespace gif_test
