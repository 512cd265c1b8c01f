#pragma once

// Shared by the document tests: documents built without a display, the connect tool's picks, a check
// that every link between connections and elements is mutual, and two small documents as written.

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"
#include "support/CatalogoTeste.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVODocKind.h"
#include "visual/UnitVOGrfClasses.h"
#include "visual/UnitVOGrfCnx.h"
#include "visual/UnitVOGrfElementos.h"
#include "visual/UnitVisualDocumento.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace brelix::testing {

inline std::unique_ptr<TVisualDocumento> NewDoc(std::int32_t docKind = kDocKindGrafo,
                                                const std::string& name = "Grafo1") {
    auto doc = CatalogoTeste().Make(docKind);
    doc->NewDocument(name);
    return doc;
}

inline std::unique_ptr<TVisualDocumento> NewDFS() {
    return NewDoc(kDocKindDFS, "DFS1");
}

template <typename T = TVOElemento>
T& Place(TVisualDocumento& doc, const std::string& className, TPonto at = {100, 100}) {
    const TVOClass* cls = doc.Kind().FindClass(className);
    if (cls == nullptr) throw std::logic_error("no class " + className);
    return dynamic_cast<T&>(doc.NewObject(*cls, at));
}

// Picks a port of each element through the document, as the connect tool does.
inline void PickBoth(TVisualDocumento& doc, TVOElemento& a, std::int32_t portA, TVOElemento& b,
                     std::int32_t portB) {
    a.TogglePortFlag(portA);
    doc.PortClicked(true, a.ID(), {}, 1, portA);
    b.TogglePortFlag(portB);
    doc.PortClicked(true, b.ID(), {}, 1, portB);
}

inline std::vector<TVOConexao*> Connections(const TVisualDocumento& doc) {
    std::vector<TVOConexao*> all;
    for (TVisualObject& o : doc.Objects())
        if (auto* c = dynamic_cast<TVOConexao*>(&o)) all.push_back(c);
    return all;
}

// Every link is mutual: a connection's ends exist and list it (at its port, for fixed ports); every
// ID an element lists, once, is a connection that names it; a component finds a vertex exactly at its
// connected ports; a control variable names an object that exists. Empty when all holds.
inline std::string Inconsistency(const TVisualDocumento& doc) {
    const TListVisualObject& list = doc.Objects();
    for (const TVisualObject& o : list) {
        const std::string id = IntToStr(o.ID());
        if (list.FindByID(o.ID()) != &o) return "ID " + id + " not found";
        if (const auto* c = dynamic_cast<const TVOConexao*>(&o)) {
            if (!c->IsAttached()) return "connection " + id + " not attached";
            for (auto [end, port] :
                 {std::pair{c->ObjID1(), c->CntID1()}, std::pair{c->ObjID2(), c->CntID2()}}) {
                const auto* e = dynamic_cast<const TVOElemento*>(list.FindByID(end));
                if (e->FixedPorts() && e->ConnectionAt(port) != c->ID()) return "port of " + id;
            }
        }
        if (const auto* e = dynamic_cast<const TVOElemento*>(&o)) {
            auto ids = e->Connections();
            for (std::int32_t cid : ids) {
                const auto* c = dynamic_cast<const TVOConexao*>(list.FindByID(cid));
                if (cid != 0 && (c == nullptr || (c->ObjID1() != e->ID() && c->ObjID2() != e->ID())))
                    return "element " + id + " lists " + IntToStr(cid);
            }
            std::sort(ids.begin(), ids.end());
            if (!e->FixedPorts() && std::adjacent_find(ids.begin(), ids.end()) != ids.end())
                return "element " + id + " lists a connection twice";
        }
        if (const auto* c = dynamic_cast<const TVOGrfComp*>(&o))
            for (std::int32_t p = 1; p <= c->NumPorts(); ++p)
                if ((c->VertexAt(p) != nullptr) != (c->ConnectionAt(p) != 0)) return "vertex of " + id;
        if (const auto* comp = dynamic_cast<const TVOComp*>(&o); comp != nullptr && comp->HasControl()) {
            const std::int32_t var = StrToIntDef(comp->Props().Value("VarID"), 0);
            if (var != 0 && list.FindByID(var) == nullptr) return "dangling VarID in " + id;
        }
    }
    return {};
}

inline std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}

} // namespace brelix::testing
