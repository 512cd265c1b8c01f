#include "shell/UnitMenuPrincipal.h"

#include "common/UnitComTexto.h"

#include <algorithm>

namespace brelix {

int IndiceFiltro(std::string_view filtro, std::string_view extensao) {
    const std::string padrao = "*." + std::string(extensao);
    int indice = 0;
    std::size_t inicio = 0;
    for (int campo = 0; inicio <= filtro.size(); ++campo) {
        const std::size_t fim = std::min(filtro.find('|', inicio), filtro.size());
        // Fields alternate: a description, then its pattern.
        if (campo % 2 == 0) {
            ++indice;
        } else if (SameTextAscii(filtro.substr(inicio, fim - inicio), padrao)) {
            return indice;
        }
        inicio = fim + 1;
    }
    return 0;
}

const std::vector<TMenu>& MenusPrincipais() {
    using C = TComando;
    static const std::vector<TMenu> menus = {
        {"MenuArquivo",
         "Arquivo",
         {{"ArquivoNovoSistema", "Novo Sistema...", C::NovoSistema},
          {"ArquivoNovoGrafo", "Novo Grafo...", C::NovoGrafo},
          {"ArquivoNovoDFS", "Novo DFS...", C::NovoDFS},
          {"ArquivoAbrir", "Abrir...", C::Abrir},
          {"ArquivoSalvar", "Salvar", C::Salvar},
          {"ArquivoSalvarComo", "Salvar Como...", C::SalvarComo},
          {"ArquivoSalvarTodos", "Salvar Todos", C::SalvarTodos},
          {"ArquivoSalvarFT", "Salvar Função de Transferência...", C::SalvarFT},
          {"ArquivoFechar", "Fechar", C::Fechar}}},
        {"MenuAlgoritmos",
         "Algoritmos",
         {{"AlgoritmoSistemaGrafo", "Sistema -> Grafo", C::SistemaGrafo},
          {"AlgoritmoSistemaFT", "Sistema -> Função de Transferência...", C::SistemaFT},
          {"AlgoritmoGrafoDFS", "Grafo -> DFS", C::GrafoDFS},
          {"AlgoritmoGrafoFT", "Grafo -> Função de Transferência...", C::GrafoFT},
          {"AlgoritmoDFSFT", "DFS -> Função de Transferência...", C::DFSFT}}},
        {"MenuJanelas", "Janelas", {}, true},
        {"MenuResultados",
         "Resultados",
         {{"ResultadoSistemaGrafo", "Sistema -> Grafo...", C::ResultadoSistemaGrafo},
          {"ResultadoGrafoDFS", "Grafo -> DFS...", C::ResultadoGrafoDFS},
          {"ResultadoMason", "Mason...", C::ResultadoMason},
          {"ResultadoFT", "Função de Transferência...", C::ResultadoFT}}},
        {"MenuOpcoes",
         "Opções",
         {{"OpcoesOpcoes", "Opções...", C::Opcoes}, {"OpcoesSobre", "Sobre...", C::Sobre}}},
    };
    return menus;
}

const TMenu& MenuEditar() {
    using C = TComando;
    static const TMenu menu = {"MenuEditar",
                               "Editar",
                               {{"EditarDesfazer", "Desfazer", C::Desfazer},
                                {"EditarRefazer", "Refazer", C::Refazer},
                                {"EditarExportarFigura", "Exportar Figura...", C::ExportarFigura}}};
    return menu;
}

std::vector<const TMenu*> BarraDeMenus() {
    std::vector<const TMenu*> barra;
    for (const TMenu& menu : MenusPrincipais()) {
        barra.push_back(&menu);
        if (menu.Nome == "MenuArquivo") barra.push_back(&MenuEditar());
    }
    return barra;
}

const TItemMenu* ItemDoComando(TComando comando) {
    for (const TMenu* menu : BarraDeMenus())
        for (const TItemMenu& item : menu->Itens)
            if (item.Comando == comando) return &item;
    return nullptr;
}

std::string_view AtalhoDoComando(TComando comando) {
    switch (comando) {
    case TComando::Abrir:
        return "Ctrl+O";
    case TComando::Salvar:
        return "Ctrl+S";
    case TComando::SalvarComo:
        return "Ctrl+Shift+S";
    case TComando::Sobre:
        return "F1";
    case TComando::Desfazer:
        return "Ctrl+Z";
    case TComando::Refazer:
        return "Ctrl+Shift+Z";
    default:
        return {};
    }
}

} // namespace brelix
