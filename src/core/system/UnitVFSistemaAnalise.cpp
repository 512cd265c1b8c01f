#include "system/UnitVFSistema.h"

#include "system/UnitVOSisComp.h"

namespace brelix {

TSistema& TVFSistema::BuildModel() {
    modelo_.reset();
    modelo_ = std::make_unique<TSistema>();
    for (const TVisualObject& o : Objects()) {
        if (const auto* c = dynamic_cast<const TVOSisComp*>(&o)) {
            modelo_->AddElemento(c->ID(), c->GetDomain(), true, c->ControlVariable(), c->GetGain(0),
                                 c->NumPorts(), c->Top(), c->Left(), c->Desc(), c->GetKind());
        } else if (dynamic_cast<const TVOSisVertice*>(&o) != nullptr) {
            modelo_->AddElemento(o.ID(), o.GetDomain(), false, {}, {}, 0, o.Top(), o.Left(), o.Desc(),
                                 o.GetKind());
        }
    }
    for (const TVisualObject& o : Objects())
        if (const auto* w = dynamic_cast<const TVOSisConexao*>(&o))
            modelo_->AddConexao(w->ID(), w->GetDomain(), w->ObjID1(), w->CntID1(), w->ObjID2(), w->CntID2());
    return *modelo_;
}

std::unique_ptr<TGrafo> TVFSistema::ConvertToGraph(TValidacaoSistema& validacao,
                                                   std::vector<std::string>* adicionados,
                                                   std::vector<std::string>* removidos) {
    validacao = Validate();
    if (!validacao.Ok()) return nullptr;
    TSistema& modelo = BuildModel();
    std::vector<std::string> added, removed;
    TConversaoSistema conversao = modelo.ToGraph(added, removed);
    if (conversao.Grafo == nullptr) {
        validacao.Problemas = std::move(conversao.Problemas);
        if (validacao.Problemas.empty()) validacao.Problemas.emplace_back(kTituloSistemaNaoValidado);
        return nullptr;
    }
    if (adicionados != nullptr) adicionados->insert(adicionados->end(), added.begin(), added.end());
    if (removidos != nullptr) removidos->insert(removidos->end(), removed.begin(), removed.end());
    return std::move(conversao.Grafo);
}

TSistemaParaGrafo TVFSistema::SystemToGraph() {
    TSistemaParaGrafo r;
    r.Grafo = ConvertToGraph(r.Validacao, &r.Adicionados, &r.Removidos);
    if (r.Grafo == nullptr) return r;
    r.NomeDocumento = Desc() + "Grafo";
    r.Resultado = FillResultadoSis(*r.Grafo, r.Removidos, r.Adicionados);
    return r;
}

} // namespace brelix
