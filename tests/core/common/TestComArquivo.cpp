// The file boundary: Windows-1252 <-> UTF-8 conversion, line splitting at every line end, CR LF text
// files, atomic replacement, and errors that name the file.

#include "common/UnitComArquivo.h"

#include "support/PastaTemp.h"

#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

using namespace brelix;
using TempDir = apoio::PastaTemp;
using apoio::Slurp;

TEST(Encoding, EveryByteRoundTripsAndUnmappableOrInvalidTextIsRefused) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
    EXPECT_EQ(Win1252ToUtf8("Fun\xE7\xE3o \x80"), "Função €");
    for (const char* bad : {"Ω", "漢字", "\xFF\xFE", "\xC3"}) // the last two are not UTF-8
        EXPECT_FALSE(Utf8ToWin1252(bad).has_value()) << bad;
    // Only the shortest form of a character is UTF-8: an overlong carriage return (two and three
    // bytes) would otherwise become a line break in the file; surrogates, values past U+10FFFF and
    // cut sequences are not characters either.
    for (const char* bad : {"a\xC0\x8D"
                            "b",
                            "\xC1\xBF", "\xE0\x80\x8D", "\xF0\x80\x80\x8D", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xE2\x82", "\x80"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
        EXPECT_FALSE(Utf8ToWin1252(bad).has_value()) << bad;
    }
    EXPECT_TRUE(IsValidUtf8("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"));
    // Appended to what is there, ASCII runs copied whole: the same bytes, or a refusal.
    for (const char* text : {"", "K;0;R1.L1;", "Função € ok", "a\x01\x7F", "Ω", "ab\xC3", "x\xC0\x8D"}) {
        std::string out = "pre";
        const auto esperado = Utf8ToWin1252(text);
        EXPECT_EQ(AppendWin1252(out, text), esperado.has_value()) << text;
        if (esperado) {
            EXPECT_EQ(out, "pre" + *esperado) << text;
        }
    }
}

TEST(Lines, AnyLineEndSplitsAndAFinalEndAddsNoLine) {
    using L = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (L{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (L{"a"}));
    EXPECT_EQ(SplitLines("a\r\r\nb"), (L{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST_F(TempDir, WrittenLinesEndInCrLfAndAFailedWriteKeepsTheOldFile) {
    const std::string file = Path("doc.txt");
    const std::vector<std::string> lines = {"Object 1: TVODFSVar", "Desc=Função", ""};
    const std::string bytes = "Object 1: TVODFSVar\r\nDesc=Fun\xE7\xE3o\r\n\r\n";
    WriteTextLines(file, lines);
    EXPECT_EQ(Slurp(file), bytes);
    EXPECT_EQ(ReadTextLines(file), lines);
    try {
        WriteTextLines(file, {"new", "Ω"});
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), file);
        EXPECT_EQ(e.Line(), 2);
    }
    EXPECT_EQ(Slurp(file), bytes);
    EXPECT_EQ(ArquivosNaPasta(), 1u); // no temporary file left beside it
    if (::geteuid() == 0) return;     // root writes into read-only folders
    std::filesystem::permissions(dir_,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(WriteTextLines(file, {"new"}), EFileError); // the temporary file cannot be made
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    EXPECT_EQ(Slurp(file), bytes);
}

TEST_F(TempDir, WritingOrReadingWhereNoFileCanBeRaisesAnErrorNamingIt) {
    EXPECT_THROW(WriteTextLines(dir_.string(), {"x"}), EFileError);
    EXPECT_THROW(WriteTextLines(Path("missing/doc.txt"), {"x"}), EFileError);
    EXPECT_THROW(ReadTextLines(dir_.string()), EFileError);
    try {
        ReadTextLines(Path("none.grf"));
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(Path("none.grf")), std::string::npos) << e.what();
    }
}

// What a name designates is kept: links are followed, what is no regular file is refused, the
// permissions and the other names of a file stay.
TEST_F(TempDir, TheAtomicWriterReplacesOnlyARegularFileAndKeepsItsLinksAndPermissions) {
    namespace fs = std::filesystem;
    const auto modo = [](const std::string& p) { return fs::status(p).permissions() & fs::perms::mask; };
    // Not a regular file: a fifo, a socket and, where a test may make one, a device.
    ASSERT_EQ(::mkfifo(Path("fila").c_str(), 0644), 0);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    const std::string soquete = Path("sq");
    ASSERT_LT(soquete.size(), sizeof endereco.sun_path);
    std::copy(soquete.begin(), soquete.end(), endereco.sun_path);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco), 0);
    std::vector<std::pair<std::string, std::string>> especiais = {{"fila", "fifo"}, {"sq", "soquete"}};
    if (::geteuid() == 0 && ::mknod(Path("nulo").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        especiais.push_back({"nulo", "dispositivo"});
    for (const auto& [nome, tipo] : especiais) {
        try {
            WriteFileAtomically(Path(nome), "x");
            ADD_FAILURE() << nome << " was written";
        } catch (const EFileError& e) {
            EXPECT_NE(std::string(e.what()).find(tipo), std::string::npos) << e.what();
        }
        EXPECT_FALSE(fs::is_regular_file(Path(nome))) << nome;
    }
    ::close(s);

    // A link is followed, relative or absolute, through a chain; the target is replaced in its own
    // folder, where the temporary file was made; a link to nothing makes the file it names.
    fs::create_directory(Path("pasta"));
    apoio::Spit(Path("pasta/alvo.fts"), "velho");
    fs::create_symlink("pasta/alvo.fts", Path("rel"));
    fs::create_symlink(Path("rel"), Path("abs"));
    WriteFileAtomically(Path("abs"), "novo");
    EXPECT_TRUE(fs::is_symlink(Path("rel")) && fs::is_symlink(Path("abs")));
    EXPECT_EQ(Slurp(Path("pasta/alvo.fts")), "novo");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("pasta")), fs::directory_iterator()), 1);
    fs::create_symlink("pasta/novo.fts", Path("pendente"));
    WriteFileAtomically(Path("pendente"), "criado");
    EXPECT_EQ(Slurp(Path("pasta/novo.fts")), "criado");
    fs::create_symlink(Path("laco2"), Path("laco1"));
    fs::create_symlink(Path("laco1"), Path("laco2"));
    EXPECT_THROW(WriteFileAtomically(Path("laco1"), "x"), EFileError);

    // Every hard link of the file sees the new bytes; the permission bits stay.
    fs::create_hard_link(Path("pasta/alvo.fts"), Path("outro-nome"));
    fs::permissions(Path("outro-nome"), fs::perms::owner_read | fs::perms::owner_write);
    WriteFileAtomically(Path("pasta/alvo.fts"), "os dois");
    EXPECT_EQ(Slurp(Path("outro-nome")), "os dois");
    EXPECT_EQ(fs::hard_link_count(Path("outro-nome")), 2u);
    EXPECT_EQ(modo(Path("pasta/alvo.fts")), fs::perms::owner_read | fs::perms::owner_write);
    apoio::Spit(Path("grupo"), "g");
    fs::permissions(Path("grupo"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileAtomically(Path("grupo"), "g2");
    EXPECT_EQ(modo(Path("grupo")), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A read-only file only when the user said so, and it stays read-only.
    apoio::Spit(Path("ro.fts"), "guardado");
    fs::permissions(Path("ro.fts"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(ArquivoSomenteLeitura(Path("ro.fts")));
    EXPECT_FALSE(ArquivoSomenteLeitura(Path("grupo")));
    EXPECT_THROW(WriteFileAtomically(Path("ro.fts"), "perdido"), EFileError);
    EXPECT_EQ(Slurp(Path("ro.fts")), "guardado");
    WriteFileAtomically(Path("ro.fts"), "pedido", {.SobrescreverSomenteLeitura = true});
    EXPECT_EQ(Slurp(Path("ro.fts")), "pedido");
    EXPECT_EQ(modo(Path("ro.fts")), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(TempDir, TwoNamesAreTheSameFileThroughLinksDotsAndHardLinks) {
    apoio::Spit(Path("a.sis"), "a");
    apoio::Spit(Path("b.sis"), "b");
    std::filesystem::create_symlink(Path("a.sis"), Path("ligado.fts"));
    std::filesystem::create_hard_link(Path("a.sis"), Path("duro.fts"));
    EXPECT_TRUE(MesmoArquivo(Path("a.sis"), dir_.string() + "/./x/../a.sis"));
    EXPECT_TRUE(MesmoArquivo(Path("ligado.fts"), Path("a.sis")));
    EXPECT_TRUE(MesmoArquivo(Path("duro.fts"), Path("a.sis")));
    EXPECT_TRUE(MesmoArquivo(Path("novo.fts"), dir_.string() + "//novo.fts")); // not there yet
    EXPECT_FALSE(MesmoArquivo(Path("a.sis"), Path("b.sis")));
    EXPECT_FALSE(MesmoArquivo(Path("novo.fts"), Path("novo.vrn")));
}
