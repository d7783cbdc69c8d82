// Dispatch: which support module procedure or packer serves a request.
#include "corax_fixture.h"
#include "dispatch/operation_table.h"

class Dispatch : public CoraxTest {
protected:
    // Runs one operation on `archive` (with `type` preset) and returns the
    // result; the calls made show in module_calls() and packer_runs().
    int run(const char* operation, const std::string& archive, int type = 0) {
        ArchiveRequest r = request_for(archive);
        r.nArchiveType = static_cast<std::int16_t>(type);
        r.lpstrListing = listing.data();
        r.dwFlags = ARF_NOPATHS;
        std::string op = operation;
        if (op == "List") return CxList(&r);
        if (op == "Extract") return CxExtract(&r);
        if (op == "Append") return CxAppend(&r);
        return CxDelete(&r);
    }
};

TEST_F(Dispatch, PresentModuleWinsOverThePacker) {
    fake_packer("pkxarc", "");
    use_fake_modules();
    EXPECT_EQ(run("List", "x.arc"), 0);
    EXPECT_EQ(module_calls(), std::vector<std::string>{"ARCList x.arc (null) 0 136"});
    EXPECT_TRUE(packer_runs().empty());
}

TEST_F(Dispatch, AbsentModuleFallsBackToThePackerRow) {
    fake_packer("pkxarc", "");
    EXPECT_EQ(run("List", "x.arc"), 0);
    EXPECT_TRUE(module_calls().empty());
    ASSERT_EQ(packer_runs().size(), 1u);
    EXPECT_NE(packer_runs()[0].find("|-v|x.arc"), std::string::npos);
}

TEST_F(Dispatch, RowsAndOutcomes) {
    use_fake_modules();
    for (const char* p : {"arj", "rar", "pkunzip", "pkzip", "lha", "tar", "zoo", "pkarc"}) fake_packer(p, "");
    struct Case {
        const char* operation;
        const char* archive;
        int type;
        int result;
        const char* module_call;  // expected procedure, or "" for none
        const char* packer;       // expected packer program name, or "" for none
    } cases[] = {
        {"Delete", "a.tar", 0, CX_TYPE_NOT_SUPPORTED, "", ""},   // no TAR delete row
        {"List", "a.rar", 0, 0, "", "rar"},                      // RAR has packer rows only
        {"Delete", "a.arj", 0, 0, "", "arj"},                    // no module serves ARJ delete
        {"Append", "a.arj", 0, 0, "ARJAppend", ""},
        {"List", "a.arc", CXT_ZIP, 0, "ZIPList", ""},            // a preset type wins over the name
        {"Extract", "a.zip", 0, CX_MODULE_MISSING, "", ""},      // module lacks the procedure
        {"Delete", "a.zip", 0, 0, "ZIPDelete", ""},
        {"List", "a.lzh", 0, 0, "LZHList", ""},
        {"Extract", "a.zoo", 0, 0, "ZOOExtract", ""},
        {"List", "a.unknown", 0, CX_TYPE_NOT_SUPPORTED, "", ""},
        {"List", "a.arc", 9, CX_TYPE_NOT_SUPPORTED, "", ""},
        {"List", "a.arc", -1, CX_TYPE_NOT_SUPPORTED, "", ""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(module_log_path());
        std::filesystem::remove(log_path());
        SCOPED_TRACE(std::string(c.operation) + " " + c.archive);
        EXPECT_EQ(run(c.operation, c.archive, c.type), c.result);
        auto calls = module_calls();
        if (*c.module_call) {
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].substr(0, calls[0].find(' ')), c.module_call);
        } else {
            EXPECT_TRUE(calls.empty());
        }
        auto runs = packer_runs();
        if (*c.packer) {
            ASSERT_EQ(runs.size(), 1u);
            EXPECT_NE(runs[0].find("|"), std::string::npos);
        } else {
            EXPECT_TRUE(runs.empty());
        }
    }
}

TEST_F(Dispatch, AModuleFileThatIsNoModuleGives2030) {
    std::string modules = dir.path() + "badmodules/";
    dir.file("badmodules/arcsup32.so", "not a module");
    ScopedEnv path("CORAX_MODULE_PATH", modules);
    fake_packer("pkxarc", "");
    EXPECT_EQ(run("List", "x.arc"), CX_MODULE_MISSING);
    EXPECT_TRUE(packer_runs().empty());
}

TEST_F(Dispatch, OperationNamesAndTypesCompareWithoutCase) {
    EXPECT_TRUE(corax::same_name("list", "List"));
    EXPECT_FALSE(corax::same_name("Lis", "List"));
    EXPECT_EQ(corax::type_string(CXT_TAR), "TAR");
    EXPECT_EQ(corax::type_string(0), "");
    EXPECT_EQ(corax::type_string(8), "");
}
