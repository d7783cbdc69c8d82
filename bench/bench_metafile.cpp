// Rendering a metafile of 100,000 line records into a 2000 x 2000 DIB,
// and the parse alone.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <random>
#include <vector>

#include "mirv32.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"

namespace {

constexpr int kLines = 100000;
constexpr int kSize = 2000;

HMETAFILE line_metafile() {
    HDC dc = CreateMetaFileA(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 20000, 20000, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(200, 30, 30));
    SelectObject(dc, pen);
    std::mt19937 rng(7);
    // 50,000 MoveTo/LineTo pairs: 100,000 line records.
    for (int i = 0; i < kLines / 2; ++i) {
        MoveToEx(dc, static_cast<int>(rng() % 20000), static_cast<int>(rng() % 20000), nullptr);
        LineTo(dc, static_cast<int>(rng() % 20000), static_cast<int>(rng() % 20000));
    }
    DeleteObject(pen);
    return CloseMetaFile(dc);
}

void BM_RenderLines(benchmark::State& state) {
    HMETAFILE mf = line_metafile();
    IPRENDERSIZE size{kSize, kSize};
    for (auto _ : state) {
        IPRESULT dib = ipMeta2Dib(mf, &size, nullptr);
        if (dib <= IPE_LAST) state.SkipWithError("rendering failed");
        else GlobalFree(reinterpret_cast<HGLOBAL>(dib));
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    DeleteMetaFile(mf);
}
BENCHMARK(BM_RenderLines)->Unit(benchmark::kMillisecond);

void BM_ParseLines(benchmark::State& state) {
    HMETAFILE mf = line_metafile();
    std::vector<BYTE> bits(GetMetaFileBitsEx(mf, 0, nullptr));
    GetMetaFileBitsEx(mf, static_cast<UINT>(bits.size()), bits.data());
    for (auto _ : state) {
        HMETAFILE copy = SetMetaFileBitsEx(static_cast<UINT>(bits.size()), bits.data());
        benchmark::DoNotOptimize(copy);
        DeleteMetaFile(copy);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    DeleteMetaFile(mf);
}
BENCHMARK(BM_ParseLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
