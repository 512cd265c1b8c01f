#include "visual/UnitVODocKind.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVisualDocumento.h"

#include <algorithm>

namespace brelix {

const TVOClass* TDocKindInfo::FindClass(std::string_view name) const {
    for (const TVOClass* c : Classes)
        if (c->Name == name) return c;
    return nullptr;
}

const TVOClass* TDocKindInfo::ClassOfKind(std::int32_t kind) const {
    if (kind < 1 || kind > static_cast<std::int32_t>(Classes.size())) return nullptr;
    return Classes[static_cast<std::size_t>(kind - 1)];
}

bool TDocKindInfo::Holds(const TVOClass& cls) const {
    return std::find(Classes.begin(), Classes.end(), &cls) != Classes.end();
}

bool TCatalogoDocumentos::Add(TDocKindInfo info) {
    if (Find(info.DocKind) != nullptr) return false;
    info.Catalogo = this;
    kinds_.push_back(std::make_unique<TDocKindInfo>(std::move(info)));
    return true;
}

const TDocKindInfo* TCatalogoDocumentos::Find(std::int32_t docKind) const {
    for (const auto& k : kinds_)
        if (k->DocKind == docKind) return k.get();
    return nullptr;
}

const TDocKindInfo* TCatalogoDocumentos::FindByExtension(std::string_view extension) const {
    for (const auto& k : kinds_)
        if (SameTextAscii(k->Extension, extension)) return k.get();
    return nullptr;
}

std::vector<const TDocKindInfo*> TCatalogoDocumentos::Kinds() const {
    std::vector<const TDocKindInfo*> kinds;
    for (const auto& k : kinds_)
        kinds.push_back(k.get());
    return kinds;
}

std::unique_ptr<TVisualDocumento> TCatalogoDocumentos::Make(std::int32_t docKind) const {
    const TDocKindInfo* kind = Find(docKind);
    if (kind == nullptr) return nullptr;
    if (kind->MakeDocument) return kind->MakeDocument(*kind);
    return std::make_unique<TVisualDocumento>(*kind);
}

} // namespace brelix
