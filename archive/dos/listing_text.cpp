#include "dos/listing_text.h"

namespace corax::listing {

std::optional<std::string_view> LineSplitter::next() {
    if (done_) return std::nullopt;
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    if (end == std::string_view::npos) {
        done_ = true;
        rest_ = {};
    } else {
        rest_.remove_prefix(end + 1);
    }
    return line;
}

std::optional<std::string_view> LineSplitter::peek() const {
    LineSplitter copy = *this;
    return copy.next();
}

std::optional<TableBody> find_table_body(std::string_view text, std::string_view separator) {
    const std::size_t found = text.find(separator);
    if (found == std::string_view::npos) return std::nullopt;
    const std::size_t line_end = text.find('\n', found);
    if (line_end == std::string_view::npos) return std::nullopt;
    const std::size_t before = text.rfind('\n', found);
    const std::size_t line_start = before == std::string_view::npos ? 0 : before + 1;
    return TableBody{text.substr(line_start, line_end - line_start), text.substr(line_end + 1)};
}

bool has_dashes_at(std::string_view line, std::size_t offset, std::string_view dashes) {
    return line.size() >= offset && line.substr(offset).starts_with(dashes);
}

void TokenReader::skip_separators() {
    while (position_ < line_.size() && is_token_separator(line_[position_])) ++position_;
}

std::string_view TokenReader::next() {
    skip_separators();
    const std::size_t start = position_;
    while (position_ < line_.size() && !is_token_separator(line_[position_])) ++position_;
    return line_.substr(start, position_ - start);
}

std::string_view TokenReader::rest() {
    skip_separators();
    std::string_view rest = line_.substr(position_);
    rest = rest.substr(0, rest.find_first_of("\t\r"));
    position_ = line_.size();
    return rest;
}

std::size_t read_tokens(std::string_view line, std::span<std::string_view> tokens) {
    TokenReader reader(line);
    std::size_t count = 0;
    for (std::string_view& token : tokens) {
        token = reader.next();
        if (!token.empty()) ++count;
    }
    return count;
}

bool holds_token(std::string_view line) {
    return !TokenReader(line).next().empty();
}

std::string_view cut_to_buffer(std::string_view token, std::size_t buffer_size) {
    const std::size_t limit = buffer_size == 0 ? 0 : buffer_size - 1;
    if (token.size() <= limit) return token;
    std::size_t cut = limit;
    // Step back over continuation bytes so the cut falls before a lead byte.
    while (cut > 0 && (static_cast<unsigned char>(token[cut]) & 0xC0) == 0x80) --cut;
    return token.substr(0, cut);
}

long long leading_number(std::string_view text) {
    constexpr long long kLimit = 1'000'000'000'000'000LL;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace corax::listing
