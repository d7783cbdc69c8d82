// Fuzzes the DOS listing converters: the first byte picks the converter and,
// with the next two, the output capacity; the rest is the captured text. The
// output goes into a heap buffer of exactly that capacity, so any write past
// it is caught, and the listing must consist of whole rows of six
// TAB-terminated fields, each row ending in an LF.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "dos/listing_convert.h"
#include "dos/listing_writer.h"

namespace {

constexpr std::size_t kHeaderSize = 3;

void require(bool condition) {
    if (!condition) std::abort();
}

// Capacities from 0 to 131071, so both small buffers and the 65535-byte
// limit are exercised.
std::size_t capacity_from(const std::uint8_t* header) {
    return header[1] | (header[2] << 8) | ((header[0] & 0x80) << 9);
}

void check_rows(std::string_view listing) {
    require(listing.empty() || listing.back() == '\n');
    std::size_t tabs_in_row = 0;
    for (std::size_t i = 0; i < listing.size(); ++i) {
        const char c = listing[i];
        require(c != '\0' && c != '\r');
        if (c == '\t') ++tabs_in_row;
        if (c == '\n') {
            require(tabs_in_row == 6 && i > 0 && listing[i - 1] == '\t');
            tabs_in_row = 0;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderSize) return 0;
    const auto kind = static_cast<corax::Converter>(data[0] % 6);
    const std::size_t capacity = capacity_from(data);
    const std::string_view captured(reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize);

    const std::unique_ptr<char[]> out(new char[capacity]);
    const std::size_t length = corax::convert_listing(kind, captured, out.get(), capacity);
    if (capacity == 0) {
        require(length == 0);
        return 0;
    }
    require(length < capacity && length < corax::kListingBufferSize);
    require(out[length] == '\0');
    check_rows(std::string_view(out.get(), length));
    return 0;
}
