#pragma once
// Where the pixels of one GIF image go: row by row (in the four passes of
// an interlaced image) into the screen-sized bottom-up 8-bit DIB, clipped
// to the screen, each colour index translated through the image's map.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "colour_merge.h"

namespace mirv::gif {

// The screen-sized pixel rows of the DIB.
struct Canvas {
    std::uint8_t* pixels;  // bottom row first
    std::uint64_t row_bytes;
    std::int64_t width;
    std::int64_t height;
};

// Position and layout of one image on the screen; left and top are never
// negative (they come from 16-bit unsigned fields).
struct Placement {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool interlaced = false;
};

class PixelSink {
public:
    PixelSink(const Canvas& canvas, const Placement& image, const ColourMap& map);

    // One pixel, given as an index into the image's colour table.
    void put(std::uint8_t index) {
        if (done_) return;
        if (room_) row_[column_] = colour_of_[index];
        if (++column_ == image_.width) next_row();
        else update_room();
    }

    // Where the next pixels go while they stay in the visible part of the
    // current row: a decoder may write up to `room` translated pixels
    // (colour_of) at `at` and then tell advance() how many it wrote.
    struct Cursor {
        std::uint8_t* at;
        std::int64_t room;
    };
    Cursor cursor() const { return room_ ? Cursor{row_ + column_, room_} : Cursor{nullptr, 0}; }
    void advance(std::int64_t written) {
        column_ += written;
        room_ -= written;
        if (column_ == image_.width) next_row();
    }

    // True once every pixel of the image has arrived.
    bool complete() const { return done_; }

    std::uint8_t colour_of(std::uint8_t index) const { return colour_of_[index]; }

    // The pixels of a string held on a stack: stack[depth - 1] first,
    // stack[0] last.
    void put_stack(const std::uint8_t* stack, std::size_t depth) {
        while (depth && !done_) {
            std::int64_t span = std::min<std::int64_t>(static_cast<std::int64_t>(depth), image_.width - column_);
            if (span <= room_) {
                std::uint8_t* out = row_ + column_;
                const std::uint8_t* in = stack + depth;
                for (std::int64_t i = 0; i < span; ++i) out[i] = colour_of_[*--in];
                depth -= static_cast<std::size_t>(span);
                advance(span);
            } else {
                put(stack[--depth]);
            }
        }
    }

private:
    void next_row();
    void aim_at_row();
    // Pixels from the current column on that land on the screen in this row.
    void update_room() { room_ = row_ && column_ < visible_to_ ? visible_to_ - column_ : 0; }

    Canvas canvas_;
    Placement image_;
    std::uint8_t colour_of_[256];  // low byte of the image's map entry
    std::int64_t visible_to_;  // image columns below this are on the screen
    int pass_;
    std::int64_t image_row_ = 0;
    std::int64_t column_ = 0;
    // The DIB pixel of image column 0 of the current row; null when the row
    // is off the screen or no column of the image is on it.
    std::uint8_t* row_ = nullptr;
    std::int64_t room_ = 0;  // 0 once the image is complete
    bool done_ = false;
};

}  // namespace mirv::gif
