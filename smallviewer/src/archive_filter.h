#pragma once
// The file dialog's filters from the filter template and the extension list.
#include <QStringList>

namespace brisk {

// The template holds "description|pattern|" pairs with "%s" for the
// extension list ("*.ARJ;*.ZIP"). Each pair becomes one dialog filter
// "description (patterns)" with the patterns blank-separated, each also in
// lower case so that lower-case file names match too.
QStringList dialog_filters(const char* filter_template, const char* extensions);

}  // namespace brisk
