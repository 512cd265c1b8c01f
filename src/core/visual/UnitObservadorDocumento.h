#pragma once

#include <cstdint>

namespace brelix {

class TVisualObject;

// Listens to a document without the document knowing who listens: the window adapts these calls to
// its own signals in one place and repaints; the core never calls a widget. Every call comes after the
// change, with the document consistent again. An edit step (and its undo or redo) reports its objects
// in this order: removed, added, changed; then the header, the selection and the undo stack.
class TObservadorDocumento {
public:
    virtual ~TObservadorDocumento() = default;

    virtual void ObjetoAdicionado(TVisualObject& /*objeto*/) {}
    // The object is gone already; only its identity is left.
    virtual void ObjetoRemovido(std::int32_t /*id*/) {}
    virtual void ObjetoAlterado(TVisualObject& /*objeto*/) {}
    // The description, the height or the width of the document.
    virtual void DocumentoAlterado() {}
    // Every object was replaced at once: a new or loaded document.
    virtual void DocumentoRecarregado() {}
    virtual void DocumentoSalvo() {}
    // None when the selection was cleared.
    virtual void SelecaoAlterada(TVisualObject* /*selecionado*/) {}
    // Whether Desfazer and Refazer are possible, or whether the document matches its file, may have
    // changed.
    virtual void PilhaAlterada() {}
};

} // namespace brelix
