#pragma once

#include "shell/UnitComandos.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// The main window's menu bar and file dialogs as data: the window creates its menus from these
// lists and opens its dialogs with these filters, so that names, captions and order live here.

inline constexpr const char* kCaptionPrincipal = "Brelix - Modelagem Simbólica de Sistemas Físicos";

// The filters of the file dialogs: pairs of a description and a pattern, separated by "|".
inline constexpr const char* kFiltroAbrir =
    "Todos os Arquivos (*.*)|*.*|Arquivos de DFS (*.dfs)|*.dfs|Arquivos de Grafo (*.grf)|*.grf|"
    "Arquivos de Sistema (*.sis)|*.sis|Arquivos de Função (*.fts)|*.fts";
inline constexpr const char* kFiltroSalvar =
    "Arquivos de DFS (*.dfs)|*.dfs|Arquivos de Grafo (*.grf)|*.grf|"
    "Arquivos de Sistema (*.sis)|*.sis|Arquivos de Função (*.fts)|*.fts";
// "Exportar Figura...": the formats a figure is written in, chosen by the file's extension.
inline constexpr const char* kFiltroFiguras =
    "Figura SVG (*.svg)|*.svg|Figura PDF (*.pdf)|*.pdf|Figura PNG (*.png)|*.png";
// The extension of a transfer-function file.
inline constexpr const char* kExtensaoFT = "fts";

// The position, counted from 1, of the filter whose pattern is "*.<extension>" (letter case ignored);
// 0 when the filter has none. The save dialog starts on the filter of the file's kind.
int IndiceFiltro(std::string_view filtro, std::string_view extensao);

struct TItemMenu {
    std::string Nome;    // "ArquivoAbrir"
    std::string Caption; // "Abrir..."
    TComando Comando = TComando::Nenhum;
};

struct TMenu {
    std::string Nome;    // "MenuArquivo"
    std::string Caption; // "Arquivo"
    std::vector<TItemMenu> Itens;
    // The "Janelas" menu holds one item per open document, rebuilt while the program runs.
    bool ListaJanelas = false;
};

// The program's five menus from left to right.
const std::vector<TMenu>& MenusPrincipais();
// "Editar": Desfazer and Refazer on the active document's undo stack, and Exportar Figura.
const TMenu& MenuEditar();
// The menu bar as the window shows it: the five menus with "Editar" after "Arquivo".
std::vector<const TMenu*> BarraDeMenus();
// The item that runs a command, in any menu of the bar; none for the commands of buttons only.
const TItemMenu* ItemDoComando(TComando comando);

// The keyboard shortcut of a command in the portable text form ("Ctrl+Shift+S"); empty for none.
std::string_view AtalhoDoComando(TComando comando);

} // namespace brelix
