// The Mason, graph-to-DFS and system result windows against the core's results for example documents:
// every cell, head, column width and row height of every grid, every item of every tree in order, the
// tabs shown and the tab in front, and the result font.

#include "ApoioDialogos.h"

#include "gui/UnitFormResultDFS.h"
#include "gui/UnitFormResultGrf.h"
#include "gui/UnitFormResultSis.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

using namespace brelix;
using namespace brelix::testing;

namespace {

// The grid shows exactly the core's grid: heads, body (its blank row included), widths, row height.
void MesmaGrade(const QTableView* vista, const TGradeTexto& g) {
    const int fixa = g.ColunaFixa ? 1 : 0;
    QCOMPARE(vista->model()->rowCount(), g.RowCount() - 1);
    QCOMPARE(vista->model()->columnCount(), g.ColCount() - fixa);
    QCOMPARE(!vista->verticalHeader()->isHidden(), g.ColunaFixa);
    for (int c = 0; c + fixa < g.ColCount(); ++c) {
        QCOMPARE(Cabecalho(vista, c, Qt::Horizontal), g.Celula(0, c + fixa));
        QCOMPARE(vista->columnWidth(c), g.Larguras[static_cast<std::size_t>(c + fixa)]);
    }
    for (int r = 0; r + 1 < g.RowCount(); ++r) {
        QCOMPARE(vista->rowHeight(r), g.AlturaLinha);
        if (g.ColunaFixa) QCOMPARE(Cabecalho(vista, r, Qt::Vertical), g.Celula(r + 1, 0));
        for (int c = 0; c + fixa < g.ColCount(); ++c)
            QCOMPARE(Celula(vista, r, c), g.Celula(r + 1, c + fixa));
    }
}

// The matrix grid shows every cell of the sparse matrix, its equations numbered down the side.
void MesmaMatriz(const QTableView* vista, const TGradeMatriz& g) {
    QCOMPARE(vista->model()->rowCount(), static_cast<int>(g.RowCount() - 1));
    QCOMPARE(vista->model()->columnCount(), g.ColCount() - 1);
    QVERIFY(!vista->verticalHeader()->isHidden());
    for (int c = 0; c + 1 < g.ColCount(); ++c) {
        QCOMPARE(Cabecalho(vista, c, Qt::Horizontal), g.Celula(0, c + 1));
        QCOMPARE(vista->columnWidth(c), g.LarguraColuna);
    }
    for (int r = 0; r + 1 < g.RowCount(); ++r) {
        QCOMPARE(vista->rowHeight(r), g.AlturaLinha);
        QCOMPARE(Cabecalho(vista, r, Qt::Vertical), g.Celula(r + 1, 0));
        for (int c = 0; c + 1 < g.ColCount(); ++c)
            QCOMPARE(Celula(vista, r, c), g.Celula(r + 1, c + 1));
    }
}

// The tree holds the items in the core's order, each under its parent, every one expanded.
void MesmaArvore(const QTreeView* vista, const std::vector<TItemArvore>& itens) {
    std::vector<TItemArvore> lidos;
    const QAbstractItemModel* m = vista->model();
    std::vector<std::pair<QModelIndex, int>> pendentes; // pre-order: an index and its parent's number
    for (int r = m->rowCount() - 1; r >= 0; --r)
        pendentes.emplace_back(m->index(r, 0), -1);
    while (!pendentes.empty()) {
        const auto [i, pai] = pendentes.back();
        pendentes.pop_back();
        lidos.push_back({pai, m->data(i).toString().toStdString()});
        QVERIFY(m->rowCount(i) == 0 || vista->isExpanded(i));
        for (int r = m->rowCount(i) - 1; r >= 0; --r)
            pendentes.emplace_back(m->index(r, 0, i), static_cast<int>(lidos.size()) - 1);
    }
    QCOMPARE(lidos, itens);
}

template <typename TResultado> TResultado Analise(const std::string& exemplo, const TPedidoFT* pedido) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirExemplo(exemplo);
    const TComandoDocumento& comando = CatalogoCompleto().Comando(*doc);
    if constexpr (std::is_same_v<TResultado, TFTDocumento>)
        return comando.CalcularFT(*doc, *pedido, {});
    else
        return comando.Converter(*doc, {nullptr, 25, 55}); // ARowHeight 25, AColWidth 55
}

QStringList Abas(const QTabWidget* abas) {
    QStringList t;
    for (int i = 0; i < abas->count(); ++i)
        t << abas->tabText(i) + (abas->isTabVisible(i) ? "" : " (hidden)");
    return t;
}

} // namespace

class TestResultados : public QObject {
    Q_OBJECT

private slots:
    void mason();
    void grafoDFS();
    void sistema();
};

void TestResultados::mason() {
    const TPedidoFT pedido{"X1", "X6", false, {}, {}};
    const TFTDocumento ft = Analise<TFTDocumento>("lacos-dfs.dfs", &pedido);
    QVERIFY(ft.Mason.has_value());
    const TConteudoMason& c = *ft.Mason;
    QVERIFY(c.Lacos.Linhas.size() >= 3 && c.OrdemSuperior.Linhas.size() > c.Lacos.Linhas.size());

    TFormResultDFS janela;
    janela.PageControl->setCurrentIndex(3);
    TConfigOpcoes config;
    config.RFontSize = 12;
    janela.Mostrar(c, config);
    QCOMPARE(Abas(janela.PageControl),
             (QStringList{"Símbolos", "Busca de Laços", "Laços", "Laços Disjuntos",
                          "Floresta de Laços Disjuntos", "Laços de Ordem Superior"}));
    QCOMPARE(janela.PageControl->currentIndex(), 0);
    QCOMPARE(janela.windowTitle() + QString::number(janela.width()), QStringLiteral("Resultados650"));
    MesmaGrade(janela.SGSimbolos, c.Simbolos);
    MesmaGrade(janela.SGLDFS, c.Lacos);
    MesmaGrade(janela.SGLD, c.Disjuntos);
    MesmaGrade(janela.SGLOS, c.OrdemSuperior);
    MesmaArvore(janela.TVLacos, c.Busca);
    MesmaArvore(janela.TVLD, c.Floresta);
    QCOMPARE(janela.SGLOS->font().pointSize(), 12);
    QCOMPARE(janela.TVLacos->font().pointSize(), 12);

    // Refilled with a result without loops: heads and one blank row, empty trees.
    janela.Preencher(ConteudoMasonVazio());
    MesmaGrade(janela.SGLOS, ConteudoMasonVazio().OrdemSuperior);
    QCOMPARE(janela.TVLacos->model()->rowCount() + janela.TVLD->model()->rowCount(), 0);
}

void TestResultados::grafoDFS() {
    const auto conversao = Analise<TConversaoDocumento>("fonte-controlada.grf", nullptr);
    QVERIFY(conversao.VisaoGrafoDFS.has_value());
    const TConteudoGrafoDFS& c = *conversao.VisaoGrafoDFS;
    TFormResultGrf janela;
    janela.PageControl->setCurrentIndex(5);
    janela.Mostrar(c, TConfigOpcoes{});
    QCOMPARE(Abas(janela.PageControl),
             (QStringList{"Variáveis", "A1", "A2", "A3", "A4", "A5", "A", "Algoritmo de Busca", "Solução"}));
    QCOMPARE(janela.PageControl->currentIndex(), 0);
    MesmaGrade(janela.SGVar, c.Variaveis);
    for (const auto& [vista, grade] : {std::pair{janela.SGA1, &c.A1},
                                       {janela.SGA2, &c.A2},
                                       {janela.SGA3, &c.A3},
                                       {janela.SGA4, &c.A4},
                                       {janela.SGA5, &c.A5},
                                       {janela.SGA, &c.A}})
        MesmaMatriz(vista, *grade);
    MesmaGrade(janela.SGSol, c.Solucao);
    MesmaArvore(janela.TVBusca, c.Busca);
    // The matrices take the options' row height and column width, their rows numbered on the left.
    QCOMPARE(janela.SGA->rowHeight(0), 25);
    QCOMPARE(janela.SGA->columnWidth(0), 55);
    QCOMPARE(Cabecalho(janela.SGA, 0, Qt::Vertical) + Celula(janela.SGSol, 0, 0), std::string("1A[1]"));
}

void TestResultados::sistema() {
    const auto conversao = Analise<TConversaoDocumento>("serie-rlc.sis", nullptr);
    QVERIFY(conversao.ResultadoSis.has_value());
    const TResultadoSis& r = *conversao.ResultadoSis;
    QVERIFY(!r.Vertices.empty() && !r.Ramos.empty());
    TFormResultSis janela;
    janela.PageControl->setCurrentIndex(1);
    janela.Mostrar(r, TConfigOpcoes{});
    QCOMPARE(Abas(janela.PageControl),
             (QStringList{"Vértices do Grafo", "Ramos do Grafo", "Vértices Adicionados no Sistema (hidden)",
                          "Vértices Removidos do Sistema (hidden)"}));
    QCOMPARE(janela.PageControl->currentIndex(), 0);
    QCOMPARE(janela.SGRamos->model()->rowCount(), static_cast<int>(r.Ramos.size()));
    QCOMPARE(Cabecalho(janela.SGRamos, 4, Qt::Horizontal), std::string("Ganho"));
    for (std::size_t i = 0; i < r.Ramos.size(); ++i)
        for (int c = 0; c < 5; ++c)
            QCOMPARE(Celula(janela.SGRamos, static_cast<int>(i), c), r.Ramos[i][static_cast<std::size_t>(c)]);
    for (std::size_t i = 0; i < r.Vertices.size(); ++i)
        QCOMPARE(Celula(janela.SGVertices, static_cast<int>(i), 1), r.Vertices[i][1]);
    QCOMPARE(janela.SGRamos->columnWidth(4), 120);
    QCOMPARE(janela.SGVertices->rowHeight(0), 18);
}

QTEST_MAIN(TestResultados)
#include "TestResultados.moc"
