#include "metafile_parser.h"

#include <algorithm>

#include "le_bytes.h"
#include "platform/gdi/metafile.h"

namespace platform::gdi {

namespace {

constexpr std::size_t kHeaderBytes = 18;
constexpr std::size_t kRecordHeaderBytes = 6;

bool header_is_valid(const std::uint8_t* bits, std::size_t size) {
    if (size < kHeaderBytes) return false;
    WORD type = read_u16(bits);
    WORD header_words = read_u16(bits + 2);
    return (type == 1 || type == 2) && header_words == 9;
}

// Simulates the object table: creations take the lowest free slot, indexes
// must name a slot of the table.
class TableCheck {
public:
    explicit TableCheck(WORD slots) : used_(slots, false) {}

    bool apply(const RecordView& r) {
        if (creates_object(r.function)) {
            auto free_slot = std::find(used_.begin(), used_.end(), false);
            if (free_slot == used_.end()) return false;
            *free_slot = true;
            return true;
        }
        if (r.function == record::kSelectObject || r.function == record::kSelectPalette ||
            r.function == record::kDeleteObject) {
            if (r.param_bytes < 2) return false;
            WORD index = read_u16(r.params);
            if (index >= used_.size()) return false;
            if (r.function == record::kDeleteObject) used_[index] = false;
        }
        return true;
    }

private:
    std::vector<bool> used_;
};

}  // namespace

bool creates_object(WORD function) {
    switch (function) {
    case record::kCreatePalette:
    case record::kCreatePenIndirect:
    case record::kCreateFontIndirect:
    case record::kCreateBrushIndirect:
    case 0x0142:  // DIB pattern brush
    case 0x01F9:  // pattern brush
    case 0x06FF:  // region
        return true;
    default:
        return false;
    }
}

std::optional<ParsedMetafile> parse_metafile(const std::uint8_t* bits, std::size_t size) {
    if (!bits || !header_is_valid(bits, size)) return std::nullopt;
    ParsedMetafile parsed;
    parsed.object_count = read_u16(bits + 10);
    TableCheck table(parsed.object_count);
    std::size_t offset = kHeaderBytes;
    while (offset < size) {
        if (size - offset < kRecordHeaderBytes) return std::nullopt;
        std::uint64_t words = read_u32(bits + offset);
        WORD function = read_u16(bits + offset + 4);
        if (words < 3 || words * 2 > size - offset) return std::nullopt;
        if (function == record::kEof) return parsed;
        std::size_t bytes = static_cast<std::size_t>(words * 2);
        RecordView r{offset, bytes, function, bits + offset + kRecordHeaderBytes, bytes - kRecordHeaderBytes};
        if (!table.apply(r)) return std::nullopt;
        parsed.records.push_back(r);
        offset += bytes;
    }
    return parsed;  // the data ended on a record boundary without an end record
}

}  // namespace platform::gdi
