#pragma once

// A main window that answers its dialogs from a script and writes down what it was told, and a
// workspace on it whose options live in a fresh folder.

#include "shell/UnitAreaTrabalho.h"

#include "core/visual/VisualTestUtil.h"
#include "support/CatalogoTeste.h"
#include "support/PastaTemp.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace apoio {

using namespace brelix;

struct JanelaFalsa : TJanelaPrincipal {
    // Answers, taken in order; a dialog without one fails the test and is cancelled.
    std::deque<std::optional<std::string>> arquivos; // open and save dialogs
    std::deque<TSaveAnswer> respostas;
    std::deque<bool> substituir; // the question before a read-only file is replaced
    std::deque<std::optional<TPedidoFT>> pedidos;
    std::optional<TEntradaOpcoes> opcoes;

    // What happened, in order: "msg: <text>", "salvar: <active document>", "fechar: Grafo1", ...
    std::vector<std::string> eventos;
    std::vector<TDialogoArquivo> dialogos;
    std::vector<TCandidatosFT> candidatos;
    std::vector<TConteudoVerificacao> verificacoes;
    int listasJanelas = 0;
    const TAreaTrabalho* area = nullptr;

    template <typename T> static T Proxima(std::deque<T>& fila, T cancelado, const std::string& dialogo) {
        if (fila.empty()) ADD_FAILURE() << "unexpected " << dialogo;
        if (fila.empty()) return cancelado;
        T r = std::move(fila.front());
        fila.pop_front();
        return r;
    }
    std::optional<std::string> Arquivo(const std::string& tipo, const TDialogoArquivo& d) {
        dialogos.push_back(d);
        eventos.push_back(tipo + ": " + (area && area->Ativo() ? area->Ativo()->FileName() : "-"));
        return Proxima<std::optional<std::string>>(arquivos, std::nullopt, tipo);
    }
    std::optional<std::string> DialogoAbrir(const TDialogoArquivo& d) override { return Arquivo("abrir", d); }
    std::optional<std::string> DialogoSalvar(const TDialogoArquivo& d) override {
        return Arquivo("salvar", d);
    }
    TSaveAnswer PerguntarSalvar(const std::string& pergunta) override {
        eventos.push_back("pergunta: " + pergunta);
        return Proxima(respostas, TSaveAnswer::Cancelar, pergunta);
    }
    bool ConfirmarSomenteLeitura(const std::string& pergunta) override {
        eventos.push_back("somente leitura: " + pergunta);
        return Proxima(substituir, false, pergunta);
    }
    void ShowMsg(const std::string& texto) override { eventos.push_back("msg: " + texto); }
    void ShowCheck(const TConteudoVerificacao& c) override {
        verificacoes.push_back(c);
        eventos.push_back("check: " + c.Mensagem);
    }
    std::optional<TPedidoFT> EscolherFT(TEstiloEscolha estilo, const TCandidatosFT& c) override {
        candidatos.push_back(c);
        eventos.push_back(estilo == TEstiloEscolha::Grafo ? "escolha grafo" : "escolha dfs");
        return Proxima<std::optional<TPedidoFT>>(pedidos, std::nullopt, "choice dialog");
    }
    std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes&) override { return opcoes; }
    void MostrarSobre() override { eventos.push_back("sobre"); }
    // A figure is "written" unless `erroFigura` holds a reason.
    std::optional<std::string> erroFigura;
    std::optional<std::string> ExportarFigura(TVisualDocumento& d, const std::string& arquivo) override {
        eventos.push_back("figura: " + d.FileName() + " -> " + arquivo);
        return erroFigura;
    }
    void MostrarResultado(TJanelaResultado j) override {
        eventos.push_back("resultado: " + std::to_string(static_cast<int>(j)));
    }
    void MostrarJanela(TVisualDocumento& d) override { eventos.push_back("mostrar: " + d.FileName()); }
    void FecharJanela(TVisualDocumento& d) override { eventos.push_back("fechar: " + d.FileName()); }
    void OcultarPropriedades(TVisualDocumento& d) override { eventos.push_back("ocultar: " + d.FileName()); }
    void Encerrar() override { eventos.push_back("encerrar"); }
    void AtualizarEstado() override {}
    void AtualizarJanelas() override { ++listasJanelas; }

    // The events that start with the prefix, in order.
    std::vector<std::string> Eventos(const std::string& prefixo) const {
        std::vector<std::string> r;
        for (const std::string& e : eventos)
            if (e.rfind(prefixo, 0) == 0) r.push_back(e);
        return r;
    }
};

class AreaTeste : public PastaTemp {
protected:
    void SetUp() override {
        PastaTemp::SetUp();
        area = std::make_unique<TAreaTrabalho>(CatalogoCompleto(), opcoes, janela);
        janela.area = area.get();
        area->Iniciar(dir_.string());
    }
    void Abrir(const std::string& arquivo) {
        janela.arquivos.push_back(arquivo);
        area->Executar(TComando::Abrir);
    }
    // An empty document of the kind saved as `nome` in the test folder, made outside the workspace.
    std::string ArquivoNovo(std::int32_t docKind, const std::string& nome) {
        brelix::testing::NewDoc(docKind, nome)->SaveDocument(Path(nome));
        return Path(nome);
    }

    TOpcoes opcoes;
    JanelaFalsa janela;
    std::unique_ptr<TAreaTrabalho> area;
};

} // namespace apoio
