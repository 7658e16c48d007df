// Runs a fuzz target over kept inputs, so the normal builds replay every seed and every
// input that once crashed: `fuzz_<name> <file or folder>...`. Files whose names start
// with "." are passed over. A failed property aborts, which fails the test.

#include "fuzzkit.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool runFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::vector<fs::path> files;
        if (fs::is_directory(path)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(path))
                if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else if (fs::exists(path)) {
            files.push_back(path);
        } else {
            std::cerr << "no such file or folder: " << path << '\n';
            return 2;
        }
        for (const fs::path& file : files) {
            std::cout << "replaying " << file.string() << '\n' << std::flush;
            if (!runFile(file))
                return 2;
            ++inputs;
        }
    }
    std::cout << inputs << " inputs replayed, every property held\n";
    return 0;
}
