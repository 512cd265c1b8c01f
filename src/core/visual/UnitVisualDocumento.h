#pragma once

#include "common/UnitComArquivo.h"
#include "visual/UnitVODocKind.h"
#include "visual/UnitVOGeometria.h"
#include "visual/UnitVisualObjectList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TVOElemento;

// The first end of a connection being made: the picked element and port; (0, 0) when none.
struct TPendingEnd {
    std::int32_t ID = 0;
    std::int32_t Port = 0;
    bool operator==(const TPendingEnd&) const = default;
};

// What a press did to an element's ports.
enum class TPortPick {
    Miss,    // no port under the press: it selects or drags instead
    Busy,    // only connected ports there: nothing happens
    Picked,  // a port is now picked
    Dropped, // the picked port was released
};

// What a press on an object did.
enum class TObjectPress {
    Nothing,
    PortPicked, // a port was picked or dropped: the release must not select the object
    Dragging,   // the object is selected and follows the cursor until the release
};

// The answer to "Salvar o arquivo %s?".
enum class TSaveAnswer { Sim, Nao, Cancelar };

// A document without its window: its objects, header, file name, tool mode, the connection being
// made, reading and writing its file, and the decision on closing. The window draws it and feeds it
// the user's actions; the analysis commands read its objects.
class TVisualDocumento {
public:
    explicit TVisualDocumento(const TDocKindInfo& kind) : kind_(&kind), objects_(this) {}
    virtual ~TVisualDocumento() = default;
    TVisualDocumento(const TVisualDocumento&) = delete;
    TVisualDocumento& operator=(const TVisualDocumento&) = delete;

    const TDocKindInfo& Kind() const { return *kind_; }
    std::int32_t DocKind() const { return kind_->DocKind; }

    // The full path of the file, or the new-document name until first saved; also the caption.
    const std::string& FileName() const { return fileName_; }
    bool IsNew() const { return isNew_; }
    // Document-level changes: geometry, description, deletions, new objects.
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    // The document or any of its objects changed since it was last saved or read.
    bool NeedsSave() const { return modified_ || objects_.AnyModified(); }

    const TProps& Header() const { return header_; }
    TListVisualObject& Objects() { return objects_; }
    const TListVisualObject& Objects() const { return objects_; }

    std::int32_t Mode() const { return mode_; }
    void SetMode(std::int32_t mode) { mode_ = mode; }
    TPendingEnd PendingEnd() const { return pending_; }
    bool CloseRefused() const { return closeRefused_; }

    // The window's place and size, which the header records at every save.
    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // After the user resized the window: modified when the size now differs from the header's.
    void Resized(std::int32_t width, std::int32_t height);

    std::string Desc() const { return header_.Value("Desc"); }
    void SetDesc(std::string_view desc);

    // Starts an empty, unsaved document named `name`.
    void NewDocument(const std::string& name, const std::string& headerClass, std::int32_t height,
                     std::int32_t width, std::int32_t top, std::int32_t left);
    // As above with this kind's header class, 550 x 300 at (0, 0).
    void NewDocument(const std::string& name);

    // Reads a document from its lines. A damaged file raises EFileError naming the file, the line and
    // what was expected; the objects read before the fault stay in the document, attached to nothing
    // that is missing, and the document is not marked modified.
    void LoadDocument(const std::string& fileName, const std::vector<std::string>& lines);
    // Reads the file (Windows-1252 text) and loads it.
    void LoadFile(const std::string& fileName);
    // Reads object blocks ("Object %d: %s", Name=Value lines, "end") and appends their objects; blocks
    // of classes this kind does not hold are skipped. Errors as for LoadDocument, with line numbers
    // counted within `lines`. The generators of new documents build their objects this way.
    void LoadObjects(const std::vector<std::string>& lines);

    // Writes the document to `name` (empty: to FileName), replacing the file atomically. On success the
    // document takes that name, its description becomes the file name without folder and extension, and
    // nothing is modified any more. A failure raises EFileError and changes nothing, in the document or
    // in the file. A read-only file is replaced only when the options allow it.
    void SaveDocument(const std::string& name = {}, const TOpcoesGravacao& opcoes = {});
    // The lines SaveDocument writes to `fileName`.
    std::vector<std::string> Text(const std::string& fileName) const;

    // A new object of the class at the position: the next identity, number and free description;
    // it becomes the selection and the document is modified.
    TVisualObject& NewObject(const TVOClass& cls, TPonto at);
    // An object of the class from its lines (loading, generators): raises EObjectError when the lines
    // do not make a valid object, with nothing added; identities, descriptions and numbers within the
    // class must be new to the document.
    TVisualObject& CreateObject(const TVOClass& cls, std::vector<std::string> lines);
    // A left press on empty document area: places a new object of the chosen class when this document
    // holds that class, else clears the selection. Returns the new object, if any.
    TVisualObject* ClickEmptyArea(const TVOClass* chosen, TPonto click);

    // A left press on the document at `at` (document pixels) that no element took: a connection
    // within 3 pixels of it becomes the selection; otherwise as ClickEmptyArea. Returns the selected
    // connection or the new object, if any.
    TVisualObject* ClickAt(TPonto at, const TVOClass* chosen);

    // Deselects every object, then selects `object` (or nothing).
    TPropSwitch SelectObject(TVisualObject* object);
    TPropSwitch DeselectAll() { return SelectObject(nullptr); }
    // Deletes an object with the connections that depend on it; the document is modified.
    void DeleteObject(TVisualObject& object);
    // The Delete key: deletes the selected object, if any, and clears the selection.
    bool DeleteSelected();

    // Mouse presses on an object: `local` in the object's own pixels, `cursor` in screen pixels.
    TObjectPress PressObject(TVisualObject& object, TPonto local, TPonto cursor, TMouseButton button);
    // The release after a drag: inside the object it stays selected, outside the selection clears.
    void ReleaseObject(TVisualObject& object, TPonto local);
    // Picks or drops the port under `local` and tells PortClicked.
    TPortPick PickPort(TVOElemento& element, TPonto local);

    // Whether a connection may join these two ends (graph and signal-flow: one vertex and one
    // component). Loading refuses files whose connections break it.
    virtual bool CanJoin(const TVOElemento& a, std::int32_t portA, const TVOElemento& b,
                         std::int32_t portB) const;
    // An element's port was picked (true) or dropped (false). Picking a vertex and a component, in
    // either order, makes a connection between them; any other pair makes the new pick the pending end.
    virtual void PortClicked(bool picked, std::int32_t id, TPonto position, std::int32_t type,
                             std::int32_t port);

    // Runs every object's UpdateLayout (elements before connections); the window calls it before
    // drawing.
    void UpdateLayout();

    // Closing: without changes the window closes at once. Otherwise `ask` gets "Salvar o arquivo %s?"
    // and answers; "Sim" runs `save` (Salvar, or Salvar Como for a new document), which returns true
    // only when the document was saved; "Não" closes without saving; "Cancelar" keeps it open. A save
    // that was cancelled or failed keeps the window open. Returns whether it may close.
    bool RequestClose(const std::function<TSaveAnswer(const std::string&)>& ask,
                      const std::function<bool()>& save);
    std::string CloseQuestion() const;

private:
    struct TLoadIndex;
    TVisualObject& Create(const TVOClass& cls, std::vector<std::string> lines, TLoadIndex* index,
                          bool fromFile);
    void CheckIdentity(const TVisualObject& o, const TLoadIndex* index) const;
    void ReadHeader(const std::string& fileName, const std::vector<std::string>& lines, std::size_t count);
    void LoadObjectLines(const std::string& source, const std::vector<std::string>& lines, std::size_t from,
                         std::size_t lineNumberBase);
    void Reset();
    bool JoinPicked(TVOElemento& first, std::int32_t firstPort, TVOElemento& second, std::int32_t secondPort);

    const TDocKindInfo* kind_;
    std::string fileName_;
    bool isNew_ = true;
    bool modified_ = false;
    TProps header_;
    TListVisualObject objects_;
    std::int32_t mode_ = kModeSelecionar;
    TPendingEnd pending_;
    bool closeRefused_ = false;
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 550;
    std::int32_t height_ = 300;
};

} // namespace brelix
