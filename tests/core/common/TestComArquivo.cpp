// The file boundary: Windows-1252 <-> UTF-8 conversion, line splitting at every line end, CR LF text
// files, atomic replacement, and errors that name the file.

#include "common/UnitComArquivo.h"

#include "support/PastaTemp.h"

#include "common/UnitComCodificacao.h"
#include "common/UnitComErro.h"

#include <gtest/gtest.h>

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
