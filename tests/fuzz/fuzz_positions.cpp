// The position store with any clip paths and any old position file: two
// clips stored read back their own seconds; forgetting one leaves the other.

#include "Fuzz.h"

#include "settings/PlaybackPositions.h"

using namespace taleno;
using namespace taleno::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string first = in.Text(300);
    std::string second = in.Text(300);
    const int firstSeconds = in.Int(0, 359999);
    const int secondSeconds = in.Int(0, 359999);
    const std::string folder = ScratchFolder();
    WriteWholeFile(PositionFilePath(folder), in.Rest());
    if (first.empty() || second.empty() || first == second) {
        FUZZ_CHECK(ReadPosition(folder, "") == -1);
        return 0;
    }
    FUZZ_CHECK(StorePosition(folder, first, firstSeconds));
    FUZZ_CHECK(StorePosition(folder, second, secondSeconds));
    FUZZ_CHECK(ReadPosition(folder, first) == firstSeconds);
    FUZZ_CHECK(ReadPosition(folder, second) == secondSeconds);
    FUZZ_CHECK(ForgetPosition(folder, first));
    FUZZ_CHECK(ReadPosition(folder, first) == -1);
    FUZZ_CHECK(ReadPosition(folder, second) == secondSeconds);
    return 0;
}
