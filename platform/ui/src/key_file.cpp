#include "platform/ui/key_file.h"

#include <fstream>
#include <iterator>

namespace platform::ui {
namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

const std::string* KeyFile::value(std::string_view group, std::string_view key) const {
    auto g = groups.find(group);
    if (g == groups.end()) return nullptr;
    auto k = g->second.find(key);
    return k == g->second.end() ? nullptr : &k->second;
}

KeyFile parse_key_file(std::string_view text) {
    KeyFile file;
    KeyGroup* current = nullptr;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            current = close == std::string_view::npos
                          ? nullptr
                          : &file.groups[std::string(line.substr(1, close - 1))];
            continue;
        }
        std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        std::string_view key = trim(line.substr(0, equals));
        if (key.empty()) continue;
        current->emplace(std::string(key), std::string(trim(line.substr(equals + 1))));
    }
    return file;
}

std::optional<KeyFile> read_key_file(const std::string& path, std::size_t max_bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > max_bytes) return std::nullopt;
    }
    return parse_key_file(text);
}

std::string unescape_value(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        switch (raw[++i]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default:  // not a value escape: kept for the reader of the value
            out += '\\';
            out += raw[i];
        }
    }
    return out;
}

std::vector<std::string> split_list(std::string_view raw) {
    std::vector<std::string> items;
    std::string item;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            // An escape pair stays together; only "\;" becomes a plain ';'.
            if (raw[i + 1] == ';') item += ';';
            else item.append(raw.substr(i, 2));
            ++i;
        } else if (raw[i] == ';') {
            if (!item.empty()) items.push_back(unescape_value(item));
            item.clear();
        } else {
            item += raw[i];
        }
    }
    if (!item.empty()) items.push_back(unescape_value(item));
    return items;
}

}  // namespace platform::ui
