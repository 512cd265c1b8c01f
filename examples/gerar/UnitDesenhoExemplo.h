#pragma once

#include "visual/UnitVOComp.h"
#include "visual/UnitVisualDocumento.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

namespace brelix::exemplos {

// Draws a document through the editing operations that the display's tools and property windows
// call: each object is placed at a point, renamed and given its gain, and two ports are joined. The
// document is then saved as the program saves it.
class TDesenho {
public:
    // A new, empty document of the kind (kDocKindSistema, kDocKindGrafo or kDocKindDFS).
    explicit TDesenho(std::int32_t docKind);

    // The window's size, recorded in the document's header.
    void Tamanho(std::int32_t largura, std::int32_t altura);

    // A vertex (or signal-flow variable) of the kind code at the point, described as `nome`.
    TVOElemento& Vertice(std::int32_t kind, const std::string& nome, std::int32_t x, std::int32_t y);
    // A component of the kind code, described as `nome`, with its whole gain text (several gains
    // joined by ";"), labelled with that gain as the property window does.
    TVOComp& Comp(std::int32_t kind, const std::string& nome, const std::string& ganho, std::int32_t x,
                  std::int32_t y);

    // Turns a system component to its next orientation, `vezes` times, as the rotate tool does.
    void Girar(TVOComp& comp, int vezes = 1);
    // Moves an object to the point, as dragging it there does: an unmoved graph component then stays
    // where it is put instead of sitting midway between its vertices.
    void Mover(TVisualObject& o, std::int32_t x, std::int32_t y);
    // Places the label at (x, y) from the object's centre, clear of the wires around it.
    void MoverLegenda(TVisualObject& o, std::int32_t x, std::int32_t y);

    // Wires the component's ports 1, 2, ... to the given elements, in order.
    void Ligar(TVOElemento& comp, std::initializer_list<TVOElemento*> elementos);
    // Wires one port of each element.
    void Ligar(TVOElemento& a, std::int32_t portaA, TVOElemento& b, std::int32_t portaB);

    // Saves the document; its description becomes the file's name without folder and extension.
    void Salvar(const std::string& arquivo);

    TVisualDocumento& Doc() { return *doc_; }

private:
    TVisualObject& Novo(std::int32_t kind, const std::string& nome, std::int32_t x, std::int32_t y);

    std::unique_ptr<TVisualDocumento> doc_;
};

} // namespace brelix::exemplos
