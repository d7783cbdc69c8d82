// The DOS packer runner, with fake packers on PATH.
#include <chrono>

#include "corax_fixture.h"
#include "dos/runner.h"

namespace {

constexpr const char* kArjListing =
    "ARJ32 v 3.10\n"
    "Filename       Original Compressed Ratio DateTime modified Attributes/GUA BPMGS\n"
    "------------ ---------- ---------- ----- ----------------- -------------- -----\n"
    "a.txt                 6          6 1.000 26-12-11 11:23:14 -rw-r--r-- ---   0\n"
    "------------ ---------- ---------- -----\n";

int stop_at_once(int code, ArchiveRequest*) { return code == CXCB_POLL ? CXCB_STOP : 0; }

int polls = 0;
int count_polls(int code, ArchiveRequest* request) {
    if (code == CXCB_POLL && request) ++polls;
    return 0;
}

}  // namespace

class Runner : public CoraxTest {
protected:
    std::string archive(const char* name) { return dir.file(name, "archive bytes"); }
};

TEST_F(Runner, ListRunsTheProgramWithSwitchesAndArchiveAndConverts) {
    fake_packer("arj", kArjListing);
    ArchiveRequest r = request_for("t.arj");
    r.lpstrListing = listing.data();
    polls = 0;
    r.lpfnCallback = count_polls;
    EXPECT_EQ(CxList(&r), 0);
    EXPECT_STREQ(listing.data(), "a.txt\t6\t6\t1.000\t26-12-11\t11:23:14\t\n");
    ASSERT_EQ(packer_runs().size(), 1u);
    EXPECT_EQ(packer_runs()[0], std::filesystem::current_path().string() + "|-y|l|t.arj");
    EXPECT_GE(polls, 1);
    EXPECT_EQ(temp_files_left(), 0);
}

TEST_F(Runner, ZipListingUsesTheFullProgramPath) {
    fake_packer("pkunzip", "");
    std::string script = bin() + "pkunzip";
    // Record $0 as well: the program is started by its full path.
    std::ofstream(script, std::ios::app);
    ArchiveRequest r = request_for("a.zip");
    r.lpstrListing = listing.data();
    EXPECT_EQ(CxList(&r), 0);
    EXPECT_EQ(corax::packer_arguments(bin() + "pkunzip", "-v", "a.zip", ""),
              (std::vector<std::string>{bin() + "pkunzip", "-v", "a.zip"}));
    ASSERT_EQ(packer_runs().size(), 1u);
    EXPECT_NE(packer_runs()[0].find("|-v|a.zip"), std::string::npos);
}

TEST_F(Runner, OnePackerRunPerTokenInTheTargetDirectory) {
    fake_packer("arj", "");
    std::string arj = archive("t.arj");
    std::string target = dir.path() + "out";
    std::filesystem::create_directory(target);
    struct Case { const char* files; DWORD flags; std::vector<std::string> runs; } cases[] = {
        {"a.txt b.txt", ARF_NOPATHS, {target + "|-y|e|" + arj + "|a.txt", target + "|-y|e|" + arj + "|b.txt"}},
        {"a.txt;b.txt\tc", 0, {target + "|-y|x|" + arj + "|a.txt", target + "|-y|x|" + arj + "|b.txt",
                               target + "|-y|x|" + arj + "|c"}},
        {nullptr, ARF_NOPATHS, {target + "|-y|e|" + arj + "|*.*"}},
        {"  ", ARF_NOPATHS, {}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(log_path());
        ArchiveRequest r = request_for(arj);
        r.lpstrFiles = c.files;
        r.lpstrDirectory = target.c_str();
        r.dwFlags = c.flags;
        EXPECT_EQ(CxExtract(&r), 0);
        EXPECT_EQ(packer_runs(), c.runs) << (c.files ? c.files : "(null)");
    }
}

TEST_F(Runner, SwitchColumnsFollowTheNoPathsFlag) {
    for (const char* p : {"pkunzip", "pkzip", "lha", "tar"}) fake_packer(p, "");
    std::string zip = archive("a.zip"), lzh = archive("a.lzh");
    std::string cwd = std::filesystem::current_path().string();
    struct Case { const char* op; std::string archive; DWORD flags; std::string run; } cases[] = {
        {"Extract", zip, 0, "|-d|-o|" + zip + "|m"},
        {"Extract", zip, ARF_NOPATHS, "|-o|" + zip + "|m"},
        {"Append", zip, ARF_NOPATHS, "|" + zip + "|m"},   // empty switches: no argument
        {"Append", zip, 0, "|-p|" + zip + "|m"},
        {"Append", lzh, 0, "|-mh0|-x|a|" + lzh + "|m"},
        {"Delete", lzh, 0, "|-m|d|" + lzh + "|m"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(log_path());
        ArchiveRequest r = request_for(c.archive);
        r.lpstrFiles = "m";
        r.dwFlags = c.flags;
        std::string op = c.op;
        int result = op == "Extract" ? CxExtract(&r) : op == "Append" ? CxAppend(&r) : CxDelete(&r);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(packer_runs(), std::vector<std::string>{cwd + c.run}) << c.op;
    }
}

TEST_F(Runner, TarAppendAddsToAnExistingArchiveAndCreatesANewOne) {
    fake_packer("tar", "");
    std::string cwd = std::filesystem::current_path().string();
    std::string fresh = dir.path() + "new.tar";
    std::string existing = archive("old.tar");
    for (const std::string& a : {fresh, existing}) {
        ArchiveRequest r = request_for(a);
        r.lpstrFiles = "f";
        EXPECT_EQ(CxAppend(&r), 0);
    }
    ArchiveRequest all = request_for(existing);
    EXPECT_EQ(CxExtract(&all), 0);
    EXPECT_EQ(packer_runs(), (std::vector<std::string>{cwd + "|-c|-f|" + fresh + "|--|f",
                                                       cwd + "|-r|-f|" + existing + "|--|f",
                                                       cwd + "|-x|-f|" + existing}));
}

TEST_F(Runner, NonZeroExitGives2051AndNoListing) {
    fake_packer("arj", kArjListing, 1);
    ArchiveRequest r = request_for("t.arj");
    r.lpstrListing = listing.data();
    EXPECT_EQ(CxList(&r), CX_DOSBOX_ERROR);
    EXPECT_EQ(listing[0], '\0');
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(temp_files_left(), 0);
}

TEST_F(Runner, StopOnTheFirstPollEndsThePackerAtOnce) {
    fake_packer("arj", kArjListing, 0, "30");
    ArchiveRequest r = request_for("t.arj");
    r.lpstrListing = listing.data();
    r.lpfnCallback = stop_at_once;
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(CxList(&r), CX_STOPPED);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(10));
    EXPECT_EQ(listing[0], '\0');
    EXPECT_EQ(temp_files_left(), 0);

    // A stopped extraction starts no packer for the remaining tokens.
    std::filesystem::remove(log_path());
    ArchiveRequest x = request_for(archive("u.arj"));
    x.lpstrFiles = "a b c";
    x.lpfnCallback = stop_at_once;
    EXPECT_EQ(CxExtract(&x), CX_STOPPED);
    EXPECT_LE(packer_runs().size(), 1u);
}

TEST_F(Runner, MissingPackerShowsWhatToInstall) {
    ArchiveRequest r = request_for("a.rar");
    int owner = 0;
    r.hWnd = &owner;
    r.lpstrListing = listing.data();
    EXPECT_EQ(CxList(&r), CX_DOSBOX_ERROR);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "You will need the DOS-Packer RAR.EXE to work with RAR-type Archives. It has to be "
              "installed into a Directory that is listed in your PATH-Variable.");
    EXPECT_EQ(boxes[0].caption, "CORAX Problem");
    EXPECT_EQ(boxes[0].style, MB_ICONHAND);
    EXPECT_EQ(boxes[0].owner, &owner);
    EXPECT_EQ(temp_files_left(), 0);
}

TEST_F(Runner, FailedStartShowsTheErrorAndStartsNoFurtherPacker) {
    dir.file("bin/arj", "#!/bin/sh\nexit 0\n");  // not executable
    ArchiveRequest r = request_for(archive("t.arj"));
    r.lpstrFiles = "a b";
    EXPECT_EQ(CxExtract(&r), CX_DOSBOX_ERROR);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "CreateProcess reported Error 5. Error codes mean;\n2/3 file notfound\n5 Access "
              "denied\n6 invalid Handle\n14 Out of Memory");
    EXPECT_EQ(temp_files_left(), 0);
}

TEST_F(Runner, HostileNamesStaySingleArguments) {
    fake_packer("arj", "");
    std::string evil = dir.path() + "x$(touch pwned);y.arj";
    dir.file("x$(touch pwned);y.arj", "");
    ArchiveRequest r = request_for(evil);
    r.lpstrFiles = "`touch>pwned2`";
    EXPECT_EQ(CxDelete(&r), 0);
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned2"));
    EXPECT_EQ(packer_runs(), std::vector<std::string>{std::filesystem::current_path().string() +
                                                      "|-y|d|" + evil + "|`touch>pwned2`"});
}

TEST_F(Runner, NamesNeverReadAsPackerOptions) {
    fake_packer("arj", "");
    fake_packer("tar", "");
    std::string cwd = std::filesystem::current_path().string();

    // A packer without an end-of-options marker never gets such a name.
    ArchiveRequest arj = request_for(archive("t.arj"));
    arj.lpstrFiles = "ok.txt -r";
    EXPECT_EQ(CxDelete(&arj), CX_ILLEGAL_PARAMETERS);
    EXPECT_TRUE(packer_runs().empty());

    // GNU tar gets it after "--", as a name.
    std::string tar = archive("t.tar");
    ArchiveRequest x = request_for(tar);
    x.lpstrFiles = "--to-command=touch";
    EXPECT_EQ(CxExtract(&x), 0);
    EXPECT_EQ(packer_runs(), std::vector<std::string>{cwd + "|-x|-f|" + tar + "|--|--to-command=touch"});

    // A listed archive name starting with '-' is passed as a path.
    std::filesystem::remove(log_path());
    ArchiveRequest list = request_for("-v.arj");
    list.lpstrListing = listing.data();
    EXPECT_EQ(CxList(&list), 0);
    EXPECT_EQ(packer_runs(), std::vector<std::string>{cwd + "|-y|l|./-v.arj"});
}

TEST(RunnerNames, ProgramNamesGetTheDosExtension) {
    EXPECT_EQ(corax::packer_program_name("ARJ"), "ARJ.EXE");
    EXPECT_EQ(corax::packer_program_name("PKXARC.COM"), "PKXARC.COM");
    EXPECT_EQ(corax::member_tokens(" a;;b\t c "), (std::vector<std::string>{"a", "b", "c"}));
}
