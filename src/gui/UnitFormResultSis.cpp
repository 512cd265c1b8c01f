#include "gui/UnitFormResultSis.h"

#include "gui/UnitVistasResultado.h"

#include <QTabWidget>
#include <QTableView>

#include <array>
#include <string>
#include <vector>

namespace brelix {

namespace {

constexpr std::int32_t kLarguraColuna = 120;

template <std::size_t N>
TGradeTexto Grade(const std::array<const char*, N>& colunas,
                  const std::vector<std::array<std::string, N>>& linhas) {
    TGradeTexto grade = NovaGrade(std::vector<std::string>(colunas.begin(), colunas.end()),
                                  std::vector<std::int32_t>(N, kLarguraColuna));
    for (const std::array<std::string, N>& linha : linhas)
        grade.Linhas.emplace_back(linha.begin(), linha.end());
    return grade;
}

TGradeTexto GradeNomes(const std::vector<std::string>& nomes) {
    TGradeTexto grade = NovaGrade({kColunaNomesSis}, {kLarguraColuna});
    for (const std::string& nome : nomes)
        grade.Linhas.push_back({nome});
    return grade;
}

} // namespace

TFormResultSis::TFormResultSis(QWidget* parent)
    : TFormResultado("FormResultSis", kCaptionResultadoSis, parent),
      SGVertices(NovaGradeTexto(this, "SGVertices")), SGRamos(NovaGradeTexto(this, "SGRamos")),
      SGAdicionados(NovaGradeTexto(this, "SGAdicionados")), SGRemovidos(NovaGradeTexto(this, "SGRemovidos")) {
    abaVertices_ = Pagina(PageControl, "TSVertices", kPaginasResultadoSis[0], SGVertices);
    Pagina(PageControl, "TSRamos", kPaginasResultadoSis[1], SGRamos);
    Pagina(PageControl, "TSAdicionados", kPaginasResultadoSis[2], SGAdicionados);
    Pagina(PageControl, "TSRemovidos", kPaginasResultadoSis[3], SGRemovidos);
    PageControl->setTabVisible(2, false);
    PageControl->setTabVisible(3, false);
    Preencher(TResultadoSis{});
}

void TFormResultSis::Preencher(const TResultadoSis& resultado) {
    MostrarGrade(SGVertices, Grade(kColunasVerticesSis, resultado.Vertices));
    MostrarGrade(SGRamos, Grade(kColunasRamosSis, resultado.Ramos));
    MostrarGrade(SGAdicionados, GradeNomes(resultado.Adicionados));
    MostrarGrade(SGRemovidos, GradeNomes(resultado.Removidos));
}

void TFormResultSis::Mostrar(const TResultadoSis& resultado, const TConfigOpcoes& config) {
    Preencher(resultado);
    Exibir(config, abaVertices_);
}

} // namespace brelix
