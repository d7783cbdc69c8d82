#pragma once
// The set of live handles of the GDI layer. Every handle that comes in is
// looked up here before it is used, so a stale or foreign pointer is
// refused instead of read.
#include <unordered_set>
#include <vector>

namespace platform::gdi {

class HandleRegistry {
public:
    void add(const void* handle) { live_.insert(handle); }
    void remove(const void* handle) { live_.erase(handle); }
    bool contains(const void* handle) const { return handle && live_.count(handle) != 0; }
    // A snapshot, so that visitors may add or remove handles.
    std::vector<const void*> all() const { return {live_.begin(), live_.end()}; }

private:
    std::unordered_set<const void*> live_;
};

// One registry per kind of handle: objects, device contexts, metafiles.
HandleRegistry& object_registry();
HandleRegistry& dc_registry();
HandleRegistry& metafile_registry();

}  // namespace platform::gdi
