#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace brelix {

class TListVisualObject;
class TVOComp;
struct TVOClass;

// Pieces shared by the completeness checks of the signal-flow and linear-graph documents.

// Appends the description of every object of the class (or below it), in document order, that fails
// its completeness test (IsConnected).
void AddDesconectados(const TListVisualObject& objetos, const TVOClass& classe,
                      std::vector<std::string>& problemas);

// Names that must be told apart in lists where letter case is ignored.
class TNomesRepetidos {
public:
    // True the first time a name comes again (ignoring the case of ASCII letters); a name repeated
    // three times is reported once.
    bool Repete(std::string_view nome);

private:
    std::unordered_set<std::string> vistos_;
    std::unordered_set<std::string> repetidos_;
};

// Whether one of the component's gains names the symbol reserved for the closing branch.
bool UsaSimboloDFS(const TVOComp& comp);

} // namespace brelix
