#pragma once

#include "core/visual/VisualTestUtil.h"
#include "support/SolucaoLinear.h"

#include "common/UnitComArquivo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

// Documents drawn as a user draws them (objects placed, ports picked pair by pair), for the tests of
// the analysis commands.
namespace apoio {

// A document drawn through the connect protocol.
class Desenho {
public:
    explicit Desenho(std::int32_t docKind, const std::string& nome = "Doc")
        : doc_(brelix::testing::NewDoc(docKind, nome)) {}

    brelix::TVisualDocumento& Doc() { return *doc_; }
    const brelix::TVisualDocumento& Doc() const { return *doc_; }
    std::unique_ptr<brelix::TVisualDocumento> Entregar() { return std::move(doc_); }

    // A vertex (graph) or variable (signal flow) with the given description.
    brelix::TVOGrfVertice& Vertice(const std::string& desc, brelix::TPonto em = {100, 100}) {
        const char* cls = doc_->DocKind() == brelix::kDocKindDFS ? "TVODFSVariavel" : "TVOGrfVertice";
        auto& v = brelix::testing::Place<brelix::TVOGrfVertice>(*doc_, cls, em);
        Renomear(v, desc);
        return v;
    }

    // A component of the class joined from `de` into its port 1 and out of its port 2 to `para`.
    brelix::TVOGrfComp& UmaPorta(const std::string& classe, const std::string& desc, const std::string& ganho,
                                 brelix::TVOGrfVertice& de, brelix::TVOGrfVertice& para) {
        auto& c = brelix::testing::Place<brelix::TVOGrfComp>(*doc_, classe);
        Renomear(c, desc);
        EXPECT_TRUE(c.SetGain(0, ganho));
        Ligar(de, c, 1);
        Ligar(para, c, 2);
        return c;
    }

    // A transmittance from `de` to `para`.
    brelix::TVOGrfComp& Transmitancia(brelix::TVOGrfVertice& de, brelix::TVOGrfVertice& para,
                                      const std::string& ganho, const std::string& desc = {}) {
        auto& c = brelix::testing::Place<brelix::TVOGrfComp>(*doc_, "TVODFSTransmitancia");
        if (!desc.empty()) Renomear(c, desc);
        EXPECT_TRUE(c.SetGain(0, ganho));
        Ligar(de, c, 1);
        Ligar(para, c, 2);
        return c;
    }

    // A two-port: first side from v1 to v2, second side from v3 to v4.
    brelix::TVOGrfComp& DuasPortas(const std::string& classe, const std::string& desc,
                                   const std::string& ganho, brelix::TVOGrfVertice& v1,
                                   brelix::TVOGrfVertice& v2, brelix::TVOGrfVertice& v3,
                                   brelix::TVOGrfVertice& v4) {
        auto& c = brelix::testing::Place<brelix::TVOGrfComp>(*doc_, classe);
        Renomear(c, desc);
        EXPECT_TRUE(c.SetGain(0, ganho));
        Ligar(v1, c, 1);
        Ligar(v2, c, 2);
        Ligar(v3, c, 3);
        Ligar(v4, c, 4);
        return c;
    }

    // Picks the vertex and then the component's port, as the connect tool does.
    void Ligar(brelix::TVOGrfVertice& v, brelix::TVOGrfComp& c, std::int32_t porta) {
        brelix::testing::PickBoth(*doc_, v, 1, c, porta);
        EXPECT_EQ(c.VertexAt(porta), &v) << c.Desc() << " port " << porta;
    }

    void Renomear(brelix::TVisualObject& o, const std::string& desc) {
        if (o.Desc() != desc) {
            EXPECT_TRUE(doc_->Objects().Rename(o.Desc(), desc)) << desc;
        }
    }

private:
    std::unique_ptr<brelix::TVisualDocumento> doc_;
};

// The document saved to a text file and read back into a new document of its kind.
inline std::unique_ptr<brelix::TVisualDocumento> SalvarERecarregar(brelix::TVisualDocumento& doc,
                                                                   const std::string& nomeBase) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("brelix_cmds_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string arquivo = (dir / (nomeBase + "." + doc.Kind().Extension)).string();
    doc.SaveDocument(arquivo);
    auto lido = brelix::MakeDocumento(doc.DocKind());
    lido->LoadFile(arquivo);
    std::error_code e;
    fs::remove_all(dir, e);
    return lido;
}

} // namespace apoio
