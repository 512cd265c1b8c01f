#pragma once

#include "visual/UnitVisualObject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brelix {

class TVisualDocumento;
class TVOComp;
class TVOConexao;

// Which property window the display hides and which it shows, at the same place, after the selection
// changed (VisualForm stands for the document's own window, shown when nothing is selected).
struct TPropSwitch {
    TPropWindow Hide = TPropWindow::VisualForm;
    TPropWindow Show = TPropWindow::VisualForm;
};

// The objects of one document in creation order. The list owns them, hands out identities and
// per-class numbers, keeps descriptions unique, finds objects, deletes them with the connections that
// depend on them, and keeps the selection.
class TListVisualObject {
public:
    explicit TListVisualObject(TVisualDocumento* document = nullptr) : document_(document) {}
    TListVisualObject(const TListVisualObject&) = delete;
    TListVisualObject& operator=(const TListVisualObject&) = delete;

    TVisualDocumento* Document() const { return document_; }

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    TVisualObject& operator[](int i) const { return *items_[static_cast<std::size_t>(i)]; }
    // Position of the object in the list; -1 when it is not there.
    int IndexOf(const TVisualObject& o) const;

    // Iterates the objects as references: for (const TVisualObject& o : list).
    class Iterator {
    public:
        using Base = std::vector<std::unique_ptr<TVisualObject>>::const_iterator;
        explicit Iterator(Base it) : it_(it) {}
        TVisualObject& operator*() const { return **it_; }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return it_ != other.it_; }

    private:
        Base it_;
    };
    Iterator begin() const { return Iterator(items_.begin()); }
    Iterator end() const { return Iterator(items_.end()); }

    // Appends the object and takes it. Its identity must be positive and not in use.
    TVisualObject& Add(std::unique_ptr<TVisualObject> object);
    // Tells every object, in list order, that `object` goes (an element then removes its connections,
    // the others forget it), then destroys it.
    void Remove(TVisualObject& object);
    // Destroys every object without notices, and starts the identities again from 0.
    void Clear();
    // An undo step takes an object out (without notices: the step puts back every object it touched)
    // and puts one back at its old place. Insert keeps identities unique and LastID at or above them.
    std::unique_ptr<TVisualObject> Detach(TVisualObject& object);
    TVisualObject& Insert(int index, std::unique_ptr<TVisualObject> object);

    std::int32_t NextID() { return ++lastId_; }
    std::int32_t LastID() const { return lastId_; }
    void RecomputeLastID();
    // 1 + the highest Num among objects of exactly this class name; 1 when there is none.
    std::int32_t NextNum(std::string_view className) const;
    // The number and description of a new object of the class: NextNum, then the next number whose
    // default description (DescPrefix followed by the number) no object of the document has.
    struct TNewName {
        std::int32_t Num = 0;
        std::string Desc;
    };
    TNewName NewName(const TVOClass& cls) const;

    TVisualObject* FindByID(std::int32_t id) const;
    TVisualObject* FindByDesc(std::string_view desc) const;
    std::int32_t IDByDesc(std::string_view desc) const;
    // Objects of the class or of a class below it.
    int CountOfClass(const TVOClass& cls) const;

    TVisualObject* Selected() const { return selected_; }
    // Selects the object (or nothing); answers which property window takes the place of which.
    TPropSwitch SetSelected(TVisualObject* object);
    void DeselectAll();

    // Changes a description; refused (false, nothing changed) when another object has the new one,
    // when no object has the old one, or when the new one is empty or cannot be kept in a file.
    bool Rename(std::string_view oldDesc, std::string_view newDesc);
    // The same for one object of the list (descriptions read from old files may repeat).
    bool Rename(TVisualObject& object, std::string_view newDesc);
    // Changes a number within a class; an object whose description is still the default one for the
    // old number takes the default one for the new number. Refused (false, nothing changed) when an
    // object of the class has the new number, when the new default description is another object's,
    // or when the new number is not from 1 to kMaxNumero.
    bool Renumber(std::string_view className, std::int32_t oldNum, std::int32_t newNum);

    bool AnyModified() const;
    void SetAllModified(bool value);

    // Every object's Props lines followed by "end", in list order.
    void GetText(std::vector<std::string>& lines) const;
    std::vector<std::string> GetText() const;
    // The names every other component offers as a control variable, sorted ignoring letter case.
    std::vector<std::string> ControlVariables(const TVOComp& asking) const;
    // Every object's description, sorted ignoring letter case.
    std::vector<std::string> Descriptions() const;

    // The first connection whose line passes within 3 pixels of the point; none when no connection
    // takes the click (the document then handles it as a click on empty space).
    TVOConexao* ConnectionAt(TPonto p) const;
    // The vertex or component whose 30 x 30 box holds the point, the one drawn on top when boxes
    // overlap (the later in the list); none when the point lies on no element. A press there goes to
    // that element; elsewhere to ConnectionAt and the empty area.
    TVisualObject* ElementAt(TPonto p) const;
    // Connections first, behind everything else; then the other objects; each in list order.
    std::vector<TVisualObject*> PaintOrder() const;

private:
    std::vector<std::unique_ptr<TVisualObject>> items_;
    std::unordered_map<std::int32_t, TVisualObject*> byId_;
    std::int32_t lastId_ = 0;
    TVisualObject* selected_ = nullptr;
    TVisualDocumento* document_;
};

} // namespace brelix
