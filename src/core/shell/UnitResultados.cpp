#include "shell/UnitResultados.h"

namespace brelix {

bool TResultados::Tem(TJanelaResultado janela) const {
    switch (janela) {
    case TJanelaResultado::SistemaGrafo:
        return SistemaGrafo.has_value();
    case TJanelaResultado::GrafoDFS:
        return GrafoDFS.has_value();
    case TJanelaResultado::Mason:
        return Mason.has_value();
    case TJanelaResultado::FT:
        return TemFT;
    }
    return false;
}

std::optional<TJanelaResultado> JanelaDoResultado(TComando comando) {
    switch (comando) {
    case TComando::ResultadoSistemaGrafo:
        return TJanelaResultado::SistemaGrafo;
    case TComando::ResultadoGrafoDFS:
        return TJanelaResultado::GrafoDFS;
    case TComando::ResultadoMason:
        return TJanelaResultado::Mason;
    case TComando::ResultadoFT:
        return TJanelaResultado::FT;
    default:
        return std::nullopt;
    }
}

} // namespace brelix
