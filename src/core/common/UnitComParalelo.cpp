#include "common/UnitComParalelo.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace brelix {

namespace {

std::atomic<unsigned> gLinhas{0};

} // namespace

unsigned LinhasDeTrabalho() {
    const unsigned set = gLinhas.load(std::memory_order_relaxed);
    if (set > 0) return set;
    return std::max(1U, std::thread::hardware_concurrency());
}

void DefinirLinhasDeTrabalho(unsigned linhas) {
    gLinhas.store(linhas, std::memory_order_relaxed);
}

void ParaCadaTarefa(std::size_t count, const std::function<void(std::size_t)>& tarefa) {
    const std::size_t linhas = std::min<std::size_t>(LinhasDeTrabalho(), count);
    if (linhas <= 1) {
        for (std::size_t i = 0; i < count; ++i)
            tarefa(i);
        return;
    }
    std::atomic<std::size_t> proxima{0};
    std::atomic<bool> parar{false};
    std::mutex guarda;
    std::exception_ptr erro;
    std::size_t indiceErro = count;
    const auto trabalhar = [&] {
        for (;;) {
            if (parar.load(std::memory_order_relaxed)) return;
            const std::size_t i = proxima.fetch_add(1, std::memory_order_relaxed);
            if (i >= count) return;
            try {
                tarefa(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(guarda);
                if (i < indiceErro) {
                    indiceErro = i;
                    erro = std::current_exception();
                }
                parar.store(true, std::memory_order_relaxed);
            }
        }
    };
    std::vector<std::thread> outras;
    outras.reserve(linhas - 1);
    try {
        for (std::size_t k = 1; k < linhas; ++k)
            outras.emplace_back(trabalhar);
    } catch (...) {
        // No thread to be had: the caller's does the rest alone.
    }
    trabalhar();
    for (std::thread& t : outras)
        t.join();
    if (erro) std::rethrow_exception(erro);
}

void PecasEmOrdem(std::size_t count, const std::function<void(std::size_t, std::string&)>& fazer,
                  const std::function<void(std::string_view)>& entregar) {
    std::vector<std::string> pecas(
        std::min<std::size_t>(LinhasDeTrabalho(), std::max<std::size_t>(count, 1)));
    std::vector<std::exception_ptr> erros(pecas.size());
    for (std::size_t start = 0; start < count; start += pecas.size()) {
        const std::size_t n = std::min(pecas.size(), count - start);
        ParaCadaTarefa(n, [&](std::size_t k) {
            pecas[k].clear();
            erros[k] = nullptr;
            try {
                fazer(start + k, pecas[k]);
            } catch (...) {
                erros[k] = std::current_exception();
            }
        });
        for (std::size_t k = 0; k < n; ++k) {
            if (erros[k]) std::rethrow_exception(erros[k]);
            entregar(pecas[k]);
        }
    }
}

} // namespace brelix
