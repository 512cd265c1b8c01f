#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace brelix {

// Where a window shows its messages: the message window, or whatever a test puts in its place.
using FMensagem = std::function<void(const std::string&)>;

// The frame of the program's modal dialogs: a title and a close button, no resizing grip on Windows.
inline constexpr Qt::WindowFlags kFlagsDialogo =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Centres a dialog on the screen of its parent (of the primary screen without one).
void CentrarNaTela(QWidget* janela);

// The message window: "Brelix", the text centred in a label 365 pixels wide and one button "Fechar".
// Every refusal of a command or dialog is shown here, modally.
class TFormMsg : public QDialog {
    Q_OBJECT

public:
    explicit TFormMsg(QWidget* parent = nullptr);

    // Puts the text in the label and shows the window modally with the focus on "Fechar"; returns
    // when the user closes it.
    void ShowMsg(const std::string& texto);
    // The text put in the label, without showing the window.
    void Preparar(const std::string& texto);

    QLabel* LabelMsg;
    QPushButton* BtnCancel;
};

} // namespace brelix
