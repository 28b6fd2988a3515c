// The driver CTest runs for a fuzz target when no fuzzing engine is at hand:
// every file of the seed corpus, then a fixed number of inputs made from
// them by a seeded generator (byte changes and insertions), so each run is
// repeatable.
//
//   fuzz_<target> CORPUS_FOLDER [--runs N] [--seed S]
//
// A broken property aborts the program; before each generated input is
// tried it is written to "<target>-last-input" in the working folder, so a
// failure can be replayed by naming that file as the corpus.

#include "Fuzz.h"

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> ReadCorpus(const std::filesystem::path& place) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(place)) {
        for (const auto& entry : std::filesystem::directory_iterator(place)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
    } else {
        files.push_back(place);
    }
    std::sort(files.begin(), files.end());
    std::vector<Bytes> corpus;
    for (const auto& file : files) {
        const std::string text = taleno::fuzz::ReadWholeFile(file.string());
        corpus.emplace_back(text.begin(), text.end());
    }
    return corpus;
}

// Bytes that steer the readers: line ends, separators, quotes, signs,
// digits, the UTF-8 byte-order mark's first byte and a multi-byte lead.
constexpr std::uint8_t kTokens[] = {'\n', '\r', '=', '[', ']', ';', '#', '/',  '.',  ' ',  '\t', '"',
                                    '-',  '+',  '0', '9', '%', ':', 0,   0xEF, 0xC3, 0xFF, 'e'};

// An input of the corpus with one to eight changes: a byte replaced, or a
// run of one byte inserted (long enough, at times, to reach the length
// limits); each a steering byte or any byte.
Bytes MakeInput(const std::vector<Bytes>& corpus, std::mt19937& random) {
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    Bytes input = corpus.empty() ? Bytes{} : corpus[below(corpus.size())];
    for (std::size_t changes = 1 + below(8); changes > 0; --changes) {
        const std::uint8_t byte =
            below(2) == 0 ? kTokens[below(sizeof kTokens)] : static_cast<std::uint8_t>(below(256));
        const std::size_t at = below(input.size() + 1);
        if (at < input.size() && below(2) == 0) {
            input[at] = byte;
        } else {
            input.insert(input.begin() + static_cast<long>(at), below(2) == 0 ? 1 + below(4) : 1 + below(400), byte);
        }
    }
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER [--runs N] [--seed S]\n", argv[0]);
        return 2;
    }
    long runs = 2000;
    unsigned seed = 1;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--runs") runs = std::strtol(argv[i + 1], nullptr, 10);
        if (flag == "--seed") seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    const std::vector<Bytes> corpus = ReadCorpus(argv[1]);
    for (const Bytes& input : corpus) LLVMFuzzerTestOneInput(input.data(), input.size());

    const std::string lastInput = std::filesystem::path(argv[0]).filename().string() + "-last-input";
    std::mt19937 random(seed);
    for (long run = 0; run < runs; ++run) {
        const Bytes input = MakeInput(corpus, random);
        taleno::fuzz::WriteWholeFile(lastInput, std::string(input.begin(), input.end()));
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::filesystem::remove(lastInput);
    std::printf("%zu corpus inputs and %ld generated inputs (seed %u): every property held\n", corpus.size(), runs,
                seed);
    return 0;
}
