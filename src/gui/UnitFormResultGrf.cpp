#include "gui/UnitFormResultGrf.h"

#include "gui/UnitVistasResultado.h"

#include <QGroupBox>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

#include <utility>

namespace brelix {

TFormResultGrf::TFormResultGrf(QWidget* parent)
    : TFormResultado("FormResultGrf", "Resultados", parent), SGVar(NovaGradeTexto(this, "SGVar")),
      SGA1(NovaGradeMatriz(this, "SGA1")), SGA2(NovaGradeMatriz(this, "SGA2")),
      SGA3(NovaGradeMatriz(this, "SGA3")), SGA4(NovaGradeMatriz(this, "SGA4")),
      SGA5(NovaGradeMatriz(this, "SGA5")), SGA(NovaGradeMatriz(this, "SGA")),
      TVBusca(NovaArvore(this, "TVBusca")), SGSol(NovaGradeTexto(this, "SGSol")) {
    abaVariaveis_ = Pagina(PageControl, "TSVariaveis", kAbaVariaveis, SGVar);
    Pagina(PageControl, "TSA1", "A1", Grupo(kGrupoA1, SGA1));
    Pagina(PageControl, "TSA2", "A2", Grupo(kGrupoA2, SGA2));
    Pagina(PageControl, "TSA3", "A3", Grupo(kGrupoA3, SGA3));
    Pagina(PageControl, "TSA4", "A4", Grupo(kGrupoA4, SGA4));
    Pagina(PageControl, "TSA5", "A5", Grupo(kGrupoA5, SGA5));
    Pagina(PageControl, "TSA", "A", Grupo(kGrupoA, SGA));
    Pagina(PageControl, "TSBusca", kAbaBuscaCausal, TVBusca);
    Pagina(PageControl, "TSSolucao", kAbaSolucao, SGSol);
    Preencher(ConteudoGrafoDFSVazio());
}

void TFormResultGrf::Preencher(TConteudoGrafoDFS conteudo) {
    MostrarGrade(SGVar, std::move(conteudo.Variaveis));
    MostrarMatriz(SGA1, std::move(conteudo.A1));
    MostrarMatriz(SGA2, std::move(conteudo.A2));
    MostrarMatriz(SGA3, std::move(conteudo.A3));
    MostrarMatriz(SGA4, std::move(conteudo.A4));
    MostrarMatriz(SGA5, std::move(conteudo.A5));
    MostrarMatriz(SGA, std::move(conteudo.A));
    MostrarArvore(TVBusca, std::move(conteudo.Busca));
    MostrarGrade(SGSol, std::move(conteudo.Solucao));
}

void TFormResultGrf::Mostrar(TConteudoGrafoDFS conteudo, const TConfigOpcoes& config) {
    Preencher(std::move(conteudo));
    Exibir(config, abaVariaveis_);
}

} // namespace brelix
