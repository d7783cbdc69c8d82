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

void build_first_byte_table(HuffmanTree& tree)
{
    for (unsigned bits = 0; bits < 256; ++bits) {
        int node = 0;
        std::uint16_t result = 0;
        for (unsigned k = 0; k < 8; ++k) {
            const int child = tree.child[node][(bits >> k) & 1];
            if (child < 0) {
                result = static_cast<std::uint16_t>(((k + 1) << 9) | -(child + 1));
                break;
            }
            node = child;
            result = static_cast<std::uint16_t>(node);
        }
        tree.first_byte[bits] = result;
    }
}

// The data bits, least significant bit of each byte first.
class BitSource {
public:
    explicit BitSource(Reader& in) : in_(in) {}

    // Loads bytes until more than 56 bits are held or the data ends.
    void fill()
    {
        while (count_ <= 56) {
            const int byte = in_.get();
            if (byte < 0)
                return;
            bits_ |= static_cast<std::uint64_t>(byte) << count_;
            count_ += 8;
        }
    }
    unsigned count() const { return count_; }
    unsigned peek_byte() const { return static_cast<unsigned>(bits_ & 0xFF); }
    void drop(unsigned n)
    {
        bits_ >>= n;
        count_ -= n;
    }
    // The next bit, or -1 at the end of the data.
    int next()
    {
        if (count_ == 0) {
            fill();
            if (count_ == 0)
                return -1;
        }
        const int bit = static_cast<int>(bits_ & 1);
        drop(1);
        return bit;
    }

private:
    Reader& in_;
    std::uint64_t bits_ = 0;
    unsigned count_ = 0;
};

// Follows the tree from `node` one bit at a time; the value, or -1 when the
// data ends first.
int walk(const HuffmanTree& tree, int node, BitSource& bits)
{
    for (;;) {
        const int bit = bits.next();
        if (bit < 0)
            return -1;
        const int child = tree.child[node][bit];
        if (child < 0)
            return -(child + 1);
        node = child;
    }
}

} // namespace

// Every step down the tree takes one bit, so even a tree with cycles ends
// with the data. Eight bits at a time are looked up from the root.
DecodeStatus decode_squeezed(Reader& in, Writer& out, HuffmanTree& tree)
{
    if (!read_tree(in, tree))
        return in.failed() ? DecodeStatus::read_failed : DecodeStatus::bad_huffman_tree;
    build_first_byte_table(tree);
    RepeatExpander expander(out);
    BitSource bits(in);
    for (;;) {
        bits.fill();
        int value;
        if (bits.count() >= 8) {
            const unsigned entry = tree.first_byte[bits.peek_byte()];
            const unsigned used = entry >> 9;
            if (used != 0) {
                bits.drop(used);
                value = static_cast<int>(entry & 0x1FF);
            } else {
                bits.drop(8);
                value = walk(tree, static_cast<int>(entry), bits);
            }
        } else {
            value = walk(tree, 0, bits);
        }
        if (value < 0 || value == end_value)
            break;
        expander.put(static_cast<std::uint8_t>(value));
        if (out.failed())
            break;
    }
    return end_status(in, out);
}

} // namespace arc::detail
