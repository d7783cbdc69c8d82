// CxIsArchiv over 10,000 files of mixed kinds: half named by a known
// extension (no file access), half found by content.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "corax32.h"

namespace {

std::string content_of(int kind, std::mt19937& rng) {
    std::string data(2000 + rng() % 30000, '\0');
    for (char& c : data) c = static_cast<char>(rng() % 200 + 32);  // no signature bytes by chance... mostly
    switch (kind) {
    case 0: data.replace(data.size() - 22, 2, "PK"); break;
    case 1: data.replace(2, 5, "-lh5-"); break;
    case 2: data.replace(data.size() / 2, 5, "ZOO 2"); break;
    case 3: data.replace(0, 2, "\x60\xea"); break;
    default: break;  // nothing to find: the whole first 32 KiB is scanned
    }
    return data;
}

struct FileSet {
    std::filesystem::path dir;
    std::vector<std::string> names;
    FileSet() {
        char templ[] = "/tmp/bench_detect_XXXXXX";
        dir = mkdtemp(templ);
        std::mt19937 rng(42);
        static const char* extensions[] = {".arc", ".zip", ".lzh", ".arj", ".tar"};
        for (int i = 0; i < 10000; ++i) {
            std::string name = (dir / ("f" + std::to_string(i))).string();
            if (i % 2 == 0) name += extensions[(i / 2) % 5];
            std::ofstream(name, std::ios::binary) << content_of(i % 5, rng);
            names.push_back(name);
        }
    }
    ~FileSet() { std::filesystem::remove_all(dir); }
};

void BM_DetectTenThousandFiles(benchmark::State& state) {
    static FileSet files;
    for (auto _ : state) {
        int found = 0;
        for (const std::string& name : files.names) found += CxIsArchiv(name.c_str()) != 0;
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.names.size()));
}
BENCHMARK(BM_DetectTenThousandFiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
