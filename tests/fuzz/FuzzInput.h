#pragma once
// The fuzz targets' view of one input: typed values taken from its front,
// so every byte the fuzzer changes steers a choice or a text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace taleno::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ == size_; }

    // A number in [low, high] from the next byte (or two when the range is
    // wider than a byte); low when the input is used up.
    int Int(int low, int high) {
        const unsigned span = static_cast<unsigned>(high - low) + 1u;
        unsigned raw = Byte();
        if (span > 256) {
            raw = raw << 8 | Byte();
        }
        if (span > 65536) {
            raw = raw << 8 | Byte();
        }
        return low + static_cast<int>(raw % span);
    }

    bool Bool() { return (Byte() & 1) != 0; }

    // A text of at most maxLength bytes: a length byte, then the bytes.
    std::string Text(std::size_t maxLength) {
        const std::size_t wanted = static_cast<std::size_t>(Int(0, static_cast<int>(maxLength)));
        const std::size_t length = std::min(wanted, size_ - pos_);
        std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return text;
    }

    // The bytes up to the next LF (not included), or to the end.
    std::string Line() {
        const std::uint8_t* end = data_ + size_;
        const std::uint8_t* lf = std::find(data_ + pos_, end, std::uint8_t{'\n'});
        std::string line(reinterpret_cast<const char*>(data_ + pos_), static_cast<std::size_t>(lf - (data_ + pos_)));
        pos_ = lf == end ? size_ : static_cast<std::size_t>(lf - data_) + 1;
        return line;
    }

    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return rest;
    }

private:
    unsigned Byte() { return pos_ < size_ ? data_[pos_++] : 0u; }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace taleno::fuzz
