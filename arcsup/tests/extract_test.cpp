// ARCExtract through the exported procedure.
#include <sys/stat.h>

#include <filesystem>

#include "arc/crc16.h"
#include "arcsup32.h"
#include "module_fixture.h"
#include "platform/dostime.h"

namespace arcsup::test {
namespace {

using arc::test::binary_data;
using arc::test::bytes_of;
using arc::test::marker_data;
using arc::test::random_data;
using arc::test::text_data;

class Extract : public ModuleTest {
protected:
    std::string out() {
        std::filesystem::create_directories(path("out"));
        return path("out/");
    }
};

// Every method the module reads, on every kind of data.
struct MethodCase {
    int method;
    const char* kind;
    Bytes data;
};

std::vector<MethodCase> method_cases() {
    std::vector<MethodCase> cases;
    for (int method = 1; method <= 9; ++method) {
        cases.push_back({method, "text", text_data(30000)});
        cases.push_back({method, "binary", binary_data(20000)});
        cases.push_back({method, "markers", marker_data(9000)});
        cases.push_back({method, "random", random_data(5000)});
        cases.push_back({method, "empty", {}});
        cases.push_back({method, "run", Bytes(70000, 'r')});
    }
    return cases;
}

TEST_F(Extract, EveryMethodDecodesByteExactly) {
    std::vector<ArchiveMember> members;
    const auto cases = method_cases();
    for (std::size_t i = 0; i < cases.size(); ++i)
        members.push_back(member_of(cases[i].method, "M" + std::to_string(i) + ".DAT", cases[i].data));
    auto r = request(archive("all.arc", members), nullptr, out().c_str());
    ASSERT_EQ(ARCExtract(&r), 0);
    EXPECT_TRUE(boxes.empty()) << boxes[0].text;
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(read_bytes(path("out/M" + std::to_string(i) + ".DAT")), cases[i].data)
            << "method " << cases[i].method << " " << cases[i].kind;
}

TEST_F(Extract, SelectedMembersOnlyWithTheirDateAndTime) {
    auto a = member_of(2, "A.TXT", bytes_of("a"));
    a.dos_date = (14 << 9) | (7 << 5) | 9;  // 09.07.1994
    a.dos_time = (13 << 11) | (45 << 5) | 10;
    auto r = request(archive("x.arc", {a, member_of(2, "B.DAT", bytes_of("b"))}), "*.TXT",
                     out().c_str());
    ASSERT_EQ(ARCExtract(&r), 0);
    EXPECT_EQ(files_in("out"), std::vector<std::string>{"A.TXT"});
    platform::DosDateTime dt{};
    ASSERT_TRUE(platform::file_dos_datetime(path("out/A.TXT"), dt));
    EXPECT_EQ(dt.date, a.dos_date);
    EXPECT_EQ(dt.time, a.dos_time);
}

TEST_F(Extract, TargetDirectoryInDosFormAndExistingFilesReplaced) {
    const std::string target = out();
    write_bytes(target + "A.TXT", bytes_of("old contents, longer than the new ones"));
    std::string dos_target = target.substr(0, target.size() - 1);
    for (char& c : dos_target) if (c == '/') c = '\\';
    auto r = request(archive("x.arc", {member_of(3, "A.TXT", bytes_of("new"))}), nullptr,
                     dos_target.c_str());
    ASSERT_EQ(ARCExtract(&r), 0);
    EXPECT_EQ(read_bytes(target + "A.TXT"), bytes_of("new"));
}

TEST_F(Extract, ReadOnlyExistingFileIsNotReplaced) {
    const std::string target = out();
    write_bytes(target + "A.TXT", bytes_of("keep"));
    chmod((target + "A.TXT").c_str(), 0444);
    auto r = request(archive("x.arc", {member_of(2, "A.TXT", bytes_of("new"))}), nullptr,
                     target.c_str());
    EXPECT_EQ(ARCExtract(&r), CX_IO_ERROR);
    EXPECT_EQ(read_bytes(target + "A.TXT"), bytes_of("keep"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Schreibfehler beim Anlegen der Datei " + target + "A.TXT");
    EXPECT_EQ(boxes[0].caption, "ARCSUP.DLL");
    EXPECT_EQ(boxes[0].style, MB_ICONERROR);
}

TEST_F(Extract, CrcMismatchIsShownAndExtractionGoesOn) {
    auto bad = member_of(8, "BAD.TXT", text_data(3000));
    bad.crc ^= 1;
    auto r = request(archive("x.arc", {bad, member_of(2, "NEXT.TXT", bytes_of("next"))}), nullptr,
                     out().c_str());
    int owner_tag = 0;
    r.hWnd = &owner_tag;
    EXPECT_EQ(ARCExtract(&r), CX_CRC_ERROR);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "CRC-Fehler");
    EXPECT_EQ(boxes[0].caption, "BAD.TXT");
    EXPECT_EQ(boxes[0].style, MB_ICONERROR);
    EXPECT_EQ(boxes[0].owner, &owner_tag);
    EXPECT_EQ(read_bytes(path("out/BAD.TXT")), text_data(3000));  // the file stays
    EXPECT_EQ(read_bytes(path("out/NEXT.TXT")), bytes_of("next"));
}

TEST_F(Extract, UnsafeNamesAreRefusedAndTheOthersExtracted) {
    const std::vector<std::string> unsafe = {"../ESCAPE", "SUB/FILE", "SUB\\FILE", "C:FILE", "..", ""};
    std::vector<ArchiveMember> members;
    for (const auto& name : unsafe) members.push_back(member_of(2, name, bytes_of("evil")));
    members.push_back(member_of(2, "GOOD.TXT", bytes_of("good")));
    const std::string target = out();
    auto r = request(archive("x.arc", members), nullptr, target.c_str());
    EXPECT_EQ(ARCExtract(&r), CX_BROKEN_ARCHIVE);
    EXPECT_EQ(files_in("out"), std::vector<std::string>{"GOOD.TXT"});
    EXPECT_EQ(files_in(""), (std::vector<std::string>{"out", "x.arc"}));
    ASSERT_EQ(boxes.size(), unsafe.size());
    for (std::size_t i = 0; i < unsafe.size(); ++i) {
        EXPECT_EQ(boxes[i].text, "Unkorrekter Name für Extraktdatei" + target + unsafe[i]);
        EXPECT_EQ(boxes[i].caption, "ARCSUP.DLL");
    }
}

TEST_F(Extract, UnknownMethodIsSkippedLikeADamagedMember) {
    ArchiveMember odd = member_of(2, "ODD", bytes_of("\x1a\x02 looks like a header"));
    odd.method = 11;
    const std::string p = archive("x.arc", {odd, member_of(2, "AFTER", bytes_of("after"))});
    auto r = request(p, nullptr, out().c_str());
    EXPECT_EQ(ARCExtract(&r), CX_BROKEN_ARCHIVE);
    EXPECT_EQ(files_in("out"), std::vector<std::string>{"AFTER"});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, p + " ist kein Archiv oder beschädigt");
}

// Damaged member data: the decoder's box, result 2021, no partial file left.
struct DamagedMember {
    const char* what;
    ArchiveMember member;
    const char* text;
    const char* caption;
};

ArchiveMember with_data(int method, Bytes data, std::uint32_t size) {
    ArchiveMember m;
    m.method = method;
    m.name = "DAMAGED";
    m.data = std::move(data);
    m.uncompressed_size = size;
    return m;
}

TEST_F(Extract, DamagedDataEndsTheRequest) {
    const std::vector<DamagedMember> cases = {
        {"tree node count 300", with_data(4, {0x2C, 0x01, 0, 0}, 10), "Datei hat einen ungültigen Dekodierbaum", "ARCSUP.DLL"},
        {"tree node count -1", with_data(4, {0xFF, 0xFF}, 10), "Datei hat einen ungültigen Dekodierbaum", "ARCSUP.DLL"},
        {"width byte 13", with_data(8, {13, 1, 2, 3}, 10), "Zu viele Bits", "ARCRD.DLL"},
        {"more output than the header says", member_of(3, "DAMAGED", Bytes(1000, 'x')), nullptr, "ARCSUP.DLL"},
    };
    for (const DamagedMember& c : cases) {
        boxes.clear();
        ArchiveMember m = c.member;
        if (!c.text) m.uncompressed_size = 10;
        const std::string p = archive("bad.arc", {m});
        auto r = request(p, nullptr, out().c_str());
        EXPECT_EQ(ARCExtract(&r), CX_BROKEN_ARCHIVE) << c.what;
        ASSERT_EQ(boxes.size(), 1u) << c.what;
        EXPECT_EQ(boxes[0].text, c.text ? std::string(c.text) : p + " ist kein Archiv oder beschädigt") << c.what;
        EXPECT_EQ(boxes[0].caption, c.caption) << c.what;
        EXPECT_EQ(boxes[0].style, MB_ICONERROR) << c.what;
        EXPECT_TRUE(files_in("out").empty()) << c.what;
    }
}

TEST_F(Extract, NoArchiveFound) {
    auto r = request(path("missing*.arc"), nullptr, out().c_str());
    EXPECT_EQ(ARCExtract(&r), CX_ARCHIVE_NOT_FOUND);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Extract, SeveralArchivesAreExtractedInTurn) {
    archive("p1.arc", {member_of(2, "ONE", bytes_of("1"))});
    archive("p2.arc", {member_of(9, "TWO", text_data(20000))});
    auto r = request(path("p*.arc"), nullptr, out().c_str());
    ASSERT_EQ(ARCExtract(&r), 0);
    EXPECT_EQ(files_in("out"), (std::vector<std::string>{"ONE", "TWO"}));
}

// The callback: what it is called with, and a stop request.
struct CallbackLog {
    std::vector<int> codes;
    std::vector<std::string> files;
    std::vector<int> percents;
    int stop_at_poll = -1;
    int polls = 0;
};
CallbackLog* active_log = nullptr;

int logging_callback(int code, ArchiveRequest* request) {
    active_log->codes.push_back(code);
    if (code == CXCB_POLL) {
        EXPECT_EQ(request, nullptr);
        return active_log->polls++ == active_log->stop_at_poll ? CXCB_STOP : 0;
    }
    if (code == CXCB_FILE) active_log->files.push_back(request->lpstrCurrentFile);
    if (code == CXCB_PERCENT) active_log->percents.push_back(request->nPercent);
    return 0;
}

TEST_F(Extract, CallbackReportsFilesAndProgress) {
    CallbackLog log;
    active_log = &log;
    const std::string target = out();
    auto r = request(archive("x.arc", {member_of(2, "BIG", Bytes(150000, 'b')),
                                       member_of(2, "SMALL", bytes_of("s"))}),
                     nullptr, target.c_str());
    r.lpfnCallback = logging_callback;
    ASSERT_EQ(ARCExtract(&r), 0);
    EXPECT_EQ(log.files, (std::vector<std::string>{target + "BIG", target + "SMALL"}));
    EXPECT_EQ(log.percents, (std::vector<int>{43, 86, 100, 100}));
    EXPECT_GE(log.polls, 4);

    CallbackLog small_block;
    active_log = &small_block;
    r.dwSize = 4;  // the small viewer's blocks get polls only
    ASSERT_EQ(ARCExtract(&r), 0);
    for (int code : small_block.codes) EXPECT_EQ(code, CXCB_POLL);
    EXPECT_FALSE(small_block.codes.empty());
}

TEST_F(Extract, StopStillExtractsEverySelectedMember) {
    CallbackLog log;
    log.stop_at_poll = 0;
    active_log = &log;
    auto r = request(archive("x.arc", {member_of(8, "A", text_data(200000)), member_of(2, "B", bytes_of("b"))}),
                     nullptr, out().c_str());
    r.lpfnCallback = logging_callback;
    EXPECT_EQ(ARCExtract(&r), CX_STOPPED);
    EXPECT_EQ(files_in("out"), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(read_bytes(path("out/A")), text_data(200000));
    EXPECT_EQ(log.polls, 1);  // no polls after the stop answer
}

int busy_inner_result = -1;
ArchiveRequest* busy_request = nullptr;
int reentering_callback(int code, ArchiveRequest*) {
    if (code == CXCB_POLL && busy_inner_result == -1) busy_inner_result = ARCList(busy_request);
    return 0;
}

TEST_F(Extract, ASecondRequestWhileBusyIsRefused) {
    const std::string p = archive("x.arc", {member_of(2, "A", bytes_of("a"))});
    auto inner = request(p);
    busy_request = &inner;
    busy_inner_result = -1;
    auto r = request(p, nullptr, out().c_str());
    r.lpfnCallback = reentering_callback;
    ASSERT_EQ(ARCExtract(&r), 0);
    EXPECT_EQ(busy_inner_result, CX_BUSY);
    EXPECT_EQ(ARCList(&inner), 0);  // free again afterwards
}

}  // namespace
}  // namespace arcsup::test
