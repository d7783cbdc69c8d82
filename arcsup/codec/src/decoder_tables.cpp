#include "decoder_tables.h"

namespace arc {

DecoderTables::DecoderTables() : tables_(std::make_unique<Tables>()) {}
DecoderTables::~DecoderTables() = default;

} // namespace arc
