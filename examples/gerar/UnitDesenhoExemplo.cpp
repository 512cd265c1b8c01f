#include "UnitDesenhoExemplo.h"

#include "shell/UnitCatalogo.h"
#include "system/UnitVFSistema.h"
#include "system/UnitVOSisClasses.h"

#include <stdexcept>

namespace brelix::exemplos {

namespace {

const TCatalogoDocumentos& Catalogo() {
    static const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    return catalogo->Documentos();
}

} // namespace

TDesenho::TDesenho(std::int32_t docKind) {
    doc_ = Catalogo().Make(docKind);
    if (doc_ == nullptr) throw std::logic_error("document kind not registered");
    // Where the program opens a new document: below the main window's strip, right of the property
    // window.
    doc_->NewDocument("Exemplo", doc_->Kind().HeaderClass, 300, 550, 130, 230);
}

void TDesenho::Tamanho(std::int32_t largura, std::int32_t altura) {
    doc_->SetBounds(doc_->Left(), doc_->Top(), largura, altura);
}

TVisualObject& TDesenho::Novo(std::int32_t kind, const std::string& nome, std::int32_t x, std::int32_t y) {
    const TVOClass* cls = doc_->Kind().ClassOfKind(kind);
    if (cls == nullptr) throw std::logic_error("no class of kind " + std::to_string(kind));
    TVisualObject& o = doc_->NewObject(*cls, {x, y});
    if (o.Desc() != nome && !doc_->RenameObject(o, nome))
        throw std::logic_error("cannot describe an object as " + nome);
    return o;
}

TVOElemento& TDesenho::Vertice(std::int32_t kind, const std::string& nome, std::int32_t x, std::int32_t y) {
    return dynamic_cast<TVOElemento&>(Novo(kind, nome, x, y));
}

TVOComp& TDesenho::Comp(std::int32_t kind, const std::string& nome, const std::string& ganho, std::int32_t x,
                        std::int32_t y) {
    auto& c = dynamic_cast<TVOComp&>(Novo(kind, nome, x, y));
    // The label of a new component shows its whole gain and follows the new one.
    if (!doc_->SetObjectGain(c, 0, ganho) || c.Lbl() != ganho)
        throw std::logic_error("gain refused: " + ganho);
    return c;
}

void TDesenho::Girar(TVOComp& comp, int vezes) {
    auto& sistema = dynamic_cast<TVFSistema&>(*doc_);
    for (int i = 0; i < vezes; ++i)
        if (!sistema.RotateObject(comp)) throw std::logic_error(comp.Desc() + " does not turn");
}

void TDesenho::Mover(TVisualObject& o, std::int32_t x, std::int32_t y) {
    if (!doc_->MoveObject(o, {x, y})) throw std::logic_error("cannot move " + o.Desc());
}

void TDesenho::MoverLegenda(TVisualObject& o, std::int32_t x, std::int32_t y) {
    if (!doc_->SetObjectLabelX(o, x) || !doc_->SetObjectLabelY(o, y))
        throw std::logic_error("cannot move the label of " + o.Desc());
}

void TDesenho::Ligar(TVOElemento& a, std::int32_t portaA, TVOElemento& b, std::int32_t portaB) {
    if (!doc_->Connect(a, portaA, b, portaB))
        throw std::logic_error("no connection from " + a.Desc() + " to " + b.Desc());
}

void TDesenho::Ligar(TVOElemento& comp, std::initializer_list<TVOElemento*> elementos) {
    std::int32_t porta = 0;
    for (TVOElemento* e : elementos)
        Ligar(comp, ++porta, *e, 1);
}

void TDesenho::Salvar(const std::string& arquivo) {
    doc_->DeselectAll();
    doc_->SaveDocument(arquivo);
}

} // namespace brelix::exemplos
