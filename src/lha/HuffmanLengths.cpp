#include "HuffmanLengths.h"

#include <algorithm>
#include <numeric>
#include <queue>

namespace tolvane::lha {

std::vector<std::uint8_t> HuffmanLengths(const std::vector<std::uint32_t>& freq, int maxLength) {
    const std::size_t n = freq.size();
    std::vector<std::uint8_t> lengths(n, 0);
    std::vector<int> used;
    for (std::size_t s = 0; s < n; ++s) {
        if (freq[s] > 0) used.push_back(static_cast<int>(s));
    }
    if (used.size() < 2) return lengths;  // none or one: the caller stores a constant

    // Plain Huffman tree over the used symbols; nodes past used.size() are inner.
    struct Node {
        std::uint64_t weight;
        int id;
        bool operator>(const Node& o) const {
            return weight != o.weight ? weight > o.weight : id > o.id;
        }
    };
    std::vector<int> parent(used.size() * 2, -1);
    std::priority_queue<Node, std::vector<Node>, std::greater<Node>> heap;
    for (std::size_t i = 0; i < used.size(); ++i) heap.push({freq[used[i]], static_cast<int>(i)});
    int next = static_cast<int>(used.size());
    while (heap.size() > 1) {
        Node a = heap.top();
        heap.pop();
        Node b = heap.top();
        heap.pop();
        parent[a.id] = parent[b.id] = next;
        heap.push({a.weight + b.weight, next++});
    }
    std::vector<int> depth(static_cast<std::size_t>(next), 0);
    for (int i = next - 2; i >= 0; --i) depth[i] = depth[parent[i]] + 1;

    // Count codes per length, folding anything deeper into the longest length,
    // then split shorter codes until the code is complete again.
    std::vector<std::uint32_t> count(static_cast<std::size_t>(maxLength) + 1, 0);
    for (std::size_t i = 0; i < used.size(); ++i) ++count[std::min(depth[i], maxLength)];
    std::uint64_t space = 0;
    for (int len = 1; len <= maxLength; ++len)
        space += static_cast<std::uint64_t>(count[len]) << (maxLength - len);
    const std::uint64_t full = std::uint64_t{1} << maxLength;
    while (space > full) {
        --count[maxLength];
        for (int len = maxLength - 1; len > 0; --len) {
            if (count[len] > 0) {
                --count[len];
                count[len + 1] += 2;
                break;
            }
        }
        --space;
    }

    // The most frequent symbols take the shortest codes.
    std::vector<int> order(used);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return freq[a] > freq[b]; });
    std::size_t k = 0;
    for (int len = 1; len <= maxLength; ++len) {
        for (std::uint32_t c = 0; c < count[len]; ++c)
            lengths[order[k++]] = static_cast<std::uint8_t>(len);
    }
    return lengths;
}

std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
    std::vector<std::uint16_t> codes(lengths.size(), 0);
    std::uint32_t code = 0;
    for (int len = 1; len <= 16; ++len) {
        for (std::size_t s = 0; s < lengths.size(); ++s) {
            if (lengths[s] == len) codes[s] = static_cast<std::uint16_t>(code++);
        }
        code <<= 1;
    }
    return codes;
}

}  // namespace tolvane::lha
