#include "shell/UnitDialogoVarnel.h"

namespace brelix {

TDialogoArquivo DialogoVarnel(const TResultadoFT& resultado, const TConfigOpcoes& config) {
    TDialogoArquivo dialogo;
    dialogo.Filtro = kFiltroVarnel;
    dialogo.IndiceFiltro = 1;
    dialogo.ExtensaoPadrao = kExtensaoVarnel;
    dialogo.Pasta = config.DefaultDir;
    dialogo.NomeArquivo = resultado.NomeVarnelSugerido();
    dialogo.ConfirmarSubstituicao = true;
    return dialogo;
}

} // namespace brelix
