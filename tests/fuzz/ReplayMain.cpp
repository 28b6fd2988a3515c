// The driver CTest runs for a fuzz target when no fuzzing engine is at hand:
// every file of the seed corpus, then a fixed number of inputs made from
// them by a seeded generator (byte changes, insertions, deletions and
// splices of two inputs), so each run is repeatable.
//
//   fuzz_<target> CORPUS_FOLDER [--runs N] [--seed S]
//
// A broken property aborts the program; before each generated input is
// tried it is written to "<target>-last-input" in the working folder, so a
// failure can be replayed by naming that file as the corpus.

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
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

class Mutator {
public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    Bytes Make(const std::vector<Bytes>& corpus) {
        Bytes input = corpus.empty() ? Bytes{} : corpus[Below(corpus.size())];
        const std::size_t changes = 1 + Below(8);
        for (std::size_t i = 0; i < changes; ++i) Change(input, corpus);
        return input;
    }

private:
    std::size_t Below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    std::uint8_t AnyByte() {
        return Below(2) == 0 ? kTokens[Below(sizeof kTokens)] : static_cast<std::uint8_t>(Below(256));
    }

    // Replaces a byte, inserts a run of one byte (long enough to reach the
    // length limits), deletes a stretch, or splices this input's front to
    // another's back.
    void Change(Bytes& input, const std::vector<Bytes>& corpus) {
        const auto at = [&](std::size_t i) { return input.begin() + static_cast<long>(i); };
        switch (Below(4)) {
        case 0:
            if (!input.empty()) input[Below(input.size())] = AnyByte();
            break;
        case 1:
            input.insert(at(Below(input.size() + 1)), Below(2) == 0 ? 1 + Below(4) : 1 + Below(400), AnyByte());
            break;
        case 2:
            if (!input.empty()) {
                const std::size_t from = Below(input.size());
                input.erase(at(from), at(from + 1 + Below(std::min<std::size_t>(16, input.size() - from))));
            }
            break;
        default: {
            if (corpus.empty()) break;
            const Bytes& other = corpus[Below(corpus.size())];
            input.resize(Below(input.size() + 1));
            input.insert(input.end(), other.begin() + static_cast<long>(Below(other.size() + 1)), other.end());
        }
        }
        if (input.size() > 64 * 1024) input.resize(64 * 1024);
    }

    std::mt19937 random_;
};

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
    Mutator mutator(seed);
    for (long run = 0; run < runs; ++run) {
        const Bytes input = mutator.Make(corpus);
        taleno::fuzz::WriteWholeFile(lastInput, std::string(input.begin(), input.end()));
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::filesystem::remove(lastInput);
    std::printf("%zu corpus inputs and %ld generated inputs (seed %u): every property held\n", corpus.size(), runs,
                seed);
    return 0;
}
