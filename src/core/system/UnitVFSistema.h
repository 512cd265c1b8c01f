#pragma once

#include "system/UnitSisSistema.h"
#include "visual/UnitVisualDocumento.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brelix {

class TVOSisComp;

// Texts of the validation of a system.
inline constexpr const char* kTituloSistemaNaoValidado = "Sistema não validado.";
inline constexpr const char* kMsgNenhumElemento = "Nenhum elemento adicionado no sistema";
inline constexpr const char* kMsgMultiDirecional = "Sistema mecânico multi-direcional não suportado.";
// A name shared by two components (their descriptions, or the branch names the conversion derives
// from them), letter case ignored: the conversion, and every later lookup of a variable by name, would
// mistake one component's variables for the other's.
inline constexpr const char* kMsgNomeRepetido = "Nome repetido em mais de um componente: ";

// The verdict of Validate. A list of problems goes to the check view under kTituloSistemaNaoValidado;
// the single-axis rule fails with one message for the message window.
struct TValidacaoSistema {
    std::vector<std::string> Problemas;
    std::string Mensagem;
    bool Ok() const { return Problemas.empty() && Mensagem.empty(); }
};

// The first end of a wire being drawn: the picked object, its terminal, the terminal's domain and
// its position in the document; all 0 when nothing is pending.
struct TTerminalPendente {
    std::int32_t ID = 0;
    std::int32_t Terminal = 0;
    std::int32_t Type = 0;
    TPonto Position;
    bool operator==(const TTerminalPendente&) const = default;
};

// A system document: components of four domains and couplers joined by wires at vertices.
class TVFSistema : public TVisualDocumento {
public:
    using TVisualDocumento::TVisualDocumento;

    // The option "Auto - inserir vértices entre elementos": joining two component terminals puts a
    // vertex between them. The main window keeps it in step with the options.
    bool AutoVrt() const { return autoVrt_; }
    void SetAutoVrt(bool on) { autoVrt_ = on; }

    const TTerminalPendente& TerminalPendente() const { return pendente_; }

    // Drawing a wire. Dropping a terminal clears the pending end. Picking one with nothing pending, or
    // on the pending object again, makes it the pending end; picking a terminal of another domain
    // clears the first object's marks and starts again from the new terminal; picking one of the same
    // domain on another object draws the wire (Connect).
    void TerminalPicked(bool picked, std::int32_t id, TPonto position, std::int32_t type,
                        std::int32_t terminal);
    void PortClicked(bool picked, std::int32_t id, TPonto position, std::int32_t type,
                     std::int32_t port) override;
    // A wire joins two terminals of the same domain.
    bool CanJoin(const TVOElemento& a, std::int32_t portA, const TVOElemento& b,
                 std::int32_t portB) const override;
    // Wires terminal ta of a to terminal tb of b, one step: one wire of their domain, or, with AutoVrt
    // and two components, a vertex of the domain midway between the terminals and a wire from each
    // terminal to it. Refused (false, nothing changed) for terminals of different domains, a taken
    // terminal or an object of another document.
    bool Connect(TVOElemento& a, std::int32_t ta, TVOElemento& b, std::int32_t tb) override;

    // Turns a component to its next orientation, one step: the label follows (AdjustLabel) and the
    // wires re-route from the new terminal places when next drawn. False for anything that does not
    // turn.
    bool RotateObject(TVisualObject& object);
    // A left click with the rotate tool ("Girar"): RotateObject. True when it turned.
    bool RotateClicked(TVisualObject& object, TMouseButton button);

    // Whether the system may be analysed: at least one component; every component complete (every
    // terminal wired, a controlled source's variable resolving, a coupler's gains); every vertex with
    // two wires or more; no name shared by two components, letter case ignored; and each mechanical
    // domain drawn along one axis.
    TValidacaoSistema Validate() const;

    // A new system model from the document's objects: first every component and vertex in list order
    // (a controlled source with its resolved control variable), then every wire. The model belongs to
    // the analysis that asked for it, which consumes it: the document keeps nothing of it.
    std::unique_ptr<TSistema> BuildModel() const;

protected:
    void CancelPendingEnds() override;

private:
    bool Wire(std::int32_t domain, TVOElemento& a, std::int32_t terminalA, TVOElemento& b,
              std::int32_t terminalB);
    void CheckNames(std::vector<std::string>& problems) const;
    bool SingleAxis() const;

    bool autoVrt_ = false;
    TTerminalPendente pendente_;
};

} // namespace brelix
