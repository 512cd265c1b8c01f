#pragma once

// Counts the bytes the program holds on the heap, so that a benchmark can report its peak memory.
// The counter replaces the global allocation operators of the benchmark executable.

#include <cstddef>

namespace brelix::bench {

std::size_t BytesEmUso();
// Starts a new measurement: the peak becomes the bytes in use now.
void ZerarPico();
std::size_t BytesPico();

} // namespace brelix::bench
