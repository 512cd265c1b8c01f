#pragma once

#include "visual/UnitObservadorDocumento.h"
#include "visual/UnitVisualDocumento.h"

#include <QObject>

namespace brelix {

// The one place where a document's notices become Qt signals: the document window listens to these
// and never to the document itself. It listens from construction until Desligar or its destruction.
class TSinaisDocumento : public QObject, public TObservadorDocumento {
    Q_OBJECT

public:
    explicit TSinaisDocumento(TVisualDocumento& documento, QObject* parent = nullptr);
    ~TSinaisDocumento() override;
    TSinaisDocumento(const TSinaisDocumento&) = delete;
    TSinaisDocumento& operator=(const TSinaisDocumento&) = delete;

    // Stops listening: the document is about to go.
    void Desligar();

    void ObjetoAdicionado(TVisualObject& objeto) override;
    void ObjetoRemovido(std::int32_t id) override;
    void ObjetoAlterado(TVisualObject& objeto) override;
    void DocumentoAlterado() override;
    void DocumentoRecarregado() override;
    void DocumentoSalvo() override;
    void SelecaoAlterada(TVisualObject* selecionado) override;
    void PilhaAlterada() override;

signals:
    // Something drawn changed: an object, the header, the whole document.
    void DesenhoAlterado();
    // The selection changed (the property window follows it).
    void SelecaoMudou();
    // Whether Desfazer and Refazer are possible, or whether the document matches its file, may have
    // changed; after a save also its name.
    void EstadoAlterado();

private:
    TVisualDocumento* documento_;
};

} // namespace brelix
