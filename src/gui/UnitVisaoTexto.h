#pragma once

#include <QAbstractListModel>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class QListView;
class QPlainTextEdit;
class QStackedLayout;

namespace brelix {

// A long sum of terms ("a + b - c ") one term per row: the rows are spans of the one text, found once,
// so the list of a polynomial of 400,000 terms is ready at once and its rows joined give the text back.
class TModeloTermos : public QAbstractListModel {
    Q_OBJECT

public:
    explicit TModeloTermos(QObject* parent = nullptr);

    void SetTexto(std::string texto);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The text of the rows, joined.
    std::string TextoDasLinhas(const std::vector<int>& linhas) const;
    const std::string& Texto() const { return texto_; }

    std::int64_t Consultas() const { return consultas_; }

private:
    std::string_view Linha(std::size_t i) const;

    std::string texto_;
    std::vector<std::size_t> inicios_; // where each row starts; the last one ends the text
    mutable std::int64_t consultas_ = 0;
};

// A read-only memo of the result windows. A text of ordinary length goes into a plain-text edit in
// one piece; one too long to be laid out without a pause (the denominator of a ten-section RLC ladder
// is 17 MB) is shown as a list of its terms, which copies back (Ctrl+C) exactly the text selected.
class TVisaoTexto : public QWidget {
    Q_OBJECT

public:
    // Texts up to this many bytes go into the edit.
    static constexpr std::size_t kLimiteMemo = 100000;

    explicit TVisaoTexto(QWidget* parent = nullptr);

    void SetTexto(std::string texto);
    void Limpar() { SetTexto({}); }
    const std::string& Texto() const;
    // Whether the text is shown term by term.
    bool EmTermos() const;

    QPlainTextEdit* Memo() const { return memo_; }
    QListView* Lista() const { return lista_; }
    const TModeloTermos& Termos() const { return *termos_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    std::string texto_; // a text shown in the edit; the list keeps its own
    QStackedLayout* pilha_;
    QPlainTextEdit* memo_;
    QListView* lista_;
    TModeloTermos* termos_;
};

} // namespace brelix
