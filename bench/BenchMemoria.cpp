#include "BenchMemoria.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> emUso{0};
std::atomic<std::size_t> pico{0};

void* Alocar(std::size_t n) {
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr) throw std::bad_alloc();
    const std::size_t agora = emUso.fetch_add(malloc_usable_size(p)) + malloc_usable_size(p);
    std::size_t anterior = pico.load();
    while (agora > anterior && !pico.compare_exchange_weak(anterior, agora)) {
    }
    return p;
}

void Liberar(void* p) {
    if (p == nullptr) return;
    emUso.fetch_sub(malloc_usable_size(p));
    std::free(p);
}

} // namespace

void* operator new(std::size_t n) {
    return Alocar(n);
}
void* operator new[](std::size_t n) {
    return Alocar(n);
}
void operator delete(void* p) noexcept {
    Liberar(p);
}
void operator delete[](void* p) noexcept {
    Liberar(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Liberar(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Liberar(p);
}

namespace brelix::bench {

std::size_t BytesEmUso() {
    return emUso.load();
}
void ZerarPico() {
    pico.store(emUso.load());
}
std::size_t BytesPico() {
    return pico.load();
}

} // namespace brelix::bench
