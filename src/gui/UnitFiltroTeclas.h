#pragma once

#include "visual/UnitPropCampos.h"

#include <QObject>

#include <functional>

class QLineEdit;

namespace brelix {

// Filters the characters typed into an edit, as the fields of the dialogs accept them: each typed
// character goes through a rule that lets it pass, turns it into another (the "." of a coefficient
// becomes ",") or discards it (0). Keys that type nothing (arrows, Delete, Return, shortcuts such as
// Ctrl+V) pass untouched; a pasted text is judged by the rules that read the field.
class TFiltroTeclas : public QObject {
    Q_OBJECT

public:
    using FRegra = std::function<char32_t(char32_t)>;
    TFiltroTeclas(QLineEdit* edit, FRegra regra);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QLineEdit* edit_;
    FRegra regra_;
};

// The filter of a property field.
void FiltrarTeclas(QLineEdit* edit, TFiltroTecla filtro);
// Coefficient K and symbol Sym of the gain entry dialog.
void FiltrarTeclasK(QLineEdit* edit);
void FiltrarTeclasSym(QLineEdit* edit);

} // namespace brelix
