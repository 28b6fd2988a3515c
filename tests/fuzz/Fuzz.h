#pragma once
// What every fuzz target shares: its view of one input (typed values taken
// from its front, so every byte the fuzzer changes steers a choice or a
// text), the check that stops the run on a broken property, a private
// scratch folder for the files a target reads and writes, and whole-file
// reads and writes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

// The entry point both builds call: libFuzzer's driver, or the replay
// driver that CTest runs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

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

// Prints what failed and aborts, so libFuzzer keeps the input and the
// replay driver reports it.
[[noreturn]] inline void Fail(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : ::taleno::fuzz::Fail(__FILE__, __LINE__, #condition))

// A folder of this process's own under $TMPDIR (or /tmp), made on first use
// and removed when the process exits.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/taleno-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) Fail(__FILE__, __LINE__, "mkdtemp");
        return pattern;
    }();
    static const struct Remover {
        ~Remover() {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    } remover;
    return folder;
}

inline void WriteWholeFile(const std::string& path, std::string_view contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    FUZZ_CHECK(out.good());
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace taleno::fuzz
