#include "gui/UnitVistasResultado.h"

#include "gui/UnitModeloArvore.h"
#include "gui/UnitModeloGrade.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace brelix {

namespace {

constexpr int kTamanhoFontePadrao = 8;

} // namespace

QFont FonteResultados(const TConfigOpcoes& config) {
    QFont fonte;
    if (!config.RFontName.empty()) fonte.setFamily(QString::fromStdString(config.RFontName));
    fonte.setPointSize(config.RFontSize > 0 ? config.RFontSize : kTamanhoFontePadrao);
    return fonte;
}

void AplicarFonteResultados(QWidget* janela, const TConfigOpcoes& config) {
    const QFont fonte = FonteResultados(config);
    for (QAbstractItemView* vista : janela->findChildren<QAbstractItemView*>())
        vista->setFont(fonte);
    for (QPlainTextEdit* memo : janela->findChildren<QPlainTextEdit*>())
        memo->setFont(fonte);
}

QTableView* NovaGrade(QWidget* parent, const char* nome) {
    auto* grade = new QTableView(parent);
    grade->setObjectName(QString::fromLatin1(nome));
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grade->setSelectionBehavior(QAbstractItemView::SelectItems);
    grade->setShowGrid(true);
    grade->setWordWrap(false);
    grade->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grade->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grade->horizontalHeader()->setHighlightSections(false);
    grade->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grade->verticalHeader()->setHighlightSections(false);
    grade->verticalHeader()->setVisible(false);
    return grade;
}

QTableView* NovaGradeTexto(QWidget* parent, const char* nome) {
    QTableView* grade = NovaGrade(parent, nome);
    grade->setModel(new TModeloGradeTexto(grade));
    return grade;
}

QTableView* NovaGradeMatriz(QWidget* parent, const char* nome) {
    QTableView* grade = NovaGrade(parent, nome);
    grade->setModel(new TModeloGradeMatriz(grade));
    grade->verticalHeader()->setVisible(true);
    return grade;
}

void MostrarMatriz(QTableView* grade, TGradeMatriz conteudo) {
    auto& modelo = *static_cast<TModeloGradeMatriz*>(grade->model());
    grade->verticalHeader()->setDefaultSectionSize(conteudo.AlturaLinha);
    grade->verticalHeader()->setMinimumSectionSize(std::min(conteudo.AlturaLinha, 18));
    grade->horizontalHeader()->setDefaultSectionSize(conteudo.LarguraColuna);
    grade->horizontalHeader()->setMinimumSectionSize(std::min(conteudo.LarguraColuna, 20));
    modelo.SetGrade(std::move(conteudo));
}

TModeloGradeTexto& ModeloDaGrade(QTableView* grade) {
    return *static_cast<TModeloGradeTexto*>(grade->model());
}

void MostrarGrade(QTableView* grade, TGradeTexto conteudo) {
    TModeloGradeTexto& modelo = ModeloDaGrade(grade);
    const int deslocamento = conteudo.ColunaFixa ? 1 : 0;
    grade->verticalHeader()->setDefaultSectionSize(conteudo.AlturaLinha);
    grade->verticalHeader()->setMinimumSectionSize(std::min(conteudo.AlturaLinha, 18));
    grade->verticalHeader()->setVisible(conteudo.ColunaFixa);
    if (conteudo.ColunaFixa && !conteudo.Larguras.empty())
        grade->verticalHeader()->setFixedWidth(conteudo.Larguras.front());
    const std::vector<std::int32_t> larguras = conteudo.Larguras;
    modelo.SetGrade(std::move(conteudo));
    for (int c = 0; c < modelo.columnCount(); ++c) {
        const auto i = static_cast<std::size_t>(c + deslocamento);
        if (i < larguras.size()) grade->setColumnWidth(c, larguras[i]);
    }
}

QTreeView* NovaArvore(QWidget* parent, const char* nome) {
    auto* arvore = new QTreeView(parent);
    arvore->setObjectName(QString::fromLatin1(nome));
    arvore->setHeaderHidden(true);
    arvore->setEditTriggers(QAbstractItemView::NoEditTriggers);
    arvore->setUniformRowHeights(true);
    arvore->setModel(new TModeloArvore(arvore));
    return arvore;
}

TModeloArvore& ModeloDaArvore(QTreeView* arvore) {
    return *static_cast<TModeloArvore*>(arvore->model());
}

void MostrarArvore(QTreeView* arvore, std::vector<TItemArvore> itens) {
    TModeloArvore& modelo = ModeloDaArvore(arvore);
    const std::size_t total = itens.size();
    modelo.SetItens(std::move(itens));
    if (total <= kMaxItensExpandidos)
        arvore->expandAll();
    else
        arvore->expandToDepth(0);
}

QGroupBox* Grupo(const char* titulo, QWidget* conteudo, QWidget* parent) {
    auto* grupo = new QGroupBox(QString::fromUtf8(titulo), parent);
    auto* layout = new QVBoxLayout(grupo);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(conteudo);
    return grupo;
}

QWidget* Pagina(QTabWidget* abas, const char* nome, const char* titulo, QWidget* conteudo) {
    auto* pagina = new QWidget(abas);
    pagina->setObjectName(QString::fromLatin1(nome));
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(conteudo);
    abas->addTab(pagina, QString::fromUtf8(titulo));
    return pagina;
}

} // namespace brelix
