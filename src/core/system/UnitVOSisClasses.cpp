#include "system/UnitVOSisClasses.h"

#include "system/UnitSisTipo.h"
#include "system/UnitVFSistema.h"
#include "system/UnitVOSisComp.h"
#include "system/UnitVOSisTerminais.h"

#include <array>
#include <deque>

namespace brelix {

namespace {

// Sensitive-rectangle inset of a vertex.
constexpr std::int32_t kMarginVertice = 4;

TVOClass Abstract(std::string name, const TVOClass& parent, TPropWindow window) {
    TVOClass c;
    c.Name = std::move(name);
    c.Parent = &parent;
    c.PropWindow = window;
    return c;
}

const char* DomainInfix(std::int32_t domain) {
    static const char* const infixes[] = {"Ele", "Mct", "Mcr", "Hid"};
    return infixes[domain - 2];
}

// Every descriptor and data row, built once in place: the descriptors point at each other, the
// factories at the data rows and the data rows at their port tables.
struct TSisClasses {
    TVOClass SisComp = Abstract("TVOSisComp", ClassVOComp(), TPropWindow::SisComp);
    TVOClass SisVertice = Abstract("TVOSisVertice", ClassVOVertice(), TPropWindow::Vrt);
    TVOClass SisConexao = Abstract("TVOSisConexao", ClassVOConexao(), TPropWindow::Cnx);
    TVOClass Acp = Abstract("TVOAcp", SisComp, TPropWindow::SisComp4);
    std::array<TVOClass, 4> DomainComp;
    std::array<TVOClass, 4> CompCtrl;
    std::deque<TSisCompData> Data;
    std::deque<TVOClass> Kinds; // kind k at k - 1

    TSisClasses() {
        for (std::int32_t d = 2; d <= 5; ++d) {
            const std::size_t i = static_cast<std::size_t>(d - 2);
            DomainComp[i] =
                Abstract(std::string("TVO") + DomainInfix(d) + "Comp", SisComp, TPropWindow::SisComp);
            DomainComp[i].Domain = d;
            CompCtrl[i] = Abstract(std::string("TVO") + DomainInfix(d) + "CompCtrl", DomainComp[i],
                                   TPropWindow::SisCompCtrl);
            CompCtrl[i].Domain = d;
        }
        for (const TSisKindRow& row : SisKinds())
            Kinds.push_back(Make(row));
    }
    TSisClasses(const TSisClasses&) = delete;
    TSisClasses& operator=(const TSisClasses&) = delete;

    const TVOClass& Parent(const TSisKindRow& row) const {
        switch (row.Familia) {
        case TSisFamilia::Vertice:
            return SisVertice;
        case TSisFamilia::Conexao:
            return SisConexao;
        case TSisFamilia::Acoplador:
            return Acp;
        case TSisFamilia::CompCtrl:
            return CompCtrl[static_cast<std::size_t>(row.Domain - 2)];
        case TSisFamilia::Comp:
        case TSisFamilia::Referencia:
            break;
        }
        return DomainComp[static_cast<std::size_t>(row.Domain - 2)];
    }

    TVOClass Make(const TSisKindRow& row) {
        TVOClass c;
        c.Name = row.ClassName;
        c.Parent = &Parent(row);
        c.Kind = row.Kind;
        c.Domain = row.Domain;
        c.PropWindow = row.Dialog;
        const std::int32_t domain = row.Domain;
        switch (row.Familia) {
        case TSisFamilia::Vertice:
            c.Margin = kMarginVertice;
            c.Create = [domain](const TVOClass& cls) -> std::unique_ptr<TVisualObject> {
                return std::make_unique<TVOSisVertice>(cls, domain);
            };
            return c;
        case TSisFamilia::Conexao:
            c.Create = [domain](const TVOClass& cls) -> std::unique_ptr<TVisualObject> {
                return std::make_unique<TVOSisConexao>(cls, domain);
            };
            return c;
        default:
            break;
        }
        TSisCompData& data = Data.emplace_back();
        data.Row = &row;
        data.Ports = SisPortTable(row);
        data.Comp.NumPorts = row.Terminals;
        data.Comp.Ports = &data.Ports;
        data.Comp.NumSides = row.Sides;
        data.Comp.GainSymbols = row.Symbols;
        data.Comp.GainDescriptions = row.Labels;
        data.Comp.ControlNames = row.ControlNames;
        data.Comp.Controlled = row.Familia == TSisFamilia::CompCtrl;
        const TSisCompData* ptr = &data;
        c.Create = [ptr](const TVOClass& cls) -> std::unique_ptr<TVisualObject> {
            return std::make_unique<TVOSisComp>(cls, *ptr);
        };
        return c;
    }
};

const TSisClasses& Classes() {
    static const TSisClasses classes;
    return classes;
}

} // namespace

const TVOClass& ClassSisComp() {
    return Classes().SisComp;
}
const TVOClass& ClassSisVertice() {
    return Classes().SisVertice;
}
const TVOClass& ClassSisConexao() {
    return Classes().SisConexao;
}

const TVOClass& ClassSisDomainComp(std::int32_t domain) {
    if (!DominioFisico(domain)) return Classes().Acp;
    return Classes().DomainComp[static_cast<std::size_t>(domain - kDominioEletrico)];
}

const TVOClass& ClassSisCompCtrl(std::int32_t domain) {
    const std::int32_t d = DominioFisico(domain) ? domain : kDominioEletrico;
    return Classes().CompCtrl[static_cast<std::size_t>(d - kDominioEletrico)];
}

const TVOClass* SisClassOfKind(std::int32_t kind) {
    const auto& kinds = Classes().Kinds;
    if (kind < 1 || kind > static_cast<std::int32_t>(kinds.size())) return nullptr;
    return &kinds[static_cast<std::size_t>(kind - 1)];
}

const TVOClass* SisVertexClass(std::int32_t domain) {
    return SisClassOfKind(TipoVerticeDoDominio(domain));
}

const TVOClass* SisWireClass(std::int32_t domain) {
    // The four wire kinds follow the couplers, one per domain in domain order.
    constexpr std::int32_t kPrimeiroFio = 49;
    if (!DominioFisico(domain)) return nullptr;
    return SisClassOfKind(kPrimeiroFio + domain - kDominioEletrico);
}

TDocKindInfo SistemaDocKindInfo() {
    TDocKindInfo info;
    info.DocKind = kDocKindSistema;
    info.HeaderClass = "TSistema";
    info.Extension = "sis";
    info.CaptionPrefix = "Sistema";
    for (const TVOClass& c : Classes().Kinds)
        info.Classes.push_back(&c);
    info.MakeDocument = [](const TDocKindInfo& kind) -> std::unique_ptr<TVisualDocumento> {
        return std::make_unique<TVFSistema>(kind);
    };
    return info;
}

} // namespace brelix
