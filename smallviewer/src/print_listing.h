#pragma once
// The printout of a listing: on every page the title with its page number,
// the heading row and a rule, then the rows.
#include <QFont>
#include <QPrinter>
#include <QString>
#include <vector>

namespace brisk {

struct PageRange {
    int from = 0;  // 0: from the first page
    int to = 0;    // 0: to the last page
    bool contains(int page) const { return page >= from && (to == 0 || page <= to); }
};

// Prints the rows (display text, TAB-separated) with `font`; pages outside
// the range are laid out but not printed. Returns the number of pages
// printed.
int print_listing(QPrinter& printer, const QFont& font, const QString& title,
                  const std::vector<QString>& rows, PageRange range);

}  // namespace brisk
