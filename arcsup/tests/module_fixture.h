#pragma once
// Test surroundings for the ARC module: a scratch folder, a recorder for
// message boxes, request blocks and archives built from members.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "arc_archive.h"
#include "corax32.h"
#include "listing_rows.h"
#include "platform/msgbox.h"
#include "test_data.h"
#include "test_dir.h"

namespace arcsup::test {

using arc::test::ArchiveMember;
using arc::test::Bytes;

// A member of `method` holding `data`, encoded by the library encoders
// (2, 3, 8, 9) or the test-only ones (1, 4, 5, 6, 7).
ArchiveMember member_of(int method, const std::string& name, const Bytes& data);

Bytes read_bytes(const std::string& path);
void write_bytes(const std::string& path, const Bytes& data);

using ::listing_rows;

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string path(const std::string& name) const { return dir.path() + name; }
    // Writes an archive of `members` under `name` and returns its path.
    std::string archive(const std::string& name, const std::vector<ArchiveMember>& members);

    ArchiveRequest request(const std::string& archive, const char* files = nullptr,
                           const char* directory = nullptr);

    // File names in a folder of the scratch directory ("" for its top).
    std::vector<std::string> files_in(const std::string& folder = "") const;

    TestDir dir;
    std::vector<platform::MessageBoxCall> boxes;
    std::vector<char> listing = std::vector<char>(CX_LISTING_SIZE, '\x7f');

private:
    platform::MessageBoxBackend old_backend_;
    std::deque<std::string> kept_strings_;
};

}  // namespace arcsup::test
