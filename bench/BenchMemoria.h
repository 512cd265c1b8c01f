#pragma once

// Counts the bytes the program holds on the heap, so that a benchmark can report its peak memory.
// The counter replaces the global allocation operators of the benchmark executable.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>

namespace brelix::bench {

std::size_t BytesEmUso();
// Starts a new measurement: the peak becomes the bytes in use now.
void ZerarPico();
std::size_t BytesPico();

// Runs one stage per iteration and reports, as pico_KiB, the largest peak of the heap above its start.
template <class TEtapa> void MedirPico(benchmark::State& state, TEtapa&& etapa) {
    std::size_t pico = 0;
    for (auto _ : state) {
        const std::size_t antes = BytesEmUso();
        ZerarPico();
        etapa();
        pico = std::max(pico, BytesPico() - antes);
    }
    state.counters["pico_KiB"] = static_cast<double>(pico) / 1024.0;
}

} // namespace brelix::bench
