// Repeat compression, the inverse of RepeatExpander: runs of 3 to 255 equal
// bytes become byte, 0x90, count; a 0x90 becomes 0x90 0x00.
#pragma once

#include "arc/reader.h"
#include "repeat_expander.h"

namespace arc::detail {

class RepeatCompressor {
public:
    static constexpr int max_run = 255;

    explicit RepeatCompressor(Reader& in) : in_(in) {}

    // The next output byte, or -1 at the end.
    int next()
    {
        switch (state_) {
        case State::start:
            state_ = State::sent_byte;
            return last_ = in_.get();
        case State::sent_byte:
            return after_byte();
        case State::send_new_byte:
            state_ = State::sent_byte;
            return last_ = pending_;
        case State::send_count:
            state_ = State::send_new_byte;
            return count_;
        }
        return -1;
    }

private:
    enum class State { start, sent_byte, send_new_byte, send_count };

    // Counts the run of the byte just sent (the count includes it); the byte
    // that ends the run, possibly the end, is sent after the run.
    int after_byte()
    {
        if (last_ < 0)
            return -1;
        if (last_ == repeat_marker) {
            state_ = State::start;
            return 0;
        }
        count_ = 1;
        for (;;) {
            pending_ = in_.get();
            if (pending_ != last_ || count_ >= max_run)
                break;
            ++count_;
        }
        if (count_ == 1)
            return last_ = pending_;
        if (count_ == 2) {
            state_ = State::send_new_byte;
            return last_;
        }
        state_ = State::send_count;
        return repeat_marker;
    }

    Reader& in_;
    State state_ = State::start;
    int last_ = 0;
    int pending_ = 0;
    int count_ = 0;
};

} // namespace arc::detail
