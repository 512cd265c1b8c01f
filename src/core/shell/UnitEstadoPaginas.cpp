#include "shell/UnitEstadoPaginas.h"

#include "visual/UnitVODocKind.h"

namespace brelix {

namespace {

// The page in front for a document kind: the remembered system page, "Grafo" or "DFS".
TPagina PaginaDoKind(std::int32_t docKind, TPagina ultimaSistema) {
    if (docKind == kDocKindSistema) return ultimaSistema;
    return docKind == kDocKindGrafo ? TPagina::Grf : TPagina::DFS;
}

} // namespace

void TEstadoPaginas::Atualizar(std::optional<std::int32_t> docKindAtivo) {
    if (PaginaDeSistema(atual_)) ultimaSistema_ = atual_;
    docKind_ = docKindAtivo;
    if (docKind_) atual_ = PaginaDoKind(*docKind_, ultimaSistema_);
}

bool TEstadoPaginas::Visivel(TPagina pagina) const {
    return docKind_.has_value() && Pagina(pagina).DocKind == *docKind_;
}

bool TEstadoPaginas::Habilitado(TComando comando) const {
    const std::optional<std::int32_t> docKind = DocKindDoAlgoritmo(comando);
    if (!docKind) return true;
    return Visivel(PaginaDoKind(*docKind, ultimaSistema_));
}

std::optional<std::int32_t> DocKindDoAlgoritmo(TComando comando) {
    switch (comando) {
    case TComando::SistemaGrafo:
    case TComando::SistemaFT:
        return kDocKindSistema;
    case TComando::GrafoDFS:
    case TComando::GrafoFT:
        return kDocKindGrafo;
    case TComando::DFSFT:
        return kDocKindDFS;
    default:
        return std::nullopt;
    }
}

} // namespace brelix
