#pragma once
// Bounded writer of archive listing rows.
//
// A listing is a zero-terminated text of rows; every field of a row is
// followed by a TAB and the row ends with an LF. The writer appends whole rows
// only: a row that does not fit, together with the terminating zero, is not
// written, and neither is anything after it. The text is zero-terminated after
// every row, so the buffer always holds a valid listing.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace corax {

// The largest listing buffer a caller hands in, zero byte included.
inline constexpr std::size_t kListingBufferSize = 65535;

class ListingWriter {
public:
    // Writes into `out`, using at most `capacity` bytes (and never more than
    // kListingBufferSize) including the terminating zero.
    ListingWriter(char* out, std::size_t capacity)
        : out_(out), capacity_(std::min(capacity, kListingBufferSize)) {
        if (capacity_ > 0) out_[0] = '\0';
    }

    // Appends one row. Returns false (and refuses every later row) when the
    // row does not fit. A TAB, LF, CR or zero byte inside a field, which the
    // listing cannot carry, is written as '?'.
    bool add_row(std::initializer_list<std::string_view> fields) {
        if (full_) return false;
        std::size_t row_size = 1;  // the LF
        for (std::string_view field : fields) row_size += field.size() + 1;
        if (capacity_ == 0 || row_size > capacity_ - 1 - length_) {
            full_ = true;
            return false;
        }
        for (std::string_view field : fields) {
            for (char c : field) out_[length_++] = carried(c);
            out_[length_++] = '\t';
        }
        out_[length_++] = '\n';
        out_[length_] = '\0';
        return true;
    }

    // Bytes written, without the terminating zero.
    std::size_t length() const { return length_; }
    // True once a row has been refused.
    bool full() const { return full_; }

private:
    static char carried(char c) {
        return (c == '\t' || c == '\n' || c == '\r' || c == '\0') ? '?' : c;
    }

    char* out_;
    std::size_t capacity_;
    std::size_t length_ = 0;
    bool full_ = false;
};

}  // namespace corax
