#pragma once
// Scratch files for the tests, and small helpers on packed DIBs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "mirv32.h"

class ScratchDir {
public:
    ScratchDir() {
        char pattern[] = "/tmp/mirv-test-XXXXXX";
        dir_ = mkdtemp(pattern);
    }
    ~ScratchDir() { std::filesystem::remove_all(dir_); }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                          static_cast<std::streamsize>(bytes.size()));
        return path(name);
    }

private:
    std::string dir_;
};

inline std::vector<std::uint8_t> read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A copy of a packed DIB block, to look at.
class DibView {
public:
    explicit DibView(HGLOBAL h) : bytes_(GlobalSize(h)) {
        if (!bytes_.empty()) std::memcpy(bytes_.data(), GlobalLock(h), bytes_.size());
        GlobalUnlock(h);
        p_ = bytes_.data();
    }
    const BITMAPINFOHEADER& header() const { return *reinterpret_cast<const BITMAPINFOHEADER*>(p_); }
    unsigned colours() const {
        const auto& h = header();
        return h.biClrUsed ? h.biClrUsed : (h.biBitCount <= 8 ? 1u << h.biBitCount : 0);
    }
    const RGBQUAD& colour(unsigned i) const { return reinterpret_cast<const RGBQUAD*>(p_ + 40)[i]; }
    const std::uint8_t* pixels() const { return p_ + 40 + 4 * colours(); }
    std::size_t stride() const { return ((header().biWidth * header().biBitCount + 31) / 32) * 4; }
    // Row y counted from the top of the picture.
    const std::uint8_t* row_from_top(int y) const { return pixels() + (header().biHeight - 1 - y) * stride(); }
    // The RGB colour of a pixel, looked up in the table for indexed DIBs.
    std::uint32_t rgb(int x, int y) const {
        const std::uint8_t* r = row_from_top(y);
        unsigned bits = header().biBitCount;
        if (bits == 24) return (r[3 * x + 2] << 16) | (r[3 * x + 1] << 8) | r[3 * x];
        if (bits == 32) return (r[4 * x + 2] << 16) | (r[4 * x + 1] << 8) | r[4 * x];
        unsigned index = bits == 8 ? r[x] : bits == 4 ? (r[x / 2] >> (x % 2 ? 0 : 4)) & 15 : (r[x / 8] >> (7 - x % 8)) & 1;
        const RGBQUAD& q = colour(index);
        return (q.rgbRed << 16) | (q.rgbGreen << 8) | q.rgbBlue;
    }
    std::size_t size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
    const std::uint8_t* p_;
};

// A BMP file or bare DIB put together byte by byte.
struct BmpBuilder {
    bool file_header = true;
    std::uint32_t header_size = 40;
    std::int32_t width = 1, height = 1;
    unsigned bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t size_image = 0;
    std::uint32_t colours_used = 0;
    std::vector<std::uint8_t> table;   // as stored (3 or 4 bytes per entry, or masks)
    std::vector<std::uint8_t> pixels;  // as stored

    std::vector<std::uint8_t> build() const {
        std::vector<std::uint8_t> h;
        if (header_size == 12) {
            put32(h, 12);
            put16(h, static_cast<unsigned>(width));
            put16(h, static_cast<unsigned>(height));
            put16(h, 1);
            put16(h, bits);
        } else {
            put32(h, header_size);
            put32(h, static_cast<std::uint32_t>(width));
            put32(h, static_cast<std::uint32_t>(height));
            put16(h, 1);
            put16(h, bits);
            put32(h, compression);
            put32(h, size_image);
            put32(h, 2835);
            put32(h, 2835);
            put32(h, colours_used);
            put32(h, 0);
            h.resize(header_size, 0);
        }
        std::vector<std::uint8_t> out;
        if (file_header) {
            std::uint32_t offset = 14 + static_cast<std::uint32_t>(h.size() + table.size());
            out = {'B', 'M'};
            put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
            put32(out, 0);
            put32(out, offset);
        }
        out.insert(out.end(), h.begin(), h.end());
        out.insert(out.end(), table.begin(), table.end());
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

// The DIB of a BMP file, read by the library.
inline HGLOBAL mirv_test_dib(const std::string& file) {
    IPRESULT r = ipBmp2Dib(file.c_str(), 0, nullptr);
    return r > IPE_LAST ? reinterpret_cast<HGLOBAL>(r) : nullptr;
}
