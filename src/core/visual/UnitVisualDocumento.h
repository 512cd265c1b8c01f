#pragma once

#include "common/UnitComArquivo.h"
#include "visual/UnitObservadorDocumento.h"
#include "visual/UnitPilhaDesfazer.h"
#include "visual/UnitVODocKind.h"
#include "visual/UnitVOGeometria.h"
#include "visual/UnitVisualObjectList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TVOComp;
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
//
// Every change a user makes is one editing operation below (the mouse-level functions and the
// property windows call them too), and each is one step on the document's undo stack: Undo and Redo
// give every touched object back its Props lines exactly, re-create deleted objects with their
// identities at their places in the list and re-attach their connections. Observers hear of every
// change. Reading a file, CreateObject and LoadObjects (the generators of new documents) are not
// edits: they record nothing.
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
    // Marking the document as (not) matching its file outside an edit also moves the undo stack's
    // clean place: a generated document that was never saved stays modified whatever is undone.
    void SetModified(bool value);
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
    // An edit of the document's description; refused (false) for a text the file cannot hold.
    bool SetDesc(std::string_view desc);
    // Edits of the window's height and width (the fields Altura and Largura); refused (false) outside
    // 0 to kMaxCoord. The header takes them at the next save.
    bool SetDocHeight(std::int32_t height);
    bool SetDocWidth(std::int32_t width);

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

    // Placing: a new object of the class at the position, one step: the next identity, number and
    // free description; it becomes the selection and the document is modified.
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

    // Deselects every object, then selects `object` (or nothing). Not an edit.
    TPropSwitch SelectObject(TVisualObject* object);
    TPropSwitch DeselectAll() { return SelectObject(nullptr); }
    // Deletes an object with the connections that depend on it, one step: the ports at their other
    // ends are freed and a controlled source forgets a deleted controlling component.
    void DeleteObject(TVisualObject& object);
    // The Delete key: deletes the selected object, if any, and clears the selection.
    bool DeleteSelected();

    // Moves a vertex or component to a position, one step (the fields Posição X and Posição Y): Left
    // and Top take it and Move becomes "1" where the object has it. Refused (false) for a connection,
    // whose place follows its ends, and for a coordinate beyond kMaxCoord.
    bool MoveObject(TVisualObject& object, TPonto position);
    // Joins port portA of a and port portB of b, one step. Graph and signal-flow documents join one
    // vertex and one component: the connection runs into the component at its odd ports and out of
    // it at its even ones, whichever end is given first. Refused (false, nothing changed) for any
    // other pair, a taken port or an object of another document.
    virtual bool Connect(TVOElemento& a, std::int32_t portA, TVOElemento& b, std::int32_t portB);
    // Property edits, one step each, refused (false, nothing recorded) as the object list refuses
    // them: Num through Renumber, Desc through Rename (of this very object), the label text and its
    // offsets (within kMaxCoord).
    bool RenumberObject(TVisualObject& object, std::int32_t num);
    bool RenameObject(TVisualObject& object, std::string_view desc);
    bool SetObjectLabel(TVisualObject& object, std::string_view text);
    bool SetObjectLabelX(TVisualObject& object, std::int32_t x);
    bool SetObjectLabelY(TVisualObject& object, std::int32_t y);
    // Gain i (0: the whole Gain) of a component; a label that showed the whole gain before shows the
    // new whole gain. Refused as TVOComp::SetGain refuses.
    bool SetObjectGain(TVOComp& comp, std::int32_t i, std::string_view text);
    // The control variable of a controlled source, by name (TVOComp::SetControlVariable); false for
    // a component without one.
    bool SetObjectControlVariable(TVOComp& comp, std::string_view name);

    // Mouse presses on an object: `local` in the object's own pixels, `cursor` in screen pixels. A
    // press that starts a drag opens one step that lasts until the release.
    TObjectPress PressObject(TVisualObject& object, TPonto local, TPonto cursor, TMouseButton button);
    // A drag step: the object follows the cursor (screen pixels), kept inside the window's width and
    // the client height, on the 5-pixel grid.
    void DragObject(TVisualObject& object, TPonto cursor, std::int32_t clientHeight);
    // The release after a drag: inside the object it stays selected, outside the selection clears;
    // the whole drag becomes one step (none when nothing moved).
    void ReleaseObject(TVisualObject& object, TPonto local);
    // Ends a drag whose release never came; any other edit ends it first too.
    void EndDrag();
    bool Dragging() const { return arrastando_; }

    // The undo stack. Undo and Redo refuse (false) while there is nothing to take back or do again;
    // afterwards no port is picked and the selection is what it was after (before) the step.
    bool CanUndo() const { return pilha_.PodeDesfazer(); }
    bool CanRedo() const { return pilha_.PodeRefazer(); }
    bool Undo();
    bool Redo();
    const TPilhaDesfazer& UndoStack() const { return pilha_; }

    // Observers hear of every change (see TObservadorDocumento); the document does not own them.
    void AddObserver(TObservadorDocumento& observer);
    void RemoveObserver(TObservadorDocumento& observer);

    // Picks or drops the port under `local` and tells PortClicked.
    TPortPick PickPort(TVOElemento& element, TPonto local);

    // Whether a connection may join these two ends (graph and signal-flow: one vertex and one
    // component). Loading refuses files whose connections break it.
    virtual bool CanJoin(const TVOElemento& a, std::int32_t portA, const TVOElemento& b,
                         std::int32_t portB) const;
    // An element's port was picked (true) or dropped (false). Picking a vertex and a component, in
    // either order, makes a connection between them (Connect); any other pair makes the new pick the
    // pending end.
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

protected:
    // One editing operation: the outermost one on the call stack takes a picture of the document
    // before and after and records the difference as one step (none when nothing changed); any that
    // run inside it belong to its step. An open drag ends first.
    class TPasso {
    public:
        TPasso(TVisualDocumento& doc, TAcaoEdicao acao);
        ~TPasso();
        TPasso(const TPasso&) = delete;
        TPasso& operator=(const TPasso&) = delete;

    private:
        TVisualDocumento& doc_;
    };

    // The object is one of this document's.
    bool Holds(const TVisualObject& object) const;
    // Forgets the first end of a connection being made and every picked port (after undo or redo).
    virtual void CancelPendingEnds();

private:
    struct TLoadIndex;
    TVisualObject& Create(const TVOClass& cls, std::vector<std::string> lines, TLoadIndex* index,
                          bool fromFile);
    void CheckIdentity(const TVisualObject& o, const TLoadIndex* index) const;
    void ReadHeader(const std::string& fileName, const std::vector<std::string>& lines, std::size_t count);
    void LoadObjectLines(const std::string& source, const std::vector<std::string>& lines, std::size_t from,
                         std::size_t lineNumberBase);
    void Reset();
    void AbrirPasso(TAcaoEdicao acao);
    void FecharPasso();
    void Aplicar(const TPassoEdicao& passo, bool paraAntes);
    void AjustarModificado(const std::vector<TVisualObject*>& tocados);
    void Anunciar(const TPassoEdicao& passo, bool paraAntes, std::int32_t selecaoAnterior);
    std::int32_t SelectedID() const;
    TProps& HeaderProps();
    template <typename F> void Notificar(F&& f) {
        const std::vector<TObservadorDocumento*> observers = observadores_;
        for (TObservadorDocumento* o : observers)
            f(*o);
    }

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

    TPilhaDesfazer pilha_;
    std::vector<TObservadorDocumento*> observadores_;
    int profundidade_ = 0; // editing operations running, the outermost first
    TAcaoEdicao acao_ = TAcaoEdicao::Colocar;
    TFotoDocumento antes_;
    bool arrastando_ = false;
};

} // namespace brelix
