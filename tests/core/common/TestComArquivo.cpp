#include "common/UnitComArquivo.h"

#include "support/PastaTemp.h"

#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace brelix;
namespace fs = std::filesystem;

using TempDir = apoio::PastaTemp;
using apoio::Slurp;

TEST(Encoding, Windows1252RoundTripOfEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Win1252ToUtf8(all);
    const auto back = Utf8ToWin1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Encoding, PortugueseTextAndTheEuroSign) {
    EXPECT_EQ(Win1252ToUtf8("Fun\xE7\xE3o"), "Função");
    EXPECT_EQ(Win1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Utf8ToWin1252("não").value(), "n\xE3o");
}

TEST(Encoding, CharactersOutsideWindows1252AreRefused) {
    EXPECT_FALSE(Utf8ToWin1252("Ω").has_value());
    EXPECT_FALSE(Utf8ToWin1252("\xFF\xFE").has_value()); // not UTF-8
    EXPECT_FALSE(Utf8ToWin1252("\xC3").has_value());     // truncated sequence
    EXPECT_FALSE(FitsWin1252("漢字"));
    EXPECT_TRUE(FitsWin1252("Sistema -> Função de Transferência"));
}

TEST(Lines, AnyLineEndSplitsAndAFinalEndAddsNoLine) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST_F(TempDir, WrittenLinesEndInCrLfAndReadBack) {
    const std::string file = Path("doc.txt");
    WriteTextLines(file, {"Object 1: TVODFSVar", "Desc=Função", ""});
    EXPECT_EQ(Slurp(file), "Object 1: TVODFSVar\r\nDesc=Fun\xE7\xE3o\r\n\r\n");
    EXPECT_EQ(ReadTextLines(file), (std::vector<std::string>{"Object 1: TVODFSVar", "Desc=Função", ""}));
}

TEST_F(TempDir, AFailedWriteKeepsTheOldFile) {
    const std::string file = Path("keep.txt");
    WriteTextLines(file, {"old"});
    EXPECT_THROW(WriteTextLines(file, {"new", "Ω"}), EFileError);
    EXPECT_EQ(Slurp(file), "old\r\n");
    // Nothing else is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempDir, AnUnwritableFolderRaisesAnErrorNamingTheFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const std::string file = Path("ro.txt");
    WriteTextLines(file, {"old"});
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        WriteTextLines(file, {"new"});
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), file);
        EXPECT_NE(std::string(e.what()).find("ro.txt"), std::string::npos);
    }
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(Slurp(file), "old\r\n");
}

TEST_F(TempDir, WritingOverAFolderOrIntoAMissingFolderFails) {
    EXPECT_THROW(WriteTextLines(dir_.string(), {"x"}), EFileError);
    EXPECT_THROW(WriteTextLines(Path("missing/doc.txt"), {"x"}), EFileError);
}

TEST_F(TempDir, ReadingAMissingFileOrAFolderRaisesAnErrorNamingIt) {
    try {
        ReadTextLines(Path("none.grf"));
        FAIL() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("none.grf"), std::string::npos);
    }
    EXPECT_THROW(ReadTextLines(dir_.string()), EFileError);
}
