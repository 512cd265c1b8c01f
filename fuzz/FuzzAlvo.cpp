// The libFuzzer entry of every fuzz target: the target's code (BRELIX_ALVO, from alvos/) on the
// bytes. An EFalhaAlvo escapes and ends the run as a crash, with its message on the error stream.

#include "UnitFuzzAlvos.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        brelix::fuzz::BRELIX_ALVO(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const brelix::fuzz::EFalhaAlvo& e) {
        std::fprintf(stderr, "%s\n", e.what());
        std::abort();
    }
    return 0;
}
