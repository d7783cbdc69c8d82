// Global memory handles. A handle points at a small header followed by the
// block; the handle stays valid across GlobalReAlloc of a movable block.
#include "platform/memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

struct Block {
    static constexpr unsigned kMagic = 0x474d454d;  // "GMEM"
    unsigned magic;
    unsigned lock_count;
    std::size_t size;
    unsigned char* data;
};

Block* block_of(HGLOBAL mem) {
    auto* block = static_cast<Block*>(mem);
    return block && block->magic == Block::kMagic ? block : nullptr;
}

// Blocks of pictures are large and filled once from end to end; huge pages
// save most of the page faults that filling them would cost.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

void prefer_huge_pages(void* p, std::size_t bytes) {
    if (bytes < 4 * kHugePage) return;
    auto first = (reinterpret_cast<std::uintptr_t>(p) + kHugePage - 1) & ~(kHugePage - 1);
    auto last = (reinterpret_cast<std::uintptr_t>(p) + bytes) & ~(kHugePage - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

unsigned char* allocate_data(std::size_t bytes, bool zero) {
    // A zero-byte block still gets storage, so its lock gives a pointer.
    void* p = zero ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    if (p) prefer_huge_pages(p, bytes);
    return static_cast<unsigned char*>(p);
}

}  // namespace

extern "C" {

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes) {
    unsigned char* data = allocate_data(bytes, flags & GMEM_ZEROINIT);
    if (!data) return nullptr;
    auto* block = new (std::nothrow) Block{Block::kMagic, 0, bytes, data};
    if (!block) std::free(data);
    return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL mem, std::size_t bytes, UINT flags) {
    Block* block = block_of(mem);
    if (!block) return nullptr;
    void* p = std::realloc(block->data, bytes ? bytes : 1);
    if (!p) return nullptr;
    block->data = static_cast<unsigned char*>(p);
    if ((flags & GMEM_ZEROINIT) && bytes > block->size)
        std::memset(block->data + block->size, 0, bytes - block->size);
    block->size = bytes;
    return block;
}

void* GlobalLock(HGLOBAL mem) {
    Block* block = block_of(mem);
    if (!block) return nullptr;
    ++block->lock_count;
    return block->data;
}

BOOL GlobalUnlock(HGLOBAL mem) {
    Block* block = block_of(mem);
    if (!block || block->lock_count == 0) return 0;
    return --block->lock_count != 0;
}

std::size_t GlobalSize(HGLOBAL mem) {
    Block* block = block_of(mem);
    return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
    Block* block = block_of(mem);
    if (!block) return mem;
    block->magic = 0;
    std::free(block->data);
    delete block;
    return nullptr;
}

}  // extern "C"
