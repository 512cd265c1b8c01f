#include "gui/UnitFormResultDFS.h"

#include "gui/UnitVistasResultado.h"

#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

#include <utility>

namespace brelix {

TFormResultDFS::TFormResultDFS(QWidget* parent)
    : TFormResultado("FormResultDFS", "Resultados", parent), SGSimbolos(NovaGradeTexto(this, "SGSimbolos")),
      TVLacos(NovaArvore(this, "TVLacos")), SGLDFS(NovaGradeTexto(this, "SGLDFS")),
      SGLD(NovaGradeTexto(this, "SGLD")), TVLD(NovaArvore(this, "TVLD")),
      SGLOS(NovaGradeTexto(this, "SGLOS")) {
    abaSimbolos_ = Pagina(PageControl, "TSSimbolos", kAbaSimbolos, SGSimbolos);
    Pagina(PageControl, "TSBuscaLacos", kAbaBuscaLacos, TVLacos);
    Pagina(PageControl, "TSLacos", kAbaLacos, SGLDFS);
    Pagina(PageControl, "TSLacosDisjuntos", kAbaLacosDisjuntos, SGLD);
    Pagina(PageControl, "TSFloresta", kAbaFlorestaDisjuntos, TVLD);
    Pagina(PageControl, "TSOrdemSuperior", kAbaOrdemSuperior, SGLOS);
    Preencher(ConteudoMasonVazio());
}

void TFormResultDFS::Preencher(TConteudoMason conteudo) {
    MostrarGrade(SGSimbolos, std::move(conteudo.Simbolos));
    MostrarArvore(TVLacos, std::move(conteudo.Busca));
    MostrarGrade(SGLDFS, std::move(conteudo.Lacos));
    MostrarGrade(SGLD, std::move(conteudo.Disjuntos));
    MostrarArvore(TVLD, std::move(conteudo.Floresta));
    MostrarGrade(SGLOS, std::move(conteudo.OrdemSuperior));
}

void TFormResultDFS::Mostrar(TConteudoMason conteudo, const TConfigOpcoes& config) {
    Preencher(std::move(conteudo));
    Exibir(config, abaSimbolos_);
}

} // namespace brelix
