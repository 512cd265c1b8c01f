#include "visual/UnitVOClass.h"

namespace brelix {

bool TVOClass::InheritsFrom(const TVOClass& ancestor) const {
    for (const TVOClass* c = this; c != nullptr; c = c->Parent)
        if (c == &ancestor) return true;
    return false;
}

std::string TVOClass::DescPrefix() const {
    return Name.size() > 6 ? Name.substr(6) : std::string();
}

namespace {

TVOClass Abstract(std::string name, const TVOClass* parent, TPropWindow window) {
    TVOClass c;
    c.Name = std::move(name);
    c.Parent = parent;
    c.PropWindow = window;
    return c;
}

} // namespace

const TVOClass& ClassVisualObject() {
    static const TVOClass c = Abstract("TVisualObject", nullptr, TPropWindow::Vrt);
    return c;
}

const TVOClass& ClassVOElemento() {
    static const TVOClass c = Abstract("TVOElemento", &ClassVisualObject(), TPropWindow::Vrt);
    return c;
}

const TVOClass& ClassVOVertice() {
    static const TVOClass c = Abstract("TVOVertice", &ClassVOElemento(), TPropWindow::Vrt);
    return c;
}

const TVOClass& ClassVOComp() {
    static const TVOClass c = Abstract("TVOComp", &ClassVOElemento(), TPropWindow::GrfComp);
    return c;
}

const TVOClass& ClassVOConexao() {
    static const TVOClass c = Abstract("TVOConexao", &ClassVisualObject(), TPropWindow::Cnx);
    return c;
}

} // namespace brelix
