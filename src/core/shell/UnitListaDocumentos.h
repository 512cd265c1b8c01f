#pragma once

#include "visual/UnitVisualDocumento.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace brelix {

// The open documents in the order they were opened, owned, and the active one (none when no document
// is active). The "Janelas" menu lists them in this order by caption.
class TListaDocumentos {
public:
    TVisualDocumento& Add(std::unique_ptr<TVisualDocumento> documento);
    // Takes the document out of the list (no longer active if it was) and hands it back; none when it
    // is not in the list.
    std::unique_ptr<TVisualDocumento> Remove(const TVisualDocumento& documento);

    std::size_t Count() const { return documentos_.size(); }
    bool Empty() const { return documentos_.empty(); }
    TVisualDocumento& Get(std::size_t i) const { return *documentos_.at(i); }
    // The position of the document; -1 when it is not in the list.
    std::ptrdiff_t IndexOf(const TVisualDocumento& documento) const;

    TVisualDocumento* Ativo() const { return ativo_; }
    // The document must be in the list (or none).
    void SetAtivo(TVisualDocumento* documento);

    // The items of "Janelas": each document's caption (its file name), in list order.
    std::vector<std::string> Captions() const;

private:
    std::vector<std::unique_ptr<TVisualDocumento>> documentos_;
    TVisualDocumento* ativo_ = nullptr;
};

} // namespace brelix
