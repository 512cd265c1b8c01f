#pragma once

#include <vector>

namespace brelix {

// The exchange procedure orders a list by a key: for i from the first to the next-to-last position
// and j from i + 1 to the last, the items at i and j are exchanged when the key at i is greater than
// the key at j. The result is ascending by key; the order it leaves among items of equal key is
// fixed by the procedure and is part of every canonical form built with it.
//
// OrdemPorTroca gives that same order in O(n log n) instead of O(n^2): ranks[x] is the key of item x
// as a rank (0 for the smallest key; equal keys share a rank); the result lists the items by their
// final position (result[p] is the index of the item that ends at position p).
std::vector<int> OrdemPorTroca(const std::vector<int>& ranks);

} // namespace brelix
