#include "test_data.h"

#include <random>

namespace arc::test {

namespace {

const char* const words[] = {"the",  "archive", "member", "header", "crunch", "squeeze",
                             "data", "of",      "and",    "table",  "code",   "string",
                             "a",    "with",    "CRC",    "0x90",   "run",    "file"};

} // namespace

Bytes text_data(std::size_t size, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes out;
    out.reserve(size);
    int column = 0;
    while (out.size() < size) {
        const std::string word = words[rng() % std::size(words)];
        for (char c : word)
            out.push_back(static_cast<std::uint8_t>(c));
        column += static_cast<int>(word.size()) + 1;
        if (column > 60 || rng() % 13 == 0) {
            out.push_back('\r');
            out.push_back('\n');
            column = 0;
        } else {
            out.push_back(' ');
        }
    }
    out.resize(size);
    return out;
}

Bytes binary_data(std::size_t size, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes out;
    out.reserve(size);
    std::uint32_t counter = 0;
    while (out.size() < size) {
        // A record: a counter, a small field, a zero pad and a noisy byte.
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(counter >> (8 * i)));
        out.push_back(static_cast<std::uint8_t>(rng() % 8));
        out.insert(out.end(), rng() % 6, 0);
        out.push_back(static_cast<std::uint8_t>(rng()));
        counter += 1 + rng() % 3;
    }
    out.resize(size);
    return out;
}

Bytes random_data(std::size_t size, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes out(size);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(rng());
    return out;
}

Bytes marker_data(std::size_t size, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes out;
    out.reserve(size);
    while (out.size() < size) {
        const std::uint8_t value = (rng() % 3 == 0) ? 0x90 : static_cast<std::uint8_t>(rng() % 4);
        out.insert(out.end(), 1 + rng() % 300, value);
    }
    out.resize(size);
    return out;
}

Bytes bytes_of(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

std::vector<NamedData> sample_inputs()
{
    Bytes all_values(256);
    for (int i = 0; i < 256; ++i)
        all_values[i] = static_cast<std::uint8_t>(i);
    return {
        {"empty", {}},
        {"one_byte", {0x41}},
        {"one_marker", {0x90}},
        {"marker_pair", {0x90, 0x90}},
        {"all_values", all_values},
        {"short_text", bytes_of("Hello, ARC world! Hello, ARC world!\r\n")},
        {"text_5k", text_data(5000)},
        {"text_100k", text_data(100000)},
        {"binary_40k", binary_data(40000)},
        {"random_20k", random_data(20000)},
        {"markers_30k", marker_data(30000)},
        {"run_255", Bytes(255, 'x')},
        {"run_256", Bytes(256, 'x')},
        {"run_70000", Bytes(70000, 0)},
        {"marker_run_600", Bytes(600, 0x90)},
    };
}

} // namespace arc::test
