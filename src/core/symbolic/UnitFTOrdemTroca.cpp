#include "symbolic/UnitFTOrdemTroca.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace brelix {

// Why the order can be computed class by class. Pass i works like a carry: the item at i is carried
// along the list, and each time it meets an item of strictly smaller rank it is left in that item's
// place and that item is carried on; the last item carried lands at i. So pass i places the first
// item of the smallest rank left. Take one class c (the items of one rank) and call the items of
// smaller rank "earlier": they all reach their places before any item of c, and the items of greater
// rank play no part in how the items of c move. Each pass that places an earlier item removes the
// first remaining earlier item from the list; when some items of c stand before it, the first of them
// is carried and left in its place, behind the other items of c that stood before it: the run of c
// items in front of the first earlier item rotates left by one. Once all earlier items are placed,
// the items of c are placed in the order they then stand. Hence, reading the list once: an item of c
// joins the end of the run, an earlier item rotates the run (when it is not empty), and the final run
// is the order of c.

namespace {

// Counts over the positions 0..n-1, with the search for the k-th counted position.
class TFenwick {
public:
    explicit TFenwick(int n) : tree_(static_cast<std::size_t>(n) + 1, 0) {}

    void Add(int pos, int delta) {
        for (int i = pos + 1; i < static_cast<int>(tree_.size()); i += i & -i)
            tree_[static_cast<std::size_t>(i)] += delta;
    }
    // Sum over the positions 0..pos-1.
    int Prefix(int pos) const {
        int sum = 0;
        for (int i = pos; i > 0; i -= i & -i)
            sum += tree_[static_cast<std::size_t>(i)];
        return sum;
    }
    // The position holding the k-th counted unit (k from 0); every position counts 0 or 1.
    int Find(int k) const {
        int pos = 0;
        int step = 1;
        while (step * 2 < static_cast<int>(tree_.size()))
            step *= 2;
        for (; step > 0; step /= 2) {
            const int next = pos + step;
            if (next < static_cast<int>(tree_.size()) && tree_[static_cast<std::size_t>(next)] <= k) {
                pos = next;
                k -= tree_[static_cast<std::size_t>(next)];
            }
        }
        return pos;
    }

private:
    std::vector<int> tree_;
};

// The final order of one class. members: its items in list order; rotations[t]: the earlier items
// met before member t and after member t - 1; tail: the earlier items after the last member.
//
// The run is kept as a cyclic sequence with a head: joining the end of the run inserts just before
// the head, a rotation moves the head on. Every insertion position is known without the contents,
// so the final sequence is built afterwards by placing the insertions from the last to the first,
// each into the free slot of its rank.
void OrdemDaClasse(const int* members, const int* rotations, int count, int tail, std::vector<int>& out) {
    std::vector<int> insertAt(static_cast<std::size_t>(count));
    int length = 0;
    int head = 0;
    for (int t = 0; t < count; ++t) {
        if (length == 0) {
            insertAt[0] = 0;
        } else {
            head = (head + rotations[t] % length) % length;
            insertAt[static_cast<std::size_t>(t)] = head;
            ++head;
        }
        ++length;
    }
    head = (head + tail % length) % length;

    std::vector<int> cyclic(static_cast<std::size_t>(count));
    TFenwick free(count);
    for (int s = 0; s < count; ++s)
        free.Add(s, 1);
    for (int t = count - 1; t >= 0; --t) {
        const int slot = free.Find(insertAt[static_cast<std::size_t>(t)]);
        cyclic[static_cast<std::size_t>(slot)] = members[t];
        free.Add(slot, -1);
    }
    for (int s = 0; s < count; ++s)
        out.push_back(cyclic[static_cast<std::size_t>((head + s) % count)]);
}

} // namespace

std::vector<int> OrdemPorTroca(const std::vector<int>& ranks) {
    const int n = static_cast<int>(ranks.size());
    std::vector<int> order;
    order.reserve(ranks.size());
    if (n < 2) {
        for (int x = 0; x < n; ++x)
            order.push_back(x);
        return order;
    }
    int classes = 0;
    bool ascending = true;
    for (std::size_t x = 0; x < ranks.size(); ++x) {
        assert(ranks[x] >= 0 && "ranks start at 0");
        classes = std::max(classes, ranks[x] + 1);
        ascending = ascending && (x == 0 || ranks[x - 1] <= ranks[x]);
    }
    // A list in order is left as it is; with all keys distinct the order is simply ascending.
    if (ascending) {
        for (int x = 0; x < n; ++x)
            order.push_back(x);
        return order;
    }
    if (classes == n) {
        order.assign(ranks.size(), -1);
        bool distinct = true;
        for (int x = 0; x < n && distinct; ++x) {
            int& slot = order[static_cast<std::size_t>(ranks[static_cast<std::size_t>(x)])];
            distinct = slot < 0;
            slot = x;
        }
        if (distinct) return order;
        order.clear();
    }

    // The items of each class in list order, and for each item the earlier items before it.
    std::vector<int> start(static_cast<std::size_t>(classes) + 1, 0);
    for (const int r : ranks)
        ++start[static_cast<std::size_t>(r) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<int> members(static_cast<std::size_t>(n));
    std::vector<int> rotations(static_cast<std::size_t>(n));
    std::vector<int> lastEarlier(static_cast<std::size_t>(classes), 0);
    std::vector<int> fill(start.begin(), start.end() - 1);
    TFenwick seen(classes);
    for (int x = 0; x < n; ++x) {
        const auto r = static_cast<std::size_t>(ranks[static_cast<std::size_t>(x)]);
        const int earlier = seen.Prefix(static_cast<int>(r));
        const auto slot = static_cast<std::size_t>(fill[r]++);
        members[slot] = x;
        rotations[slot] = earlier - lastEarlier[r];
        lastEarlier[r] = earlier;
        seen.Add(static_cast<int>(r), 1);
    }

    for (int c = 0; c < classes; ++c) {
        const int first = start[static_cast<std::size_t>(c)];
        const int count = start[static_cast<std::size_t>(c) + 1] - first;
        if (count == 0) continue;
        if (count == 1) {
            order.push_back(members[static_cast<std::size_t>(first)]);
            continue;
        }
        // Every item of a smaller rank is an earlier item of this class: there are `first` of them.
        const int tail = first - lastEarlier[static_cast<std::size_t>(c)];
        OrdemDaClasse(&members[static_cast<std::size_t>(first)], &rotations[static_cast<std::size_t>(first)],
                      count, tail, order);
    }
    return order;
}

} // namespace brelix
