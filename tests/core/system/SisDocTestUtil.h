#pragma once

#include "common/UnitComTexto.h"
#include "system/UnitSisTipo.h"
#include "system/UnitVFSistema.h"
#include "system/UnitVOSisClasses.h"
#include "system/UnitVOSisComp.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVODocKind.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace brelix::testing {

inline std::unique_ptr<TVFSistema> NewSistema(const std::string& name = "Sistema1") {
    RegisterSistema();
    std::unique_ptr<TVisualDocumento> doc = MakeDocumento(kDocKindSistema);
    auto* sis = dynamic_cast<TVFSistema*>(doc.get());
    if (sis == nullptr) throw std::logic_error("a system document is not a TVFSistema");
    doc.release();
    std::unique_ptr<TVFSistema> owned(sis);
    owned->NewDocument(name);
    return owned;
}

inline const TVOClass& KindClass(std::int32_t kind) {
    const TVOClass* c = SisClassOfKind(kind);
    if (c == nullptr) throw std::logic_error("no system kind " + IntToStr(kind));
    return *c;
}

template <typename T = TVOElemento> T& PlaceKind(TVFSistema& doc, std::int32_t kind, TPonto at = {100, 100}) {
    return dynamic_cast<T&>(doc.NewObject(KindClass(kind), at));
}

inline TVOSisComp& PlaceComp(TVFSistema& doc, std::int32_t kind, TPonto at = {100, 100}) {
    return PlaceKind<TVOSisComp>(doc, kind, at);
}

// Where a press picks the terminal: its position for the current orientation in the object's own
// pixels; a vertex anywhere in its box.
inline TPonto TerminalLocal(const TVOElemento& e, std::int32_t terminal) {
    if (!e.FixedPorts()) return {15, 15};
    const TPortInfo info = e.GetPortInfo(terminal);
    return {info.X - e.Left(), info.Y - e.Top()};
}

// Presses a terminal with the connect tool, as the user does.
inline TObjectPress PressTerminal(TVFSistema& doc, TVOElemento& e, std::int32_t terminal) {
    doc.SetMode(kModeConectar);
    return doc.PressObject(e, TerminalLocal(e, terminal), {0, 0}, TMouseButton::Left);
}

// Draws a wire from terminal ta of a to terminal tb of b with the connect tool.
inline void Connect(TVFSistema& doc, TVOElemento& a, std::int32_t ta, TVOElemento& b, std::int32_t tb) {
    PressTerminal(doc, a, ta);
    PressTerminal(doc, b, tb);
}

// A system drawn through its document, as the user draws it: vertices by name, components wired
// terminal by terminal to vertices. Components go along one row and vertices along another.
struct Desenho {
    std::unique_ptr<TVFSistema> doc;
    std::map<std::string, TVOElemento*> vertices;
    std::int32_t x = 20;

    explicit Desenho(const std::string& name = "Teste") : doc(NewSistema(name)) {}
    TVOElemento& V(const std::string& name, std::int32_t kind) {
        TVOElemento*& v = vertices[name];
        if (v == nullptr) v = &PlaceKind(*doc, kind, {x += 40, 300});
        return *v;
    }
    // A component of the kind, its terminal i wired to the vertex named vs[i - 1] (made with the
    // vertex kind of that terminal's domain on first use); an empty name leaves the terminal for a
    // wire straight to another component.
    TVOSisComp& C(std::int32_t kind, std::initializer_list<const char*> vs) {
        TVOSisComp& c = PlaceComp(*doc, kind, {x += 40, 100});
        std::int32_t t = 0;
        for (const char* name : vs) {
            ++t;
            if (*name == '\0') continue;
            const std::int32_t domain = SisTerminalDomain(*SisKind(kind), t);
            Connect(*doc, c, t, V(name, SisVertexClass(domain)->Kind), 1);
        }
        return c;
    }
    // A wire between two vertices.
    void W(const std::string& a, const std::string& b) {
        Connect(*doc, *vertices.at(a), 1, *vertices.at(b), 1);
    }
};

// The document's text with every line equal to `from` replaced by `to`, read into a new document, as
// a file written by another program would be.
inline std::unique_ptr<TVFSistema> Reread(const TVFSistema& doc, const std::string& from,
                                          const std::string& to) {
    std::vector<std::string> text = doc.Text("x.sis");
    for (std::string& line : text)
        if (line == from) line = to;
    auto copy = NewSistema();
    copy->LoadDocument("x.sis", text);
    return copy;
}

// The number of objects of class T (wires, vertices, ...) in the document.
template <class T> int Count(const TVisualDocumento& doc) {
    int n = 0;
    for (const TVisualObject& o : doc.Objects())
        n += dynamic_cast<const T*>(&o) != nullptr ? 1 : 0;
    return n;
}

} // namespace brelix::testing
