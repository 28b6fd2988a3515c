#pragma once
// What every fuzz target shares: the check that stops the run on a broken
// property, a private scratch folder for the files a target reads and
// writes, and whole-file reads and writes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The entry point both builds call: libFuzzer's driver, or the replay
// driver that CTest runs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace taleno::fuzz {

// Prints what failed and aborts, so libFuzzer keeps the input and the
// replay driver reports it.
[[noreturn]] void Fail(const char* file, int line, const char* condition);

// A folder of this process's own under $TMPDIR (or /tmp), made on first use
// and removed when the process exits.
const std::string& ScratchFolder();

void WriteWholeFile(const std::string& path, std::string_view contents);
std::string ReadWholeFile(const std::string& path);

}  // namespace taleno::fuzz

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : ::taleno::fuzz::Fail(__FILE__, __LINE__, #condition))
