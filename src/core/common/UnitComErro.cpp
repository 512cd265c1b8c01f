#include "common/UnitComErro.h"

namespace brelix {

namespace {

std::string Compose(const std::string& fileName, int line, const std::string& what) {
    std::string text = "\"" + fileName + "\"";
    if (line > 0) text += ", linha " + std::to_string(line);
    return text + ": " + what;
}

} // namespace

EFileError::EFileError(std::string fileName, int line, const std::string& what)
    : std::runtime_error(Compose(fileName, line, what)), fileName_(std::move(fileName)), line_(line) {}

} // namespace brelix
