#include "compressor_tables.h"

namespace arc {

CompressorTables::CompressorTables() : tables_(std::make_unique<Tables>()) {}
CompressorTables::~CompressorTables() = default;

} // namespace arc
