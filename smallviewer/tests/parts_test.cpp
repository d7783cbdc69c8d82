// The viewer's small pieces: listing rows, icons, columns, filters, routing.
#include <gtest/gtest.h>

#include "archive_filter.h"
#include "icon_table.h"
#include "launch_command.h"
#include "listing_rows.h"
#include "row_painter.h"

using namespace brisk;

TEST(ListingRows, SplitAtRunsOfCrAndLf) {
    using Rows = std::vector<std::string>;
    struct Case { std::string_view text; Rows rows; };
    const Case cases[] = {
        {"", {}},
        {"\r\n\n", {}},
        {"a\t1\t\n", {"a\t1\t"}},
        {"a\t\nb\t\n", {"a\t", "b\t"}},
        {"\r\na\r\r\n\nb", {"a", "b"}},
        {"a\rb\n\rc", {"a", "b", "c"}},
    };
    for (const Case& c : cases) EXPECT_EQ(split_listing(c.text), c.rows) << c.text;
    EXPECT_EQ(member_name("NAME.TXT\t12\t"), "NAME.TXT");
    EXPECT_EQ(member_name("NOTAB"), "NOTAB");
    EXPECT_EQ(member_name("\tx"), "");
}

TEST(IconTable, ExtensionsChooseIcons) {
    struct Case { std::string_view name; std::optional<int> icon; };
    const Case cases[] = {
        {"A.LZH", kIconArchive}, {"a.zip", kIconArchive}, {"x.Arj", kIconArchive},
        {"R.RAR", kIconArchive}, {"T.TAR", kIconArchive}, {"c.arc", kIconArchive},
        {"Z.ZOO", kIconArchive}, {"P.BMP", kIconPicture}, {"p.pcx", kIconPicture},
        {"T.TXT", kIconText},    {"m.c", kIconText},      {"M.H", kIconText},
        {"U.PAS", kIconText},    {"D.DOC", kIconOther},   {"X.", kIconOther},
        {"A.B.ZIP", kIconArchive}, {"NOEXT", std::nullopt}, {"DIR.X\\FILE", std::nullopt},
        {"dir.x/file", std::nullopt}, {"DIR\\F.GIF", kIconOther},
    };
    for (const Case& c : cases) EXPECT_EQ(icon_index(c.name), c.icon) << c.name;
    QPixmap strip = load_icon_strip();
    EXPECT_EQ(strip.size(), QSize(4 * kIconWidth, kIconHeight));
}

TEST(Columns, PositionsFromTheAverageCharacterWidth) {
    EXPECT_EQ(column_positions(6), (ColumnPositions{30, 150, 270, 360, 450, 510, 570}));
    EXPECT_EQ(column_positions(7), (ColumnPositions{35, 175, 315, 420, 525, 595, 665}));
    EXPECT_EQ(column_positions(0), (ColumnPositions{}));
    struct Case { int a, b, c, result; };
    const Case cases[] = {{10, 7, 2, 35}, {5, 3, 2, 8}, {-5, 3, 2, -8}, {7, 1, 3, 2}, {8, 1, 3, 3}, {1, 1, 0, -1},
                          {2000000000, 2, 4, 1000000000}};
    for (const Case& c : cases) EXPECT_EQ(mul_div(c.a, c.b, c.c), c.result) << c.a << " " << c.b << " " << c.c;
}

TEST(ArchiveFilter, TemplateBecomesDialogFilters) {
    EXPECT_EQ(dialog_filters("Archives (%s)|%s|All Files (*.*)|*.*|", "*.ARJ;*.ARC"),
              (QStringList{"Archives (*.ARJ *.arj *.ARC *.arc)", "All Files (*.*)"}));
    EXPECT_EQ(dialog_filters("Archives (%s)|%s|All Files (*.*)|*.*|", ""),
              (QStringList{"All Files (*.*)"}));  // nothing installed: no archive filter
    EXPECT_EQ(dialog_filters("Odd|", "*.X"), QStringList{});
}

TEST(LaunchCommand, ArchivesOpenInANewViewer) {
    struct Case { const char* path; bool viewer; };
    const Case cases[] = {
        {"/t/A.LZH", true},  {"/t/a.zip", true},   {"/t/x.Arc", true},  {"/t/A.ARJ", true},
        {"/t/A.RAR", true},  {"/t/A.TAR", true},   {"/t/A.ZOO", false}, {"/t/A.TXT", false},
        {"/t/A.B.ZIP", true}, {"/t/A.ZIP.TXT", false}, {"/t.zip/NOEXT", false}, {"/t/ZIP", false},
    };
    for (const Case& c : cases) EXPECT_EQ(opens_in_new_viewer(c.path), c.viewer) << c.path;
    EXPECT_EQ(command_for_file("/t/A.ARJ", "/bin/brisk32"), (platform::ui::Command{"/bin/brisk32", "/t/A.ARJ"}));
}
