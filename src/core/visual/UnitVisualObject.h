#pragma once

#include "visual/UnitVOClass.h"
#include "visual/UnitVOProps.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TListVisualObject;

// A point in document pixels (or, where stated, in an object's own 30 x 30 box).
struct TPonto {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const TPonto&) const = default;
};

// A brand-new object is made from exactly this many lines: "Object %d: %s", Num, Desc, Left, Top,
// Lbl, LblX, LblY. Each class then appends its own keys.
constexpr std::size_t kNewObjectLines = 8;

// Positions and label offsets beyond this are not a drawing but damage; document numbers and
// identities beyond kMaxNumero likewise, which keeps every "next number" within 32 bits.
constexpr std::int32_t kMaxCoord = 1000000;
constexpr std::int32_t kMaxNumero = 999999999;

// State flags: draw the body, selected, being dragged.
constexpr std::uint8_t kStateBody = 1;
constexpr std::uint8_t kStateSelected = 2;
constexpr std::uint8_t kStateDragging = 4;

// An object's keys do not hold what they must (a number that is not an integer, an end that does not
// exist). Key() names the key at fault, empty for the first line; the document turns it into a file
// error naming the line.
class EObjectError : public std::runtime_error {
public:
    EObjectError(std::string key, const std::string& what) : std::runtime_error(what), key_(std::move(key)) {}
    const std::string& Key() const { return key_; }

private:
    std::string key_;
};

// Everything a user places in a document: a vertex, a component or a connection. The object keeps its
// whole persistent state in Props; the display only draws it and feeds it mouse events.
class TVisualObject {
public:
    explicit TVisualObject(const TVOClass& cls) : class_(&cls) {}
    virtual ~TVisualObject() = default;
    TVisualObject(const TVisualObject&) = delete;
    TVisualObject& operator=(const TVisualObject&) = delete;

    const TVOClass& Class() const { return *class_; }
    const std::string& ClassName() const { return class_->Name; }
    bool Is(const TVOClass& c) const { return class_->InheritsFrom(c); }
    std::int32_t GetKind() const { return class_->Kind; }
    std::int32_t GetDomain() const { return class_->Domain; }
    TPropWindow PropWindow() const { return class_->PropWindow; }
    std::int32_t Margin() const { return class_->Margin; }
    std::int32_t Width() const { return 30; }
    std::int32_t Height() const { return 30; }

    // The number in the first line of Props; -1 when it is not a number.
    std::int32_t ID() const { return id_; }
    const TProps& Props() const { return props_; }

    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    std::uint8_t State() const { return state_; }
    void Select() { state_ = kStateBody | kStateSelected; }
    void Deselect() { state_ = kStateBody; }

    // Common keys. Every setter marks the object modified when the text changes. SetNum and SetDesc
    // write the key only: a document renames and renumbers through its object list, which keeps
    // numbers and descriptions unique.
    std::int32_t Num() const;
    void SetNum(std::int32_t num);
    std::string Desc() const { return props_.Value("Desc"); }
    void SetDesc(std::string_view desc);
    // The label; "*" in Props stands for the empty label.
    std::string Lbl() const;
    // Refuses (false, nothing changed) a text that a document file cannot hold.
    bool SetLbl(std::string_view text);
    std::int32_t LblX() const;
    std::int32_t LblY() const;
    void SetLblX(std::int32_t x);
    void SetLblY(std::int32_t y);
    // True only for "1". The setter writes only when the key exists, so kinds without it never gain it.
    bool Move() const { return props_.Value("Move") == "1"; }
    void SetMove(bool moved);

    // Position in document pixels; a Left or Top that is not an integer within kMaxCoord counts as 0.
    std::int32_t Left() const;
    std::int32_t Top() const;
    TPonto Position() const { return {Left(), Top()}; }
    TPonto Centre() const { return {Left() + Width() / 2, Top() + Height() / 2}; }
    void SetPosition(TPonto p);
    // The hint shown while the mouse is over the object in select mode.
    std::string HintText() const;

    // Dragging, with the cursor's screen position. BeginDrag remembers the cursor and marks the object
    // as being dragged; DragTo moves it by the cursor's movement (see DragStep), marks it modified and
    // moved. Sizes are those of the document window.
    void BeginDrag(TPonto cursor);
    void DragTo(TPonto cursor, std::int32_t docWidth, std::int32_t docClientHeight);
    TPonto DragOffset() const { return dragOffset_; }

    // Recomputes what the object's geometry derives from other objects (an unmoved graph component
    // sits between its vertices); the document runs it before the display draws. True when it moved.
    virtual bool UpdateLayout() { return false; }

    // Notice sent before an object of the same document is deleted.
    virtual void ObjectRemoved(TVisualObject& removed);
    // Replaces Props by the lines and reads the identity. Kinds append their default keys when the lines
    // are those of a brand-new object (kNewObjectLines). Called before the object joins its list.
    virtual void LoadFromStrings(std::vector<std::string> lines);
    // Raises EObjectError when a key that must hold an integer (Num, LblX, LblY, and a connection's
    // ends) does not, or when a connection's ends cannot take it. Changes nothing.
    virtual void CheckKeys() const;
    // Checks and applies Props: connections attach to their ends. Raises EObjectError.
    virtual void ApplyProperties();
    // Puts back Props exactly as an undo step kept them (same identity), without any check or default.
    void RestoreProps(std::vector<std::string> lines);

    TListVisualObject* Owner() const { return owner_; }
    void SetOwner(TListVisualObject* owner) { owner_ = owner; }

protected:
    static bool IsNewObject(const std::vector<std::string>& lines) { return lines.size() == kNewObjectLines; }
    // Writes a key and marks the object modified when its text changes.
    bool SetKey(std::string_view key, std::string_view value);
    // Writes a key without marking the object modified (positions the display derives).
    void SetKeyQuietly(std::string_view key, std::string_view value) { props_.SetValue(key, value); }
    // Reads an integer key that must be present and within [min, max]; raises EObjectError.
    std::int32_t StrictInt(std::string_view key, std::int32_t min, std::int32_t max) const;

    TProps props_;

private:
    const TVOClass* class_;
    std::int32_t id_ = -1;
    bool modified_ = false;
    std::uint8_t state_ = kStateBody | kStateSelected;
    TPonto dragOffset_;
    TListVisualObject* owner_ = nullptr;
};

} // namespace brelix
