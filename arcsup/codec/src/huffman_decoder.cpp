#include "decoders.h"
#include "repeat_expander.h"

namespace arc::detail {

namespace {

constexpr int end_value = 256;
constexpr std::int16_t end_leaf = -(end_value + 1);

int read_int16(Reader& in, bool& ok)
{
    const int lo = in.get();
    const int hi = in.get();
    if (lo < 0 || hi < 0) {
        ok = false;
        return 0;
    }
    return static_cast<std::int16_t>(lo | (hi << 8));
}

// A child is a node below the node count or one of the values 0..256.
bool valid_child(int child, int node_count)
{
    return child < node_count && child >= end_leaf;
}

// Reads the node count and the nodes. Node 0 is preset to end at once, which
// is the tree of an empty member (node count 0).
bool read_tree(Reader& in, HuffmanTree& tree)
{
    bool ok = true;
    const int count = read_int16(in, ok);
    if (!ok || count < 0 || count > HuffmanTree::max_nodes)
        return false;
    tree.child[0][0] = tree.child[0][1] = end_leaf;
    for (int node = 0; node < count; ++node) {
        for (int side = 0; side < 2; ++side) {
            const int child = read_int16(in, ok);
            if (!ok || !valid_child(child, count))
                return false;
            tree.child[node][side] = static_cast<std::int16_t>(child);
        }
    }
    return true;
}

} // namespace

// Every step down the tree takes one bit, so even a tree with cycles ends
// with the data.
DecodeStatus decode_squeezed(Reader& in, Writer& out, HuffmanTree& tree)
{
    if (!read_tree(in, tree))
        return in.failed() ? DecodeStatus::read_failed : DecodeStatus::bad_huffman_tree;
    RepeatExpander expander(out);
    int node = 0;
    for (int byte = in.get(); byte >= 0; byte = in.get()) {
        for (int bit = 0; bit < 8; ++bit, byte >>= 1) {
            const int child = tree.child[node][byte & 1];
            if (child >= 0) {
                node = child;
                continue;
            }
            const int value = -(child + 1);
            if (value == end_value)
                return end_status(in, out);
            expander.put(static_cast<std::uint8_t>(value));
            node = 0;
        }
        if (out.failed())
            break;
    }
    return end_status(in, out);
}

} // namespace arc::detail
