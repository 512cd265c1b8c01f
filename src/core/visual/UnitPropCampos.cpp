#include "visual/UnitPropCampos.h"

#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"

namespace brelix {

namespace {

constexpr char32_t kBackspace = 8;

bool Digit(char32_t key) {
    return key >= U'0' && key <= U'9';
}

bool AsciiLetter(char32_t key) {
    return (key >= U'a' && key <= U'z') || (key >= U'A' && key <= U'Z');
}

TCampoProp Edit(const char* nome, const char* rotulo, TFiltroTecla filtro) {
    return {nome, rotulo, TTipoCampo::Edit, filtro};
}

} // namespace

bool AceitaTecla(TFiltroTecla filtro, char32_t key) {
    if (key == kBackspace) return true;
    switch (filtro) {
    case TFiltroTecla::Digitos:
        return Digit(key);
    case TFiltroTecla::Descricao:
        return Digit(key) || AsciiLetter(key) || key == U'_';
    case TFiltroTecla::Inteiro:
        return Digit(key) || key == U'-';
    case TFiltroTecla::Qualquer:
        break;
    }
    return true;
}

bool AceitaTexto(TFiltroTecla filtro, std::string_view text) {
    if (filtro == TFiltroTecla::Qualquer) return true;
    // The other filters let ASCII through only, so each byte is a character.
    for (const char c : text) {
        const auto key = static_cast<unsigned char>(c);
        if (key == kBackspace || !AceitaTecla(filtro, key)) return false;
    }
    return true;
}

std::int32_t LinhasDeGanho(TPropWindow janela) {
    switch (janela) {
    case TPropWindow::GrfComp:
    case TPropWindow::GrfCompCtrl:
    case TPropWindow::SisComp:
    case TPropWindow::SisCompCtrl:
        return 1;
    case TPropWindow::SisComp2:
        return 2;
    case TPropWindow::GrfComp4:
    case TPropWindow::SisComp4:
        return 4;
    case TPropWindow::VisualForm:
    case TPropWindow::Vrt:
    case TPropWindow::Cnx:
        break;
    }
    return 0;
}

std::vector<TCampoProp> CamposDaJanela(TPropWindow janela) {
    const TCampoProp componentes{"CBComp", "Componentes", TTipoCampo::Combo, TFiltroTecla::Qualquer};
    if (janela == TPropWindow::VisualForm)
        return {componentes,
                {"EdtDesc", "Descrição", TTipoCampo::EditSomenteLeitura, TFiltroTecla::Descricao},
                Edit("EdtAltura", "Altura", TFiltroTecla::Digitos),
                Edit("EdtLargura", "Largura", TFiltroTecla::Digitos)};
    std::vector<TCampoProp> campos = {componentes, Edit("EdtNum", "Número", TFiltroTecla::Digitos),
                                      Edit("EdtDesc", "Descrição", TFiltroTecla::Descricao)};
    // A connection's place follows its ends.
    if (janela != TPropWindow::Cnx) {
        campos.push_back(Edit("EdtLeft", "Posição X", TFiltroTecla::Digitos));
        campos.push_back(Edit("EdtTop", "Posição Y", TFiltroTecla::Digitos));
    }
    campos.push_back(Edit("EdtLbl", "Legenda", TFiltroTecla::Qualquer));
    campos.push_back(Edit("EdtLblX", "Legenda X", TFiltroTecla::Inteiro));
    campos.push_back(Edit("EdtLblY", "Legenda Y", TFiltroTecla::Inteiro));
    for (std::int32_t i = 1; i <= LinhasDeGanho(janela); ++i)
        campos.push_back({"Ganho" + IntToStr(i), "", TTipoCampo::Ganho, TFiltroTecla::Qualquer});
    if (janela == TPropWindow::GrfCompCtrl || janela == TPropWindow::SisCompCtrl)
        campos.push_back({"CBVarCtrl", "Var. Controle", TTipoCampo::Combo, TFiltroTecla::Qualquer});
    return campos;
}

std::string MensagemInteiro(std::string_view texto, std::int32_t min, std::int32_t max) {
    try {
        StrToInt(texto);
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "'" + std::string(texto) + "' está fora do intervalo de " + IntToStr(min) + " a " + IntToStr(max);
}

} // namespace brelix
