// The transfer-function window through its widgets, against the core's result: a series RLC function
// worked by hand (its tabs, a value typed into the symbol grid, the sensitivity, the Varnel export and
// its refusals), and a denominator of 413,404 terms, the size of a ten-section RLC ladder's, whose memo
// and grid open without asking for more than the cells on screen.

#include "ApoioDialogos.h"

#include "gui/UnitFormResultFT.h"
#include "gui/UnitModeloGrade.h"
#include "gui/UnitVisaoTexto.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <fstream>

using namespace brelix;
using namespace brelix::testing;

namespace {

TListSimboloExp Produto(std::initializer_list<const char*> nomes) {
    TListSimboloExp p;
    for (const char* n : nomes)
        p.AddSimbolo(n, 1);
    return p;
}

// 1 / (C.L.S^2 + C.R.S + 1) with C = 0,5, L = 1, R = 2, as an analysis hands it over (DFS among the
// symbols); or 1 / (S + 2) without symbols.
TResultadoFT Funcao(bool rlc = true) {
    TFuncao f;
    f.Num.AddFator(0, 1.0);
    TListSimboloVal s;
    s.AddSimbolo("DFS", 1.0);
    if (rlc) {
        f.Den.AddFator(2, Produto({"C", "L"}), 1.0);
        f.Den.AddFator(1, Produto({"C", "R"}), 1.0);
        f.Den.AddFator(0, 1.0);
        s.AddSimbolo("C", 0.5);
        s.AddSimbolo("L", 1.0);
        s.AddSimbolo("R", 2.0);
    } else {
        f.Den.AddFator(1, 1.0);
        f.Den.AddFator(0, 2.0);
    }
    TResultadoFT r;
    r.ShowFT("SerieFT", "E(Vs)", f, s, "E(C1)");
    return r;
}

struct Janela {
    TMensagens msgs;
    TFormResultFT form{msgs.Funcao()};
    TConfigOpcoes config;
    std::vector<TDialogoArquivo> dialogos;
    std::optional<std::string> arquivo; // what the save dialog answers
    Janela() {
        form.SetDialogoSalvar([this](const TDialogoArquivo& d) {
            dialogos.push_back(d);
            return arquivo;
        });
    }
    QString Memo(const QPlainTextEdit* m) const { return m->toPlainText(); }
};

} // namespace

class TestResultadoFT : public QObject {
    Q_OBJECT

private slots:
    void abas();
    void valoresDigitados_data();
    void valoresDigitados();
    void sensibilidade();
    void varnel();
    void denominadorEnorme();
};

void TestResultadoFT::abas() {
    TResultadoFT r = Funcao();
    Janela j;
    j.config.RFontName = "DejaVu Sans";
    j.config.RFontSize = 13;
    j.form.Mostrar(r, j.config);
    TFormResultFT& f = j.form;
    QStringList abas;
    for (int i = 0; i < f.PageControl->count(); ++i)
        abas << f.PageControl->tabText(i);
    QCOMPARE(abas, (QStringList{"Variáveis", "Símbolos", "FT Simbólica", "FT Simbólica",
                                "Sensibilidade Paramétrica", "FT Numérica"}));
    QCOMPARE(f.PageControl->currentWidget(), f.TSFTS);
    // The two pages of one name are told apart by their hints.
    QVERIFY(f.PageControl->tabToolTip(2) != f.PageControl->tabToolTip(3));
    QVERIFY(!f.PageControl->tabToolTip(3).isEmpty());
    QCOMPARE(j.Memo(f.MemoVarE), QStringLiteral("E(Vs)"));
    // The symbols without DFS, their values in the comma convention.
    QCOMPARE(f.SGSimbolos->model()->rowCount(), 3);
    QCOMPARE(Celula(f.SGSimbolos, 0, 0) + "=" + Celula(f.SGSimbolos, 0, 1), std::string("C=0,5"));
    QCOMPARE(f.CBSimbolos->count(), 3);
    QCOMPARE(f.MemoFTSDen->Memo()->toPlainText(), QStringLiteral("C.L.S^2 + C.R.S + 1 "));
    // The denominator by power: S^2 down to S^0, one term each.
    QCOMPARE(f.SGFTSDen->model()->rowCount(), 3);
    QCOMPARE(f.SGFTSDen->model()->columnCount(), 1);
    QCOMPARE(Cabecalho(f.SGFTSDen, 0, Qt::Vertical) + Celula(f.SGFTSDen, 0), std::string("S^2+ C.L"));
    QCOMPARE(Cabecalho(f.SGFTSDen, 2, Qt::Vertical) + Celula(f.SGFTSDen, 2), std::string("S^0+ 1"));
    QCOMPARE(f.SGFTSDen->verticalHeader()->width(), 40);
    // Ganho x Numerador / Denominador: 1 / (0,5.S^2 + S + 1) = 2 x 1 / (S^2 + 2.S + 2).
    QCOMPARE(j.Memo(f.MemoFTNG), QStringLiteral("2"));
    QCOMPARE(j.Memo(f.MemoFTNDen), QStringLiteral("S^2 + 2.S + 2"));
    // Every memo and grid takes the result font.
    QCOMPARE(f.SGFTSDen->font().pointSize(), 13);
    QCOMPARE(f.MemoFTSDen->Memo()->font().pointSize(), 13);
}

void TestResultadoFT::valoresDigitados_data() {
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("lido");
    QTest::addColumn<QString>("ganho");
    QTest::addColumn<QString>("denominador");
    const struct {
        const char *linha, *valor, *lido, *ganho, *denominador;
    } casos[] = {
        {"L = 2", "2", "2", "1", "S^2 + S + 1"},
        {"L = 0,25", "0,25", "0,25", "8", "S^2 + 8.S + 8"},
        {"a period is not the decimal sign: 1", "2.5", "1", "2", "S^2 + 2.S + 2"},
    };
    for (const auto& c : casos)
        QTest::newRow(c.linha) << QString(c.valor) << QString(c.lido) << QString(c.ganho)
                               << QString(c.denominador);
}

void TestResultadoFT::valoresDigitados() {
    QFETCH(QString, valor);
    QFETCH(QString, lido);
    QFETCH(QString, ganho);
    QFETCH(QString, denominador);
    TResultadoFT r = Funcao();
    Janela j;
    j.form.Mostrar(r, j.config);
    QVERIFY(Ativar(&j.form));
    j.form.PageControl->setCurrentWidget(j.form.TSSimbolos);
    // Typed into L's value cell, still in its editor when the button is pressed.
    const QModelIndex celula = j.form.SGSimbolos->model()->index(1, 1);
    j.form.SGSimbolos->setCurrentIndex(celula);
    j.form.SGSimbolos->edit(celula);
    auto* editor = j.form.SGSimbolos->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, valor);
    QTest::mouseClick(j.form.BtnSimbolo, Qt::LeftButton);
    QCOMPARE(j.form.PageControl->currentWidget(), j.form.TSFTN);
    QCOMPARE(Celula(j.form.SGSimbolos, 1, 1), lido.toStdString());
    QCOMPARE(j.Memo(j.form.MemoFTNG), ganho);
    QCOMPARE(j.Memo(j.form.MemoFTNDen), denominador);
}

void TestResultadoFT::sensibilidade() {
    TResultadoFT r = Funcao();
    Janela j;
    j.form.Mostrar(r, j.config);
    QVERIFY(Ativar(&j.form));
    QTest::mouseClick(j.form.BtnSensibilidade, Qt::LeftButton);
    QCOMPARE(j.msgs.textos, std::vector<std::string>{"Parâmetro inválido"});
    QVERIFY(TemFoco(&j.form, j.form.CBSimbolos));

    // R/T . dT/dR of 1 / (C.L.S^2 + C.R.S + 1): - C.R.S over the same denominator.
    j.form.CBSimbolos->setCurrentText(QStringLiteral("R"));
    QTest::mouseClick(j.form.BtnSensibilidade, Qt::LeftButton);
    QCOMPARE(j.msgs.textos.size(), std::size_t{1});
    TFuncao s = Funcao().Funcao().Sensibilidade("R");
    QCOMPARE(j.form.MemoSensNum->Texto(), s.Num.TextoSimbolico());
    QCOMPARE(j.form.MemoSensDen->Texto(), s.Den.TextoSimbolico());
    QVERIFY(j.form.MemoSensNum->Texto().find("C.R.S") != std::string::npos);
    // Showing the window again clears the sensitivity memos.
    j.form.Mostrar(r, j.config);
    QCOMPARE(j.form.MemoSensNum->Memo()->toPlainText(), QString());

    // A function without symbols: one empty row, nothing to choose.
    TResultadoFT semSimbolos = Funcao(false);
    j.form.Mostrar(semSimbolos, j.config);
    QCOMPARE(j.form.SGSimbolos->model()->rowCount() + j.form.CBSimbolos->count(), 1);
    QCOMPARE(Celula(j.form.SGSimbolos, 0, 0), std::string());
}

void TestResultadoFT::varnel() {
    QTemporaryDir pasta;
    TResultadoFT r = Funcao();
    Janela j;
    j.config.DefaultDir = pasta.path().toStdString() + "/";
    j.form.Mostrar(r, j.config);

    // Confirmed: the file is written where the dialog says, the dialog in the default folder.
    j.arquivo = pasta.filePath(QStringLiteral("serie.vrn")).toStdString();
    QTest::mouseClick(j.form.BtnVarnel, Qt::LeftButton);
    QCOMPARE(j.dialogos.size(), std::size_t{1});
    QCOMPARE(j.dialogos[0].NomeArquivo, std::string("SerieFT.vrn"));
    QCOMPARE(j.dialogos[0].Pasta, j.config.DefaultDir);
    QVERIFY(j.msgs.textos.empty());
    QCOMPARE(QFileInfo(QString::fromStdString(*j.arquivo)).size(), qint64{4722});
    // A file that cannot be written is reported by name.
    j.arquivo = pasta.filePath(QStringLiteral("sem-pasta/serie.vrn")).toStdString();
    QTest::mouseClick(j.form.BtnVarnel, Qt::LeftButton);
    QCOMPARE(j.msgs.textos.size(), std::size_t{1});
    QVERIFY(j.msgs.textos[0].find("serie.vrn") != std::string::npos);

    // Order 9 is refused before the dialog opens.
    TFuncao nona;
    nona.Num.AddFator(0, 1.0);
    nona.Den.AddFator(9, 1.0);
    TResultadoFT alta;
    alta.ShowFT("AltaFT", "X1", nona, TListSimboloVal{}, "X2");
    j.form.Mostrar(alta, j.config);
    QTest::mouseClick(j.form.BtnVarnel, Qt::LeftButton);
    QCOMPARE(j.dialogos.size(), std::size_t{2});
    QCOMPARE(j.msgs.textos.back(), std::string("Ordem do sistema não suportada pelo Varnel."));
}

void TestResultadoFT::denominadorEnorme() {
    // 413,404 distinct terms over 21 powers of S, written as a transfer-function file and read back.
    constexpr int kTermos = 413404;
    QTemporaryDir pasta;
    const std::string arquivo = pasta.filePath(QStringLiteral("grande.fts")).toStdString();
    {
        std::ofstream out(arquivo, std::ios::binary);
        out << "E(Vs)\r\nE(C10)\r\nSym\r\n";
        for (const char letra : {'A', 'B', 'C'})
            for (int i = 0; i < 100; ++i)
                out << letra << i << "=1\r\n";
        out << "end\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n";
        for (int t = 0; t < kTermos; ++t)
            out << "1;" << t % 21 << ";A" << t % 100 << ".B" << t / 100 % 100 << ".C" << t / 10000 << ";\r\n";
        out << "end\r\n";
    }
    TResultadoFT r;
    r.LoadFT(arquivo);
    Janela j;
    j.form.Mostrar(r, j.config);
    QVERIFY(Ativar(&j.form));
    for (QWidget* aba : {j.form.TSFTS, j.form.TSFTSGrid}) {
        j.form.PageControl->setCurrentWidget(aba);
        (void)j.form.grab();
    }
    // The denominator's memo is a list of its terms; joined, they are the core's text. Only the rows
    // on screen were asked for.
    const TVisaoTexto& memo = *j.form.MemoFTSDen;
    QVERIFY(memo.EmTermos());
    QCOMPARE(memo.Lista()->model()->rowCount(), kTermos);
    std::vector<int> todas(kTermos);
    for (int i = 0; i < kTermos; ++i)
        todas[static_cast<std::size_t>(i)] = i;
    QVERIFY(memo.Termos().TextoDasLinhas(todas) == r.Conteudo().FTSDen);
    QVERIFY(memo.Termos().Consultas() > 0 && memo.Termos().Consultas() < 2000);

    // The grid by power: 21 rows, as many columns as the most crowded power, its cells the core's.
    const auto& modelo = *static_cast<const TModeloGradeFT*>(j.form.SGFTSDen->model());
    const TGradeFT& grade = r.GradeDen();
    QCOMPARE(modelo.rowCount(), 21);
    QCOMPARE(modelo.columnCount(), grade.ColCount - 1);
    QVERIFY(modelo.Consultas() > 0 && modelo.Consultas() < 2000);
    for (const std::size_t i : {std::size_t{0}, grade.Celulas.size() / 2, grade.Celulas.size() - 1}) {
        const TCelulaFT& c = grade.Celulas[i];
        QCOMPARE(Celula(j.form.SGFTSDen, static_cast<int>(c.Linha - 1), c.Coluna - 1), c.Texto);
    }
    // No widget per item anywhere in the window.
    QVERIFY(j.form.findChildren<QTableWidget*>().isEmpty() && j.form.findChildren<QListWidget*>().isEmpty() &&
            j.form.findChildren<QTreeWidget*>().isEmpty());
}

QTEST_MAIN(TestResultadoFT)
#include "TestResultadoFT.moc"
