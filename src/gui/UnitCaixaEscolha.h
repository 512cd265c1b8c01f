#pragma once

#include <QComboBox>

class QDialog;
class QHBoxLayout;
class QPushButton;

#include <string>
#include <vector>

namespace brelix {

// A combo box of the choice dialogs, in which only an entry of its list can be chosen: the user picks
// from the list or types a name (completed from the list as it is typed), and a typed text becomes
// the entry it names (letter case ignored) or nothing at all as soon as the editing ends.
class TCaixaEscolha : public QComboBox {
    Q_OBJECT

public:
    explicit TCaixaEscolha(const char* nome, QWidget* parent = nullptr);

    // The list, with nothing chosen.
    void SetItens(const std::vector<std::string>& itens);
    const std::vector<std::string>& Itens() const { return itens_; }
    // Chooses the entry (or nothing for a text that names none).
    void Escolher(const std::string& texto);
    // The text shown, made an entry of the list or emptied first.
    std::string Escolhido();

private:
    void Conferir();

    std::vector<std::string> itens_;
};

// The "Calcular" and "Cancelar" row of the choice dialogs, right-aligned: "Calcular" is the default
// button and "Cancelar" rejects the dialog; neither takes Return but through the default.
QHBoxLayout* LinhaBotoesEscolha(QDialog* dialogo, QPushButton* calcular, QPushButton* cancelar);

} // namespace brelix
