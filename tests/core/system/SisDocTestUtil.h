#pragma once

#include "common/UnitComTexto.h"
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
