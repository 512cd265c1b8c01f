#include "analysis/UnitAnaliseGrafo.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitValidacao.h"
#include "visual/UnitVOGrfClasses.h"
#include "visual/UnitVOGrfElementos.h"
#include "visual/UnitVisualDocumento.h"

#include <array>

namespace brelix {

namespace {

// The vertices at the ports of an element; false when a port is free.
template <std::size_t N>
bool VerticesNasPortas(const TVOGrfComp& comp, std::array<std::int32_t, N>& vertices) {
    for (std::size_t p = 0; p < N; ++p) {
        const TVOGrfVertice* v = comp.VertexAt(static_cast<std::int32_t>(p + 1));
        if (v == nullptr) return false;
        vertices[p] = v->Num();
    }
    return true;
}

// The branch names an element gives the linear graph.
std::vector<std::string> NomesDeRamo(const TVisualObject& o) {
    if (o.Is(ClassGrf2P())) return {o.Desc() + "_P1", o.Desc() + "_P2"};
    return {o.Desc()};
}

} // namespace

std::vector<std::string> ValidarGrafo(const TVisualDocumento& doc) {
    const TListVisualObject& objetos = doc.Objects();
    std::vector<std::string> problemas;
    if (objetos.CountOfClass(ClassGrfVertice()) == 0) problemas.emplace_back(kMsgNenhumVertice);
    if (objetos.CountOfClass(ClassGrfComp()) == 0) problemas.emplace_back(kMsgNenhumRamo);
    AddDesconectados(objetos, ClassGrfVertice(), problemas);
    AddDesconectados(objetos, ClassGrfComp(), problemas);

    TNomesRepetidos ramos;
    for (const TVisualObject& o : objetos) {
        if (!o.Is(ClassGrfComp())) continue;
        for (const std::string& nome : NomesDeRamo(o))
            if (ramos.Repete(nome)) problemas.push_back(kMsgDescricaoRepetida + nome);
    }
    for (const TVisualObject& o : objetos)
        if (o.Is(ClassGrfComp()) && UsaSimboloDFS(dynamic_cast<const TVOComp&>(o)))
            problemas.push_back(kMsgSimboloReservado + o.Desc());
    return problemas;
}

TGrafo BuildGrafoGraph(const TVisualDocumento& doc) {
    TGrafo grafo(true);
    for (const TVisualObject& o : doc.Objects())
        if (o.Is(ClassGrfVertice())) grafo.AddVertice(o.Num(), o.Desc(), o.Left(), o.Top());
    std::int32_t b = 0;
    for (const TVisualObject& o : doc.Objects()) {
        if (o.Is(ClassGrf1P())) {
            const auto& e = dynamic_cast<const TVOGrfComp&>(o);
            std::array<std::int32_t, 2> v{};
            if (!VerticesNasPortas(e, v)) continue;
            ++b;
            grafo.AddRamo(b, e.GetKind(), e.Desc(), e.GetGain(0), v[0], v[1], e.Left(), e.Top(), 0,
                          e.ControlVariable());
        } else if (o.Is(ClassGrf2P())) {
            const auto& e = dynamic_cast<const TVOGrfComp&>(o);
            std::array<std::int32_t, 4> v{};
            if (!VerticesNasPortas(e, v)) continue;
            const std::int32_t k = e.GetKind();
            grafo.AddRamo(b + 1, 10 * k + 1, e.Desc() + "_P1", e.GetGain(0), v[0], v[1], e.Left(), e.Top(),
                          b + 2);
            grafo.AddRamo(b + 2, 10 * k + 2, e.Desc() + "_P2", e.GetGain(0), v[2], v[3], e.Left(), e.Top(),
                          b + 1);
            b += 2;
        }
    }
    return grafo;
}

} // namespace brelix
