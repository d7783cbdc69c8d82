#include "squeeze_encoder.h"

#include <array>
#include <queue>
#include <tuple>

#include "arc/method.h"
#include "codec_helpers.h"

namespace arc::test {

namespace {

constexpr int end_value = 256;
constexpr int symbol_count = 257;

// A child: a node index >= 0, or a leaf -(value + 1).
struct Node {
    int child[2];
};

struct Tree {
    std::vector<Node> nodes;  // node 0 is the root
};

int leaf(int value) { return -(value + 1); }

// Huffman's construction over the values that occur; ties go to the older
// item so the tree is deterministic. Nodes are then renumbered breadth
// first so that the root is node 0.
Tree build_tree(const std::array<std::uint64_t, symbol_count>& freq)
{
    using Item = std::tuple<std::uint64_t, int, int>;  // weight, order, child
    std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
    int order = 0;
    for (int v = 0; v < symbol_count; ++v)
        if (freq[v] > 0)
            queue.emplace(freq[v], order++, leaf(v));
    std::vector<Node> built;
    if (queue.size() == 1) {
        const int only = std::get<2>(queue.top());
        return Tree{{Node{{only, only}}}};
    }
    while (queue.size() > 1) {
        auto [w0, o0, c0] = queue.top();
        queue.pop();
        auto [w1, o1, c1] = queue.top();
        queue.pop();
        built.push_back(Node{{c0, c1}});
        queue.emplace(w0 + w1, order++, static_cast<int>(built.size()) - 1);
    }
    const int root = std::get<2>(queue.top());
    std::vector<int> new_index(built.size(), -1);
    std::vector<int> order_of_nodes{root};
    new_index[root] = 0;
    for (std::size_t i = 0; i < order_of_nodes.size(); ++i)
        for (int c : built[order_of_nodes[i]].child)
            if (c >= 0) {
                new_index[c] = static_cast<int>(order_of_nodes.size());
                order_of_nodes.push_back(c);
            }
    Tree tree;
    for (int old : order_of_nodes) {
        Node n = built[old];
        for (int& c : n.child)
            if (c >= 0)
                c = new_index[c];
        tree.nodes.push_back(n);
    }
    return tree;
}

void collect_codes(const Tree& tree, int node, std::vector<int>& path,
                   std::array<std::vector<int>, symbol_count>& codes)
{
    for (int side = 0; side < 2; ++side) {
        path.push_back(side);
        const int c = tree.nodes[node].child[side];
        if (c >= 0)
            collect_codes(tree, c, path, codes);
        else if (codes[-(c + 1)].empty())
            codes[-(c + 1)] = path;
        path.pop_back();
    }
}

void put_int16(Bytes& out, int value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}
    void put(int bit)
    {
        if (count_ == 0)
            out_.push_back(0);
        if (bit)
            out_.back() |= static_cast<std::uint8_t>(1 << count_);
        count_ = (count_ + 1) % 8;
    }

private:
    Bytes& out_;
    int count_ = 0;
};

} // namespace

Bytes huffman_encode(const Bytes& symbols)
{
    std::array<std::uint64_t, symbol_count> freq{};
    for (std::uint8_t s : symbols)
        ++freq[s];
    freq[end_value] = 1;
    const Tree tree = build_tree(freq);
    std::array<std::vector<int>, symbol_count> codes;
    std::vector<int> path;
    collect_codes(tree, 0, path, codes);

    Bytes out;
    put_int16(out, static_cast<int>(tree.nodes.size()));
    for (const Node& n : tree.nodes) {
        put_int16(out, n.child[0]);
        put_int16(out, n.child[1]);
    }
    BitWriter bits(out);
    for (std::uint8_t s : symbols)
        for (int bit : codes[s])
            bits.put(bit);
    for (int bit : codes[end_value])
        bits.put(bit);
    return out;
}

Bytes squeeze_member(const Bytes& input)
{
    return huffman_encode(encode(method::packed, input));
}

} // namespace arc::test
