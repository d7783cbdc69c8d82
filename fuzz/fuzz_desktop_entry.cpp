// Feeds arbitrary bytes to the key-file parser, the desktop entry reader and
// the Exec line splitter and expander.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ui/desktop_entry.h"
#include "platform/ui/key_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const platform::ui::KeyFile file = platform::ui::parse_key_file(text);
    for (const auto& [name, group] : file.groups)
        for (const auto& [key, value] : group) (void)platform::ui::split_list(value);
    if (auto entry = platform::ui::application_entry(file))
        if (auto args = platform::ui::split_exec(entry->exec))
            (void)platform::ui::expand_exec(*args, "/tmp/a file");
    if (auto args = platform::ui::split_exec(text)) (void)platform::ui::expand_exec(*args, "x");
    return 0;
}
