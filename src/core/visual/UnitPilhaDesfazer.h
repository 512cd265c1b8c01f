#pragma once

#include "visual/UnitVOClass.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelix {

class TVisualDocumento;

// What a user did in one step; a menu may name the step that Desfazer or Refazer would take back.
enum class TAcaoEdicao {
    Colocar,          // a new object placed with its tool
    Mover,            // a drag, or a position typed in the property window
    Conectar,         // a connection or wire (with the vertex AutoVrt puts between two components)
    Excluir,          // an object deleted with what depends on it
    Girar,            // a system component turned
    Numero,           // Num, through renumbering
    Descricao,        // Desc, through renaming
    Legenda,          // Lbl, LblX or LblY
    Ganho,            // one gain or the whole gain, with the label that follows it
    VariavelControle, // a controlled source's control variable
    Documento,        // the document's description, height or width
};

// An object as a step keeps it: its class, its Props lines exactly, and for an element the IDs of its
// attached connections in their order (a vertex lists them in the order they were attached).
struct TEstadoObjeto {
    const TVOClass* Classe = nullptr;
    std::vector<std::string> Props;
    std::vector<std::int32_t> Conexoes;
    bool operator==(const TEstadoObjeto&) const = default;
};

// The document-level values an edit may change. The window's place is not among them: moving the
// window is not an edit.
struct TEstadoCabecalho {
    std::string Desc;
    std::int32_t Largura = 0;
    std::int32_t Altura = 0;
    bool operator==(const TEstadoCabecalho&) const = default;
};

// The whole document at one moment: every object in list order, the header values, the selection
// and the modified flags (which only a step that changed nothing gives back).
struct TFotoDocumento {
    std::vector<std::int32_t> IDs;
    std::vector<TEstadoObjeto> Objetos; // parallel to IDs
    std::vector<bool> Modificados;      // parallel to IDs
    TEstadoCabecalho Cabecalho;
    std::int32_t Selecionado = 0; // 0 when nothing is selected
    bool DocumentoModificado = false;
};
TFotoDocumento Fotografar(const TVisualDocumento& doc);

// One object touched by a step: what it was and where it stood in the object list before the step,
// and after. An absent side stands for an object the step created or deleted.
struct TAlteracaoObjeto {
    std::int32_t ID = 0;
    std::optional<TEstadoObjeto> Antes;
    std::optional<TEstadoObjeto> Depois;
    int IndiceAntes = -1;
    int IndiceDepois = -1;
};

// One undoable step: every object it touched, the header values when it changed them, and the
// selection before and after it.
struct TPassoEdicao {
    TAcaoEdicao Acao = TAcaoEdicao::Colocar;
    std::vector<TAlteracaoObjeto> Objetos;
    std::optional<TEstadoCabecalho> CabecalhoAntes;
    std::optional<TEstadoCabecalho> CabecalhoDepois;
    std::int32_t SelecaoAntes = 0;
    std::int32_t SelecaoDepois = 0;
};

// What an edit changed between two pictures of the same document; nothing when it changed no object
// and no header value (a refused rename, a click without a drag).
std::optional<TPassoEdicao> Comparar(TAcaoEdicao acao, const TFotoDocumento& antes,
                                     const TFotoDocumento& depois);

// The steps of one document, oldest first, and the place between those done and those undone. A new
// step drops every undone one. The clean place is where the document matches its file (after the
// last save or load); it is lost when the steps that led back to it are dropped.
class TPilhaDesfazer {
public:
    void Registrar(TPassoEdicao passo);
    bool PodeDesfazer() const { return indice_ > 0; }
    bool PodeRefazer() const { return indice_ < passos_.size(); }
    // The step Desfazer (Refazer) would take back (do again); none when there is none.
    const TPassoEdicao* ProximoDesfazer() const;
    const TPassoEdicao* ProximoRefazer() const;
    // Move the place one step back (forward) and hand over that step. Only when PodeDesfazer
    // (PodeRefazer).
    const TPassoEdicao& Desfazer();
    const TPassoEdicao& Refazer();

    std::size_t Indice() const { return indice_; }
    std::size_t Count() const { return passos_.size(); }
    // The document matches its file at the current place.
    bool Limpo() const { return limpo_ == indice_; }
    void MarcarLimpo() { limpo_ = indice_; }
    // The document differs from its file whatever is undone or redone (a generated document that was
    // never saved, or a change made outside the steps).
    void PerderLimpo() { limpo_.reset(); }
    // No steps; the clean place here.
    void Limpar();

private:
    std::vector<TPassoEdicao> passos_;
    std::size_t indice_ = 0;
    std::optional<std::size_t> limpo_ = 0;
};

} // namespace brelix
