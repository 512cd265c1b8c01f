#include "analysis/UnitAnaliseDFS.h"

#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitValidacao.h"
#include "visual/UnitVOGrfClasses.h"
#include "visual/UnitVOGrfElementos.h"
#include "visual/UnitVisualDocumento.h"

#include <utility>

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

TPreparoFTDFS PrepararFTDFS(const TVisualDocumento& doc) {
    TPreparoFTDFS preparo;
    preparo.Nome = doc.Desc() + "FT";
    const std::vector<std::string> problemas = ValidarDFS(doc);
    if (!problemas.empty()) {
        preparo.Recusa = TRecusa::ComVerificacao(ShowCheckLista(kMsgDFSNaoValidado, problemas));
        return preparo;
    }
    preparo.Grafo = BuildDFSGraph(doc);
    MarkEntradaSaida(preparo.Grafo, preparo.Entradas, preparo.Saidas);
    return preparo;
}

TResultadoFTDFS CalcularFTDFS(TPreparoFTDFS preparo, std::string_view entrada, std::string_view saida,
                              TProgresso* progresso) {
    TResultadoFTDFS r;
    r.Recusa = std::move(preparo.Recusa);
    r.Nome = std::move(preparo.Nome);
    r.Entradas = std::move(preparo.Entradas);
    r.Saidas = std::move(preparo.Saidas);
    if (r.Recusa.Houve()) return r;
    r.Entrada = TextoEscolhido(r.Entradas, entrada);
    r.Saida = TextoEscolhido(r.Saidas, saida);
    if (std::string msg = ConferirEscolhaDFS(r.Entrada, r.Saida); !msg.empty()) {
        r.Recusa = TRecusa::ComMensagem(std::move(msg));
        return r;
    }
    r.Grafo = std::move(preparo.Grafo);
    AddRamoDFS(r.Grafo, r.Entrada, r.Saida);
    r.Mason = Mason(r.Grafo);
    r.Funcao.FromMason(r.Mason.LacosOS, progresso);
    if (std::string msg = r.Funcao.MotivoNaoFinito(); !msg.empty()) {
        r.Recusa = TRecusa::ComMensagem(std::move(msg));
        return r;
    }
    r.VisaoMason = ShowMason(r.Grafo.Simbolos(), r.Mason);
    return r;
}

TResultadoFTDFS CalcularFTDFS(const TVisualDocumento& doc, std::string_view entrada, std::string_view saida,
                              TProgresso* progresso) {
    return CalcularFTDFS(PrepararFTDFS(doc), entrada, saida, progresso);
}

} // namespace brelix
