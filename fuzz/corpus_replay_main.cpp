// Runs a fuzz target once over every file of its seed corpus, as an ordinary test: the
// corpora are replayed in every build, not only where libFuzzer is at hand.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsUnder(const fs::path& path) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(path)) {
        for (const auto& entry : fs::directory_iterator(path))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
    } else if (fs::is_regular_file(path)) {
        inputs.push_back(path);
    }
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int a = 1; a < argc; ++a) {
        const std::vector<fs::path> inputs = inputsUnder(argv[a]);
        // A corpus that has gone missing must not pass as an empty success.
        if (inputs.empty()) {
            std::fprintf(stderr, "no corpus inputs at %s\n", argv[a]);
            return 1;
        }
        for (const fs::path& input : inputs) {
            std::ifstream in(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
            std::printf("%s (%zu bytes)\n", input.filename().string().c_str(), bytes.size());
            std::fflush(stdout);
            // A zero-length input gets a valid pointer as libFuzzer would pass it.
            const std::uint8_t none = 0;
            LLVMFuzzerTestOneInput(
                bytes.empty() ? &none : reinterpret_cast<const std::uint8_t*>(bytes.data()),
                bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
