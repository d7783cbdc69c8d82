#pragma once
// Reading back the records of a metafile, for the tests.
#include <cstdint>
#include <vector>

#include "platform/gdi/metafile.h"

struct SeenRecord {
    WORD function;
    std::vector<std::uint16_t> params;
    bool operator==(const SeenRecord&) const = default;
};

inline int collect_record(HDC, HANDLETABLE*, METARECORD* r, int, LPARAM data) {
    auto* out = reinterpret_cast<std::vector<SeenRecord>*>(data);
    SeenRecord seen{r->rdFunction, {}};
    const auto* words = reinterpret_cast<const std::uint16_t*>(reinterpret_cast<const std::uint8_t*>(r) + 6);
    for (DWORD i = 0; i + 3 < r->rdSize; ++i) seen.params.push_back(words[i]);
    out->push_back(seen);
    return 1;
}

inline std::vector<SeenRecord> records_of(HMETAFILE mf) {
    std::vector<SeenRecord> out;
    EnumMetaFile(nullptr, mf, collect_record, reinterpret_cast<LPARAM>(&out));
    return out;
}

inline std::vector<std::uint8_t> bits_of(HMETAFILE mf) {
    std::vector<std::uint8_t> bits(GetMetaFileBitsEx(mf, 0, nullptr));
    GetMetaFileBitsEx(mf, static_cast<UINT>(bits.size()), bits.data());
    return bits;
}
