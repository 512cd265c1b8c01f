#pragma once

#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

// Helpers shared by the tests of the transfer-function result, its file and the Varnel export.
namespace apoio {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class PastaTemp : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("brelix_ft_" + std::to_string(::getpid()) + "_" +
                                            info->test_suite_name() + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code e;
        fs::remove_all(dir_, e);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::size_t ArquivosNaPasta() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path dir_;
};

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// A polynomial from its storage lines "K;ExpS;symbols;", in the order given.
inline brelix::TListFator Poli(const std::vector<std::string>& lines) {
    brelix::TListFator p;
    p.ReadLines(lines);
    return p;
}

inline brelix::TFuncao Funcao(const std::vector<std::string>& num, const std::vector<std::string>& den) {
    brelix::TFuncao f;
    f.Num = Poli(num);
    f.Den = Poli(den);
    return f;
}

inline brelix::TListSimboloVal Valores(std::initializer_list<std::pair<const char*, double>> items) {
    brelix::TListSimboloVal values;
    for (const auto& [name, value] : items)
        values.AddSimbolo(name, value);
    return values;
}

} // namespace apoio
