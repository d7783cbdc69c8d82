// The request frame: CxList's buffer handling, the Direct forms and CxErrMsg.
#include "corax_fixture.h"

using Frame = CoraxTest;

TEST_F(Frame, ListWithoutBufferIsRefusedSilently) {
    ArchiveRequest r = request_for("x.arc");
    EXPECT_EQ(CxList(&r), CX_ILLEGAL_PARAMETERS);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(CxList(nullptr), CX_ILLEGAL_PARAMETERS);
    EXPECT_EQ(CxExtract(nullptr), CX_ILLEGAL_PARAMETERS);
}

TEST_F(Frame, FailedListLeavesAnEmptyListing) {
    ArchiveRequest r = request_for(dir.file("unknown.dat", std::string(100, 'x')));
    r.lpstrListing = listing.data();
    EXPECT_EQ(CxList(&r), CX_TYPE_NOT_SUPPORTED);
    EXPECT_EQ(listing[0], '\0');
}

TEST_F(Frame, ErrMsgShowsTheCodesMessage) {
    struct Case { int code; const char* text; } cases[] = {
        {2020, "Archiv File not found"},
        {2021, "Broken Archiv"},
        {2023, "Error Occured while Writing, Creating or reading Files"},
        {2024, "CRC Error"},
        {2026, "Tried do run more than one Instance"},
        {2027, "File not found"},
        {2028, "Stopped by application Program"},
        {2029, "Archiv Type not supported"},
        {2030, "Support-DLL is missing or incorrect"},
        {2041, "Resource-String 2041 missing"},
        {2051, "Error encountered while executing a DOS-Box"},
        {2052, "Error renamaming or deleting temporary File"},
        {2053, "Illegal Parameters in CORAX-Call (i.e. lpstrListing=NULL in CxList)"},
        {2054, "Virtual Memory exhausted"},
        {0, "Resource-String 0 missing"},
        {-5, "Resource-String -5 missing"},
    };
    int owner = 0;
    ArchiveRequest r = request_for("SAMPLE.ARC");
    r.hWnd = &owner;
    for (const auto& c : cases) {
        boxes.clear();
        CxErrMsg(c.code, &r);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.text);
        EXPECT_EQ(boxes[0].caption, "CORAX Problem");
        EXPECT_EQ(boxes[0].style, MB_ICONHAND);
        EXPECT_EQ(boxes[0].owner, &owner);
    }
}

TEST_F(Frame, ErrMsgWithoutRequestIsTaskModalWithoutOwner) {
    CxErrMsg(2029, nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].style, 0x2010u);
    EXPECT_EQ(boxes[0].text, "Archiv Type not supported");
}

TEST_F(Frame, ErrMsgSurvivesARequestWithoutArchiveName) {
    ArchiveRequest r{};
    CxErrMsg(2020, &r);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Archiv File not found");
}

TEST_F(Frame, DirectFormsBuildAFullBlockAndAlwaysDetect) {
    use_fake_modules();
    int owner = 0;
    const std::string zip = dir.path() + "a.zip", arc = dir.path() + "b.arc";
    EXPECT_EQ(CxListDirect(&owner, zip.c_str(), "M1", listing.data(), 0, nullptr), 0);
    EXPECT_STREQ(listing.data(), "MEMBER.TXT\t1\t1\t 0%\t01.01.100\t00:00\t\t\n");
    EXPECT_EQ(CxExtractDirect(&owner, arc.c_str(), "/d", nullptr, 0, nullptr), 0);
    EXPECT_EQ(CxAppendDirect(&owner, arc.c_str(), "/d", "F1 F2", 0, nullptr), 0);
    EXPECT_EQ(CxDeleteDirect(&owner, zip.c_str(), "M2", 0, nullptr), 0);
    EXPECT_EQ(module_calls(), (std::vector<std::string>{
                                  "ZIPList " + zip + " M1 0 136",
                                  "ARCExtract " + arc + " (null) 0 136",
                                  "ARCAppend " + arc + " F1 F2 0 136",
                                  "ZIPDelete " + zip + " M2 0 136",
                              }));
}

TEST_F(Frame, ModuleResultsPassThroughUnchanged) {
    use_fake_modules();
    ScopedEnv result("FAKE_MODULE_RESULT", "2024");
    ArchiveRequest r = request_for("c.arc");
    EXPECT_EQ(CxExtract(&r), CX_CRC_ERROR);
}
