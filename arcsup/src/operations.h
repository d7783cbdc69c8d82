#pragma once
// The four operations behind the exported procedures. Each runs one whole
// request and returns its result code; failures that end a request are
// thrown as arcsup::Failure after the operation has cleaned up.
#include "corax32.h"

namespace arcsup {

int list_archives(ArchiveRequest& request);
int extract_archives(ArchiveRequest& request);
int append_files(ArchiveRequest& request);
int delete_members(ArchiveRequest& request);

}  // namespace arcsup
