#pragma once

// Shared by the tests of the dialogs and windows: modal dialogs driven without sleeping, messages
// written down instead of shown, the example documents, and the texts a view shows.

#include "analysis/UnitComandoDocumento.h"
#include "support/CatalogoTeste.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brelix::testing {

// Acts on the modal dialog as soon as it is up: the timer fires inside the dialog's own event loop.
// The action closes the dialog; if a failed check left it early, the dialog is cancelled.
inline void QuandoModal(std::function<void(QWidget*)> acao) {
    QTimer::singleShot(0, [acao = std::move(acao)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            qWarning("no modal dialog is up");
            return;
        }
        acao(modal);
        if (auto* dialogo = qobject_cast<QDialog*>(modal); dialogo != nullptr && dialogo->isVisible())
            dialogo->reject();
    });
}

// The messages a window would have shown, in order.
struct TMensagens {
    std::vector<std::string> textos;
    std::function<void(const std::string&)> Funcao() {
        return [this](const std::string& t) { textos.push_back(t); };
    }
};

inline std::string Exemplo(const std::string& nome) {
    return std::string(BRELIX_EXEMPLOS) + "/" + nome;
}

inline std::unique_ptr<TVisualDocumento> AbrirExemplo(const std::string& nome) {
    return AbrirDocumento(CatalogoTeste(), Exemplo(nome));
}

// What a view shows in a cell (row and column of the model), as the user reads it.
inline std::string Celula(const QAbstractItemView* vista, int linha, int coluna = 0,
                          const QModelIndex& pai = {}) {
    const QAbstractItemModel* m = vista->model();
    return m->data(m->index(linha, coluna, pai)).toString().toStdString();
}

inline std::string Cabecalho(const QAbstractItemView* vista, int secao, Qt::Orientation o) {
    return vista->model()->headerData(secao, o).toString().toStdString();
}

// Types each character as a key press carrying it, accented letters included (which QTest::keyClicks
// does not take).
inline void Teclar(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        QKeyEvent pressao(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent soltura(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pressao);
        QApplication::sendEvent(w, &soltura);
    }
}

// Types into an edit as the user does, then presses Return.
inline void Digitar(QLineEdit* edit, const QString& texto) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, texto);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Shows a window and makes it the active one, so that focus and key events behave as on a screen.
inline bool Ativar(QWidget* janela) {
    janela->show();
    janela->activateWindow();
    return QTest::qWaitForWindowActive(janela);
}

// The widget holds the window's focus (itself or the edit inside it).
inline bool TemFoco(const QWidget* janela, const QWidget* w) {
    const QWidget* f = janela->focusWidget();
    return f != nullptr && (f == w || w->isAncestorOf(f));
}

} // namespace brelix::testing
