#pragma once

// Random editing sessions through a document's public editing operations, shared by the tests of
// every document kind. After every action the document is checked against what it was: an edit that
// records a step is undone (the document's text and every element's connections exactly as before)
// and redone (exactly as after); an edit that records nothing changed nothing. A window stand-in kept
// up to date only by the document's notifications must match the document at all times.

#include "core/visual/VisualTestUtil.h"

#include "visual/UnitObservadorDocumento.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>

namespace brelix::testing {

// The document as a window sees it: its text, and the connections of every element in their order
// (which the text does not hold).
inline std::vector<std::string> Estado(const TVisualDocumento& doc) {
    std::vector<std::string> lines = doc.Text("Sessao"); // the header's Desc is the file's name here
    lines.push_back("Desc " + doc.Desc());
    for (const TVisualObject& o : doc.Objects())
        if (const auto* e = dynamic_cast<const TVOElemento*>(&o)) {
            std::string line = "connections of " + IntToStr(o.ID()) + ":";
            for (std::int32_t c : e->Connections())
                line += " " + IntToStr(c);
            lines.push_back(line);
        }
    return lines;
}

// Where two states first differ; empty when they are equal.
inline std::string Diferenca(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(end)";
        const std::string y = i < b.size() ? b[i] : "(end)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return {};
}

// A window stand-in: it mirrors every object's lines, the selection and the undo buttons from the
// notifications alone.
class Espelho : public TObservadorDocumento {
public:
    explicit Espelho(TVisualDocumento& doc) : doc_(doc) {
        doc.AddObserver(*this);
        DocumentoRecarregado();
    }
    ~Espelho() override { doc_.RemoveObserver(*this); }

    void ObjetoAdicionado(TVisualObject& o) override {
        if (!objetos_.emplace(o.ID(), o.Props().Lines()).second)
            erros_.insert("added twice " + IntToStr(o.ID()));
        ++avisos_;
    }
    void ObjetoRemovido(std::int32_t id) override {
        if (objetos_.erase(id) == 0) erros_.insert("removed unknown " + IntToStr(id));
        ++avisos_;
    }
    void ObjetoAlterado(TVisualObject& o) override {
        const auto found = objetos_.find(o.ID());
        if (found == objetos_.end()) erros_.insert("changed unknown " + IntToStr(o.ID()));
        objetos_[o.ID()] = o.Props().Lines();
        ++avisos_;
    }
    void DocumentoAlterado() override { ++avisos_; }
    void DocumentoRecarregado() override {
        objetos_.clear();
        for (const TVisualObject& o : doc_.Objects())
            objetos_[o.ID()] = o.Props().Lines();
        selecionado_ = doc_.Objects().Selected() != nullptr ? doc_.Objects().Selected()->ID() : 0;
    }
    void SelecaoAlterada(TVisualObject* o) override { selecionado_ = o != nullptr ? o->ID() : 0; }
    void PilhaAlterada() override {
        podeDesfazer_ = doc_.CanUndo();
        podeRefazer_ = doc_.CanRedo();
    }

    // Empty when the mirror matches the document.
    std::string Diferenca() const {
        if (!erros_.empty()) return *erros_.begin();
        std::map<std::int32_t, std::vector<std::string>> real;
        for (const TVisualObject& o : doc_.Objects())
            real[o.ID()] = o.Props().Lines();
        if (real != objetos_) return "objects differ";
        const TVisualObject* sel = doc_.Objects().Selected();
        if (selecionado_ != (sel != nullptr ? sel->ID() : 0)) return "selection differs";
        if (podeDesfazer_ != doc_.CanUndo() || podeRefazer_ != doc_.CanRedo()) return "undo buttons differ";
        return {};
    }
    int Avisos() const { return avisos_; }

private:
    TVisualDocumento& doc_;
    std::map<std::int32_t, std::vector<std::string>> objetos_;
    std::set<std::string> erros_;
    std::int32_t selecionado_ = 0;
    bool podeDesfazer_ = false;
    bool podeRefazer_ = false;
    int avisos_ = 0;
};

class SessaoEdicao {
public:
    // `extra` adds the edits of a document kind (rotating, the AutoVrt option); it returns false when
    // it did nothing, and the session then makes one of the common edits instead.
    SessaoEdicao(TVisualDocumento& doc, unsigned seed, std::function<bool(std::mt19937&)> extra = {})
        : doc_(doc), random_(seed), extra_(std::move(extra)), espelho_(doc) {}

    std::size_t Pick(std::size_t n) {
        return static_cast<std::size_t>(
            std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_));
    }

    // Saves the document (its description made the file's name first, as saving would) and reads the
    // file back into a new document, which must give the same text.
    void Salvar(const std::string& file) {
        doc_.SetDesc(std::filesystem::path(file).stem().string());
        doc_.SaveDocument(file);
        textoSalvo_ = doc_.Text(file);
        file_ = file;
        auto back = CatalogoTeste().Make(doc_.DocKind());
        back->LoadFile(file);
        ASSERT_EQ(Diferenca(back->Text(file), textoSalvo_), "");
    }

    // One random action: mostly an edit, sometimes Undo or Redo. Checks everything said above, and
    // that the document asks to be saved exactly when it is away from the undo stack's clean place,
    // where it holds what the file holds.
    void Passo(int step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const std::vector<std::string> antes = Estado(doc_);
        const std::size_t indice = doc_.UndoStack().Indice();
        const std::size_t acao = Pick(20);
        if (acao == 0 && doc_.CanUndo()) {
            ASSERT_TRUE(doc_.Undo());
            ASSERT_EQ(doc_.UndoStack().Indice(), indice - 1);
        } else if (acao == 1 && doc_.CanRedo()) {
            ASSERT_TRUE(doc_.Redo());
            ASSERT_EQ(doc_.UndoStack().Indice(), indice + 1);
        } else {
            if (!(extra_ && Pick(4) == 0 && extra_(random_))) Editar();
            const std::vector<std::string> depois = Estado(doc_);
            if (doc_.UndoStack().Indice() == indice) {
                ASSERT_EQ(Diferenca(depois, antes), "")
                    << "an edit that recorded nothing changed the document";
            } else {
                ASSERT_EQ(doc_.UndoStack().Indice(), indice + 1);
                ASSERT_FALSE(doc_.CanRedo()) << "a new step drops what was undone";
                ASSERT_TRUE(doc_.Undo());
                ASSERT_EQ(Diferenca(Estado(doc_), antes), "");
                ASSERT_EQ(Inconsistency(doc_), "");
                ASSERT_TRUE(doc_.Redo());
                ASSERT_EQ(Diferenca(Estado(doc_), depois), "");
            }
        }
        ASSERT_EQ(Inconsistency(doc_), "");
        ASSERT_EQ(espelho_.Diferenca(), "");
        ASSERT_EQ(doc_.NeedsSave(), !doc_.UndoStack().Limpo());
        if (doc_.UndoStack().Limpo() && !file_.empty()) {
            ASSERT_EQ(Diferenca(doc_.Text(file_), textoSalvo_), "");
        }
        for (const TVisualObject& o : doc_.Objects())
            ASSERT_LE(o.ID(), doc_.Objects().LastID()) << "a new object would take an identity in use";
    }

    int Avisos() const { return espelho_.Avisos(); }
    const Espelho& Mirror() const { return espelho_; }

private:
    std::vector<TVisualObject*> Objetos(bool elementos) {
        std::vector<TVisualObject*> all;
        for (TVisualObject& o : doc_.Objects())
            if (!elementos || dynamic_cast<TVOElemento*>(&o) != nullptr) all.push_back(&o);
        return all;
    }

    TPonto Lugar() { return {static_cast<int>(Pick(100)) * 5, static_cast<int>(Pick(60)) * 5}; }

    void Editar() {
        const std::vector<TVisualObject*> objetos = Objetos(false);
        const std::vector<TVisualObject*> elementos = Objetos(true);
        const std::size_t acao = objetos.empty() ? 0 : Pick(14);
        const auto& classes = doc_.Kind().Classes;
        if (acao <= 2 || elementos.size() < 2) {
            const TVOClass* cls = classes[Pick(classes.size())];
            if (!cls->InheritsFrom(ClassVOConexao())) doc_.NewObject(*cls, Lugar());
            return;
        }
        TVisualObject& o = *objetos[Pick(objetos.size())];
        auto* comp = dynamic_cast<TVOComp*>(&o);
        switch (acao) {
        case 3:
        case 4:
        case 5: { // two ports, of any two elements (many pairs are refused)
            auto& a = dynamic_cast<TVOElemento&>(*elementos[Pick(elementos.size())]);
            auto& b = dynamic_cast<TVOElemento&>(*elementos[Pick(elementos.size())]);
            doc_.Connect(a, 1 + static_cast<int>(Pick(a.NumPorts())), b,
                         1 + static_cast<int>(Pick(b.NumPorts())));
            return;
        }
        case 6:
            doc_.DeleteObject(o);
            return;
        case 7: // a drag of several grid moves, or a position typed in
            if (Pick(2) == 0) {
                doc_.SetMode(kModeSelecionar);
                if (doc_.PressObject(o, {15, 15}, {500, 500}, TMouseButton::Left) != TObjectPress::Dragging)
                    return;
                for (int i = 0; i < 4; ++i)
                    doc_.DragObject(
                        o, {500 + static_cast<int>(Pick(200)) - 100, 500 + static_cast<int>(Pick(200)) - 100},
                        300);
                doc_.ReleaseObject(o, {15, 15});
            } else {
                doc_.MoveObject(o, Lugar());
            }
            return;
        case 8:
            doc_.RenameObject(o, "N" + IntToStr(static_cast<std::int64_t>(Pick(30))));
            return;
        case 9:
            doc_.RenumberObject(o, 1 + static_cast<int>(Pick(12)));
            return;
        case 10:
            if (comp != nullptr)
                doc_.SetObjectGain(*comp, static_cast<int>(Pick(comp->NumGains() + 1)),
                                   Pick(3) == 0 ? "0"
                                                : "2,5.G" + IntToStr(static_cast<std::int64_t>(Pick(9))));
            return;
        case 11:
            if (Pick(2) == 0)
                doc_.SetObjectLabel(o,
                                    Pick(3) == 0 ? "" : "L" + IntToStr(static_cast<std::int64_t>(Pick(9))));
            else
                doc_.SetObjectLabelX(o, static_cast<int>(Pick(41)) - 20);
            return;
        case 12:
            if (comp != nullptr && comp->HasControl()) {
                const std::vector<std::string> names = doc_.Objects().ControlVariables(*comp);
                doc_.SetObjectControlVariable(*comp,
                                              names.empty() || Pick(4) == 0 ? "" : names[Pick(names.size())]);
            }
            return;
        default:
            if (Pick(2) == 0)
                doc_.SetDocHeight(200 + static_cast<int>(Pick(3)) * 50);
            else
                doc_.SetDesc("Sessao" + IntToStr(static_cast<std::int64_t>(Pick(3))));
            return;
        }
    }

    TVisualDocumento& doc_;
    std::mt19937 random_;
    std::function<bool(std::mt19937&)> extra_;
    Espelho espelho_;
    std::string file_;
    std::vector<std::string> textoSalvo_;
};

// A whole session: the empty document's state, `steps` random actions with a save now and then, then
// every step undone back to the empty document and redone to the end; the file saved and read back
// into a new document gives the same text, and only the saved place counts as not modified.
inline void SessaoCompleta(TVisualDocumento& doc, const std::string& file, unsigned seed, int steps,
                           std::function<bool(std::mt19937&)> extra = {}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const std::vector<std::string> vazio = Estado(doc);
    SessaoEdicao sessao(doc, seed, std::move(extra));
    for (int step = 0; step < steps; ++step) {
        sessao.Passo(step);
        if (step % 70 == 69) sessao.Salvar(file);
        if (::testing::Test::HasFatalFailure()) return;
    }
    // The session may end with steps undone: the end is the last step that can be redone.
    while (doc.Redo()) {
    }
    ASSERT_GT(doc.UndoStack().Indice(), 10u) << "the session really edited";
    const std::vector<std::string> fim = Estado(doc);
    while (doc.Undo()) {
    }
    EXPECT_EQ(Diferenca(Estado(doc), vazio), "");
    while (doc.Redo()) {
    }
    ASSERT_EQ(Diferenca(Estado(doc), fim), "");
    EXPECT_EQ(sessao.Mirror().Diferenca(), "");

    doc.SaveDocument(file);
    EXPECT_FALSE(doc.NeedsSave());
    auto back = CatalogoTeste().Make(doc.DocKind());
    back->LoadFile(file);
    EXPECT_EQ(back->Text(file), doc.Text(file));
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.NeedsSave());
    ASSERT_TRUE(doc.Redo());
    EXPECT_FALSE(doc.NeedsSave()) << "back at the saved step";
    EXPECT_EQ(doc.Text(file), back->Text(file));
}

} // namespace brelix::testing
