#pragma once
// A codec reader over fuzz input that hands it out in windows of a chosen
// size, so that refills fall at every possible place.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "arc/reader.h"

namespace fuzz {

class WindowReader final : public arc::Reader {
public:
    WindowReader(std::span<const std::uint8_t> data, std::size_t window)
        : data_(data), window_(window)
    {
    }

protected:
    bool refill() override
    {
        if (pos_ >= data_.size())
            return false;
        const std::size_t n = std::min(window_, data_.size() - pos_);
        set_window(data_.data() + pos_, n);
        pos_ += n;
        return true;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t window_;
    std::size_t pos_ = 0;
};

}  // namespace fuzz
