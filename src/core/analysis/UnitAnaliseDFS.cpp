#include "analysis/UnitAnaliseDFS.h"

#include "analysis/UnitValidacao.h"
#include "visual/UnitVOGrfClasses.h"
#include "visual/UnitVOGrfElementos.h"
#include "visual/UnitVisualDocumento.h"

namespace brelix {

std::vector<std::string> ValidarDFS(const TVisualDocumento& doc) {
    const TListVisualObject& objetos = doc.Objects();
    std::vector<std::string> problemas;
    if (objetos.CountOfClass(ClassDFSVariavel()) == 0) problemas.emplace_back(kMsgNenhumaVariavel);
    if (objetos.CountOfClass(ClassDFSTransmitancia()) == 0) problemas.emplace_back(kMsgNenhumaTransmitancia);
    AddDesconectados(objetos, ClassDFSVariavel(), problemas);
    AddDesconectados(objetos, ClassDFSTransmitancia(), problemas);

    TNomesRepetidos variaveis;
    for (const TVisualObject& o : objetos)
        if (o.Is(ClassDFSVariavel()) && variaveis.Repete(o.Desc()))
            problemas.push_back(kMsgDescricaoRepetida + o.Desc());
    for (const TVisualObject& o : objetos)
        if (o.Is(ClassDFSTransmitancia()) && UsaSimboloDFS(dynamic_cast<const TVOComp&>(o)))
            problemas.push_back(kMsgSimboloReservado + o.Desc());
    return problemas;
}

TGrafo BuildDFSGraph(const TVisualDocumento& doc) {
    TGrafo grafo(true);
    for (const TVisualObject& o : doc.Objects())
        if (o.Is(ClassDFSVariavel())) grafo.AddVertice(o.Num(), o.Desc(), o.Left(), o.Top());
    for (const TVisualObject& o : doc.Objects()) {
        if (!o.Is(ClassDFSTransmitancia())) continue;
        const auto& t = dynamic_cast<const TVOGrfComp&>(o);
        // Port 1 is the input side of a transmittance: the branch points along the signal.
        const TVOGrfVertice* origem = t.VertexAt(1);
        const TVOGrfVertice* destino = t.VertexAt(2);
        if (origem == nullptr || destino == nullptr) continue;
        grafo.AddTransmitancia(t.Num(), t.Desc(), t.GetGain(0), origem->Num(), destino->Num(), t.Left(),
                               t.Top());
    }
    return grafo;
}

} // namespace brelix
