#include "module_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "arc/crc16.h"
#include "codec_helpers.h"
#include "old_crunch_encoder.h"
#include "squeeze_encoder.h"

namespace arcsup::test {

ArchiveMember member_of(int method, const std::string& name, const Bytes& data) {
    ArchiveMember m;
    m.method = method;
    m.name = name;
    m.crc = arc::crc16(data);
    m.uncompressed_size = static_cast<std::uint32_t>(data.size());
    switch (method) {
    case 1:
    case 2: m.data = data; break;
    case 4: m.data = arc::test::squeeze_member(data); break;
    case 5:
    case 6:
    case 7: m.data = arc::test::old_crunch_member(method, data); break;
    default: m.data = arc::test::encode(method, data); break;
    }
    return m;
}

Bytes read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_bytes(const std::string& path, const Bytes& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

void ModuleTest::SetUp() {
    old_backend_ = platform::set_message_box_backend([this](const platform::MessageBoxCall& call) {
        boxes.push_back(call);
        return IDOK;
    });
}

void ModuleTest::TearDown() { platform::set_message_box_backend(old_backend_); }

std::string ModuleTest::archive(const std::string& name, const std::vector<ArchiveMember>& members) {
    const std::string p = path(name);
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    write_bytes(p, arc::test::write_archive(members));
    return p;
}

ArchiveRequest ModuleTest::request(const std::string& archive, const char* files,
                                   const char* directory) {
    // The block points at copies that live as long as the test.
    auto keep = [this](const char* text) -> const char* {
        if (!text) return nullptr;
        kept_strings_.emplace_back(text);
        return kept_strings_.back().c_str();
    };
    ArchiveRequest r{};
    r.dwSize = sizeof r;
    r.lpstrArchive = keep(archive.c_str());
    r.lpstrFiles = keep(files);
    r.lpstrDirectory = keep(directory);
    r.lpstrListing = listing.data();
    return r;
}

std::vector<std::string> ModuleTest::files_in(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() + folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace arcsup::test
