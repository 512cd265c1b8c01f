#pragma once

#include "shell/UnitComandos.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelix {

// The main window's tool bars as data: the file and control bars, and the page control with one
// component bar per domain. The window builds its buttons from these lists, in order.

// The pages of the component bars, in the page control's order.
enum class TPagina { Ele, Mct, Mcr, Hdr, Acp, Grf, DFS };
inline constexpr int kNumeroPaginas = 7;

// A page holding components of a physical system (the first five).
bool PaginaDeSistema(TPagina pagina);

struct TBotaoFerramenta {
    std::string Nome;     // "BtnOpen"
    std::int32_t Tag = 0; // control buttons: the tool mode; component buttons: the kind code
    std::string Hint;
    // The command it runs; a component button runs none and chooses the class of its Tag.
    TComando Comando = TComando::Nenhum;
    bool SeparadorAntes = false;
};

struct TPaginaFerramentas {
    TPagina Pagina = TPagina::Ele;
    std::string Nome;    // "TSEle"
    std::string Caption; // "Elétrico"
    std::string Barra;   // "ToolBarEle"
    // The document kind whose classes the buttons place; the page is shown exactly when the active
    // document is of this kind.
    std::int32_t DocKind = 0;
    std::vector<TBotaoFerramenta> Botoes;
};

// "ToolBarFile" and "ToolBarCtrl".
const std::vector<TBotaoFerramenta>& BotoesArquivo();
const std::vector<TBotaoFerramenta>& BotoesControle();
// The seven pages in order; the system pages list the system catalogue's kinds of their domains.
const std::vector<TPaginaFerramentas>& PaginasComponentes();
const TPaginaFerramentas& Pagina(TPagina pagina);
// The button of a page with this tag; none when the page has no such button.
const TBotaoFerramenta* BotaoDaPagina(TPagina pagina, std::int32_t tag);
// The control button of a tool mode (1 Selecionar, 2 Conectar, 3 Girar); none for any other.
const TBotaoFerramenta* BotaoDoModo(std::int32_t modo);

} // namespace brelix
