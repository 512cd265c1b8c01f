#include "analysis/UnitComandoDocumento.h"

#include "common/UnitComErro.h"

#include <cassert>
#include <filesystem>
#include <utility>

namespace brelix {

TConversaoDocumento TComandoDocumento::Converter(const TVisualDocumento&, const TContextoAnalise&) const {
    return {};
}

bool TCatalogo::Registrar(TDocKindInfo info, std::unique_ptr<TComandoDocumento> comando) {
    const std::int32_t docKind = info.DocKind;
    if (!documentos_.Add(std::move(info))) return false;
    comandos_.emplace_back(docKind, std::move(comando));
    return true;
}

const TComandoDocumento* TCatalogo::Comando(std::int32_t docKind) const {
    for (const auto& [kind, comando] : comandos_)
        if (kind == docKind) return comando.get();
    return nullptr;
}

const TComandoDocumento& TCatalogo::Comando(const TVisualDocumento& doc) const {
    const TComandoDocumento* comando = Comando(doc.DocKind());
    assert(comando != nullptr && "a document of a kind the catalogue does not know");
    return *comando;
}

std::unique_ptr<TVisualDocumento> AbrirDocumento(const TCatalogoDocumentos& catalogo,
                                                 const std::string& fileName) {
    std::string extension = std::filesystem::path(fileName).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    const TDocKindInfo* kind = extension.empty() ? nullptr : catalogo.FindByExtension(extension);
    if (kind == nullptr)
        throw EFileError(fileName, "não é um documento do Brelix (esperava-se a extensão sis, grf ou dfs)");
    std::unique_ptr<TVisualDocumento> doc = catalogo.Make(kind->DocKind);
    doc->LoadFile(fileName);
    return doc;
}

} // namespace brelix
