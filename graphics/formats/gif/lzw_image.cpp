#include "lzw_image.h"

#include <cstring>
#include <memory>

#include "code_reader.h"
#include "mirv32.h"
#include "progress/progress.h"
#include "sub_blocks.h"

namespace mirv::gif {

namespace {

constexpr unsigned kMaxCodeSize = 12;
constexpr unsigned kTableSize = 1u << kMaxCodeSize;
// No string of a sound table is longer than the table; a chain that is
// means a damaged file whose table loops.
constexpr unsigned kStackSize = kTableSize;
constexpr unsigned kCodesPerReport = 256;

// The string table and the stack a string is rebuilt on, last character
// first. The length of a string is known when every string it was built
// from was in the table; it lets a string be written straight into its
// place in the picture. Where a string already stands whole in the
// picture, it is copied from there instead of being rebuilt.
struct Tables {
    std::uint16_t prefix[kTableSize] = {};
    std::uint8_t suffix[kTableSize] = {};
    std::uint16_t length[kTableSize] = {};  // 0: not known
    std::uint8_t first_char[kTableSize] = {};
    const std::uint8_t* source[kTableSize] = {};  // its pixels, or null
    std::uint8_t stack[kStackSize + 1] = {};  // and its plain first character
};

// Copies `n` bytes between places that do not overlap. Most strings are
// short: they go as two fixed-size moves that may overlap each other but
// never touch a byte outside the string.
inline void copy_string(std::uint8_t* to, const std::uint8_t* from, unsigned n) {
    auto two_moves = [&](auto word) {
        std::memcpy(to, from, sizeof word);
        std::memcpy(to + n - sizeof word, from + n - sizeof word, sizeof word);
    };
    if (n >= 16) std::memcpy(to, from, n);
    else if (n >= 8) two_moves(std::uint64_t{});
    else if (n >= 4) two_moves(std::uint32_t{});
    else if (n >= 2) two_moves(std::uint16_t{});
    else *to = *from;
}

// True when the user asks to stop.
bool report_progress(ByteReader& in) {
    std::uint64_t size = in.file_size();
    auto percent = static_cast<int>(size ? in.position() * 100 / size : 0);
    return progress::step(percent);
}

// What changes while codes arrive, kept as small local values of the
// decoding loop so that they stay in registers.
struct Strings {
    unsigned size;       // bits of the next code
    unsigned next;       // first free table entry
    unsigned grow_at;    // the next entry at which codes get a bit longer
    unsigned old;        // the previous code
    std::uint8_t first;  // the first character of its string
};

class Decoder {
public:
    Decoder(SubBlocks& blocks, unsigned min_code_size, PixelSink& sink)
        : blocks_(blocks),
          clear_(1u << min_code_size),
          end_(clear_ + 1),
          last_char_((clear_ - 1) & 0xFF),
          min_size_(min_code_size + 1),
          sink_(sink),
          tables_(std::make_unique<Tables>()) {
        // Plain characters are strings of one.
        for (unsigned c = 0; c <= last_char_; ++c) {
            tables_->length[c] = 1;
            tables_->first_char[c] = static_cast<std::uint8_t>(c);
        }
    }

    int run(ByteReader& in);

private:
    Strings cleared() const { return {min_size_, clear_ + 2, 1u << min_size_, 0, 0}; }
    unsigned known_length(const Strings& s, unsigned code) const {
        return code < s.next ? tables_->length[code] : 0;
    }
    void write_string(std::uint8_t* out, Strings& s, unsigned code, bool repeats_first, unsigned length);
    int expand_on_stack(Strings& s, unsigned code);
    void add_string(Strings& s, const std::uint8_t* source);

    SubBlocks& blocks_;
    const unsigned clear_;
    const unsigned end_;
    const unsigned last_char_;  // codes up to this are plain characters
    const unsigned min_size_;
    PixelSink& sink_;
    std::unique_ptr<Tables> tables_;
};

// For each code: the string it stands for goes out, and the previous
// string plus this one's first character becomes a new one. A code not yet
// in the table stands for the previous string plus its own first
// character. A string of known length that fits in the visible part of its
// row is written straight into its pixels; any other goes through the
// stack and the sink.
int Decoder::run(ByteReader& in) {
    CodeReader codes(blocks_, end_);
    PixelSink::Cursor cursor = sink_.cursor();
    std::int64_t written = 0;  // pixels written at the cursor, not yet told to the sink
    // The pixels of the previous code's string when it was written whole
    // at the cursor, else null.
    const std::uint8_t* last_at = nullptr;
    const std::uint8_t* last_end = nullptr;
    auto settle = [&] {
        if (written) sink_.advance(written);
        written = 0;
        cursor = sink_.cursor();
    };
    Strings s = cleared();
    bool started = false;
    unsigned until_report = kCodesPerReport;
    for (;;) {
        unsigned code = codes.next(s.size);
        if (code - clear_ <= 1) [[unlikely]] {
            if (code == end_) break;
            // Several clear codes in a row are one; an end code right after
            // one ends an empty image.
            s = cleared();
            do code = codes.next(s.size);
            while (code == clear_);
            if (code == end_) break;
            started = false;
        }
        if (--until_report == 0) [[unlikely]] {
            until_report = kCodesPerReport;
            if (report_progress(in)) return IPE_CANCELLED;
        }
        if (!started) [[unlikely]] {
            // The first code of the data, or the one after a clear code: a
            // plain character that adds no string.
            settle();
            s.first = static_cast<std::uint8_t>(code);
            sink_.put(s.first);
            s.old = code;
            started = true;
            cursor = sink_.cursor();
            last_end = nullptr;
            continue;
        }
        bool repeats_first = code >= s.next;
        unsigned length = known_length(s, repeats_first ? s.old : code);
        unsigned total = length + (repeats_first ? 1 : 0);
        // Known lengths never exceed the table, so such a string always
        // fits the stack's bound.
        if (length && total <= cursor.room) {
            std::uint8_t* out = cursor.at;
            write_string(out, s, code, repeats_first, length);
            // The new string is the previous one and this one's first
            // character: it stands whole where the previous one began.
            add_string(s, last_end == out ? last_at : nullptr);
            last_at = out;
            last_end = out + total;
            cursor.at += total;
            cursor.room -= total;
            written += total;
            if (cursor.room == 0) settle();
        } else if (length && sink_.complete()) {
            // Codes past the image's last pixel still build the table; a
            // string of known length needs only its first character then.
            s.first = tables_->first_char[repeats_first ? s.old : code];
            add_string(s, nullptr);
            last_end = nullptr;
        } else {
            settle();
            if (int error = expand_on_stack(s, code)) return error;
            add_string(s, nullptr);
            last_end = nullptr;
            cursor = sink_.cursor();
        }
        s.old = code;
    }
    settle();
    if (codes.exhausted() || !blocks_.skip_to_terminator()) return IPE_EOF;
    return 0;
}

// Writes the string of a code of known length into its pixels and takes
// its first character: copied when it stands whole in the picture already,
// else rebuilt backwards through the table.
inline void Decoder::write_string(std::uint8_t* out, Strings& s, unsigned code, bool repeats_first, unsigned length) {
    const Tables& t = *tables_;
    unsigned base = repeats_first ? s.old : code;
    if (const std::uint8_t* from = t.source[base]) {
        copy_string(out, from, length);
        s.first = t.first_char[base];
    } else {
        unsigned at = length - 1;
        while (base > last_char_ && at > 0) {
            out[at--] = sink_.colour_of(t.suffix[base]);
            base = t.prefix[base];
        }
        s.first = static_cast<std::uint8_t>(base);
        out[0] = sink_.colour_of(s.first);
    }
    if (repeats_first) out[length] = out[0];
}

// The string of any code, rebuilt on the stack and handed to the sink.
int Decoder::expand_on_stack(Strings& s, unsigned code) {
    Tables& t = *tables_;
    unsigned depth = 0;
    if (code >= s.next) {
        t.stack[depth++] = s.first;
        code = s.old;
    }
    while (code > last_char_) {
        if (depth == kStackSize) return IPE_NOGIF;
        t.stack[depth++] = t.suffix[code];
        code = t.prefix[code];
    }
    s.first = static_cast<std::uint8_t>(code);
    t.stack[depth++] = s.first;
    sink_.put_stack(t.stack, depth);
    return 0;
}

inline void Decoder::add_string(Strings& s, const std::uint8_t* source) {
    if (s.next >= kTableSize) return;  // full: codes stay 12 bits, nothing is added
    unsigned old_length = known_length(s, s.old);
    Tables& t = *tables_;
    t.prefix[s.next] = static_cast<std::uint16_t>(s.old);
    t.suffix[s.next] = s.first;
    t.length[s.next] = static_cast<std::uint16_t>(old_length ? old_length + 1 : 0);
    t.first_char[s.next] = old_length ? t.first_char[s.old] : 0;
    t.source[s.next] = source;
    if (++s.next >= s.grow_at && s.size < kMaxCodeSize) {
        ++s.size;
        s.grow_at = 1u << s.size;
    }
}

}  // namespace

int decode_image(ByteReader& in, const Canvas& canvas, const Placement& image, const ColourMap& map) {
    int min_code_size = in.byte();
    if (min_code_size < 0) return IPE_EOF;
    if (min_code_size > 8) return IPE_NOGIF;  // codes could not hold the strings
    PixelSink sink(canvas, image, map);
    SubBlocks blocks(in);
    Decoder decoder(blocks, static_cast<unsigned>(min_code_size), sink);
    return decoder.run(in);
}

}  // namespace mirv::gif
