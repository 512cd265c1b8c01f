#pragma once

#include "visual/UnitPropVisualObject.h"
#include "visual/UnitVisualDocumento.h"

#include <string>
#include <string_view>

namespace brelix {

// What the document's own property window shows (it is shown when nothing is selected).
struct TValoresDocumento {
    std::string Desc;
    std::string Altura;
    std::string Largura;
    bool operator==(const TValoresDocumento&) const = default;
};

// The document's property window without its widgets: Componentes, the description (read-only) and
// the window's height and width, which a Return sets as one undoable step.
class TPropVisualForm {
public:
    void Show(TVisualDocumento& doc) { doc_ = &doc; }
    TVisualDocumento* Documento() const { return doc_; }

    TValoresDocumento Valores() const;
    // Altura and Largura: a number from 0 to kMaxCoord; anything else leaves the document unchanged
    // with the message of a number field.
    TRespostaCampo ReturnAltura(std::string_view text);
    TRespostaCampo ReturnLargura(std::string_view text);

private:
    TRespostaCampo Size(std::string_view text, bool height);

    TVisualDocumento* doc_ = nullptr;
};

} // namespace brelix
