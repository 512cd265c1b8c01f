#include "shell/UnitFerramentas.h"

#include "shell/UnitMenuPrincipal.h"
#include "system/UnitVOSisCatalogo.h"
#include "visual/UnitVODocKind.h"
#include "visual/UnitVOGeometria.h"

#include <cassert>

namespace brelix {

namespace {

// The algorithm buttons repeat their menu item, so their hint is its caption without the dots that
// announce a dialog.
TBotaoFerramenta BotaoDoItem(const char* nome, TComando comando) {
    const TItemMenu* item = ItemDoComando(comando);
    assert(item != nullptr && "an algorithm button without its menu item");
    std::string hint = item->Caption;
    if (hint.size() >= 3 && hint.compare(hint.size() - 3, 3, "...") == 0) hint.resize(hint.size() - 3);
    return {nome, 0, hint, comando};
}

// A system page lists, in kind order, every kind of the catalogue placed from a button (wires are
// drawn with the connect tool) whose domain the page shows.
TPaginaFerramentas PaginaSistema(TPagina pagina, const char* nome, const char* caption, const char* barra) {
    TPaginaFerramentas p{pagina, nome, caption, barra, kDocKindSistema, {}};
    for (const TSisKindRow& row : SisKinds())
        if (row.Familia != TSisFamilia::Conexao && ToolbarPage(row.Domain) == p.Caption)
            p.Botoes.push_back({row.Button, row.Kind, row.Hint});
    return p;
}

} // namespace

bool PaginaDeSistema(TPagina pagina) {
    return Pagina(pagina).DocKind == kDocKindSistema;
}

const std::vector<TBotaoFerramenta>& BotoesArquivo() {
    using C = TComando;
    static const std::vector<TBotaoFerramenta> botoes = {
        {"BtnOpen", 0, "Abrir", C::Abrir},
        {"BtnSave", 0, "Salvar", C::Salvar},
        {"BtnSaveAs", 0, "Salvar Como", C::SalvarComo},
        {"BtnSaveAll", 0, "Salvar Todos", C::SalvarTodos},
        {"BtnSis", 0, "Novo Sistema", C::NovoSistema, true},
        {"BtnGrf", 0, "Novo Grafo", C::NovoGrafo},
        {"BtnDFS", 0, "Novo DFS", C::NovoDFS},
        {"BtnSaveFT", 0, "Salvar Função de Transferência", C::SalvarFT},
    };
    return botoes;
}

const std::vector<TBotaoFerramenta>& BotoesControle() {
    using C = TComando;
    static const std::vector<TBotaoFerramenta> botoes = {
        {"BtnSelect", kModeSelecionar, "Selecionar", C::Selecionar},
        {"BtnConect", kModeConectar, "Conectar", C::Conectar},
        {"BtnRotate", kModeGirar, "Girar", C::Girar},
        BotaoDoItem("BtnSistemaGrafo", C::SistemaGrafo),
        BotaoDoItem("BtnSistemaFT", C::SistemaFT),
        BotaoDoItem("BtnGrafoDFS", C::GrafoDFS),
        BotaoDoItem("BtnGrafoFT", C::GrafoFT),
        BotaoDoItem("BtnDFSFT", C::DFSFT),
    };
    return botoes;
}

const std::vector<TPaginaFerramentas>& PaginasComponentes() {
    static const std::vector<TPaginaFerramentas> paginas = {
        PaginaSistema(TPagina::Ele, "TSEle", "Elétrico", "ToolBarEle"),
        PaginaSistema(TPagina::Mct, "TSMct", "Mec. Translacional", "ToolBarMct"),
        PaginaSistema(TPagina::Mcr, "TSMcr", "Mec. Rotacional", "ToolBarMcr"),
        PaginaSistema(TPagina::Hdr, "TSHdr", "Hidráulico", "ToolBarHdr"),
        PaginaSistema(TPagina::Acp, "TSAcp", "Acopladores", "ToolBarAcp"),
        {TPagina::Grf,
         "TSGrf",
         "Grafo",
         "ToolBarGrf",
         kDocKindGrafo,
         {{"BtnGrfVrt", 1, "Vértice"},
          {"BtnGrfImp", 2, "Impedância"},
          {"BtnGrfEsf", 3, "Fonte de Esforço"},
          {"BtnGrfEsfC", 4, "Fonte de Esforço Controlada"},
          {"BtnGrfFlx", 5, "Fonte de Fluxo"},
          {"BtnGrfFlxC", 6, "Fonte de Fluxo Controlada"},
          {"BtnGrfTrf", 7, "Transformador"},
          {"BtnGrfGrd", 8, "Girador"},
          {"BtnGrfDPs", 9, "Elemento Genérico de Duas Portas"}}},
        {TPagina::DFS,
         "TSDFS",
         "DFS",
         "ToolBarDFS",
         kDocKindDFS,
         {{"BtnDfsVar", 1, "Variável"}, {"BtnDfsTrm", 2, "Transmitância"}}},
    };
    return paginas;
}

const TPaginaFerramentas& Pagina(TPagina pagina) {
    const TPaginaFerramentas& p = PaginasComponentes()[static_cast<std::size_t>(pagina)];
    assert(p.Pagina == pagina && "the pages must be listed in the order of TPagina");
    return p;
}

const TBotaoFerramenta* BotaoDaPagina(TPagina pagina, std::int32_t tag) {
    for (const TBotaoFerramenta& b : Pagina(pagina).Botoes)
        if (b.Tag == tag) return &b;
    return nullptr;
}

const TBotaoFerramenta* BotaoDoModo(std::int32_t modo) {
    for (const TBotaoFerramenta& b : BotoesControle())
        if (b.Comando == TComando::Selecionar || b.Comando == TComando::Conectar ||
            b.Comando == TComando::Girar)
            if (b.Tag == modo) return &b;
    return nullptr;
}

} // namespace brelix
