// Message box dispatcher, string resources and memory handles.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/memory.h"
#include "platform/msgbox.h"
#include "platform/resources.h"

using namespace platform;

TEST(MessageBox, DefaultAnswerFollowsTheDefaultButton) {
    struct Case { UINT style; int answer; } cases[] = {
        {MB_OK, IDOK}, {MB_OK | MB_ICONHAND, IDOK}, {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO}, {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
    };
    for (const auto& c : cases) EXPECT_EQ(default_answer(c.style), c.answer) << c.style;
}

TEST(MessageBox, BackendReceivesTheCallAndAnswers) {
    MessageBoxCall seen{};
    auto old = set_message_box_backend([&](const MessageBoxCall& call) {
        seen = call;
        return IDNO;
    });
    int owner = 0;
    EXPECT_EQ(message_box(&owner, "text", "caption", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(seen.owner, &owner);
    EXPECT_EQ(seen.text, "text");
    EXPECT_EQ(seen.caption, "caption");
    EXPECT_EQ(seen.style, MB_YESNO | MB_ICONQUESTION);
    // A throwing backend never lets the exception reach the caller.
    set_message_box_backend([](const MessageBoxCall&) -> int { throw 1; });
    EXPECT_EQ(message_box(nullptr, nullptr, nullptr, MB_OK), IDOK);
    set_message_box_backend(old);
}

TEST(Resources, LoadStringCutsAtTheBufferAndNeverSplitsUtf8) {
    static const StringResource entries[] = {{5, "abc"}, {7, "Gr\xc3\xb6\xc3\x9f" "e"}};
    const StringTable table{entries, 2};
    char buf[16];
    EXPECT_EQ(load_string(table, 5, buf, sizeof buf), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(load_string(table, 6, buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(load_string(table, 5, buf, 2), 1);
    EXPECT_STREQ(buf, "a");
    EXPECT_EQ(load_string(table, 7, buf, 4), 2);  // "Gr" + half of "ö" -> "Gr"
    EXPECT_STREQ(buf, "Gr");
    EXPECT_EQ(find_string(table, 7), entries[1].text);
}

TEST(GlobalMemory, HandlesLockResizeAndFree) {
    HGLOBAL h = GlobalAlloc(GHND, 10);
    ASSERT_TRUE(h);
    auto* p = static_cast<unsigned char*>(GlobalLock(h));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(p[i], 0);
    std::memcpy(p, "0123456789", 10);
    GlobalUnlock(h);
    ASSERT_EQ(GlobalReAlloc(h, 20, GMEM_MOVEABLE | GMEM_ZEROINIT), h);
    EXPECT_EQ(GlobalSize(h), 20u);
    p = static_cast<unsigned char*>(GlobalLock(h));
    EXPECT_EQ(std::memcmp(p, "0123456789", 10), 0);
    EXPECT_EQ(p[15], 0);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
    int not_a_handle = 0;
    EXPECT_EQ(GlobalFree(&not_a_handle), &not_a_handle);
    EXPECT_EQ(GlobalLock(nullptr), nullptr);
}
