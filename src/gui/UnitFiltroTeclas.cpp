#include "gui/UnitFiltroTeclas.h"

#include "symbolic/UnitPropVOGanho.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace brelix {

TFiltroTeclas::TFiltroTeclas(QLineEdit* edit, FRegra regra)
    : QObject(edit), edit_(edit), regra_(std::move(regra)) {
    edit->installEventFilter(this);
}

bool TFiltroTeclas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != edit_ || evento->type() != QEvent::KeyPress) return false;
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString texto = tecla->text();
    // Keys that type nothing, and control characters (Backspace, Return, Tab, Escape), pass.
    if (texto.isEmpty() || texto.front().unicode() < 0x20 || texto.front().unicode() == 0x7F) return false;
    QString inserido;
    for (const char32_t c : texto.toUcs4()) {
        const char32_t aceito = regra_(c);
        if (aceito != 0) inserido += QString::fromUcs4(&aceito, 1);
    }
    if (inserido == texto) return false;
    if (!inserido.isEmpty() && !edit_->isReadOnly()) edit_->insert(inserido);
    return true;
}

void FiltrarTeclas(QLineEdit* edit, TFiltroTecla filtro) {
    if (filtro == TFiltroTecla::Qualquer) return;
    new TFiltroTeclas(edit, [filtro](char32_t c) { return AceitaTecla(filtro, c) ? c : char32_t{0}; });
}

void FiltrarTeclasK(QLineEdit* edit) {
    new TFiltroTeclas(edit, [](char32_t c) { return FiltrarTeclaK(c); });
}

void FiltrarTeclasSym(QLineEdit* edit) {
    new TFiltroTeclas(edit, [](char32_t c) { return AceitaTeclaSym(c) ? c : char32_t{0}; });
}

} // namespace brelix
