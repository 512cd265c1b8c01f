#pragma once

#include "analysis/UnitVisaoGrade.h"
#include "analysis/UnitVisaoVerificacao.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelix {
class TResultadoFT;
struct TConteudoMason;
struct TCandidatosFT;
} // namespace brelix

namespace brelix::cli {

struct TRelatorioFT;

// Writes one JSON value piece by piece: objects and arrays are opened and closed, commas come by
// themselves. Texts are UTF-8 and pass through, with quotes, backslashes and control characters
// escaped; reals take 17 significant digits and the JSON decimal point, non-finite ones null.
class TJson {
public:
    TJson& AbrirObjeto();
    TJson& FecharObjeto();
    TJson& AbrirLista();
    TJson& FecharLista();
    TJson& Chave(std::string_view nome);
    TJson& Texto(std::string_view texto);
    TJson& Real(double valor);
    TJson& Inteiro(long long valor);
    TJson& Logico(bool valor);
    TJson& Nulo();
    TJson& Textos(const std::vector<std::string>& textos);

    // The text written so far, with a final line end.
    std::string Resultado() const { return texto_ + "\n"; }

private:
    void Separar();

    std::string texto_;
    std::vector<bool> primeiro_; // per open object or array: nothing written in it yet
    bool depoisDeChave_ = false;
};

// The pieces the commands put into their objects.
void JsonRecusa(TJson& j, const TRecusa& recusa);
void JsonGrade(TJson& j, const TGradeTexto& grade);
void JsonFT(TJson& j, const TRelatorioFT& relatorio);

} // namespace brelix::cli
