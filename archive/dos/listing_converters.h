#pragma once
// The five converters behind convert_listing. Each reads the text of one
// packer family's table and appends rows to the writer.
#include <string_view>

#include "dos/listing_writer.h"

namespace corax::listing {

void convert_token_list(std::string_view text, ListingWriter& out);
void convert_zip(std::string_view text, ListingWriter& out);
void convert_arc(std::string_view text, ListingWriter& out);
void convert_zoo(std::string_view text, ListingWriter& out);
void convert_tar(std::string_view text, ListingWriter& out);

}  // namespace corax::listing
