#include "system/UnitVOSisTerminais.h"

#include <vector>

namespace brelix {

namespace {

// One terminal: (x, y) and outward step per orientation; a layout with two orientations gives two.
struct TTerminal {
    struct Place {
        std::int32_t X, Y, DX, DY;
    };
    std::vector<Place> Rot;
};

constexpr TTerminal::Place Left(std::int32_t x, std::int32_t y) {
    return {x, y, -1, 0};
}
constexpr TTerminal::Place Right(std::int32_t x, std::int32_t y) {
    return {x, y, 1, 0};
}
constexpr TTerminal::Place Up(std::int32_t x, std::int32_t y) {
    return {x, y, 0, -1};
}
constexpr TTerminal::Place Down(std::int32_t x, std::int32_t y) {
    return {x, y, 0, 1};
}

std::vector<TTerminal> LayoutTerminals(TSisLayout layout) {
    switch (layout) {
    case TSisLayout::DoisTerminais:
        return {{{Left(5, 15), Up(15, 5), Right(25, 15), Down(15, 25)}},
                {{Right(25, 15), Down(15, 25), Left(5, 15), Up(15, 5)}}};
    case TSisLayout::TrfEle:
        return {{{Left(5, 5), Up(25, 5)}},
                {{Left(5, 25), Up(5, 5)}},
                {{Right(25, 5), Down(25, 25)}},
                {{Right(25, 25), Down(5, 25)}}};
    case TSisLayout::TrfMct:
        return {{{Left(5, 5), Up(25, 5)}}, {{Right(25, 15), Down(15, 25)}}};
    case TSisLayout::TrfMcr:
        return {{{Left(5, 5), Up(25, 5)}}, {{Right(25, 25), Down(5, 25)}}};
    case TSisLayout::TrfHid:
        return {{{Left(5, 15), Up(15, 5)}}, {{Right(25, 15), Down(15, 25)}}};
    case TSisLayout::Reservatorio:
        // In the second orientation the second terminal sits on the left side but leaves upwards,
        // as the reservoir's inlet.
        return {{{Left(5, 20), Right(25, 20)}}, {{Right(25, 20), Up(5, 20)}}};
    case TSisLayout::AcopladorEletrico:
        return {{{Left(5, 5), Up(25, 5), Right(25, 5), Down(25, 25)}},
                {{Left(5, 25), Up(5, 5), Right(25, 25), Down(5, 25)}},
                {{Right(25, 15), Down(15, 25), Left(5, 15), Up(15, 5)}}};
    case TSisLayout::Nenhum:
        break;
    }
    return {};
}

} // namespace

TPortTable SisPortTable(const TSisKindRow& row) {
    const std::vector<TTerminal> layout = LayoutTerminals(row.Layout);
    TPortTable table;
    for (std::int32_t t = 1; t <= row.Terminals && t <= static_cast<std::int32_t>(layout.size()); ++t) {
        const TTerminal& terminal = layout[static_cast<std::size_t>(t - 1)];
        TPortGeom g;
        for (std::size_t r = 0; r < 4; ++r) {
            const TTerminal::Place& p = terminal.Rot[r % terminal.Rot.size()];
            g.X[r] = p.X;
            g.Y[r] = p.Y;
            g.DX[r] = p.DX;
            g.DY[r] = p.DY;
        }
        g.Type = SisTerminalDomain(row, t);
        g.Color = DomainColour(g.Type);
        table.push_back(g);
    }
    return table;
}

} // namespace brelix
