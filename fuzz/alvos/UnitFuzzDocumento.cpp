// Reads any bytes as a graph document and as a signal-flow document. A damaged file may only raise
// EFileError; whatever was read must be consistent, write back and read again into the same text,
// and survive every query and the deletion of all its objects.

#include "UnitFuzzAlvos.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"
#include "shell/UnitCatalogo.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVOGeometria.h"
#include "visual/UnitVOGrfCnx.h"
#include "visual/UnitVOGrfElementos.h"
#include "visual/UnitVisualDocumento.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace brelix::fuzz {

namespace {

const TCatalogoDocumentos& Catalogo() {
    static const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    return catalogo->Documentos();
}

[[noreturn]] void Fail(const char* what) {
    throw EFalhaAlvo(std::string("documento: ") + what);
}

// Connections and elements name each other both ways; control keys name present components.
void CheckConsistent(const TVisualDocumento& doc) {
    const TListVisualObject& list = doc.Objects();
    for (const TVisualObject& o : list) {
        if (list.FindByID(o.ID()) != &o) Fail("an object is not found by its ID");
        if (const auto* c = dynamic_cast<const TVOConexao*>(&o)) {
            if (!c->IsAttached()) Fail("a connection is not attached to both ends");
            if (!doc.CanJoin(dynamic_cast<const TVOElemento&>(*list.FindByID(c->ObjID1())), c->CntID1(),
                             dynamic_cast<const TVOElemento&>(*list.FindByID(c->ObjID2())), c->CntID2()))
                Fail("a connection joins a pair the document does not join");
        }
        if (const auto* e = dynamic_cast<const TVOElemento*>(&o)) {
            for (std::int32_t id : e->Connections()) {
                if (id == 0) continue;
                const auto* c = dynamic_cast<const TVOConexao*>(list.FindByID(id));
                if (c == nullptr || (c->ObjID1() != e->ID() && c->ObjID2() != e->ID()))
                    Fail("an element lists a connection that does not name it");
            }
        }
        if (const auto* comp = dynamic_cast<const TVOComp*>(&o); comp != nullptr && comp->HasControl()) {
            const std::int32_t id = StrToIntDef(comp->Props().Value("VarID"), 0);
            if (id != 0 && list.FindByID(id) == nullptr) Fail("a control variable names a missing object");
        }
    }
}

// Every query the display and the analysis make.
void Query(TVisualDocumento& doc) {
    doc.UpdateLayout();
    TListVisualObject& list = doc.Objects();
    std::size_t sink = list.Descriptions().size();
    for (TVisualObject& o : list) {
        sink += o.HintText().size() + static_cast<std::size_t>(LabelPosition(o, 20, 10).X);
        if (auto* e = dynamic_cast<TVOElemento*>(&o)) {
            sink += e->IsConnected() ? 1 : 0;
            for (std::int32_t p = 0; p <= e->NumPorts() + 1; ++p) {
                sink += static_cast<std::size_t>(e->GetPortInfo(p).X);
                sink += e->NeighbourAt(p) != nullptr ? 1 : 0;
            }
            sink += static_cast<std::size_t>(HitPort(*e, {3, 15}).Port);
        }
        if (auto* c = dynamic_cast<TVOComp*>(&o)) {
            sink += c->ControlVariable().size() + c->GetGain(2).size() + c->EffortVariable(2).size();
            if (list.Count() < 200) sink += list.ControlVariables(*c).size();
        }
        if (auto* g = dynamic_cast<TVOGrfComp*>(&o)) sink += g->VertexAt(1) != nullptr ? 1 : 0;
        if (auto* x = dynamic_cast<TVOGrfConexao*>(&o)) {
            const TGrfCnxGeometria geometry = x->Geometria();
            sink += geometry.HasArrow ? 1 : 0;
            sink += x->HitTest({geometry.From.X, geometry.From.Y + 2}) ? 1 : 0;
        }
    }
    if (sink == 0x5EED5EED) std::puts("");
}

void Exercise(std::int32_t docKind, const std::vector<std::string>& lines) {
    auto doc = Catalogo().Make(docKind);
    try {
        doc->LoadDocument("fuzz", lines);
    } catch (const EFileError&) {
        // A damaged file: what was read before the fault must still hold together.
    }
    CheckConsistent(*doc);

    const std::string name = "fuzz." + doc->Kind().Extension;
    const std::vector<std::string> text = doc->Text(name);
    auto again = Catalogo().Make(docKind);
    try {
        again->LoadDocument(name, text);
    } catch (const EFileError& e) {
        Fail((std::string("a document written by Brelix does not read back: ") + e.what()).c_str());
    }
    if (again->Text(name) != text) Fail("a document does not write back the same text");

    Query(*doc);
    // Delete from both ends of the list in turn until nothing is left.
    for (bool front = true; !doc->Objects().Empty(); front = !front) {
        TListVisualObject& list = doc->Objects();
        doc->DeleteObject(list[front ? 0 : list.Count() - 1]);
        CheckConsistent(*doc);
    }
}

} // namespace

void AlvoDocumento(std::string_view bytes) {
    const std::vector<std::string> lines = SplitLines(Win1252ToUtf8(bytes));
    Exercise(kDocKindGrafo, lines);
    Exercise(kDocKindDFS, lines);
}

} // namespace brelix::fuzz
