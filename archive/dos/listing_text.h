#pragma once
// Reading a packer's printed table: lines, separator lines and tokens.
//
// A token is a run of bytes that are not separators; blanks, TABs and CRs
// separate tokens, and a line ends at an LF, so CRLF and LF-only output read
// alike and no token ever runs into the next line.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace corax::listing {

inline bool is_token_separator(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Hands out the lines of a text one at a time, without their LF. The piece
// after the last LF counts as a line too (it is empty when the text ends
// with a line break).
class LineSplitter {
public:
    explicit LineSplitter(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> next();
    std::optional<std::string_view> peek() const;

private:
    std::string_view rest_;
    bool done_ = false;
};

// The part of a table below its first separator line.
struct TableBody {
    std::string_view separator_line;  // the whole line holding the separator
    std::string_view lines;           // everything after that line's LF
};

// Finds the first occurrence of `separator` and returns the text after the
// LF that follows it; nothing when the separator or that LF is missing.
std::optional<TableBody> find_table_body(std::string_view text, std::string_view separator);

// True when `line` holds `dashes` starting at the 0-based `offset`.
bool has_dashes_at(std::string_view line, std::size_t offset, std::string_view dashes);

// Reads the tokens of one line from left to right.
class TokenReader {
public:
    explicit TokenReader(std::string_view line) : line_(line) {}

    // The next token; empty when the line holds no more.
    std::string_view next();
    // The rest of the line from the next token on, up to a TAB or CR.
    std::string_view rest();

private:
    void skip_separators();

    std::string_view line_;
    std::size_t position_ = 0;
};

// Fills `tokens` with the first tokens of `line`; missing ones stay empty.
// Returns how many tokens the line gave.
std::size_t read_tokens(std::string_view line, std::span<std::string_view> tokens);

bool holds_token(std::string_view line);

// The longest prefix of `token` that fits a field buffer of `buffer_size`
// bytes with its terminating zero, not splitting a UTF-8 sequence.
std::string_view cut_to_buffer(std::string_view token, std::size_t buffer_size);

// The decimal number at the start of `text` (optional sign, then digits), as
// the C library reads it; 0 when there is none. Saturates instead of
// overflowing.
long long leading_number(std::string_view text);

}  // namespace corax::listing
