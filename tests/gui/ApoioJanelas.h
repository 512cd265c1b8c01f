#pragma once

// Shared by the tests of the main window and the document windows: the real main window on a fresh
// folder, with the program's dialogs and the file dialogs replaced by fakes that answer from a script
// and write down what they were asked; and the mouse on a document window's canvas, in document pixels.

#include "gui/UnitDialogoArquivo.h"
#include "gui/UnitDialogos.h"
#include "gui/UnitFormMain.h"
#include "gui/UnitVisualForm.h"
#include "support/CatalogoTeste.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brelix::testing {

// Answers taken in order; a question without an answer fails the test and is cancelled.
template <typename T> T Proxima(std::deque<T>& fila, T cancelado, const char* pergunta) {
    if (fila.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected %1").arg(QLatin1String(pergunta))), __FILE__,
                     __LINE__);
        return cancelado;
    }
    T r = std::move(fila.front());
    fila.pop_front();
    return r;
}

struct TDialogosFalsos : TDialogos {
    std::deque<TSaveAnswer> respostas;
    std::deque<std::optional<TPedidoFT>> pedidos;
    // What happened, in order: "msg: <text>", "pergunta: <text>", "resultado: 3", "propriedades: Grafo1".
    std::vector<std::string> eventos;
    TProgresso progresso;

    void ShowMsg(const std::string& texto) override { eventos.push_back("msg: " + texto); }
    TSaveAnswer PerguntarSalvar(const std::string& pergunta) override {
        eventos.push_back("pergunta: " + pergunta);
        return Proxima(respostas, TSaveAnswer::Cancelar, "save question");
    }
    void ShowCheck(const TConteudoVerificacao& c) override { eventos.push_back("check: " + c.Mensagem); }
    std::optional<TPedidoFT> EscolherFT(TEstiloEscolha, const TCandidatosFT&) override {
        eventos.push_back("escolha");
        return Proxima<std::optional<TPedidoFT>>(pedidos, std::nullopt, "choice dialog");
    }
    std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes&) override { return std::nullopt; }
    void MostrarResultado(TJanelaResultado j, TAreaTrabalho&) override {
        eventos.push_back("resultado: " + std::to_string(static_cast<int>(j)));
    }
    void MostrarPropriedades(TVisualDocumento& d) override {
        eventos.push_back("propriedades: " + d.FileName());
    }
    void OcultarPropriedades(TVisualDocumento& d) override { eventos.push_back("ocultar: " + d.FileName()); }
    TProgresso& Progresso() override { return progresso; }

    std::vector<std::string> Eventos(const std::string& prefixo) const {
        std::vector<std::string> r;
        for (const std::string& e : eventos)
            if (e.rfind(prefixo, 0) == 0) r.push_back(e);
        return r;
    }
};

struct TSeletorFalso : TSeletorArquivos {
    std::deque<std::optional<std::string>> arquivos;
    std::vector<TDialogoArquivo> dialogos;
    std::optional<std::string> Abrir(QWidget*, const TDialogoArquivo& d) override {
        dialogos.push_back(d);
        return Proxima<std::optional<std::string>>(arquivos, std::nullopt, "open dialog");
    }
    std::optional<std::string> Salvar(QWidget*, const TDialogoArquivo& d) override {
        dialogos.push_back(d);
        return Proxima<std::optional<std::string>>(arquivos, std::nullopt, "save dialog");
    }
};

// The program as a user starts it, on a folder of its own for the options and the files.
struct TPrograma {
    QTemporaryDir pasta;
    TOpcoes opcoes;
    TDialogosFalsos dialogos;
    TSeletorFalso seletor;
    std::unique_ptr<TFormMain> principal;

    TPrograma() {
        // Closing the main window in a test must not end the test program.
        QApplication::setQuitOnLastWindowClosed(false);
        principal =
            std::make_unique<TFormMain>(CatalogoCompleto(), opcoes, seletor, pasta.path().toStdString());
        principal->SetDialogos(dialogos);
        principal->show();
    }
    ~TPrograma() {
        principal.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TAreaTrabalho& Area() { return principal->Area(); }
    std::string Caminho(const std::string& nome) const {
        return pasta.filePath(QString::fromStdString(nome)).toStdString();
    }

    // A menu item or a tool button, as the user clicks it.
    void Executar(TComando comando) {
        QAction* acao = principal->Acao(comando);
        QVERIFY2(acao != nullptr && acao->isEnabled(), "the command's action is there and enabled");
        acao->trigger();
    }
    void EscolherBotao(const std::string& nome) {
        QAction* acao = principal->AcaoComponente(nome);
        QVERIFY2(acao != nullptr, nome.c_str());
        acao->trigger();
    }
    // The active document's window, shown.
    TVisualForm& JanelaAtiva() {
        TVisualForm* janela = principal->JanelaDe(*Area().Ativo());
        if (janela == nullptr) throw std::logic_error("the active document has no window");
        return *janela;
    }
};

// The mouse on a document window's canvas, at document pixels (the canvas is at 100 %).
inline void Pressionar(TVisualForm& janela, TPonto p, Qt::MouseButton botao = Qt::LeftButton) {
    QTest::mousePress(&janela.Canvas(), botao, Qt::NoModifier, QPoint(p.X, p.Y));
}
inline void Soltar(TVisualForm& janela, TPonto p, Qt::MouseButton botao = Qt::LeftButton) {
    QTest::mouseRelease(&janela.Canvas(), botao, Qt::NoModifier, QPoint(p.X, p.Y));
}
inline void Clicar(TVisualForm& janela, TPonto p, Qt::MouseButton botao = Qt::LeftButton) {
    Pressionar(janela, p, botao);
    Soltar(janela, p, botao);
}
// A drag with the left button from `de` to `para`, through a point halfway.
inline void Arrastar(TVisualForm& janela, TPonto de, TPonto para) {
    Pressionar(janela, de);
    const QPoint meio((de.X + para.X) / 2, (de.Y + para.Y) / 2);
    QMouseEvent m1(QEvent::MouseMove, meio, janela.Canvas().mapToGlobal(meio), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
    QApplication::sendEvent(&janela.Canvas(), &m1);
    const QPoint fim(para.X, para.Y);
    QMouseEvent m2(QEvent::MouseMove, fim, janela.Canvas().mapToGlobal(fim), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
    QApplication::sendEvent(&janela.Canvas(), &m2);
    Soltar(janela, para);
}
} // namespace brelix::testing
