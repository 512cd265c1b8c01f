#include "analysis/UnitEscolhaFT.h"

#include "common/UnitComTexto.h"

namespace brelix {

std::string TextoEscolhido(const std::vector<std::string>& lista, std::string_view texto) {
    if (texto.empty()) return {};
    for (const std::string& item : lista)
        if (SameTextAscii(item, texto)) return item;
    return {};
}

TAberturaEscolha AbrirEscolhaDFS(const std::vector<std::string>& entradas) {
    if (entradas.size() != 1) return {};
    return {entradas.front(), TFocoEscolha::Saida};
}

TAberturaEscolha AbrirEscolhaGrafo(const std::vector<std::string>& entradas) {
    if (entradas.size() != 1) return {};
    return {entradas.front(), TFocoEscolha::Entrada};
}

std::string ConferirEscolhaDFS(std::string_view entrada, std::string_view saida) {
    if (entrada.empty()) return kMsgEntradaNaoInformada;
    if (saida.empty()) return kMsgSaidaNaoInformada;
    return {};
}

TSaidasHabilitadas SaidasHabilitadas(bool umElemento) {
    return {umElemento, !umElemento, !umElemento};
}

std::string ConferirEscolhaGrafo(const TEscolhaGrafo& escolha) {
    if (escolha.Entrada.empty()) return kMsgEntradaNaoInformada;
    if (escolha.UmElemento) return escolha.Saida.empty() ? kMsgSaidaNaoInformada : std::string();
    if (escolha.Positivo.empty() || escolha.Negativo.empty()) return kMsgSaidaNaoInformada;
    if (escolha.Positivo == escolha.Negativo) return kMsgVerticesInvalidos;
    return {};
}

std::int32_t VerticeDaEntrada(std::string_view entrada) {
    // "12 - V3": the identifier ends two characters before the first "-".
    const std::size_t traco = entrada.find('-');
    if (traco == std::string_view::npos || traco < 1) return 0;
    return StrToIntDef(entrada.substr(0, traco - 1), 0);
}

std::string EntradaDoVertice(const std::vector<std::string>& vertices, std::string_view texto) {
    if (texto.empty()) return {};
    if (std::int32_t id = 0; TryStrToInt(texto, id))
        for (const std::string& entrada : vertices)
            if (VerticeDaEntrada(entrada) == id) return entrada;
    for (const std::string& entrada : vertices) {
        const std::size_t separador = entrada.find(" - ");
        if (separador != std::string::npos && std::string_view(entrada).substr(separador + 3) == texto)
            return entrada;
    }
    return {};
}

} // namespace brelix
