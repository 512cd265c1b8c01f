#include "system/UnitSisResultado.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfGrafo.h"

#include <utility>

namespace brelix {

namespace {

std::vector<std::string> NameRows(const std::vector<std::string>& names) {
    if (names.empty()) return {std::string()};
    return names;
}

} // namespace

TResultadoSis FillResultadoSis(const TGrafo& grafo, const std::vector<std::string>& removidos,
                               const std::vector<std::string>& adicionados) {
    TResultadoSis r;
    std::vector<std::int32_t> numbers;
    for (const auto& v : grafo.Vertices()) {
        r.Vertices.push_back({IntToStr(v->Id), v->Nome});
        numbers.push_back(v->Id);
    }
    for (std::size_t i = 0; i + 1 < numbers.size(); ++i)
        for (std::size_t j = i + 1; j < numbers.size(); ++j)
            if (numbers[j] < numbers[i]) {
                std::swap(numbers[i], numbers[j]);
                std::swap(r.Vertices[i], r.Vertices[j]);
            }
    if (r.Vertices.empty()) r.Vertices.emplace_back();
    for (const auto& b : grafo.Ramos())
        r.Ramos.push_back(
            {IntToStr(b->Id), b->Nome, IntToStr(b->Origem), IntToStr(b->Destino), b->TextoGanho});
    if (r.Ramos.empty()) r.Ramos.emplace_back();
    r.Adicionados = NameRows(adicionados);
    r.Removidos = NameRows(removidos);
    return r;
}

} // namespace brelix
