#include "system/UnitSisElemento.h"

#include <algorithm>
#include <utility>

namespace brelix {

namespace {

// Across variables of the four physical domains (voltage, velocity, angular velocity, pressure) and
// through variables (current, force, torque, volume flow).
constexpr std::string_view kLetrasEsforco = "vVWP";
constexpr std::string_view kLetrasFluxo = "iFTQ";

} // namespace

std::string VariavelDeGrafo(std::string_view variavel) {
    std::string texto(variavel);
    if (texto.empty()) return texto;
    if (kLetrasEsforco.find(texto[0]) != std::string_view::npos) texto[0] = 'E';
    if (kLetrasFluxo.find(texto[0]) != std::string_view::npos) texto[0] = 'F';
    return texto;
}

TElemento::TElemento(std::int32_t id, bool componente, std::string varControle, std::string ganho,
                     std::int32_t numTerminais, std::int32_t top, std::int32_t left, std::string nome,
                     std::int32_t tipo, std::int32_t dominio)
    : Id(id), Dominio(dominio), Tipo(tipo), Nome(std::move(nome)), Left(left), Top(top),
      NumTerminais(numTerminais), Ganho(std::move(ganho)), VarControle(VariavelDeGrafo(varControle)),
      Componente(componente) {
    if (Componente && numTerminais > 0) vizinhos_.assign(static_cast<std::size_t>(numTerminais), nullptr);
}

const TElemento* TElemento::Neighbour(std::int32_t i) const {
    if (!Componente || i < 1 || i > static_cast<std::int32_t>(vizinhos_.size())) return nullptr;
    return vizinhos_[static_cast<std::size_t>(i - 1)];
}

TElemento* TElemento::Neighbour(std::int32_t i) {
    return const_cast<TElemento*>(std::as_const(*this).Neighbour(i));
}

bool TElemento::SetNeighbour(std::int32_t i, TElemento* elemento) {
    if (!Componente) {
        vizinhos_.push_back(elemento);
        return true;
    }
    if (i < 1 || i > static_cast<std::int32_t>(vizinhos_.size())) return false;
    vizinhos_[static_cast<std::size_t>(i - 1)] = elemento;
    return true;
}

void TElemento::ReplaceNeighbour(const TElemento* antigo, TElemento* novo) {
    for (TElemento*& vizinho : vizinhos_)
        if (vizinho == antigo) vizinho = novo;
}

void TElemento::ForgetNeighbour(const TElemento* elemento) {
    if (Componente) {
        ReplaceNeighbour(elemento, nullptr);
        return;
    }
    std::erase(vizinhos_, elemento);
}

std::string TElemento::GainPart(std::int32_t i) const {
    if (i <= 0) return Ganho;
    std::size_t inicio = 0;
    for (std::int32_t n = 1; n < i; ++n) {
        const std::size_t sep = Ganho.find(';', inicio);
        if (sep == std::string::npos) return {};
        inicio = sep + 1;
    }
    const std::size_t fim = Ganho.find(';', inicio);
    return Ganho.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio);
}

} // namespace brelix
