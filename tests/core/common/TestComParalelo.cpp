// Splitting work over threads: every task runs once, pieces come out in order, and a failure is the
// one of the lowest task, as on one thread.

#include "common/UnitComParalelo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

using namespace brelix;

namespace {

struct LinhasFixas {
    explicit LinhasFixas(unsigned n) { DefinirLinhasDeTrabalho(n); }
    ~LinhasFixas() { DefinirLinhasDeTrabalho(0); }
};

} // namespace

TEST(Paralelo, EveryTaskRunsOnceWhateverTheThreads) {
    for (const unsigned linhas : {1U, 2U, 5U}) {
        const LinhasFixas fixas(linhas);
        std::vector<std::atomic<int>> vezes(1000);
        ParaCadaTarefa(vezes.size(), [&](std::size_t i) { ++vezes[i]; });
        for (std::size_t i = 0; i < vezes.size(); ++i)
            ASSERT_EQ(vezes[i].load(), 1) << "task " << i << " on " << linhas << " threads";
    }
}

TEST(Paralelo, TheFailureOfTheLowestTaskIsRaised) {
    for (const unsigned linhas : {1U, 3U}) {
        const LinhasFixas fixas(linhas);
        try {
            ParaCadaTarefa(200, [](std::size_t i) {
                if (i == 40 || i == 41 || i == 150) throw std::runtime_error(std::to_string(i));
            });
            FAIL() << "no failure raised on " << linhas << " threads";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "40");
        }
    }
}

TEST(Paralelo, PiecesAreHandedOverInOrderAndStopAtAFailure) {
    for (const unsigned linhas : {1U, 3U}) {
        const LinhasFixas fixas(linhas);
        std::string tudo;
        PecasEmOrdem(
            10, [](std::size_t i, std::string& out) { out = std::to_string(i) + ";"; },
            [&](std::string_view peca) { tudo += peca; });
        EXPECT_EQ(tudo, "0;1;2;3;4;5;6;7;8;9;");

        tudo.clear();
        EXPECT_THROW(PecasEmOrdem(
                         10,
                         [](std::size_t i, std::string& out) {
                             if (i == 4) throw std::runtime_error("peça 4");
                             out = std::to_string(i) + ";";
                         },
                         [&](std::string_view peca) { tudo += peca; }),
                     std::runtime_error);
        // The pieces before the failing one were handed over; none after it.
        EXPECT_EQ(tudo.substr(0, 8), "0;1;2;3;");
        EXPECT_EQ(tudo.find("5;"), std::string::npos);
    }
}
