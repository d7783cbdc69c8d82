// Interoperability with the real ARC programs: archives written by arc list
// and extract byte-exactly through corax32 and the corax command; archives
// written by the module extract byte-exactly with nomarch and arc.
#include <filesystem>
#include <set>

#include "module_fixture.h"
#include "peer_program.h"

namespace arcsup::test {
namespace {

using arc::test::binary_data;
using arc::test::bytes_of;
using arc::test::find_program;
using arc::test::marker_data;
using arc::test::random_data;
using arc::test::run_program;
using arc::test::text_data;

// Independent symbols with falling frequencies (1/rank over 64 printable
// characters): Huffman codes beat the string table on a few kilobytes.
Bytes skewed_symbols(std::size_t size) {
    std::vector<double> cumulative;
    double total = 0;
    for (int rank = 1; rank <= 64; ++rank) cumulative.push_back(total += 1.0 / rank);
    Bytes out(size);
    std::uint32_t state = 12345;
    for (auto& byte : out) {
        state = state * 1664525u + 1013904223u;
        const double pick = (state >> 8) / double(1u << 24) * total;
        std::size_t symbol = 0;
        while (cumulative[symbol] < pick) ++symbol;
        byte = static_cast<std::uint8_t>(32 + symbol);
    }
    return out;
}

// Inputs that make arc choose each of the methods it writes (stored,
// packed, squeezed, crunched), and the kinds of data that matter.
std::vector<std::pair<std::string, Bytes>> peer_inputs() {
    return {
        {"SQUEEZE.DAT", skewed_symbols(5000)},
        {"RUN.TXT", bytes_of("qqqqqqqqqqqqqqqqqqqqqqqqqqqqqq\n")},
        {"TEXT.TXT", text_data(60000)},
        {"BINARY.BIN", binary_data(30000)},
        {"RANDOM.BIN", random_data(8000)},
        {"MARKERS.DAT", marker_data(20000)},
        {"RUNS.DAT", [] { Bytes b; for (int i = 0; i < 200; ++i) b.insert(b.end(), 40, static_cast<std::uint8_t>(i)); return b; }()},
        {"SKEWED.DAT", [] { Bytes b(20000, 'a'); for (std::size_t i = 0; i < b.size(); i += 7) b[i] = static_cast<std::uint8_t>('b' + i % 3); return b; }()},
        {"EMPTY.TXT", {}},
        {"TINY.TXT", bytes_of("x")},
    };
}

class Peers : public ModuleTest {
protected:
    void require(const char* program) {
        if (find_program(program).empty()) GTEST_SKIP() << program << " is not installed";
    }
    void write_inputs(const std::string& folder) {
        std::filesystem::create_directories(path(folder));
        for (const auto& [name, data] : peer_inputs()) write_bytes(path(folder + "/" + name), data);
    }
    ScopedEnv modules_{"CORAX_MODULE_PATH", ARCSUP_MODULE_DIR};
};

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST_F(Peers, ArchivesOfArcListAndExtractThroughCorax) {
    require("arc");
    write_inputs("src");
    std::vector<std::string> argv = {find_program("arc").string(), "a", path("peer.arc")};
    for (const auto& [name, data] : peer_inputs()) argv.push_back(name);
    ASSERT_EQ(run_program(argv, path("src")).exit_code, 0);

    ArchiveRequest l = request(path("peer.arc"));
    ASSERT_EQ(CxList(&l), 0);
    const auto rows = listing_rows(listing.data());
    ASSERT_EQ(rows.size(), peer_inputs().size());

    // arc writes its members sorted by name; every method it chose must be read.
    std::filesystem::create_directories(path("out"));
    ArchiveRequest x = request(path("peer.arc"), nullptr, path("out").c_str());
    ASSERT_EQ(CxExtract(&x), 0);
    EXPECT_TRUE(boxes.empty()) << boxes.front().text;
    for (const auto& [name, data] : peer_inputs()) {
        EXPECT_EQ(read_bytes(path("out/" + name)), data) << name;
        bool listed = false;
        for (const auto& row : rows) listed |= row[0] == name && row[1] == std::to_string(data.size());
        EXPECT_TRUE(listed) << name;
    }

    // The corax command on the same archive.
    std::filesystem::create_directories(path("cli"));
    auto run = run_program({CORAX_PROGRAM, "extract", path("peer.arc"), "-C", path("cli")}, path(""));
    ASSERT_EQ(run.exit_code, 0);
    for (const auto& [name, data] : peer_inputs()) EXPECT_EQ(read_bytes(path("cli/" + name)), data) << name;
    auto listed = run_program({CORAX_PROGRAM, "list", path("peer.arc")}, path(""));
    ASSERT_EQ(listed.exit_code, 0);
    const std::string text(listed.output.begin(), listed.output.end());
    for (const auto& [name, data] : peer_inputs()) EXPECT_NE(text.find(name), std::string::npos) << name;
}

TEST_F(Peers, ArcUsesTheMethodsWeRead) {
    require("arc");
    write_inputs("src");
    std::vector<std::string> argv = {find_program("arc").string(), "a", path("peer.arc")};
    for (const auto& [name, data] : peer_inputs()) argv.push_back(name);
    ASSERT_EQ(run_program(argv, path("src")).exit_code, 0);
    auto members = arc::test::read_archive(read_bytes(path("peer.arc")));
    ASSERT_TRUE(members.has_value());
    std::set<int> methods;
    for (const auto& m : *members) methods.insert(m.method);
    // The inputs are chosen so that arc writes stored, packed, squeezed and crunched members.
    EXPECT_EQ(methods, (std::set<int>{2, 3, 4, 8}));
}

class PeersRead : public Peers, public ::testing::WithParamInterface<const char*> {};

TEST_P(PeersRead, ArchivesOfTheModuleExtractByteExactly) {
    const std::string peer = GetParam();
    require(peer.c_str());
    write_inputs("src");
    // Sizes that make the module write every method it writes: 2, 3, 8, 9.
    write_bytes(path("src/SMALL.TXT"), bytes_of("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"));
    write_bytes(path("src/MIDDLE.TXT"), text_data(5000));
    ArchiveRequest r = request(path("made.arc"), nullptr, path("src").c_str());
    ASSERT_EQ(CxAppend(&r), 0);
    auto members = arc::test::read_archive(read_bytes(path("made.arc")));
    ASSERT_TRUE(members.has_value());
    std::set<int> methods;
    for (const auto& m : *members) methods.insert(m.method);
    EXPECT_EQ(methods, (std::set<int>{2, 3, 8, 9}));

    std::filesystem::create_directories(path("peer"));
    std::vector<std::string> argv = {find_program(peer).string()};
    if (peer == "arc") argv.push_back("x");
    argv.push_back(path("made.arc"));
    ASSERT_EQ(run_program(argv, path("peer")).exit_code, 0);
    for (const auto& m : *members) {
        const std::string name = peer == "nomarch" ? lower(m.name) : m.name;
        EXPECT_EQ(read_bytes(path("peer/" + name)), read_bytes(path("src/" + m.name))) << peer << " " << m.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, PeersRead, ::testing::Values("nomarch", "arc"));

}  // namespace
}  // namespace arcsup::test
