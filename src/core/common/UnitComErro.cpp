#include "common/UnitComErro.h"

#include "common/UnitComTexto.h"

namespace brelix {

namespace {

// The message goes to the user as it stands: a file name or a quoted text with a control character in
// it is shown escaped, whoever built the message.
std::string Compose(const std::string& fileName, int line, const std::string& what) {
    std::string text = "\"" + TextoVisivel(fileName) + "\"";
    if (line > 0) text += ", linha " + std::to_string(line);
    return text + ": " + TextoVisivel(what);
}

} // namespace

EFileError::EFileError(std::string fileName, int line, const std::string& what)
    : std::runtime_error(Compose(fileName, line, what)), fileName_(std::move(fileName)), line_(line) {}

} // namespace brelix
