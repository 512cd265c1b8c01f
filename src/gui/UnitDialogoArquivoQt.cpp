#include "gui/UnitDialogoArquivoQt.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace brelix {

QString FiltrosQt(const std::string& filtro) {
    const QStringList partes = QString::fromStdString(filtro).split(QLatin1Char('|'));
    QStringList filtros;
    for (qsizetype i = 0; i < partes.size(); i += 2) {
        const QString padrao = i + 1 < partes.size() ? partes[i + 1] : QString();
        // A description that does not show its patterns gets them, so the toolkit can read them.
        filtros << (partes[i].contains(QLatin1Char('(')) || padrao.isEmpty()
                        ? partes[i]
                        : partes[i] + QStringLiteral(" (") +
                              QString(padrao).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filtros.join(QStringLiteral(";;"));
}

std::optional<std::string> DialogoSalvarQt(QWidget* pai, const TDialogoArquivo& dialogo) {
    QFileDialog janela(pai);
    janela.setAcceptMode(QFileDialog::AcceptSave);
    janela.setFileMode(QFileDialog::AnyFile);
    const QString filtros = FiltrosQt(dialogo.Filtro);
    janela.setNameFilter(filtros);
    const QStringList lista = filtros.split(QStringLiteral(";;"));
    if (dialogo.IndiceFiltro >= 1 && dialogo.IndiceFiltro <= lista.size())
        janela.selectNameFilter(lista[dialogo.IndiceFiltro - 1]);
    if (!dialogo.ExtensaoPadrao.empty())
        janela.setDefaultSuffix(QString::fromStdString(dialogo.ExtensaoPadrao));
    if (!dialogo.Pasta.empty()) janela.setDirectory(QString::fromStdString(dialogo.Pasta));
    if (!dialogo.NomeArquivo.empty()) janela.selectFile(QString::fromStdString(dialogo.NomeArquivo));
    janela.setOption(QFileDialog::DontConfirmOverwrite, !dialogo.ConfirmarSubstituicao);
    if (janela.exec() != QDialog::Accepted || janela.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(janela.selectedFiles().front()).toStdString();
}

} // namespace brelix
