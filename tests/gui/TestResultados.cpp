// The Mason, graph-to-DFS and system result windows against the core's results for example documents:
// every cell, head, column width and row height of every grid, every item of every tree in order,
// the tabs shown and the tab in front, and the result font.

#include "ApoioDialogos.h"

#include "gui/UnitFormResultDFS.h"
#include "gui/UnitFormResultGrf.h"
#include "gui/UnitFormResultSis.h"
#include "gui/UnitModeloArvore.h"

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
    const QAbstractItemModel* m = vista->model();
    QCOMPARE(m->rowCount(), g.RowCount() - 1);
    QCOMPARE(m->columnCount(), g.ColCount() - fixa);
    QCOMPARE(!vista->verticalHeader()->isHidden(), g.ColunaFixa);
    for (int c = 0; c < m->columnCount(); ++c) {
        QCOMPARE(Cabecalho(vista, c, Qt::Horizontal), g.Celula(0, c + fixa));
        QCOMPARE(vista->columnWidth(c), g.Larguras[static_cast<std::size_t>(c + fixa)]);
    }
    for (int r = 0; r < m->rowCount(); ++r) {
        QCOMPARE(vista->rowHeight(r), g.AlturaLinha);
        if (g.ColunaFixa) QCOMPARE(Cabecalho(vista, r, Qt::Vertical), g.Celula(r + 1, 0));
        for (int c = 0; c < m->columnCount(); ++c)
            QCOMPARE(Celula(vista, r, c), g.Celula(r + 1, c + fixa));
    }
}

// The tree holds the items in the core's order, each under its parent, every one expanded.
void MesmaArvore(const QTreeView* vista, const std::vector<TItemArvore>& itens) {
    std::vector<TItemArvore> lidos;
    const QAbstractItemModel* m = vista->model();
    // Pre-order walk: (index, item number of its parent).
    std::vector<std::pair<QModelIndex, int>> pendentes;
    for (int r = m->rowCount() - 1; r >= 0; --r)
        pendentes.emplace_back(m->index(r, 0), -1);
    while (!pendentes.empty()) {
        const auto [i, pai] = pendentes.back();
        pendentes.pop_back();
        const int numero = static_cast<int>(lidos.size());
        lidos.push_back({pai, m->data(i).toString().toStdString()});
        if (m->rowCount(i) > 0) QVERIFY(vista->isExpanded(i));
        for (int r = m->rowCount(i) - 1; r >= 0; --r)
            pendentes.emplace_back(m->index(r, 0, i), numero);
    }
    QCOMPARE(lidos, itens);
}

TFTDocumento FTDe(const std::string& exemplo, const TPedidoFT& pedido) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirExemplo(exemplo);
    return CatalogoCompleto().Comando(*doc).CalcularFT(*doc, pedido, {});
}

TConversaoDocumento ConversaoDe(const std::string& exemplo, std::int32_t altura, std::int32_t largura) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirExemplo(exemplo);
    TContextoAnalise contexto;
    contexto.AlturaLinha = altura;
    contexto.LarguraColuna = largura;
    return CatalogoCompleto().Comando(*doc).Converter(*doc, contexto);
}

QStringList Abas(const QTabWidget* abas) {
    QStringList t;
    for (int i = 0; i < abas->count(); ++i)
        t << abas->tabText(i) + (abas->isTabVisible(i) ? QString() : QStringLiteral(" (hidden)"));
    return t;
}

} // namespace

class TestResultados : public QObject {
    Q_OBJECT

private slots:
    void mason();
    void masonSemLacos();
    void grafoDFS();
    void sistema();
};

void TestResultados::mason() {
    const TFTDocumento ft = FTDe("lacos-dfs.dfs", {"X1", "X6", false, {}, {}});
    QVERIFY(ft.Calculado() && ft.Mason.has_value());
    const TConteudoMason& c = *ft.Mason;
    QVERIFY(c.Lacos.Linhas.size() >= 3 && c.OrdemSuperior.Linhas.size() > c.Lacos.Linhas.size());

    TFormResultDFS janela;
    janela.PageControl->setCurrentIndex(3);
    TConfigOpcoes config;
    config.RFontSize = 12;
    janela.Mostrar(c, config);
    QCOMPARE(janela.windowTitle(), QStringLiteral("Resultados"));
    QCOMPARE(Abas(janela.PageControl),
             (QStringList{"Símbolos", "Busca de Laços", "Laços", "Laços Disjuntos",
                          "Floresta de Laços Disjuntos", "Laços de Ordem Superior"}));
    QCOMPARE(janela.PageControl->currentIndex(), 0);
    QCOMPARE(janela.size(), QSize(650, 300));
    MesmaGrade(janela.SGSimbolos, c.Simbolos);
    MesmaGrade(janela.SGLDFS, c.Lacos);
    MesmaGrade(janela.SGLD, c.Disjuntos);
    MesmaGrade(janela.SGLOS, c.OrdemSuperior);
    MesmaArvore(janela.TVLacos, c.Busca);
    MesmaArvore(janela.TVLD, c.Floresta);
    QCOMPARE(janela.SGLOS->font().pointSize(), 12);
    QCOMPARE(janela.TVLacos->font().pointSize(), 12);
}

void TestResultados::masonSemLacos() {
    // Content of an earlier diagram goes; an empty result shows heads and one blank row.
    const TFTDocumento ft = FTDe("lacos-dfs.dfs", {"X1", "X6", false, {}, {}});
    TFormResultDFS janela;
    janela.Preencher(*ft.Mason);
    const TConteudoMason vazio = ConteudoMasonVazio();
    janela.Preencher(vazio);
    MesmaGrade(janela.SGLDFS, vazio.Lacos);
    QCOMPARE(janela.SGLOS->model()->rowCount(), 1);
    QCOMPARE(Celula(janela.SGLOS, 0, 3), std::string());
    QCOMPARE(janela.TVLacos->model()->rowCount(), 0);
    QCOMPARE(janela.TVLD->model()->rowCount(), 0);
}

void TestResultados::grafoDFS() {
    const TConversaoDocumento conversao = ConversaoDe("fonte-controlada.grf", 25, 55);
    QVERIFY(conversao.Convertido() && conversao.VisaoGrafoDFS.has_value());
    const TConteudoGrafoDFS& c = *conversao.VisaoGrafoDFS;

    TFormResultGrf janela;
    janela.PageControl->setCurrentIndex(5);
    janela.Mostrar(c, TConfigOpcoes{});
    QCOMPARE(Abas(janela.PageControl),
             (QStringList{"Variáveis", "A1", "A2", "A3", "A4", "A5", "A", "Algoritmo de Busca", "Solução"}));
    QCOMPARE(janela.PageControl->currentIndex(), 0);
    MesmaGrade(janela.SGVar, c.Variaveis);
    MesmaGrade(janela.SGA1, c.A1);
    MesmaGrade(janela.SGA2, c.A2);
    MesmaGrade(janela.SGA3, c.A3);
    MesmaGrade(janela.SGA4, c.A4);
    MesmaGrade(janela.SGA5, c.A5);
    MesmaGrade(janela.SGA, c.A);
    MesmaGrade(janela.SGSol, c.Solucao);
    MesmaArvore(janela.TVBusca, c.Busca);
    // The matrices take the options' row height and column width, their rows numbered on the left.
    QCOMPARE(janela.SGA->rowHeight(0), 25);
    QCOMPARE(janela.SGA->columnWidth(0), 55);
    QCOMPARE(Cabecalho(janela.SGA, 0, Qt::Vertical), std::string("1"));
    QCOMPARE(Cabecalho(janela.SGA, 0, Qt::Horizontal), std::string("1"));
    QCOMPARE(Celula(janela.SGSol, 0, 0), std::string("A[1]"));
}

void TestResultados::sistema() {
    const TConversaoDocumento conversao = ConversaoDe("serie-rlc.sis", 18, 40);
    QVERIFY(conversao.Convertido() && conversao.ResultadoSis.has_value());
    const TResultadoSis& r = *conversao.ResultadoSis;
    QVERIFY(!r.Vertices.empty() && !r.Ramos.empty());

    TFormResultSis janela;
    janela.PageControl->setCurrentIndex(1);
    janela.Mostrar(r, TConfigOpcoes{});
    QCOMPARE(Abas(janela.PageControl),
             (QStringList{"Vértices do Grafo", "Ramos do Grafo", "Vértices Adicionados no Sistema (hidden)",
                          "Vértices Removidos do Sistema (hidden)"}));
    QCOMPARE(janela.PageControl->currentIndex(), 0);
    QCOMPARE(janela.SGVertices->model()->rowCount(), static_cast<int>(r.Vertices.size()));
    QCOMPARE(janela.SGRamos->model()->rowCount(), static_cast<int>(r.Ramos.size()));
    QCOMPARE(Cabecalho(janela.SGRamos, 4, Qt::Horizontal), std::string("Ganho"));
    for (std::size_t i = 0; i < r.Vertices.size(); ++i)
        for (int c = 0; c < 2; ++c)
            QCOMPARE(Celula(janela.SGVertices, static_cast<int>(i), c),
                     r.Vertices[i][static_cast<std::size_t>(c)]);
    for (std::size_t i = 0; i < r.Ramos.size(); ++i)
        for (int c = 0; c < 5; ++c)
            QCOMPARE(Celula(janela.SGRamos, static_cast<int>(i), c), r.Ramos[i][static_cast<std::size_t>(c)]);
    QCOMPARE(janela.SGRamos->columnWidth(4), 120);
    QCOMPARE(janela.SGVertices->rowHeight(0), 18);
    // The hidden pages still hold their lists; an empty list keeps one blank row.
    QCOMPARE(janela.SGAdicionados->model()->rowCount(),
             std::max<int>(static_cast<int>(r.Adicionados.size()), 1));
}

QTEST_MAIN(TestResultados)
#include "TestResultados.moc"
