#pragma once
// Running the outside programs that serve as peers in the tests, and reading
// the netpbm pictures they write.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "test_files.h"

namespace peer {

// Whether a program is found on the search path.
inline bool have(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command, a pipeline too, with the error output of all its
// parts discarded; the exit status.
inline int run(const std::string& command) { return std::system(("{ " + command + "; } 2>/dev/null").c_str()); }

// One picture as 8-bit RGB triples, rows from the top.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    bool operator==(const Picture&) const = default;
};

// Every picture of a binary netpbm stream (P4, P5 or P6 images one after
// another, as netpbm programs write several images), as RGB. Gray and
// bilevel images become gray RGB; a maximum value below 255 is scaled up.
// An empty result means the stream is damaged or of another kind.
inline std::vector<Picture> read_pnm_stream(const std::vector<std::uint8_t>& bytes) {
    std::vector<Picture> pictures;
    std::size_t i = 0;
    auto skip_space = [&] {
        while (i < bytes.size() && (std::isspace(bytes[i]) || bytes[i] == '#')) {
            if (bytes[i] == '#')
                while (i < bytes.size() && bytes[i] != '\n') ++i;
            else
                ++i;
        }
    };
    auto number = [&]() -> long {
        skip_space();
        long n = -1;
        while (i < bytes.size() && std::isdigit(bytes[i]) && n < 1000000) n = (n < 0 ? 0 : n * 10) + (bytes[i++] - '0');
        return n;
    };
    while (true) {
        skip_space();
        if (i == bytes.size()) return pictures;
        if (i + 2 > bytes.size() || bytes[i] != 'P' || bytes[i + 1] < '4' || bytes[i + 1] > '6') return {};
        char kind = static_cast<char>(bytes[i + 1]);
        i += 2;
        long width = number(), height = number(), max = kind == '4' ? 1 : number();
        if (width <= 0 || height <= 0 || max <= 0 || max > 255 || i >= bytes.size()) return {};
        ++i;  // the one white-space byte before the raster
        std::size_t row = kind == '4' ? (width + 7) / 8 : kind == '5' ? width : 3 * width;
        if ((bytes.size() - i) / row < static_cast<std::size_t>(height)) return {};
        Picture p{static_cast<int>(width), static_cast<int>(height), {}};
        p.rgb.reserve(3 * width * height);
        for (long y = 0; y < height; ++y, i += row)
            for (long x = 0; x < width; ++x) {
                std::uint8_t r, g, b;
                if (kind == '4') {
                    r = g = b = ((bytes[i + x / 8] >> (7 - x % 8)) & 1) ? 0 : 255;
                } else if (kind == '5') {
                    r = g = b = static_cast<std::uint8_t>(bytes[i + x] * 255 / max);
                } else {
                    r = static_cast<std::uint8_t>(bytes[i + 3 * x] * 255 / max);
                    g = static_cast<std::uint8_t>(bytes[i + 3 * x + 1] * 255 / max);
                    b = static_cast<std::uint8_t>(bytes[i + 3 * x + 2] * 255 / max);
                }
                p.rgb.insert(p.rgb.end(), {r, g, b});
            }
        pictures.push_back(std::move(p));
    }
}

inline std::vector<Picture> read_pnm_stream(const std::string& file) { return read_pnm_stream(read_file(file)); }

// The first picture of a netpbm file, or an empty one.
inline Picture read_pnm(const std::string& file) {
    std::vector<Picture> all = read_pnm_stream(file);
    return all.empty() ? Picture{} : all[0];
}

// What one of our readers made of a file, as RGB rows; the DIB is freed.
// An error code gives an empty picture.
inline Picture picture_of(IPRESULT result) {
    Picture p;
    if (result <= IPE_LAST) return p;
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(result);
    {
        DibView v(dib);
        p.width = v.header().biWidth;
        p.height = v.header().biHeight;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                std::uint32_t c = v.rgb(x, y);
                p.rgb.insert(p.rgb.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                                           static_cast<std::uint8_t>(c)});
            }
    }
    GlobalFree(dib);
    return p;
}

}  // namespace peer
