#pragma once

namespace brelix {

// Every command of the main window. A menu item and its tool button share one command, so the menus
// and tool bars are built from data that names the command, and the window hands every click to the
// workspace as one of these.
enum class TComando {
    Nenhum, // a component button: it chooses a class rather than running a command
    // "Arquivo"
    NovoSistema,
    NovoGrafo,
    NovoDFS,
    Abrir,
    Salvar,
    SalvarComo,
    SalvarTodos,
    SalvarFT,
    Fechar,
    // "Algoritmos"
    SistemaGrafo,
    SistemaFT,
    GrafoDFS,
    GrafoFT,
    DFSFT,
    // "Resultados"
    ResultadoSistemaGrafo,
    ResultadoGrafoDFS,
    ResultadoMason,
    ResultadoFT,
    // "Opções"
    Opcoes,
    Sobre,
    // The control buttons: the tool mode of every document
    Selecionar,
    Conectar,
    Girar,
    // "Editar": the active document's undo stack, and its drawing as a figure for a report
    Desfazer,
    Refazer,
    ExportarFigura,
};

} // namespace brelix
