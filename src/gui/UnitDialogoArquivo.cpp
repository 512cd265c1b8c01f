#include "gui/UnitDialogoArquivo.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace brelix {

namespace {

class TSeletorQt : public TSeletorArquivos {
public:
    std::optional<std::string> Abrir(QWidget* pai, const TDialogoArquivo& dialogo) override {
        return Mostrar(pai, dialogo, false);
    }
    std::optional<std::string> Salvar(QWidget* pai, const TDialogoArquivo& dialogo) override {
        return Mostrar(pai, dialogo, true);
    }

private:
    static std::optional<std::string> Mostrar(QWidget* pai, const TDialogoArquivo& descricao, bool salvar) {
        QFileDialog dialogo(pai);
        PrepararDialogo(dialogo, descricao, salvar);
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
        return QDir::toNativeSeparators(dialogo.selectedFiles().constFirst()).toStdString();
    }
};

} // namespace

std::unique_ptr<TSeletorArquivos> CriarSeletorArquivos() {
    return std::make_unique<TSeletorQt>();
}

QStringList FiltrosDialogo(const std::string& filtro) {
    const QStringList campos = QString::fromStdString(filtro).split(QLatin1Char('|'));
    QStringList filtros;
    for (qsizetype i = 0; i + 1 < campos.size(); i += 2) {
        const QString& descricao = campos[i];
        const QString padrao = QString(campos[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filtros << (descricao.contains(QLatin1Char('(')) ? descricao : descricao + " (" + padrao + ")");
    }
    return filtros;
}

QString ExtensaoDoFiltro(const QString& filtroDialogo) {
    static const QRegularExpression unico(QStringLiteral(R"(\(\*\.(\w+)\)$)"));
    const QRegularExpressionMatch m = unico.match(filtroDialogo.trimmed());
    return m.hasMatch() ? m.captured(1) : QString();
}

void PrepararDialogo(QFileDialog& dialogo, const TDialogoArquivo& descricao, bool salvar) {
    dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, !descricao.ConfirmarSubstituicao);
    const QStringList filtros = FiltrosDialogo(descricao.Filtro);
    dialogo.setNameFilters(filtros);
    const int indice = descricao.IndiceFiltro - 1;
    if (indice >= 0 && indice < filtros.size()) dialogo.selectNameFilter(filtros[indice]);
    if (!descricao.Pasta.empty()) dialogo.setDirectory(QString::fromStdString(descricao.Pasta));
    if (!descricao.NomeArquivo.empty())
        dialogo.selectFile(QFileInfo(QString::fromStdString(descricao.NomeArquivo)).fileName());
    dialogo.setDefaultSuffix(QString::fromStdString(descricao.ExtensaoPadrao));
    if (descricao.ExtensaoDoFiltro) {
        const auto seguir = [&dialogo](const QString& filtro) {
            const QString extensao = ExtensaoDoFiltro(filtro);
            if (!extensao.isEmpty()) dialogo.setDefaultSuffix(extensao);
        };
        seguir(dialogo.selectedNameFilter());
        QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, seguir);
    }
}

} // namespace brelix
