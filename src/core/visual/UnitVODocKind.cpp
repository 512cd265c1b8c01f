#include "visual/UnitVODocKind.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVOGrfClasses.h"
#include "visual/UnitVisualDocumento.h"

#include <algorithm>
#include <deque>

namespace brelix {

namespace {

// A deque keeps every description at its address while others join.
std::deque<TDocKindInfo>& Registry() {
    static std::deque<TDocKindInfo> registry = [] {
        std::deque<TDocKindInfo> kinds;
        kinds.push_back(DFSDocKindInfo());
        kinds.push_back(GrafoDocKindInfo());
        return kinds;
    }();
    return registry;
}

} // namespace

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

bool RegisterDocKind(TDocKindInfo info) {
    if (FindDocKind(info.DocKind) != nullptr) return false;
    Registry().push_back(std::move(info));
    return true;
}

const TDocKindInfo* FindDocKind(std::int32_t docKind) {
    for (const TDocKindInfo& k : Registry())
        if (k.DocKind == docKind) return &k;
    return nullptr;
}

const TDocKindInfo* FindDocKindByExtension(std::string_view extension) {
    for (const TDocKindInfo& k : Registry())
        if (SameTextAscii(k.Extension, extension)) return &k;
    return nullptr;
}

std::vector<const TDocKindInfo*> DocKinds() {
    std::vector<const TDocKindInfo*> kinds;
    for (const TDocKindInfo& k : Registry())
        kinds.push_back(&k);
    return kinds;
}

std::unique_ptr<TVisualDocumento> MakeDocumento(std::int32_t docKind) {
    const TDocKindInfo* kind = FindDocKind(docKind);
    if (kind == nullptr) return nullptr;
    if (kind->MakeDocument) return kind->MakeDocument(*kind);
    return std::make_unique<TVisualDocumento>(*kind);
}

} // namespace brelix
