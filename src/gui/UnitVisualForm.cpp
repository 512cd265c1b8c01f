#include "gui/UnitVisualForm.h"

#include "gui/UnitDialogos.h"
#include "gui/UnitSinaisDocumento.h"
#include "shell/UnitAreaTrabalho.h"
#include "system/UnitVFSistema.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScrollArea>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace brelix {

namespace {

TPonto Local(const TVisualObject& o, TPonto ponto) {
    return {ponto.X - o.Left(), ponto.Y - o.Top()};
}

} // namespace

TVisualForm::TVisualForm(TVisualDocumento& documento, TAreaTrabalho& area, TDialogos& dialogos,
                         int topoMinimo)
    : QWidget(nullptr, Qt::Window), documento_(&documento), area_(area), dialogos_(dialogos),
      rolagem_(new QScrollArea(this)), canvas_(new TCanvasDocumento(documento)),
      sinais_(new TSinaisDocumento(documento, this)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rolagem_);
    rolagem_->setWidget(canvas_);
    rolagem_->setWidgetResizable(true);
    rolagem_->setBackgroundRole(QPalette::Base);
    rolagem_->setFrameShape(QFrame::NoFrame);
    setFocusProxy(canvas_);
    canvas_->SetResposta(this);

    connect(sinais_, &TSinaisDocumento::DesenhoAlterado, canvas_, &TCanvasDocumento::Atualizar);
    connect(sinais_, &TSinaisDocumento::SelecaoMudou, this, &TVisualForm::SelecaoMudou);
    connect(sinais_, &TSinaisDocumento::EstadoAlterado, this, [this] {
        AtualizarTitulo();
        emit EstadoAlterado();
    });

    // A document read from a file or made by a conversion shows without a selection.
    documento.DeselectAll();
    posicionando_ = true;
    setGeometry(documento.Left(), std::max(documento.Top(), topoMinimo), documento.Width(),
                documento.Height());
    posicionando_ = false;
    AtualizarTitulo();
}

TVisualForm::~TVisualForm() {
    canvas_->SetResposta(nullptr);
}

void TVisualForm::Desligar() {
    if (documento_ == nullptr) return;
    sinais_->Desligar();
    canvas_->SetResposta(nullptr);
    documento_ = nullptr;
    hide();
    deleteLater();
}

void TVisualForm::AtualizarTitulo() {
    if (documento_ == nullptr) return;
    setWindowTitle(QString::fromStdString(documento_->FileName()) + QStringLiteral("[*]"));
    setWindowModified(documento_->NeedsSave());
}

void TVisualForm::Pressionar(TPonto ponto, TMouseButton botao) {
    if (documento_ == nullptr) return;
    TVisualDocumento& doc = *documento_;
    // A press makes the document the active one, as activating its window does.
    area_.SetActiveDocument(&doc);
    if (TVisualObject* o = doc.Objects().ElementAt(ponto)) {
        auto* sistema = dynamic_cast<TVFSistema*>(&doc);
        if (sistema == nullptr || !sistema->RotateClicked(*o, botao)) {
            if (doc.PressObject(*o, Local(*o, ponto), ponto, botao) == TObjectPress::Dragging)
                arrastado_ = o->ID();
        }
    } else if (botao == TMouseButton::Left) {
        doc.ClickAt(ponto, area_.SelectedClass());
    }
    // Picked ports are no edit and send no notice; they are drawn all the same.
    canvas_->Atualizar();
}

void TVisualForm::Mover(TPonto ponto, bool esquerdo) {
    if (documento_ == nullptr) return;
    if (arrastado_ != 0 && esquerdo && documento_->Dragging()) {
        if (TVisualObject* o = documento_->Objects().FindByID(arrastado_))
            documento_->DragObject(*o, ponto, documento_->Height());
        return;
    }
    MostrarDica(ponto);
}

void TVisualForm::Soltar(TPonto ponto, TMouseButton botao) {
    if (documento_ == nullptr || arrastado_ == 0) return;
    TVisualObject* o = documento_->Objects().FindByID(arrastado_);
    arrastado_ = 0;
    if (o != nullptr && botao == TMouseButton::Left && documento_->Dragging())
        documento_->ReleaseObject(*o, Local(*o, ponto));
    else
        documento_->EndDrag();
    canvas_->Atualizar();
}

bool TVisualForm::Tecla(int tecla, Qt::KeyboardModifiers) {
    if (documento_ == nullptr || tecla != Qt::Key_Delete) return false;
    documento_->DeleteSelected();
    canvas_->Atualizar();
    return true;
}

void TVisualForm::MostrarDica(TPonto ponto) {
    QString dica;
    if (documento_->Mode() == kModeSelecionar)
        if (const TVisualObject* o = documento_->Objects().ElementAt(ponto);
            o != nullptr && InsideSensitive(*o, Local(*o, ponto)))
            dica = QString::fromStdString(o->HintText());
    if (dica == canvas_->toolTip()) return;
    canvas_->setToolTip(dica);
    if (dica.isEmpty()) QToolTip::hideText();
}

void TVisualForm::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) Ativado();
}

void TVisualForm::Ativado() {
    if (documento_ == nullptr) return;
    area_.SetActiveDocument(documento_);
    // The selection clears on activation, which brings up the document's own property window (through
    // the notice of the new selection); not while a press that arrived first selects or drags an object.
    const bool limpar = !documento_->Dragging() && QGuiApplication::mouseButtons() == Qt::NoButton;
    if (limpar)
        documento_->DeselectAll();
    else
        dialogos_.MostrarPropriedades(*documento_);
    canvas_->update();
}

void TVisualForm::SelecaoMudou() {
    if (documento_ != nullptr && area_.Ativo() == documento_) dialogos_.MostrarPropriedades(*documento_);
}

void TVisualForm::closeEvent(QCloseEvent* evento) {
    // The workspace decides (the save question); when the document closes it comes back through
    // Desligar, which hides this window.
    evento->ignore();
    if (documento_ != nullptr) area_.FecharDocumento(*documento_);
}

void TVisualForm::moveEvent(QMoveEvent* evento) {
    QWidget::moveEvent(evento);
    InformarGeometria(false);
}

void TVisualForm::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    InformarGeometria(true);
}

void TVisualForm::InformarGeometria(bool redimensionada) {
    if (documento_ == nullptr || posicionando_ || !isVisible()) return;
    const QRect g = geometry();
    if (!redimensionada) {
        documento_->SetBounds(g.x(), g.y(), documento_->Width(), documento_->Height());
        return;
    }
    const bool antes = documento_->NeedsSave();
    documento_->SetBounds(g.x(), g.y(), documento_->Width(), documento_->Height());
    documento_->Resized(g.width(), g.height());
    canvas_->Atualizar();
    if (documento_->NeedsSave() != antes) {
        AtualizarTitulo();
        emit EstadoAlterado();
    }
}

} // namespace brelix
