// The printout, made as PDF and read back with pdftotext.
#include <QApplication>
#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <regex>

#include "row_painter.h"
#include "texts.h"
#include "viewer_fixture.h"

namespace {

// The text of each page of a PDF (pdftotext separates pages by form feeds).
std::vector<std::string> pdf_pages(const std::string& pdf) {
    std::vector<std::string> pages;
    const std::string command = "pdftotext -layout '" + pdf + "' -";
    FILE* p = popen(command.c_str(), "r");
    if (!p) return pages;
    std::string text;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) text.append(buf, n);
    pclose(p);
    std::size_t start = 0;
    for (std::size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1)
        pages.push_back(text.substr(start, ff - start));
    if (start < text.size() && text.find_first_not_of(" \n", start) != std::string::npos)
        pages.push_back(text.substr(start));
    return pages;
}

// The member numbers printed on a page, in order.
std::vector<int> members_on(const std::string& page) {
    std::vector<int> numbers;
    static const std::regex member("MEMBER([0-9]+)\\.TXT");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), member); it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stoi((*it)[1]));
    return numbers;
}

}  // namespace

class PrintTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        if (std::system("pdftotext -v >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
        }
        std::vector<std::string> names;
        for (int i = 0; i < 200; ++i) names.push_back("MEMBER" + std::to_string(i) + ".TXT");
        window = window_on(archive("print.lzh", names));
    }

    std::vector<std::string> print(brisk::PageRange range, const char* name) {
        const std::string pdf = dir.path() + name;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        window->print_to(printer, range);
        return pdf_pages(pdf);
    }

    std::unique_ptr<brisk::ViewerWindow> window;
};

TEST_F(PrintTest, EveryPageHasTitleNumberAndHeading) {
    const std::vector<std::string> pages = print({}, "all.pdf");
    ASSERT_GE(pages.size(), 3u);
    const std::string title = window->windowTitle().toStdString();
    std::vector<int> all;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string& page = pages[i];
        EXPECT_NE(page.find("Page " + std::to_string(i + 1)), std::string::npos) << page;
        EXPECT_NE(page.find("Small archiv viewer ["), std::string::npos) << i;
        EXPECT_NE(page.find("print.lzh]"), std::string::npos) << i;
        for (const char* heading : {"Name", "Size", "Compressed", "Ratio", "Date", "Time"})
            EXPECT_NE(page.find(heading), std::string::npos) << heading << " on page " << i + 1;
        EXPECT_NE(page.find("1234"), std::string::npos);
        EXPECT_NE(page.find("08:15"), std::string::npos);
        // The heading comes before the first row.
        EXPECT_LT(page.find("Compressed"), page.find("MEMBER"));
        const std::vector<int> rows = members_on(page);
        all.insert(all.end(), rows.begin(), rows.end());
        if (i + 1 < pages.size()) {
            EXPECT_EQ(rows.size(), members_on(pages[0]).size()) << "full page " << i + 1;
        }
    }
    // Every row once, in order, over all pages.
    ASSERT_EQ(all.size(), 200u);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(all[static_cast<std::size_t>(i)], i);
}

TEST_F(PrintTest, PagesFollowTheLayoutRule) {
    // Rows start at 5 line heights; a new page begins once the row position
    // has passed the printable height minus 4 line heights.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.path() + "probe.pdf"));
    const brisk::FontMeasure m = brisk::measure_font(QApplication::font(), &printer);
    const int limit = printer.height() - 4 * m.line_height;
    int rows_per_page = 0;
    for (int y = 5 * m.line_height; rows_per_page == 0 || y <= limit; y += m.line_height) ++rows_per_page;
    const std::vector<std::string> pages = print({}, "all.pdf");
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(members_on(pages[0]).size(), static_cast<std::size_t>(rows_per_page));
    EXPECT_EQ(pages.size(), static_cast<std::size_t>((200 + rows_per_page - 1) / rows_per_page));
}

TEST_F(PrintTest, ARangePrintsOnlyItsPages) {
    const std::vector<std::string> all = print({}, "all.pdf");
    ASSERT_GE(all.size(), 3u);
    const std::vector<std::string> second = print({2, 2}, "second.pdf");
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second[0].find("Page 2"), std::string::npos);
    EXPECT_EQ(second[0].find("Page 1"), std::string::npos);
    EXPECT_EQ(members_on(second[0]), members_on(all[1]));
    const std::vector<std::string> tail = print({2, 0}, "tail.pdf");
    EXPECT_EQ(tail.size(), all.size() - 1);
    const std::vector<std::string> none = print({50, 60}, "none.pdf");
    EXPECT_TRUE(none.empty());
}
