#include "lzw_image.h"

#include <memory>

#include "code_reader.h"
#include "mirv32.h"
#include "progress/progress.h"

namespace mirv::gif {

namespace {

constexpr unsigned kMaxCodeSize = 12;
constexpr unsigned kTableSize = 1u << kMaxCodeSize;
constexpr unsigned kStackSize = 1025;  // characters a string may stack
constexpr unsigned kCodesPerReport = 256;

// The string table and the stack a string is rebuilt on, last character
// first. The length of a string is known when every string it was built
// from was in the table; it lets a string be written straight into its
// place in the picture.
struct Tables {
    std::uint16_t prefix[kTableSize] = {};
    std::uint8_t suffix[kTableSize] = {};
    std::uint16_t length[kTableSize] = {};  // 0: not known
    std::uint8_t stack[kStackSize + 1] = {};  // and its plain first character
};

// True when the user asks to stop.
bool report_progress(ByteReader& in) {
    std::uint64_t size = in.file_size();
    auto percent = static_cast<int>(size ? in.position() * 100 / size : 0);
    return progress::step(percent);
}

class Decoder {
public:
    Decoder(ByteReader& in, unsigned min_code_size, PixelSink& sink)
        : in_(in),
          clear_(1u << min_code_size),
          end_(clear_ + 1),
          last_char_((clear_ - 1) & 0xFF),
          min_size_(min_code_size + 1),
          codes_(in, end_),
          sink_(sink),
          tables_(std::make_unique<Tables>()) {
        reset();
    }

    int run();

private:
    void reset() {
        size_ = min_size_;
        next_ = clear_ + 2;
    }
    // The first code of the data, or the one after a clear code: a plain
    // character that adds no string.
    void start_string(unsigned code) {
        first_ = static_cast<std::uint8_t>(code);
        sink_.put(first_);
        old_ = code;
    }
    int expand(unsigned code);
    int expand_on_stack(unsigned code);
    void write_string(std::uint8_t* out, unsigned code, unsigned length);
    unsigned known_length(unsigned code) const {
        if (code <= last_char_) return 1;
        return code < next_ ? tables_->length[code] : 0;
    }
    void add_string() {
        if (next_ >= kTableSize) return;  // full: codes stay 12 bits, nothing is added
        unsigned old_length = known_length(old_);
        tables_->prefix[next_] = static_cast<std::uint16_t>(old_);
        tables_->suffix[next_] = first_;
        tables_->length[next_] = static_cast<std::uint16_t>(old_length ? old_length + 1 : 0);
        ++next_;
        if (next_ >= (1u << size_) && size_ < kMaxCodeSize) ++size_;
    }

    ByteReader& in_;
    const unsigned clear_;
    const unsigned end_;
    const unsigned last_char_;  // codes up to this are plain characters
    const unsigned min_size_;
    CodeReader codes_;
    PixelSink& sink_;
    std::unique_ptr<Tables> tables_;
    unsigned size_ = 0;
    unsigned next_ = 0;
    unsigned old_ = 0;
    std::uint8_t first_ = 0;
};

int Decoder::run() {
    bool started = false;
    unsigned counted = 0;
    for (;;) {
        unsigned code = codes_.next(size_);
        if (code == end_) break;
        if (++counted == kCodesPerReport) {
            counted = 0;
            if (report_progress(in_)) return IPE_CANCELLED;
        }
        if (code == clear_) {
            // Several clear codes in a row are one; an end code right after
            // one ends an empty image.
            reset();
            do code = codes_.next(size_);
            while (code == clear_);
            if (code == end_) break;
            started = false;
        }
        if (!started) {
            start_string(code);
            started = true;
            continue;
        }
        if (int error = expand(code)) return error;
    }
    if (codes_.exhausted() || !codes_.skip_to_terminator()) return IPE_EOF;
    return 0;
}

// Outputs the string of a code and adds the string of the previous code
// plus this one's first character to the table. A code not yet in the table
// stands for the previous string plus its own first character.
int Decoder::expand(unsigned code) {
    bool repeats_first = code >= next_;
    unsigned base = repeats_first ? old_ : code;
    unsigned length = known_length(base);
    unsigned total = length + (repeats_first ? 1 : 0);
    std::uint8_t* out = length ? sink_.claim(total) : nullptr;
    if (!out) return expand_on_stack(code);
    if (total - 1 > kStackSize) return IPE_NOGIF;
    if (repeats_first) out[length] = sink_.colour_of(first_);
    write_string(out, base, length);
    add_string();
    old_ = code;
    return 0;
}

// Writes the string of a code of known length backwards into its pixels
// and takes its first character.
void Decoder::write_string(std::uint8_t* out, unsigned code, unsigned length) {
    const Tables& t = *tables_;
    const unsigned last_char = last_char_;
    unsigned at = length - 1;
    while (code > last_char && at > 0) {
        out[at--] = sink_.colour_of(t.suffix[code]);
        code = t.prefix[code];
    }
    first_ = static_cast<std::uint8_t>(code);
    out[0] = sink_.colour_of(first_);
}

// The same for any code, through the stack: for strings that cross a row
// or the edge of the screen, or whose length is not known.
int Decoder::expand_on_stack(unsigned code) {
    Tables& t = *tables_;
    unsigned incoming = code;
    unsigned depth = 0;
    if (code >= next_) {
        t.stack[depth++] = first_;
        code = old_;
    }
    while (code > last_char_) {
        if (depth == kStackSize) return IPE_NOGIF;
        t.stack[depth++] = t.suffix[code];
        code = t.prefix[code];
    }
    first_ = static_cast<std::uint8_t>(code);
    t.stack[depth++] = first_;
    sink_.put_stack(t.stack, depth);
    add_string();
    old_ = incoming;
    return 0;
}

}  // namespace

int decode_image(ByteReader& in, const Canvas& canvas, const Placement& image, const ColourMap& map) {
    int min_code_size = in.byte();
    if (min_code_size < 0) return IPE_EOF;
    if (min_code_size > 8) return IPE_NOGIF;  // codes could not hold the strings
    PixelSink sink(canvas, image, map);
    Decoder decoder(in, static_cast<unsigned>(min_code_size), sink);
    return decoder.run();
}

}  // namespace mirv::gif
