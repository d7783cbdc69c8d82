#include "decoder_tables.h"

namespace arc {

// Left uninitialised on purpose: every decoder sets up the parts it uses at
// the start of each member, and untouched pages cost nothing.
DecoderTables::DecoderTables() : tables_(new Tables) {}
DecoderTables::~DecoderTables() = default;

} // namespace arc
