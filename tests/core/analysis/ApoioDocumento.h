#pragma once

// Documents drawn as a user draws them (objects placed, renamed, given gains, joined port by port,
// all through the document's editing operations) for the tests of the analysis commands, and a
// document saved to its file and read back.

#include "core/visual/VisualTestUtil.h"
#include "support/SolucaoLinear.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include <unistd.h>

namespace apoio {

class Desenho {
public:
    explicit Desenho(std::int32_t docKind, const std::string& nome = "Doc")
        : doc_(brelix::testing::NewDoc(docKind, nome)) {}

    brelix::TVisualDocumento& Doc() { return *doc_; }

    // A vertex (graph) or variable (signal flow) with the given description.
    brelix::TVOGrfVertice& Vertice(const std::string& desc) {
        const char* cls = doc_->DocKind() == brelix::kDocKindDFS ? "TVODFSVariavel" : "TVOGrfVertice";
        auto& v = brelix::testing::Place<brelix::TVOGrfVertice>(*doc_, cls);
        Renomear(v, desc);
        return v;
    }

    // An element of the class whose ports 1, 2, ... are joined to the vertices in turn: a one-port
    // runs from the first to the second, a two-port's second side from the third to the fourth. An
    // empty description keeps the one the document gives.
    brelix::TVOGrfComp& Elemento(const std::string& classe, const std::string& desc, const std::string& ganho,
                                 std::initializer_list<brelix::TVOGrfVertice*> vertices) {
        auto& c = brelix::testing::Place<brelix::TVOGrfComp>(*doc_, classe);
        if (!desc.empty()) Renomear(c, desc);
        EXPECT_TRUE(doc_->SetObjectGain(c, 0, ganho));
        std::int32_t porta = 1;
        for (brelix::TVOGrfVertice* v : vertices) {
            // The vertex first and then the component's port, as the connect tool picks them.
            EXPECT_TRUE(doc_->Connect(*v, 1, c, porta));
            EXPECT_EQ(c.VertexAt(porta), v) << c.Desc() << " port " << porta;
            ++porta;
        }
        return c;
    }

    brelix::TVOGrfComp& Transmitancia(brelix::TVOGrfVertice& de, brelix::TVOGrfVertice& para,
                                      const std::string& ganho) {
        return Elemento("TVODFSTransmitancia", "", ganho, {&de, &para});
    }

    void Renomear(brelix::TVisualObject& o, const std::string& desc) {
        if (o.Desc() != desc) {
            EXPECT_TRUE(doc_->RenameObject(o, desc)) << desc;
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
    auto lido = CatalogoTeste().Make(doc.DocKind());
    lido->LoadFile(arquivo);
    std::error_code e;
    fs::remove_all(dir, e);
    return lido;
}

} // namespace apoio
