#pragma once
// A packed DIB block under construction: locked while a decoder fills it,
// freed if the decoder fails or throws, handed over by release().
#include <cstdint>

#include "platform/memory.h"

namespace mirv::dib {

class OwnedDib {
public:
    explicit OwnedDib(HGLOBAL block) : block_(block) {
        if (block_) base_ = static_cast<std::uint8_t*>(GlobalLock(block_));
    }
    ~OwnedDib() {
        if (!block_) return;
        if (base_) GlobalUnlock(block_);
        GlobalFree(block_);
    }
    OwnedDib(const OwnedDib&) = delete;
    OwnedDib& operator=(const OwnedDib&) = delete;

    // Null when there was no block or it could not be locked.
    std::uint8_t* base() const { return base_; }

    // Unlocks the block and gives it to the caller.
    HGLOBAL release() {
        if (base_) GlobalUnlock(block_);
        base_ = nullptr;
        HGLOBAL out = block_;
        block_ = nullptr;
        return out;
    }

private:
    HGLOBAL block_;
    std::uint8_t* base_ = nullptr;
};

}  // namespace mirv::dib
