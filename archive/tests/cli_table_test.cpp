#include "cli/table.h"

#include <gtest/gtest.h>

using corax_cli::format_table;
using corax_cli::parse_listing;
using corax_cli::Row;

TEST(CliTable, ParsesRowsAndKeepsSixFields) {
    auto rows = parse_listing("A.TXT\t12\t10\t17%\t01.01.100\t12:00\t\t\nB\t\t\t\t\t\t\t\t\t\r\n\nC\tonly\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Row{"A.TXT", "12", "10", "17%", "01.01.100", "12:00"}));
    EXPECT_EQ(rows[1], (Row{"B", "", "", "", "", ""}));
    EXPECT_EQ(rows[2], (Row{"C", "only", "", "", "", ""}));
    EXPECT_TRUE(parse_listing("").empty());
}

TEST(CliTable, AlignsColumns) {
    std::string table = format_table({Row{"LONGNAME.TXT", "1", "1", " 0%", "01.01.100", "12:00"},
                                      Row{"\xc3\xa4.txt", "12345", "99", "99%", "31.12.99", "23:59"}});
    EXPECT_EQ(table,
              "Name           Size  Compressed  Ratio       Date   Time\n"
              "------------  -----  ----------  -----  ---------  -----\n"
              "LONGNAME.TXT      1           1     0%  01.01.100  12:00\n"
              "\xc3\xa4.txt         12345          99    99%   31.12.99  23:59\n");
}
