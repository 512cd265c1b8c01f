#pragma once

#include "visual/UnitPropCampos.h"
#include "visual/UnitVisualDocumento.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TVOComp;

// What a Return (or a choice) in a property window did. The window then refreshes every field from
// Valores(), keeps the focus in the field with its whole text selected, and shows Mensagem, when there
// is one, in the message window.
struct TRespostaCampo {
    std::string Mensagem;
    bool DescricaoMudou = false; // Componentes is refilled and the new description selected
};

// What the common fields show.
struct TValoresPropriedades {
    std::string Num;
    std::string Desc;
    std::string Left;
    std::string Top;
    std::string Lbl; // empty for "*"
    std::string LblX;
    std::string LblY;
    bool operator==(const TValoresPropriedades&) const = default;
};

// One gain row: its label, the gain it shows, and how its button opens the gain entry dialog.
struct TPainelGanho {
    std::int32_t Indice = 0; // 0: the whole Gain; i: gain i of the ";"-separated list
    std::string Rotulo;
    std::string Ganho;
    std::string TituloEditor; // the label followed by the suffix of the fields offered
    bool ExpSym = true;
    bool ExpS = true;
    bool PermiteZero = false;
    bool operator==(const TPainelGanho&) const = default;
};

// The Componentes combo box, shared by every property window: every description of the document,
// sorted ignoring letter case.
std::vector<std::string> Componentes(const TVisualDocumento& doc);
// Choosing an entry selects its object (the display then swaps property windows as the answer says);
// none when no object has that description.
std::optional<TPropSwitch> EscolherComponente(TVisualDocumento& doc, std::string_view desc);
// A typed text: an entry equal to it ignoring letter case selects its object and gives its index;
// any other text only clears the combo box's index (-1).
int DigitarComponente(TVisualDocumento& doc, std::string_view text);

// The object property window without its widgets: the common fields of every object (vertices,
// signal-flow variables and connections use it as it is). Every change goes through the document's
// editing operations, so each accepted Return is one undoable step.
class TPropVisualObject {
public:
    virtual ~TPropVisualObject() = default;

    // Shows an object of the document. The window keeps the object's identity, so an undo that puts
    // the object back leaves the window showing it.
    void Show(TVisualDocumento& doc, const TVisualObject& object);
    TVisualDocumento* Documento() const { return doc_; }
    // None when nothing is shown or the object is gone.
    TVisualObject* Objeto() const;

    TValoresPropriedades Valores() const;
    // The index of the shown object's description among Componentes; -1 when none.
    int ComponenteSelecionado() const;

    // Número: a text that is not a non-zero integer gives "Número inválido"; a number taken by another
    // object of the class "Número do objeto é inválido". The description may follow the number.
    TRespostaCampo ReturnNum(std::string_view text);
    // Descrição: an empty text (or one with characters the field does not accept) gives "Descrição
    // inválida"; one that another object has "Descrição do objeto não é única".
    TRespostaCampo ReturnDesc(std::string_view text);
    // Posição X and Posição Y move the object there (Move becomes "1").
    TRespostaCampo ReturnLeft(std::string_view text);
    TRespostaCampo ReturnTop(std::string_view text);
    TRespostaCampo ReturnLbl(std::string_view text);
    TRespostaCampo ReturnLblX(std::string_view text);
    TRespostaCampo ReturnLblY(std::string_view text);

    // The gain rows; none here.
    virtual std::vector<TPainelGanho> PaineisGanho() const;
    // Stores the gain the editor confirmed for a row: the whole gain or gain i. A label that showed
    // the whole gain shows the new whole gain.
    bool AplicarGanho(std::size_t painel, std::string_view gain);

    // Var. Controle of controlled sources: the candidates, the resolved variable shown, a choice
    // (stored, then the stored name is selected again: the answer) and a typed text.
    bool TemVarCtrl() const;
    std::vector<std::string> CandidatosVarCtrl() const;
    std::string VarCtrl() const;
    std::string EscolherVarCtrl(std::string_view name);
    // A text equal to a candidate ignoring letter case chooses that candidate; any other text is
    // first corrected (CorrigirVarCtrl) and then chosen.
    std::string DigitarVarCtrl(std::string_view text);

protected:
    TVOComp* Comp() const;
    // What a typed name that is no candidate becomes; none here.
    virtual std::string CorrigirVarCtrl(std::string_view text) const;

private:
    TRespostaCampo MoveTo(std::string_view text, bool x);
    TRespostaCampo LabelOffset(std::string_view text, bool x);

    TVisualDocumento* doc_ = nullptr;
    std::int32_t id_ = 0;
};

// The window of graph components and signal-flow transmittances: one gain row with the gain's
// description (four for the generic two-port, each gain i with zeros accepted), the editor offering
// both exponents; controlled sources add Var. Controle, where a typed name that is no candidate gives
// way to the variable already stored.
class TPropVOGrfComp : public TPropVisualObject {
public:
    std::vector<TPainelGanho> PaineisGanho() const override;

protected:
    std::string CorrigirVarCtrl(std::string_view text) const override;
};

} // namespace brelix
