#include "shell/UnitJanelaPrincipal.h"

#include "common/UnitComTexto.h"

#include <filesystem>

namespace brelix {

namespace {

// A vertex entry "%d - %s" by its identifier (names need not be unique; identifiers are).
std::string VerticeDoPedido(const std::string& entrada) {
    return entrada.empty() ? entrada : IntToStr(VerticeDaEntrada(entrada));
}

} // namespace

std::string MsgSomenteLeitura(const std::string& arquivo) {
    return "O arquivo " + std::filesystem::path(arquivo).filename().string() +
           " é somente leitura. Substituí-lo mesmo assim?";
}

TPedidoFT PedidoEscolhaDFS(const std::string& entrada, const std::string& saida) {
    TPedidoFT pedido;
    pedido.Entrada = entrada;
    pedido.Saida = saida;
    return pedido;
}

TPedidoFT PedidoEscolhaGrafo(const TEscolhaGrafo& escolha) {
    TPedidoFT pedido;
    pedido.Entrada = escolha.Entrada;
    if (escolha.UmElemento) {
        pedido.Saida = escolha.Saida;
        return pedido;
    }
    pedido.EntreVertices = true;
    pedido.Positivo = VerticeDoPedido(escolha.Positivo);
    pedido.Negativo = VerticeDoPedido(escolha.Negativo);
    return pedido;
}

} // namespace brelix
