#include "shell/UnitListaDocumentos.h"

#include <cassert>

namespace brelix {

TVisualDocumento& TListaDocumentos::Add(std::unique_ptr<TVisualDocumento> documento) {
    assert(documento != nullptr && "no document to add");
    documentos_.push_back(std::move(documento));
    return *documentos_.back();
}

std::unique_ptr<TVisualDocumento> TListaDocumentos::Remove(const TVisualDocumento& documento) {
    const std::ptrdiff_t i = IndexOf(documento);
    if (i < 0) return nullptr;
    if (ativo_ == &documento) ativo_ = nullptr;
    std::unique_ptr<TVisualDocumento> r = std::move(documentos_[static_cast<std::size_t>(i)]);
    documentos_.erase(documentos_.begin() + i);
    return r;
}

std::ptrdiff_t TListaDocumentos::IndexOf(const TVisualDocumento& documento) const {
    for (std::size_t i = 0; i < documentos_.size(); ++i)
        if (documentos_[i].get() == &documento) return static_cast<std::ptrdiff_t>(i);
    return -1;
}

void TListaDocumentos::SetAtivo(TVisualDocumento* documento) {
    assert((documento == nullptr || IndexOf(*documento) >= 0) && "the active document must be open");
    ativo_ = documento;
}

std::vector<std::string> TListaDocumentos::Captions() const {
    std::vector<std::string> r;
    r.reserve(documentos_.size());
    for (const auto& d : documentos_)
        r.push_back(d->FileName());
    return r;
}

} // namespace brelix
