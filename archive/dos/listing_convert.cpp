#include "dos/listing_convert.h"

#include "dos/listing_converters.h"
#include "dos/listing_writer.h"

namespace corax {

namespace {

// The captured output is text: a zero byte ends it, so no zero byte can reach
// the listing and cut it short for its readers.
std::string_view text_of(std::string_view captured) {
    return captured.substr(0, captured.find('\0'));
}

}  // namespace

std::size_t convert_listing(Converter kind, std::string_view captured, char* out, std::size_t capacity) {
    ListingWriter writer(out, capacity);
    const std::string_view text = text_of(captured);
    switch (kind) {
        case Converter::None: break;
        case Converter::TokenList: listing::convert_token_list(text, writer); break;
        case Converter::Zip: listing::convert_zip(text, writer); break;
        case Converter::Arc: listing::convert_arc(text, writer); break;
        case Converter::Zoo: listing::convert_zoo(text, writer); break;
        case Converter::Tar: listing::convert_tar(text, writer); break;
    }
    return writer.length();
}

}  // namespace corax
