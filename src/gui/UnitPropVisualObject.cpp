#include "gui/UnitPropVisualObject.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace brelix {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TJanelaPropVisualObject::TJanelaPropVisualObject(TPropWindow familia, const char* nome,
                                                 std::unique_ptr<TPropVisualObject> regra,
                                                 TServicosPropriedades servicos, QWidget* parent)
    : TJanelaProp(familia, nome, std::move(servicos), parent), regra_(std::move(regra)) {
    for (const TCampoProp& campo : CamposDaJanela(familia)) {
        switch (campo.Tipo) {
        case TTipoCampo::Edit:
        case TTipoCampo::EditSomenteLeitura:
            NovoCampo(campo, Acao(campo.Nome));
            break;
        case TTipoCampo::Ganho:
            NovaLinhaGanho(campo);
            break;
        case TTipoCampo::Combo:
            if (campo.Nome == "CBVarCtrl") NovaVarCtrl(campo);
            break;
        }
    }
}

std::function<TRespostaCampo(const std::string&)> TJanelaPropVisualObject::Acao(const std::string& nome) {
    using FReturn = TRespostaCampo (TPropVisualObject::*)(std::string_view);
    static const std::pair<const char*, FReturn> acoes[] = {
        {"EdtNum", &TPropVisualObject::ReturnNum},   {"EdtDesc", &TPropVisualObject::ReturnDesc},
        {"EdtLeft", &TPropVisualObject::ReturnLeft}, {"EdtTop", &TPropVisualObject::ReturnTop},
        {"EdtLbl", &TPropVisualObject::ReturnLbl},   {"EdtLblX", &TPropVisualObject::ReturnLblX},
        {"EdtLblY", &TPropVisualObject::ReturnLblY},
    };
    for (const auto& [campo, acao] : acoes)
        if (nome == campo) return [this, acao = acao](const std::string& t) { return ((*regra_).*acao)(t); };
    return {};
}

void TJanelaPropVisualObject::NovaLinhaGanho(const TCampoProp& campo) {
    const std::size_t indice = ganhos_.size();
    TLinhaGanho linha{new QLabel(this), new QLineEdit(this), new QPushButton(QStringLiteral("..."), this)};
    linha.Rotulo->setObjectName(Q("Label" + campo.Nome));
    linha.Ganho->setObjectName(Q("Edt" + campo.Nome));
    linha.Ganho->setReadOnly(true);
    linha.Botao->setObjectName(Q("Btn" + campo.Nome));
    linha.Botao->setToolTip(QStringLiteral("Alterar Ganho"));
    linha.Botao->setFixedWidth(28);
    linha.Botao->setAutoDefault(false);
    connect(linha.Botao, &QPushButton::clicked, this, [this, indice] { EditarGanho(indice); });
    const int r = grade_->rowCount();
    grade_->addWidget(linha.Rotulo, r, 0, 1, 3);
    grade_->addWidget(linha.Ganho, r + 1, 0, 1, 2);
    grade_->addWidget(linha.Botao, r + 1, 2);
    ganhos_.push_back(linha);
}

void TJanelaPropVisualObject::NovaVarCtrl(const TCampoProp& campo) {
    CBVarCtrl = new QComboBox(this);
    CBVarCtrl->setObjectName(Q(campo.Nome));
    CBVarCtrl->setEditable(true);
    CBVarCtrl->setInsertPolicy(QComboBox::NoInsert);
    connect(CBVarCtrl, &QComboBox::activated, this, &TJanelaPropVisualObject::EscolherVarCtrl);
    connect(CBVarCtrl->lineEdit(), &QLineEdit::returnPressed, this, &TJanelaPropVisualObject::DigitarVarCtrl);
    const int r = grade_->rowCount();
    grade_->addWidget(new QLabel(Q(campo.Rotulo), this), r, 0);
    grade_->addWidget(CBVarCtrl, r, 1, 1, 2);
}

TVisualObject* TJanelaPropVisualObject::Objeto() const {
    return doc_ == nullptr ? nullptr : regra_->Objeto();
}

void TJanelaPropVisualObject::Mostrar(TVisualDocumento& doc, const TVisualObject* objeto) {
    if (objeto == nullptr) {
        Esquecer();
        return;
    }
    doc_ = &doc;
    regra_->Show(doc, *objeto);
    Atualizar();
}

void TJanelaPropVisualObject::Atualizar() {
    if (doc_ == nullptr) return;
    const TValoresPropriedades v = regra_->Valores();
    const std::pair<const char*, const std::string*> valores[] = {
        {"EdtNum", &v.Num}, {"EdtDesc", &v.Desc}, {"EdtLeft", &v.Left}, {"EdtTop", &v.Top},
        {"EdtLbl", &v.Lbl}, {"EdtLblX", &v.LblX}, {"EdtLblY", &v.LblY},
    };
    for (const auto& [nome, valor] : valores)
        if (QLineEdit* campo = Campo(nome)) campo->setText(Q(*valor));
    PreencherComponentes(regra_->ComponenteSelecionado());
    const std::vector<TPainelGanho> paineis = regra_->PaineisGanho();
    for (std::size_t i = 0; i < ganhos_.size(); ++i) {
        const bool tem = i < paineis.size();
        ganhos_[i].Rotulo->setText(tem ? Q(paineis[i].Rotulo) : QString());
        ganhos_[i].Ganho->setText(tem ? Q(paineis[i].Ganho) : QString());
        ganhos_[i].Botao->setEnabled(tem);
    }
    if (CBVarCtrl == nullptr) return;
    const QSignalBlocker bloqueio(CBVarCtrl);
    CBVarCtrl->clear();
    for (const std::string& candidato : regra_->CandidatosVarCtrl())
        CBVarCtrl->addItem(Q(candidato));
    MostrarVarCtrl(regra_->VarCtrl());
}

void TJanelaPropVisualObject::Esquecer() {
    doc_ = nullptr;
    for (const auto& linha : ganhos_) {
        linha.Ganho->clear();
        linha.Botao->setEnabled(false);
    }
    for (const char* nome : {"EdtNum", "EdtDesc", "EdtLeft", "EdtTop", "EdtLbl", "EdtLblX", "EdtLblY"})
        if (QLineEdit* campo = Campo(nome)) campo->clear();
    PreencherComponentes(-1);
    if (CBVarCtrl != nullptr) CBVarCtrl->clear();
}

void TJanelaPropVisualObject::EditarGanho(std::size_t linha) {
    if (doc_ == nullptr || !servicos_.EditarGanho) return;
    const std::vector<TPainelGanho> paineis = regra_->PaineisGanho();
    if (linha >= paineis.size()) return;
    const std::optional<std::string> ganho = servicos_.EditarGanho(paineis[linha]);
    if (!ganho) return;
    regra_->AplicarGanho(linha, *ganho);
    Atualizar();
}

void TJanelaPropVisualObject::MostrarVarCtrl(const std::string& nome) {
    const QSignalBlocker bloqueio(CBVarCtrl);
    const int indice = CBVarCtrl->findText(Q(nome), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    CBVarCtrl->setCurrentIndex(indice);
    CBVarCtrl->setEditText(Q(nome));
}

void TJanelaPropVisualObject::EscolherVarCtrl(int indice) {
    if (doc_ == nullptr || indice < 0) return;
    MostrarVarCtrl(regra_->EscolherVarCtrl(CBVarCtrl->itemText(indice).toStdString()));
}

void TJanelaPropVisualObject::DigitarVarCtrl() {
    if (doc_ == nullptr) return;
    MostrarVarCtrl(regra_->DigitarVarCtrl(CBVarCtrl->currentText().toStdString()));
}

TJanelaPropVisualObject* CriarPropVOVrt(TServicosPropriedades servicos, QWidget* parent) {
    return new TJanelaPropVisualObject(TPropWindow::Vrt, "PropVOVrt", std::make_unique<TPropVisualObject>(),
                                       std::move(servicos), parent);
}

TJanelaPropVisualObject* CriarPropVOCnx(TServicosPropriedades servicos, QWidget* parent) {
    return new TJanelaPropVisualObject(TPropWindow::Cnx, "PropVOCnx", std::make_unique<TPropVisualObject>(),
                                       std::move(servicos), parent);
}

TJanelaPropVisualObject* CriarPropVOGrfComp(TPropWindow familia, TServicosPropriedades servicos,
                                            QWidget* parent) {
    const char* nome = familia == TPropWindow::GrfComp4      ? "PropVOGrfComp4"
                       : familia == TPropWindow::GrfCompCtrl ? "PropVOGrfCompCtrl"
                                                             : "PropVOGrfComp";
    return new TJanelaPropVisualObject(familia, nome, std::make_unique<TPropVOGrfComp>(), std::move(servicos),
                                       parent);
}

} // namespace brelix
