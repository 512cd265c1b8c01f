#pragma once

#include "common/UnitComTexto.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVODocKind.h"
#include "visual/UnitVOGrfClasses.h"
#include "visual/UnitVOGrfCnx.h"
#include "visual/UnitVOGrfElementos.h"
#include "visual/UnitVisualDocumento.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace brelix::testing {

inline std::unique_ptr<TVisualDocumento> NewDoc(std::int32_t docKind, const std::string& name) {
    auto doc = MakeDocumento(docKind);
    doc->NewDocument(name);
    return doc;
}

inline std::unique_ptr<TVisualDocumento> NewGrafo() {
    return NewDoc(kDocKindGrafo, "Grafo1");
}
inline std::unique_ptr<TVisualDocumento> NewDFS() {
    return NewDoc(kDocKindDFS, "DFS1");
}

inline const TVOClass& ClassNamed(const TVisualDocumento& doc, const std::string& name) {
    const TVOClass* cls = doc.Kind().FindClass(name);
    if (cls == nullptr) throw std::logic_error("no class " + name);
    return *cls;
}

template <typename T = TVOElemento>
T& Place(TVisualDocumento& doc, const std::string& className, TPonto at = {100, 100}) {
    return dynamic_cast<T&>(doc.NewObject(ClassNamed(doc, className), at));
}

// Picks a port of each element through the document, as the connect tool does.
inline void PickBoth(TVisualDocumento& doc, TVOElemento& a, std::int32_t portA, TVOElemento& b,
                     std::int32_t portB) {
    a.TogglePortFlag(portA);
    doc.PortClicked(true, a.ID(), {}, 1, portA);
    b.TogglePortFlag(portB);
    doc.PortClicked(true, b.ID(), {}, 1, portB);
}

// The connection the protocol made last, or none.
inline TVOConexao* LastConnection(const TVisualDocumento& doc) {
    TVOConexao* last = nullptr;
    for (TVisualObject& o : doc.Objects())
        if (auto* c = dynamic_cast<TVOConexao*>(&o)) last = c;
    return last;
}

inline int CountConnections(const TVisualDocumento& doc) {
    int n = 0;
    for (const TVisualObject& o : doc.Objects())
        n += dynamic_cast<const TVOConexao*>(&o) != nullptr ? 1 : 0;
    return n;
}

// Every link between connections and elements is mutual: a connection's ends exist, are elements and
// list it at its port; every ID an element lists is a connection that names it. Empty when all holds.
inline std::string Inconsistency(const TVisualDocumento& doc) {
    const TListVisualObject& list = doc.Objects();
    for (const TVisualObject& o : list) {
        if (list.FindByID(o.ID()) != &o) return "ID " + IntToStr(o.ID()) + " not found";
        if (const auto* c = dynamic_cast<const TVOConexao*>(&o)) {
            if (!c->IsAttached()) return "connection " + IntToStr(c->ID()) + " not attached";
            const std::pair<std::int32_t, std::int32_t> ends[] = {{c->ObjID1(), c->CntID1()},
                                                                  {c->ObjID2(), c->CntID2()}};
            for (auto [id, port] : ends) {
                const auto* e = dynamic_cast<const TVOElemento*>(list.FindByID(id));
                if (e->FixedPorts() && e->ConnectionAt(port) != c->ID())
                    return "connection " + IntToStr(c->ID()) + " not at port " + IntToStr(port);
            }
        }
        if (const auto* e = dynamic_cast<const TVOElemento*>(&o)) {
            for (std::int32_t id : e->Connections()) {
                if (id == 0) continue;
                const auto* c = dynamic_cast<const TVOConexao*>(list.FindByID(id));
                if (c == nullptr) return "element " + IntToStr(e->ID()) + " lists missing " + IntToStr(id);
                if (c->ObjID1() != e->ID() && c->ObjID2() != e->ID())
                    return "element " + IntToStr(e->ID()) + " lists foreign " + IntToStr(id);
            }
            if (!e->FixedPorts()) {
                auto ids = e->Connections();
                std::sort(ids.begin(), ids.end());
                if (std::adjacent_find(ids.begin(), ids.end()) != ids.end()) return "duplicate connection";
            }
        }
        if (const auto* comp = dynamic_cast<const TVOComp*>(&o); comp != nullptr && comp->HasControl()) {
            const std::int32_t id = StrToIntDef(comp->Props().Value("VarID"), 0);
            if (id != 0 && list.FindByID(id) == nullptr) return "dangling VarID " + IntToStr(id);
        }
    }
    return {};
}

inline std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}

} // namespace brelix::testing
