// The DOS packer runner's own cost around a packer that exits at once:
// an extraction through CxExtract with /bin/true standing in for the packer,
// against starting and waiting for /bin/true directly. Both run in one
// program, so the ratio and the difference are measured on the same machine
// state.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "corax32.h"
#include "platform/process.h"

namespace {

struct PackerOnPath {
    std::filesystem::path dir;
    std::string archive;
    PackerOnPath() {
        char templ[] = "/tmp/bench_runner_XXXXXX";
        dir = mkdtemp(templ);
        std::filesystem::create_symlink("/bin/true", dir / "arj");
        archive = (dir / "a.arj").string();
        std::ofstream(archive) << "x";
        setenv("PATH", dir.c_str(), 1);
        setenv("TMPDIR", dir.c_str(), 1);
    }
    ~PackerOnPath() { std::filesystem::remove_all(dir); }
};

void BM_StartTrueDirectly(benchmark::State& state) {
    for (auto _ : state) {
        int error = 0;
        auto p = platform::Process::start({"/bin/true"}, "", -1, error);
        p->wait(10000);
    }
}
BENCHMARK(BM_StartTrueDirectly)->Unit(benchmark::kMicrosecond);

void BM_ExtractThroughTheRunner(benchmark::State& state) {
    static PackerOnPath packer;
    for (auto _ : state) {
        ArchiveRequest r{};
        r.dwSize = sizeof r;
        r.lpstrArchive = packer.archive.c_str();
        r.lpstrFiles = "member";
        r.dwFlags = ARF_NOPATHS;
        if (CxExtract(&r) != 0) state.SkipWithError("extraction failed");
    }
}
BENCHMARK(BM_ExtractThroughTheRunner)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
