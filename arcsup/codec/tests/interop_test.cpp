// Interoperability with the installed peers: nomarch and arc extract what
// this codec (and its test-only encoders) writes, and this codec decodes
// what arc writes. Each test skips when its peer is not installed.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "arc/codec.h"
#include "arc_archive.h"
#include "codec_helpers.h"
#include "fixtures.h"
#include "peer_program.h"

namespace arc::test {
namespace {

#define REQUIRE_PEER(var, name)                                              \
    const std::filesystem::path var = find_program(name);                    \
    if (var.empty())                                                         \
        GTEST_SKIP() << "peer program " << name << " is not installed";

// Skewed random letters: small files of this kind are what arc squeezes.
Bytes skewed_letters(std::size_t size, std::uint32_t seed)
{
    static const char alphabet[] = "aaaaaaaaaaaaaaaabbbbbbbbccccdde";
    std::mt19937 rng(seed);
    Bytes out(size);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(alphabet[rng() % (sizeof alphabet - 1)]);
    return out;
}

struct InteropInput {
    std::string name;  // an 8.3 member name, upper case
    Bytes data;
};

std::vector<InteropInput> interop_inputs()
{
    Bytes all_values(256);
    for (int i = 0; i < 256; ++i)
        all_values[i] = static_cast<std::uint8_t>(i);
    return {
        {"ONE.TXT", {'x'}},
        {"SHORT.TXT", bytes_of("Hello, ARC!\r\nHello, ARC!\r\n")},
        {"VALUES.BIN", all_values},
        {"TEXT.TXT", text_data(30000)},
        {"BINARY.BIN", binary_data(40000)},
        {"MARKERS.BIN", marker_data(20000)},
        {"RANDOM.BIN", random_data(9000)},
        {"SKEWED.TXT", skewed_letters(2000, 8)},
        {"RUNS.BIN", Bytes(70000, 0x90)},
        {"LETTERS.TXT", [] {
             Bytes b(46, 'a');
             b.insert(b.end(), 31, 'b');
             return b;
         }()},
    };
}

ArchiveMember make_member(int method, const InteropInput& input)
{
    ArchiveMember m;
    m.method = method;
    m.name = input.name;
    m.data = member_data(method, input.data);
    m.crc = crc16(input.data);
    m.uncompressed_size = static_cast<std::uint32_t>(input.data.size());
    return m;
}

class PeerExtractsOurMembers : public testing::TestWithParam<int> {};

TEST_P(PeerExtractsOurMembers, Nomarch)
{
    REQUIRE_PEER(nomarch, "nomarch");
    const int m = GetParam();
    if (m == method::crunched_old_newhash)
        GTEST_SKIP() << "nomarch does not read method 7 (arc does, see the Arc case)";
    ScratchDirectory dir;
    std::vector<ArchiveMember> members;
    for (const InteropInput& input : interop_inputs())
        members.push_back(make_member(m, input));
    write_file(dir.path() / "OURS.ARC", write_archive(members));

    const RunResult test = run_program({nomarch.string(), "-t", "OURS.ARC"}, dir.path());
    EXPECT_EQ(test.exit_code, 0) << std::string(test.output.begin(), test.output.end());
    for (const InteropInput& input : interop_inputs()) {
        const RunResult out =
            run_program({nomarch.string(), "-pU", "OURS.ARC", input.name}, dir.path());
        EXPECT_EQ(out.exit_code, 0) << input.name;
        EXPECT_TRUE(out.output == input.data)
            << "method " << m << " member " << input.name << ": " << out.output.size()
            << " bytes instead of " << input.data.size();
    }
}

TEST_P(PeerExtractsOurMembers, Arc)
{
    REQUIRE_PEER(arc, "arc");
    const int m = GetParam();
    ScratchDirectory dir;
    std::vector<ArchiveMember> members;
    for (const InteropInput& input : interop_inputs())
        members.push_back(make_member(m, input));
    write_file(dir.path() / "OURS.ARC", write_archive(members));
    std::filesystem::create_directory(dir.path() / "out");

    const RunResult run = run_program({arc.string(), "xo", "../OURS.ARC"}, dir.path() / "out");
    EXPECT_EQ(run.exit_code, 0) << std::string(run.output.begin(), run.output.end());
    for (const InteropInput& input : interop_inputs()) {
        const Bytes extracted = read_file(dir.path() / "out" / input.name);
        EXPECT_TRUE(extracted == input.data)
            << "method " << m << " member " << input.name << ": " << extracted.size()
            << " bytes instead of " << input.data.size();
    }
}

std::string method_name(const testing::TestParamInfo<int>& info)
{
    return "method" + std::to_string(info.param);
}

INSTANTIATE_TEST_SUITE_P(Methods, PeerExtractsOurMembers, testing::Values(2, 3, 4, 5, 6, 7, 8, 9),
                         method_name);

// Adds the inputs with `arc <command>` and decodes every member; returns
// the methods arc chose, by member name.
std::map<std::string, int> decode_arc_archive(const std::filesystem::path& arc,
                                              const std::string& command)
{
    ScratchDirectory dir;
    std::vector<std::string> argv = {arc.string(), command, "PEER.ARC"};
    std::vector<InteropInput> inputs = interop_inputs();
    for (const InteropInput& input : inputs) {
        write_file(dir.path() / input.name, input.data);
        argv.push_back(input.name);
    }
    const RunResult run = run_program(argv, dir.path());
    EXPECT_EQ(run.exit_code, 0);
    const auto members = read_archive(read_file(dir.path() / "PEER.ARC"));
    EXPECT_TRUE(members.has_value()) << "arc's archive did not parse";
    std::map<std::string, int> methods;
    if (!members)
        return methods;
    EXPECT_EQ(members->size(), inputs.size());
    for (const ArchiveMember& member : *members) {
        const auto input = std::find_if(inputs.begin(), inputs.end(),
                                        [&](const InteropInput& i) { return i.name == member.name; });
        EXPECT_NE(input, inputs.end()) << member.name;
        if (input == inputs.end())
            continue;
        methods[member.name] = member.method;
        const Decoded decoded = decode(member.method, member.data);
        EXPECT_EQ(decoded.status, DecodeStatus::ok) << member.name << " " << status_name(decoded.status);
        EXPECT_TRUE(decoded.data == input->data)
            << member.name << " method " << member.method << ": " << decoded.data.size()
            << " bytes instead of " << input->data.size();
        EXPECT_EQ(crc16(decoded.data), member.crc) << member.name;
        EXPECT_EQ(member.uncompressed_size, input->data.size()) << member.name;
    }
    return methods;
}

TEST(WeDecodeArc, StoredPackedSqueezedAndCrunchedMembers)
{
    REQUIRE_PEER(arc, "arc");
    const auto methods = decode_arc_archive(arc, "a");
    std::set<int> seen;
    for (const auto& [name, m] : methods)
        seen.insert(m);
    for (int m : {method::stored, method::packed, method::squeezed, method::crunched})
        EXPECT_TRUE(seen.count(m)) << "arc wrote no member with method " << m;
}

TEST(WeDecodeArc, SquashedMembers)
{
    REQUIRE_PEER(arc, "arc");
    const auto methods = decode_arc_archive(arc, "aq");
    EXPECT_EQ(methods.at("TEXT.TXT"), method::squashed);
}

// Until the string table is full, arc's compressor and ours follow the same
// rules (code widths 9 to 12 or 13, groups, padding), so for the same input
// the compressed data are the same bytes. (Once the table is full, arc keeps
// it while it compresses well; ours clears it at once.)
TEST(WeDecodeArc, CrunchedAndSquashedDataEqualArcsUntilTheTableIsFull)
{
    REQUIRE_PEER(arc, "arc");
    struct Case {
        const char* command;
        int method;
    };
    for (const Case c : {Case{"a", method::crunched}, Case{"aq", method::squashed}}) {
        ScratchDirectory dir;
        const Bytes text = text_data(20000, 21);
        write_file(dir.path() / "BIG.TXT", text);
        run_program({arc.string(), c.command, "PEER.ARC", "BIG.TXT"}, dir.path());
        const auto members = read_archive(read_file(dir.path() / "PEER.ARC"));
        ASSERT_TRUE(members && members->size() == 1);
        ASSERT_EQ(members->front().method, c.method);
        const Bytes ours = encode(c.method, text);
        EXPECT_EQ(ours.size(), members->front().data.size()) << c.command;
        EXPECT_TRUE(ours == members->front().data) << c.command;
    }
}

} // namespace
} // namespace arc::test
