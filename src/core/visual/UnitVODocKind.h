#pragma once

#include "visual/UnitVOClass.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TVisualDocumento;

// Document kind codes.
constexpr std::int32_t kDocKindDFS = 0;
constexpr std::int32_t kDocKindGrafo = 1;
constexpr std::int32_t kDocKindSistema = 2;

// A kind of document: its file, its header, and the registry of the classes its files may hold.
struct TDocKindInfo {
    std::int32_t DocKind = 0;
    std::string HeaderClass;   // "TGrafo": the header block's first line is "Object 0: TGrafo"
    std::string Extension;     // "grf", without the period
    std::string CaptionPrefix; // new documents are named CaptionPrefix followed by a number
    // Classes[k - 1] is the class of kind code k; the same number selects the class when placing (the
    // tool button's tag) and when reading a file.
    std::vector<const TVOClass*> Classes;
    // The connecting protocol of graph and signal-flow documents: a connection joins one element of
    // VertexClass and one of ComponentClass, and a new connection is of ConnectionClass. A kind with
    // a protocol of its own leaves them empty and overrides TVisualDocumento::PortClicked and CanJoin.
    const TVOClass* VertexClass = nullptr;
    const TVOClass* ComponentClass = nullptr;
    const TVOClass* ConnectionClass = nullptr;
    // Makes an empty document of this kind; when empty, a plain TVisualDocumento is made.
    std::function<std::unique_ptr<TVisualDocumento>(const TDocKindInfo&)> MakeDocument;
    // The catalogue the kind belongs to, so that a document can make documents of the other kinds
    // (a conversion opens its result as a new document); set when the kind joins a catalogue.
    const class TCatalogoDocumentos* Catalogo = nullptr;

    // The class with exactly this name; the first match in registry order.
    const TVOClass* FindClass(std::string_view name) const;
    // The class of a kind code; none outside 1..Classes.size().
    const TVOClass* ClassOfKind(std::int32_t kind) const;
    bool Holds(const TVOClass& cls) const;
};

// The document kinds a program knows. The program builds its catalogue once at start-up and hands it
// to whatever opens or makes documents; every document points into it, so it must outlive them.
// Kinds keep their place in memory while others join.
class TCatalogoDocumentos {
public:
    TCatalogoDocumentos() = default;
    TCatalogoDocumentos(const TCatalogoDocumentos&) = delete;
    TCatalogoDocumentos& operator=(const TCatalogoDocumentos&) = delete;

    // Adds a kind; a code already known is refused (false, nothing changed).
    bool Add(TDocKindInfo info);
    const TDocKindInfo* Find(std::int32_t docKind) const;
    // The kind whose files have this extension (without the period; letter case ignored).
    const TDocKindInfo* FindByExtension(std::string_view extension) const;
    std::vector<const TDocKindInfo*> Kinds() const;
    // A new empty document of the kind; none when the kind is unknown.
    std::unique_ptr<TVisualDocumento> Make(std::int32_t docKind) const;

private:
    std::vector<std::unique_ptr<TDocKindInfo>> kinds_;
};

} // namespace brelix
