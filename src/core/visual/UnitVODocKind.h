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

    // The class with exactly this name; the first match in registry order.
    const TVOClass* FindClass(std::string_view name) const;
    // The class of a kind code; none outside 1..Classes.size().
    const TVOClass* ClassOfKind(std::int32_t kind) const;
    bool Holds(const TVOClass& cls) const;
};

// The registry of document kinds. The graph and signal-flow kinds are there from the start; other
// kinds join with RegisterDocKind before their documents are made. A code registered twice is refused
// (false), so that documents never outlive the description they point to.
bool RegisterDocKind(TDocKindInfo info);
const TDocKindInfo* FindDocKind(std::int32_t docKind);
const TDocKindInfo* FindDocKindByExtension(std::string_view extension);
std::vector<const TDocKindInfo*> DocKinds();

// A new empty document of the kind; none when the kind is not registered.
std::unique_ptr<TVisualDocumento> MakeDocumento(std::int32_t docKind);

} // namespace brelix
