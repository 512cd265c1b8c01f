#pragma once

#include "common/UnitComTexto.h"
#include "system/UnitSisTipo.h"
#include "system/UnitVFSistema.h"
#include "system/UnitVOSisClasses.h"
#include "system/UnitVOSisComp.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVODocKind.h"

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

// A voltage source and a resistor in one loop, the resistor wired straight to an inductor (no vertex
// between them); with `duasTerras` the ground is drawn as two vertices wired to each other.
inline std::unique_ptr<TVFSistema> CircuitoRL(const std::string& name, bool duasTerras) {
    auto doc = NewSistema(name);
    TVOSisComp& v = PlaceComp(*doc, 2, {40, 100});
    TVOSisComp& r = PlaceComp(*doc, 6, {100, 40});
    TVOSisComp& l = PlaceComp(*doc, 7, {200, 40});
    TVOElemento& a = PlaceKind(*doc, 1, {40, 40});
    TVOElemento& g1 = PlaceKind(*doc, 1, {40, 200});
    TVOElemento& g2 = duasTerras ? PlaceKind(*doc, 1, {200, 200}) : g1;
    Connect(*doc, v, 1, a, 1);
    Connect(*doc, v, 2, g1, 1);
    Connect(*doc, r, 1, a, 1);
    Connect(*doc, r, 2, l, 1);
    Connect(*doc, l, 2, g2, 1);
    if (duasTerras) Connect(*doc, g1, 1, g2, 1);
    return doc;
}

inline int CountWires(const TVisualDocumento& doc) {
    int n = 0;
    for (const TVisualObject& o : doc.Objects())
        n += dynamic_cast<const TVOSisConexao*>(&o) != nullptr ? 1 : 0;
    return n;
}

inline int CountVertices(const TVisualDocumento& doc) {
    int n = 0;
    for (const TVisualObject& o : doc.Objects())
        n += dynamic_cast<const TVOSisVertice*>(&o) != nullptr ? 1 : 0;
    return n;
}

} // namespace brelix::testing
