// The library frame: error texts, type codes, extension list, parameter
// rules of the general entry points and the dispatch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_box_recorder.h"
#include "mirv32.h"
#include "platform/gdi/metafile.h"
#include "platform/msgbox.h"
#include "progress/progress.h"
#include "test_files.h"

namespace {

TEST(ErrorText, EveryCodeHasItsTextOrTheInvalidCodeText) {
    struct Case {
        int code;
        const char* text;
    } cases[] = {
        {1, "Fehler beim Schließen"},
        {3, "Fehler beim Öffnen"},
        {14, "Nicht genügend Speicher verfügbars"},
        {13, "Die Datei enthält Tags, die nicht von TIFF 6.0-Standard unterstützt werden"},
        {21, "Vorherige Umwandlung nicht abgeschlossen"},
        {22, "Datei ist nicht vorhanden oder keine .BMP bzw. .DIB-Datei"},
        {23, "Ungültige Parameterkombination beim Aufruf einer Miravel-Routine"},
        {24, "Datei ist keine Windows .WMF - Datei"},
        {29, "Das DXF-Filter hat einen Fehler in der DXF-Datei erkannt. Die DXF-Datei ist entweder beschädigt oder "
             "keine AutoCAD DXF-Datei"},
        {31, "Die Datei ist keine gültige PNG-Datei"},
        {5, "Ungültiges Fehlerkennzeichen"},
        {18, "Ungültiges Fehlerkennzeichen"},
        {28, "Ungültiges Fehlerkennzeichen"},
        {30, "Ungültiges Fehlerkennzeichen"},
        {0, "Ungültiges Fehlerkennzeichen"},
        {32, "Ungültiges Fehlerkennzeichen"},
        {-1, "Ungültiges Fehlerkennzeichen"},
        {1002, "*.WMF;*.DXF;"},  // the same string table
    };
    for (const Case& c : cases) EXPECT_STREQ(ipErrorText(c.code), c.text) << c.code;
}

TEST(ErrorText, TheBufferIsReusedByTheNextCall) {
    const char* first = ipErrorText(1);
    const char* second = ipErrorText(3);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "Fehler beim Öffnen");
}

TEST(ErrorMsg, ShowsASystemModalErrorBoxWithoutOwner) {
    MessageBoxRecorder boxes;
    ipErrorMsg(25);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].owner, nullptr);
    EXPECT_EQ(boxes.calls[0].caption, "MIRAVEL Grafikbibliothek...");
    EXPECT_EQ(boxes.calls[0].text, "Keine gültige PCX-Datei");
    EXPECT_EQ(boxes.calls[0].style, MB_SYSTEMMODAL | MB_ICONERROR);
}

TEST(TypFromName, ExactExtensionsIgnoringCase) {
    struct Case {
        const char* name;
        int type;
    } cases[] = {{"BILD.Tif", IPT_TIF}, {"a.wmf", IPT_WMF}, {"x.DXF", IPT_DXF}, {"x.bmp", IPT_BMP},
                 {"x.dib", IPT_BMP}, {"x.gif", IPT_GIF}, {"x.PCX", IPT_PCX}, {"x.jpg", IPT_JPG},
                 {"x.png", IPT_PNG}, {"photo.jpeg", 0}, {"scan.tiff", 0}, {"x.jpe", 0},
                 {"noextension", 0}, {"dir.bmp/file", 0}, {"a.b.gif", IPT_GIF}, {"trailing.", 0}, {"", 0}};
    char filter[260] = "untouched";
    for (const Case& c : cases) {
        EXPECT_EQ(ipTypFromName(c.name, filter), c.type) << c.name;
        EXPECT_STREQ(filter, "untouched");
    }
    EXPECT_EQ(ipTypFromName(nullptr, nullptr), 0);
}

TEST(ImportExtensions, GroupsByFlagWithoutTrailingSeparator) {
    struct Case {
        DWORD flags;
        const char* list;
    } cases[] = {
        {0, ""},
        {IP_DIB, "*.WMF;*.DXF"},
        {IP_META, "*.BMP;*.TIF;*.GIF;*.PCX;*.JPG;*.PNG"},
        {IP_DIB | IP_META, "*.WMF;*.DXF;*.BMP;*.TIF;*.GIF;*.PCX;*.JPG;*.PNG"},
        {IP_DIB | IP_META | IP_SHOWERROR | 0x4000, "*.WMF;*.DXF;*.BMP;*.TIF;*.GIF;*.PCX;*.JPG;*.PNG"},
    };
    for (const Case& c : cases) EXPECT_STREQ(ipGetImportExtensions(c.flags), c.list) << c.flags;
}

// A one-pixel red 24-bit BMP file.
std::vector<std::uint8_t> red_pixel_bmp() {
    BmpBuilder b;
    b.pixels = {0, 0, 255, 0};
    return b.build();
}

TEST(Import, ParameterRules) {
    ScratchDir dir;
    std::string file = dir.write("p.bmp", red_pixel_bmp());
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(1);
    HMETAFILE mf = reinterpret_cast<HMETAFILE>(1);
    // Both handle pointers null.
    EXPECT_EQ(ipImport(nullptr, nullptr, name.data(), IP_DIB, nullptr, 0, nullptr, nullptr), IPE_PARAMS);
    // No file name without the dialog.
    EXPECT_EQ(ipImport(&dib, nullptr, nullptr, IP_DIB, nullptr, 0, nullptr, nullptr), IPE_PARAMS);
    EXPECT_EQ(dib, nullptr);
    // The dialog needs a parent.
    EXPECT_EQ(ipImport(&dib, &mf, name.data(), IP_DIALOG, nullptr, 0, nullptr, nullptr), IPE_PARAMS);
    EXPECT_EQ(dib, nullptr);
    EXPECT_EQ(mf, nullptr);
}

TEST(Import, OnlyTheKindThereIsAPointerForIsDelivered) {
    ScratchDir dir;
    std::string file = dir.write("p.bmp", red_pixel_bmp());
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    HGLOBAL dib = nullptr;
    // IP_META without a metafile pointer is dropped; the DIB comes.
    EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_META, nullptr, 0, nullptr, nullptr), 0);
    ASSERT_NE(dib, nullptr);
    EXPECT_EQ(DibView(dib).rgb(0, 0), 0xFF0000u);
    GlobalFree(dib);
    // A BMP asked for as a metafile is wrapped.
    HMETAFILE mf = nullptr;
    dib = reinterpret_cast<HGLOBAL>(1);
    EXPECT_EQ(ipImport(&dib, &mf, name.data(), IP_META, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_EQ(dib, nullptr);
    ASSERT_NE(mf, nullptr);
    DeleteMetaFile(mf);
}

TEST(Import, SemicolonNamesTheTypeOfATemporaryCopy) {
    ScratchDir dir;
    std::string file = dir.write("~X12.TMP", red_pixel_bmp());
    std::string both = file + ";SCAN.BMP";
    std::vector<char> name(both.begin(), both.end());
    name.push_back('\0');
    HGLOBAL dib = nullptr;
    EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_NE(dib, nullptr);
    GlobalFree(dib);
    // Without the second name the temporary file has no known type: no picture, no error.
    std::vector<char> plain(file.begin(), file.end());
    plain.push_back('\0');
    dib = reinterpret_cast<HGLOBAL>(1);
    EXPECT_EQ(ipImport(&dib, nullptr, plain.data(), IP_DIB, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_EQ(dib, nullptr);
}

TEST(Import, TypesWithoutAReaderInThisBuildGiveTheParameterCode) {
    ScratchDir dir;
    std::string file = dir.write("p.tif", {'I', 'I', 42, 0});
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    HGLOBAL dib = nullptr;
    for (int type : {IPT_DXF, IPT_TIF, IPT_FLT, IPT_JPG, IPT_PNG, 512})
        EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, type, nullptr, nullptr), IPE_PARAMS) << type;
    EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, 0, nullptr, nullptr), IPE_PARAMS);
}

TEST(Import, ShowErrorShowsOnceAndReturnsZero) {
    ScratchDir dir;
    std::string file = dir.write("bad.bmp", {'n', 'o', 'p', 'e'});
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    MessageBoxRecorder boxes;
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(1);
    HMETAFILE mf = reinterpret_cast<HMETAFILE>(1);
    EXPECT_EQ(ipImport(&dib, &mf, name.data(), IP_DIB | IP_SHOWERROR, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_EQ(dib, nullptr);
    EXPECT_EQ(mf, nullptr);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Datei ist nicht vorhanden oder keine .BMP bzw. .DIB-Datei");
    // Without the flag the code comes back and nothing is shown.
    EXPECT_EQ(ipImport(&dib, &mf, name.data(), IP_DIB, nullptr, 0, nullptr, nullptr), IPE_NOBMP);
    EXPECT_EQ(boxes.calls.size(), 1u);
}

int g_holder_calls = 0;
int holder_callback() { return ++g_holder_calls, 1; }

TEST(Import, RefusedWhileAnotherConversionHoldsProgressReporting) {
    ScratchDir dir;
    std::string file = dir.write("p.bmp", red_pixel_bmp());
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    ASSERT_EQ(mirv::progress::begin(nullptr, holder_callback), 0);
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(1);
    EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, 0, nullptr, nullptr), IPE_BUSY);
    EXPECT_EQ(dib, nullptr);
    // The holder keeps its callback; the refused call did not end it.
    EXPECT_FALSE(mirv::progress::step(50));
    EXPECT_EQ(g_holder_calls, 1);
    // Calls that need no progress reporting still run.
    EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB | IP_NOWAIT, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_NE(dib, nullptr);
    GlobalFree(dib);
    IPRESULT direct = ipBmp2Dib(file.c_str(), 0, nullptr);
    EXPECT_GT(direct, IPE_LAST);
    GlobalFree(reinterpret_cast<HGLOBAL>(direct));
    mirv::progress::end();
    EXPECT_EQ(ipImport(&dib, nullptr, name.data(), IP_DIB, nullptr, 0, nullptr, nullptr), 0);
    GlobalFree(dib);
}

TEST(Import, ClearsTheWholeInformationBlock) {
    ScratchDir dir;
    std::string file = dir.write("p.bmp", red_pixel_bmp());
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    IPPICTUREINFO info;
    std::memset(&info, 0xAB, sizeof info);
    HGLOBAL dib = nullptr;
    EXPECT_EQ(ipImportExt(&dib, nullptr, name.data(), IP_DIB, nullptr, 0, nullptr, nullptr, &info, 0), 0);
    IPPICTUREINFO zero{};
    EXPECT_EQ(std::memcmp(&info, &zero, sizeof info), 0);
    GlobalFree(dib);
}

TEST(Export, ParameterRulesAndTypesWithoutWriter) {
    ScratchDir dir;
    std::string out = dir.path("out.gif");
    std::vector<char> name(out.begin(), out.end());
    name.push_back('\0');
    EXPECT_EQ(ipExport(name.data(), 0, nullptr, IPT_BMP, nullptr, nullptr, nullptr, nullptr), IPE_PARAMS);
    HGLOBAL dib = nullptr;
    std::string in = dir.write("p.bmp", red_pixel_bmp());
    dib = mirv_test_dib(in);
    EXPECT_EQ(ipExport(nullptr, 0, nullptr, IPT_BMP, nullptr, nullptr, dib, nullptr), IPE_PARAMS);
    EXPECT_EQ(ipExport(name.data(), IP_DIALOG, nullptr, IPT_BMP, nullptr, nullptr, dib, nullptr), IPE_PARAMS);
    // No GIF writer: nothing is written, and that is no error.
    EXPECT_EQ(ipExport(name.data(), 0, nullptr, IPT_GIF, nullptr, nullptr, dib, nullptr), 0);
    EXPECT_FALSE(std::filesystem::exists(out));
    // A code is returned even when it was shown.
    MessageBoxRecorder boxes;
    std::string bad = "/nonexistent-dir/x.bmp";
    std::vector<char> bad_name(bad.begin(), bad.end());
    bad_name.push_back('\0');
    EXPECT_EQ(ipExport(bad_name.data(), IP_SHOWERROR, nullptr, IPT_BMP, nullptr, nullptr, dib, nullptr), IPE_WRITE);
    EXPECT_EQ(boxes.calls.size(), 1u);
    GlobalFree(dib);
}

TEST(SingleFormat, ResultConventions) {
    ScratchDir dir;
    MessageBoxRecorder boxes;
    EXPECT_EQ(ipBmp2Dib(dir.path("missing.bmp").c_str(), 0, nullptr), IPE_NOBMP);
    EXPECT_EQ(ipBmp2Dib(dir.path("missing.bmp").c_str(), IP_SHOWERROR, nullptr), 0);
    EXPECT_EQ(ipWmf2Meta(dir.path("missing.wmf").c_str(), 0, nullptr, nullptr), IPE_OPEN);
    EXPECT_EQ(ipDib2Bmp(dir.path("x.bmp").c_str(), IP_SHOWERROR, nullptr, nullptr), IPE_WRITE);
    EXPECT_EQ(boxes.calls.size(), 2u);
    IPRESULT ok = ipBmp2Dib(dir.write("p.bmp", red_pixel_bmp()).c_str(), 0, nullptr);
    EXPECT_GT(ok, IPE_LAST);
    GlobalFree(reinterpret_cast<HGLOBAL>(ok));
}

}  // namespace
