#include "ApoioCli.h"

#include <algorithm>

// The files a command reads and writes: it never writes over the document it reads nor twice into one
// file, whatever names lead there; a failure after some file was written says which; nothing a
// document holds can reach the terminal as a control character; and a number past the range of the
// reals is refused, naming where it arose, instead of printing or writing NaN or an infinity.

using namespace apoiocli;
namespace fs = std::filesystem;

class CliArquivos : public apoio::PastaTemp {};

namespace {

const std::string kUso = "\nUse brelix-cli --help para ver o uso.\n";

bool TemControle(const std::string& texto) {
    return std::any_of(texto.begin(), texto.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && c != '\n') || b == 0x7F;
    });
}

} // namespace

TEST_F(CliArquivos, AnOutputThatIsTheInputOrAnotherOutputIsRefusedBeforeAnythingIsWritten) {
    fs::copy_file(Exemplo("serie-rlc.sis"), Path("rlc.sis"));
    const std::string original = apoio::Slurp(Path("rlc.sis"));
    ASSERT_EQ(Brelix({"ft", "rlc.sis", "--input", "E(Vs)", "--output", "E(C1)", "-o", "f.fts"}, dir_).Status,
              0);
    fs::create_symlink("rlc.sis", Path("ligado.grf"));
    fs::create_hard_link(Path("f.fts"), Path("duro.vrn"));
    fs::create_directory(Path("sub"));
    const std::string ft = "ft rlc.sis --input E(Vs) --output E(C1) ";
    const std::vector<TComando> casos = {
        {ft + "-o rlc.sis", 2,
         "brelix-cli: -o rlc.sis é o próprio arquivo de entrada rlc.sis, que seria substituído; escolha "
         "outro nome" +
             kUso},
        {ft + "--varnel sub/../rlc.sis", 2, "brelix-cli: --varnel sub/../rlc.sis é o próprio arquivo de..."},
        {"convert rlc.sis -o ligado.grf", 2, "brelix-cli: -o ligado.grf é o próprio arquivo de entrada..."},
        {ft + "-o o.fts --varnel ./o.fts", 2,
         "brelix-cli: -o o.fts e --varnel ./o.fts são o mesmo arquivo: um substituiria o outro; escolha "
         "outro nome" +
             kUso},
        {"show f.fts --varnel duro.vrn", 2,
         "brelix-cli: --varnel duro.vrn é o próprio arquivo de entrada..."},
        // A name the writer cannot take is found before the first file is written.
        {ft + "-o n.fts --varnel falta/x.vrn", 2,
         "brelix-cli: \"falta/x.vrn\": não foi possível gravar o arquivo: a pasta falta não existe; nada "
         "foi gravado\n"},
        {ft + "-o sub --varnel n.vrn", 2, "brelix-cli: \"sub\": é uma pasta, não um arquivo\n"},
    };
    Conferir(casos, dir_);
    EXPECT_EQ(apoio::Slurp(Path("rlc.sis")), original);
    EXPECT_TRUE(fs::is_symlink(Path("ligado.grf")));
    EXPECT_EQ(fs::hard_link_count(Path("f.fts")), 2u);
    for (const char* nome : {"o.fts", "n.fts", "n.vrn"})
        EXPECT_FALSE(fs::exists(Path(nome))) << nome;
}

TEST_F(CliArquivos, AFailureAfterAFileWasWrittenSaysWhatWasWrittenAndWhatFailed) {
    // The name of the Varnel file is longer than a folder entry can be: it fails only when written.
    const std::string longo = std::string(300, 'v') + ".vrn";
    const TExecucao r = Brelix({"ft", Exemplo("serie-rlc.sis"), "--input", "E(Vs)", "--output", "E(C1)", "-o",
                                "ok.fts", "--varnel", longo},
                               dir_);
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Saida, "");
    EXPECT_NE(r.Erros.find("não foi possível gravar o arquivo"), std::string::npos) << r.Erros;
    EXPECT_TRUE(r.Erros.ends_with(
        "brelix-cli: a função de transferência foi salva em ok.fts; o arquivo do Varnel não foi salvo.\n"))
        << r.Erros;
    EXPECT_TRUE(fs::exists(Path("ok.fts")));
}

TEST_F(CliArquivos, ControlCharactersOfAFileReachTheTerminalEscaped) {
    // A damaged line holding terminal sequences (clear the screen, set the title, ring the bell, and
    // the C1 control that the undefined Windows-1252 byte 9D becomes), and a function file whose
    // names hold them.
    std::string sis = apoio::Slurp(Exemplo("serie-rlc.sis"));
    sis.replace(sis.find("Num=1"), 5, "Num=\x1b[2J\x1b]0;x\x07\x9d");
    apoio::Spit(Path("d.sis"), sis);
    apoio::Spit(Path("f.fts"), "E\x1b[31m\x9d\r\nS\x07\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"check", "d.sis"}, {"show", "f.fts"}, {"show", "f.fts", "--json"}}) {
        const TExecucao r = Brelix(args, dir_);
        SCOPED_TRACE(args[0] + " " + args[1]);
        EXPECT_FALSE(TemControle(r.Saida)) << r.Saida;
        EXPECT_FALSE(TemControle(r.Erros)) << r.Erros;
        EXPECT_EQ((r.Saida + r.Erros).find("\xc2\x9d"), std::string::npos);
        EXPECT_NE((r.Saida + r.Erros).find(args.size() == 3 ? "\\u001b[31m" : "\\x1b"), std::string::npos)
            << r.Saida << r.Erros;
    }
}

TEST_F(CliArquivos, NumbersPastTheRangeOfTheRealsAreRefusedNamingWhereTheyArise) {
    // An example edited as text: the first line of each `de` becomes its `para`.
    using TTrocas = std::vector<std::pair<std::string, std::string>>;
    const auto editar = [this](const std::string& exemplo, const std::string& nome, const TTrocas& trocas) {
        std::string texto = apoio::Slurp(Exemplo(exemplo));
        for (const auto& [de, para] : trocas)
            texto.replace(texto.find(de + "\r\n"), de.size(), para);
        apoio::Spit(Path(nome), texto);
    };
    editar("serie-rlc.sis", "minimo.sis", {{"Gain=C1", "Gain=1E-310.C1"}}); // its reciprocal is infinite
    editar("lacos-dfs.dfs", "grande.dfs", {{"Gain=G1", "Gain=1E200.G1"}, {"Gain=G2", "Gain=1E200.G2"}});
    editar("fonte-controlada.grf", "r1.grf", {{"Gain=R1", "Gain=1E-310.R1"}}); // F(R1) = 1E310.E(R1)
    const std::string ft = "ft " + Exemplo("serie-rlc.sis") + " --input E(Vs) --output E(C1) ";
    const std::string limite = " passa do limite dos números reais";
    const std::string c1 =
        "Sistema não validado.\nO ganho 1E-310.C1 de C1 não pode ser convertido: o inverso do "
        "seu coeficiente" +
        limite + ".\n";
    const std::string r1 =
        "O ganho de uma transmitância para F(R1)" + limite + ": reveja os coeficientes dos ganhos.\n";
    const std::vector<TComando> casos = {
        {ft + "--set R1=1E308 --set L1=1E308 --set C1=1E308 -o v.fts --varnel v.vrn", 1,
         "A função de transferência não pode ser avaliada com estes valores: o coeficiente de S^2 do "
         "denominador" +
             limite + ".\n"},
        {ft + "--set L1=1E-10 --set C1=1E-300", 1,
         "A função de transferência não pode ser avaliada com estes valores: o coeficiente de S^0 do "
         "denominador" +
             limite + ".\n"},
        {"check minimo.sis", 1, c1},
        {"ft minimo.sis --input E(Vs) --output E(C1)", 1, c1},
        {"ft grande.dfs --input X1 --output X6", 1,
         "O coeficiente do termo G1.G2.G3.G4.G5 do numerador" + limite + ".\n"},
        {"ft r1.grf --input E(Vs) --output E(R3)", 1, r1},
        {"convert r1.grf -o r1.dfs", 1, r1},
    };
    Conferir(casos, dir_);
    for (const char* nome : {"v.fts", "v.vrn", "r1.dfs"})
        EXPECT_FALSE(fs::exists(Path(nome))) << nome;
}
