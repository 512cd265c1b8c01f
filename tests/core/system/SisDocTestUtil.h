#pragma once

// System documents built as the user builds them, through the document's editing operations.

#include "common/UnitComTexto.h"
#include "support/CatalogoTeste.h"
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
    std::unique_ptr<TVFSistema> doc(
        &dynamic_cast<TVFSistema&>(*CatalogoTeste().Make(kDocKindSistema).release()));
    doc->NewDocument(name);
    return doc;
}

template <typename T = TVOElemento> T& PlaceKind(TVFSistema& doc, std::int32_t kind, TPonto at = {100, 100}) {
    const TVOClass* c = SisClassOfKind(kind);
    if (c == nullptr) throw std::logic_error("no system kind " + IntToStr(kind));
    return dynamic_cast<T&>(doc.NewObject(*c, at));
}

inline TVOSisComp& PlaceComp(TVFSistema& doc, std::int32_t kind, TPonto at = {100, 100}) {
    return PlaceKind<TVOSisComp>(doc, kind, at);
}

// Draws a wire from terminal ta of a to terminal tb of b, as the connect tool does.
inline void Connect(TVFSistema& doc, TVOElemento& a, std::int32_t ta, TVOElemento& b, std::int32_t tb) {
    if (!doc.Connect(a, ta, b, tb))
        throw std::logic_error("no wire from " + a.Desc() + " to " + b.Desc() + " terminal " + IntToStr(tb));
}

// A system drawn through its document: components along one row, each terminal i wired to the
// vertex named vs[i - 1] (made on first use, of the vertex kind of that terminal's domain, along
// another row); a name "=x" wires the terminal straight to the other terminal named "=x" instead.
struct Desenho {
    std::unique_ptr<TVFSistema> doc = NewSistema("Teste");
    std::map<std::string, TVOElemento*> vertices;
    std::map<std::string, std::pair<TVOSisComp*, std::int32_t>> straight;
    std::int32_t x = 20;

    TVOSisComp& C(std::int32_t kind, const std::vector<std::string>& vs) {
        TVOSisComp& c = PlaceComp(*doc, kind, {x += 40, 100});
        std::int32_t t = 0;
        for (const std::string& name : vs) {
            ++t;
            if (name[0] == '=') {
                if (const auto other = straight.find(name); other != straight.end())
                    Connect(*doc, *other->second.first, other->second.second, c, t);
                else
                    straight[name] = {&c, t};
                continue;
            }
            TVOElemento*& v = vertices[name];
            const std::int32_t vertexKind = SisVertexClass(SisTerminalDomain(*SisKind(kind), t))->Kind;
            if (v == nullptr) v = &PlaceKind(*doc, vertexKind, {x += 40, 300});
            Connect(*doc, c, t, *v, 1);
        }
        return c;
    }
};

// An RLC ladder: a voltage source, then per section a series resistor and inductor and a shunt
// capacitor ("Capacitor<n>" is the last section's).
inline Desenho EscadaRLC(int secoes) {
    Desenho sistema;
    sistema.C(kTipoEleFonteTensao, {"A0", "G"});
    for (int k = 1; k <= secoes; ++k) {
        const std::string a = "A" + std::to_string(k - 1), b = "B" + std::to_string(k),
                          c = "A" + std::to_string(k);
        sistema.C(kTipoEleResistor, {a, b});
        sistema.C(kTipoEleIndutor, {b, c});
        sistema.C(kTipoEleCapacitor, {c, "G"});
    }
    return sistema;
}

// The document's text, every line `from` replaced by `to`, read into a new document.
inline std::unique_ptr<TVFSistema> Reread(const TVFSistema& doc, const std::string& from,
                                          const std::string& to) {
    std::vector<std::string> text = doc.Text("x.sis");
    for (std::string& line : text)
        if (line == from) line = to;
    auto copy = NewSistema();
    copy->LoadDocument("x.sis", text);
    return copy;
}

} // namespace brelix::testing
