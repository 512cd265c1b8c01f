#pragma once

// Random editing sessions through a document's public operations, for every document kind. After
// each action: an edit that recorded a step is undone (text and every element's connections exactly
// as before) and redone (exactly as after); one that recorded nothing changed nothing; a window
// stand-in fed only by the notifications matches the document; the document asks to be saved exactly
// when it is away from the clean place, where it holds what its file holds.

#include "core/visual/VisualTestUtil.h"

#include "visual/UnitObservadorDocumento.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <tuple>

namespace brelix::testing {

// The text, the description and the connections of every element in their order.
inline std::vector<std::string> Estado(const TVisualDocumento& doc) {
    std::vector<std::string> lines = doc.Text("Sessao");
    lines.push_back("Desc " + doc.Desc());
    for (const TVisualObject& o : doc.Objects())
        if (const auto* e = dynamic_cast<const TVOElemento*>(&o)) {
            lines.push_back("connections of " + IntToStr(o.ID()) + ":");
            for (std::int32_t c : e->Connections())
                lines.back() += " " + IntToStr(c);
        }
    return lines;
}

// Where two states first differ; empty when they are equal.
inline std::string Diferenca(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(end)", y = i < b.size() ? b[i] : "(end)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return {};
}

// Mirrors every object's lines, the header, the selection, the undo buttons and whether the document
// needs saving, from the notifications alone.
class Espelho : public TObservadorDocumento {
public:
    explicit Espelho(TVisualDocumento& doc) : doc_(doc) { doc.AddObserver(*this); }
    ~Espelho() override { doc_.RemoveObserver(*this); }

    void ObjetoAdicionado(TVisualObject& o) override {
        if (!objetos_.emplace(o.ID(), o.Props().Lines()).second) erro_ = "added twice";
    }
    void ObjetoRemovido(std::int32_t id) override {
        if (objetos_.erase(id) == 0) erro_ = "removed unknown";
    }
    void ObjetoAlterado(TVisualObject& o) override {
        if (objetos_.count(o.ID()) == 0) erro_ = "changed unknown";
        objetos_[o.ID()] = o.Props().Lines();
    }
    void SelecaoAlterada(TVisualObject* o) override { selecionado_ = o != nullptr ? o->ID() : 0; }
    void DocumentoAlterado() override { cabecalho_ = Cabecalho(); }
    void PilhaAlterada() override { botoes_ = {doc_.CanUndo(), doc_.CanRedo(), doc_.NeedsSave()}; }

    std::string Diferenca() const {
        std::map<std::int32_t, std::vector<std::string>> real;
        for (const TVisualObject& o : doc_.Objects())
            real[o.ID()] = o.Props().Lines();
        const TVisualObject* sel = doc_.Objects().Selected();
        if (!erro_.empty() || real != objetos_) return "objects differ " + erro_;
        if (selecionado_ != (sel != nullptr ? sel->ID() : 0)) return "selection differs";
        if (cabecalho_ != Cabecalho()) return "header differs";
        return botoes_ == std::tuple{doc_.CanUndo(), doc_.CanRedo(), doc_.NeedsSave()} ? ""
                                                                                       : "buttons differ";
    }

private:
    std::string Cabecalho() const {
        return doc_.Desc() + " " + IntToStr(doc_.Width()) + "x" + IntToStr(doc_.Height());
    }

    TVisualDocumento& doc_;
    std::map<std::int32_t, std::vector<std::string>> objetos_;
    std::string erro_;
    std::int32_t selecionado_ = 0;
    std::string cabecalho_ = Cabecalho();
    std::tuple<bool, bool, bool> botoes_;
};

class SessaoEdicao {
public:
    // `extra` adds the edits of a kind (rotating, the AutoVrt option); false when it did nothing.
    SessaoEdicao(TVisualDocumento& doc, unsigned seed, std::function<bool(std::mt19937&)> extra = {})
        : doc_(doc), random_(seed), extra_(std::move(extra)), espelho_(doc) {}

    int Pick(std::size_t n) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_);
    }

    // Saves (the description made the file's name first, as the save would) and reads the file back.
    void Salvar(const std::string& file) {
        doc_.SetDesc(std::filesystem::path(file).stem().string());
        doc_.SaveDocument(file);
        salvo_ = doc_.Text(file_ = file);
        auto back = CatalogoTeste().Make(doc_.DocKind());
        back->LoadFile(file);
        ASSERT_EQ(Diferenca(back->Text(file), salvo_), "");
    }

    void Passo(int step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const std::vector<std::string> antes = Estado(doc_);
        const std::size_t indice = doc_.UndoStack().Indice();
        const int acao = Pick(20);
        if (acao == 0 && doc_.CanUndo()) {
            ASSERT_TRUE(doc_.Undo());
        } else if (acao == 1 && doc_.CanRedo()) {
            ASSERT_TRUE(doc_.Redo());
        } else {
            if (!(extra_ && Pick(4) == 0 && extra_(random_))) Editar();
            const std::vector<std::string> depois = Estado(doc_);
            if (doc_.UndoStack().Indice() == indice) {
                ASSERT_EQ(Diferenca(depois, antes), "") << "an edit that recorded nothing changed something";
            } else {
                ASSERT_EQ(doc_.UndoStack().Indice(), indice + 1);
                ASSERT_FALSE(doc_.CanRedo()) << "a new step drops what was undone";
                ASSERT_TRUE(doc_.Undo());
                ASSERT_EQ(Diferenca(Estado(doc_), antes), "");
                ASSERT_TRUE(doc_.Redo());
                ASSERT_EQ(Diferenca(Estado(doc_), depois), "");
            }
        }
        ASSERT_EQ(Inconsistency(doc_), "");
        ASSERT_EQ(espelho_.Diferenca(), "");
        ASSERT_EQ(doc_.NeedsSave(), !doc_.UndoStack().Limpo());
        if (doc_.UndoStack().Limpo() && !file_.empty()) {
            ASSERT_EQ(Diferenca(doc_.Text(file_), salvo_), "");
        }
    }

private:
    TPonto Lugar() { return {Pick(100) * 5, Pick(60) * 5}; }

    void Editar() {
        std::vector<TVisualObject*> all;
        std::vector<TVOElemento*> elems;
        for (TVisualObject& o : doc_.Objects()) {
            all.push_back(&o);
            if (auto* e = dynamic_cast<TVOElemento*>(&o)) elems.push_back(e);
        }
        const int acao = all.empty() ? 0 : Pick(14);
        const auto& classes = doc_.Kind().Classes;
        if (acao <= 2 || elems.size() < 2) {
            const TVOClass* cls = classes[static_cast<std::size_t>(Pick(classes.size()))];
            if (!cls->InheritsFrom(ClassVOConexao())) doc_.NewObject(*cls, Lugar());
            return;
        }
        TVisualObject& o = *all[static_cast<std::size_t>(Pick(all.size()))];
        auto* comp = dynamic_cast<TVOComp*>(&o);
        TVOElemento& a = *elems[static_cast<std::size_t>(Pick(elems.size()))];
        TVOElemento& b = *elems[static_cast<std::size_t>(Pick(elems.size()))];
        const std::string n = IntToStr(Pick(30));
        if (acao <= 5) { // any two ports; many pairs are refused
            doc_.Connect(a, 1 + Pick(a.NumPorts()), b, 1 + Pick(b.NumPorts()));
        } else if (acao == 6) {
            doc_.DeleteObject(o);
        } else if (acao == 7 && Pick(2) == 0) { // a drag of several grid moves
            doc_.SetMode(kModeSelecionar);
            if (doc_.PressObject(o, {15, 15}, {500, 500}, TMouseButton::Left) != TObjectPress::Dragging)
                return;
            for (int i = 0; i < 4; ++i)
                doc_.DragObject(o, {400 + Pick(200), 400 + Pick(200)}, 300);
            doc_.ReleaseObject(o, {15, 15});
        } else if (acao == 7) {
            doc_.MoveObject(o, Lugar());
        } else if (acao == 8) {
            doc_.RenameObject(o, "N" + n);
        } else if (acao == 9) {
            doc_.RenumberObject(o, 1 + Pick(12));
        } else if (acao == 10 && comp != nullptr) {
            doc_.SetObjectGain(*comp, Pick(comp->NumGains() + 1), Pick(3) == 0 ? "0" : "2,5.G" + n);
        } else if (acao == 11) {
            Pick(2) == 0 ? doc_.SetObjectLabel(o, Pick(3) == 0 ? "" : "L" + n)
                         : doc_.SetObjectLabelX(o, Pick(41) - 20);
        } else if (acao == 12 && comp != nullptr && comp->HasControl()) {
            const std::vector<std::string> names = doc_.Objects().ControlVariables(*comp);
            doc_.SetObjectControlVariable(*comp,
                                          names.empty() || Pick(4) == 0 ? "" : names[Pick(names.size())]);
        } else if (acao == 13) {
            Pick(2) == 0 ? doc_.SetDocHeight(200 + Pick(3) * 50) : doc_.SetDesc("Sessao" + n);
        }
    }

    TVisualDocumento& doc_;
    std::mt19937 random_;
    std::function<bool(std::mt19937&)> extra_;
    Espelho espelho_;
    std::string file_;
    std::vector<std::string> salvo_;
};

// `steps` random actions with a save now and then; then every step undone back to the empty
// document and redone to the end; the last save read back gives the document's text.
inline void SessaoCompleta(TVisualDocumento& doc, const std::string& file, unsigned seed, int steps,
                           std::function<bool(std::mt19937&)> extra = {}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const std::vector<std::string> vazio = Estado(doc);
    SessaoEdicao sessao(doc, seed, std::move(extra));
    for (int step = 0; step < steps && !::testing::Test::HasFatalFailure(); ++step) {
        sessao.Passo(step);
        if (step % 70 == 69) sessao.Salvar(file);
    }
    while (doc.Redo()) { // a session may end with steps undone
    }
    ASSERT_GT(doc.UndoStack().Indice(), 10u) << "the session really edited";
    const std::vector<std::string> fim = Estado(doc);
    while (doc.Undo()) {
    }
    EXPECT_EQ(Diferenca(Estado(doc), vazio), "");
    while (doc.Redo()) {
    }
    EXPECT_EQ(Diferenca(Estado(doc), fim), "");
    sessao.Salvar(file);
}

} // namespace brelix::testing
