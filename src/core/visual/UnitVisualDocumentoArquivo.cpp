#include "visual/UnitVisualDocumento.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOComp.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <unordered_set>

namespace brelix {

// Per-class numbers already taken, so that a large file is read in linear time.
struct TVisualDocumento::TLoadIndex {
    std::unordered_set<std::string> Nums;

    static std::string NumKey(const std::string& className, std::int32_t num) {
        return className + '\n' + IntToStr(num);
    }
    void Take(const TVisualObject& o) { Nums.insert(NumKey(o.ClassName(), o.Num())); }
};

namespace {

// The file line of a key within a block that starts at `blockLine`; the block's first line when the
// key is missing or names the first line.
std::size_t KeyLine(const std::vector<std::string>& block, const std::string& key, std::size_t blockLine) {
    if (key.empty()) return blockLine;
    const int i = TProps(block).IndexOfKey(key);
    return i < 0 ? blockLine : blockLine + static_cast<std::size_t>(i);
}

int AsLine(std::size_t line) {
    return line > 2147483647u ? 2147483647 : static_cast<int>(line);
}

bool AllBlank(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (line.find_first_not_of(" \t") != std::string::npos) return false;
    return true;
}

std::int32_t HeaderInt(const std::string& fileName, const TProps& header, const std::string& key,
                       std::int32_t min, std::int32_t max) {
    const int index = header.IndexOfKey(key);
    if (index < 0) throw EFileError(fileName, 1, "falta a chave " + key + " no cabeçalho do documento");
    const std::string text = header.Value(key);
    std::int32_t value = 0;
    if (!TryStrToInt(text, value) || value < min || value > max)
        throw EFileError(fileName, index + 1,
                         "esperava-se em " + key + " um número inteiro de " + IntToStr(min) + " a " +
                             IntToStr(max) + ", mas há " + Excerpt(text));
    return value;
}

// The control keys of a source designate a component that is not in the document: they are cleared,
// so that nothing points at an identity a new object could take.
bool ForgetMissingControl(TVOComp& source) {
    const std::int32_t id = StrToIntDef(source.Props().Value("VarID"), 0);
    if (id == 0 || dynamic_cast<const TVOComp*>(source.Owner()->FindByID(id)) != nullptr) return false;
    source.SetControlVariable({});
    return true;
}

} // namespace

TVisualObject& TVisualDocumento::Create(const TVOClass& cls, std::vector<std::string> lines,
                                        TLoadIndex* index, bool fromFile) {
    if (cls.IsAbstract()) throw std::logic_error("a classe " + cls.Name + " não tem objetos");
    std::unique_ptr<TVisualObject> o = cls.Create(cls);
    o->SetOwner(&objects_);
    o->LoadFromStrings(std::move(lines));
    o->CheckKeys();
    CheckIdentity(*o, index);
    if (const auto* cnx = dynamic_cast<const TVOConexao*>(o.get()); cnx != nullptr && fromFile) {
        // A program never writes a connection without its ends ("00" reads as 0 too).
        const std::int32_t ends[2] = {cnx->ObjID1(), cnx->ObjID2()};
        for (int k = 0; k < 2; ++k) {
            if (ends[k] != 0) continue;
            const std::string key = k == 0 ? "ObjID1" : "ObjID2";
            throw EObjectError(key, "esperava-se em " + key +
                                        " o ID de um elemento que venha antes da conexão, mas há " +
                                        Excerpt(o->Props().Value(key)));
        }
    }
    o->ApplyProperties();
    if (index != nullptr) index->Take(*o);
    return objects_.Add(std::move(o));
}

void TVisualDocumento::CheckIdentity(const TVisualObject& o, const TLoadIndex* index) const {
    if (o.ID() < 1 || o.ID() > kMaxNumero)
        throw EObjectError({}, "esperava-se \"Object <ID>: " + o.ClassName() + "\" com um ID de 1 a " +
                                   IntToStr(kMaxNumero) + ", mas há " + Excerpt(o.Props()[0]));
    if (objects_.FindByID(o.ID()) != nullptr)
        throw EObjectError({}, "o ID " + IntToStr(o.ID()) + " já é de outro objeto do documento");
    // Two objects may share a description: documents made before descriptions were kept unique
    // across classes hold such pairs, and the analysis validation reports them.
    if (o.Desc().empty()) throw EObjectError("Desc", "esperava-se a descrição do objeto em Desc");
    bool numTaken = index != nullptr && index->Nums.count(TLoadIndex::NumKey(o.ClassName(), o.Num())) > 0;
    if (index == nullptr)
        for (const TVisualObject& other : objects_)
            numTaken = numTaken || (other.ClassName() == o.ClassName() && other.Num() == o.Num());
    if (numTaken)
        throw EObjectError("Num", "o número " + IntToStr(o.Num()) + " já é de outro objeto da classe " +
                                      o.ClassName());
}

void TVisualDocumento::ReadHeader(const std::string& fileName, const std::vector<std::string>& lines,
                                  std::size_t count) {
    const std::string expected = ObjectLine(0, kind_->HeaderClass);
    if (count == 0) throw EFileError(fileName, 1, "o arquivo está vazio; esperava-se \"" + expected + "\"");
    if (lines[0] != expected)
        throw EFileError(fileName, 1, "esperava-se \"" + expected + "\", mas há " + Excerpt(lines[0]));
    for (std::size_t i = 1; i < count; ++i)
        if (ParseObjectLine(lines[i]).Valid)
            throw EFileError(fileName, AsLine(i + 1),
                             "esperava-se \"end\" ao fim do cabeçalho, antes do primeiro objeto");
    TProps header(
        std::vector<std::string>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count)));
    const std::int32_t left = HeaderInt(fileName, header, "Left", -kMaxCoord, kMaxCoord);
    const std::int32_t top = HeaderInt(fileName, header, "Top", -kMaxCoord, kMaxCoord);
    const std::int32_t width = HeaderInt(fileName, header, "Width", 0, kMaxCoord);
    const std::int32_t height = HeaderInt(fileName, header, "Height", 0, kMaxCoord);
    header_ = std::move(header);
    SetBounds(left, top, width, height);
}

void TVisualDocumento::LoadDocument(const std::string& fileName, const std::vector<std::string>& lines) {
    Reset();
    // The window redraws whatever was read, also when a damaged file stopped the reading.
    struct TAvisoRecarga {
        TVisualDocumento& Doc;
        ~TAvisoRecarga() {
            Doc.Notificar([](TObservadorDocumento& o) { o.DocumentoRecarregado(); });
            Doc.Notificar([](TObservadorDocumento& o) { o.PilhaAlterada(); });
        }
    } aviso{*this};
    fileName_ = fileName;
    isNew_ = false;
    modified_ = false;
    // The header runs to the first "end" after the first line; the search stops at the last line.
    std::size_t end = 1;
    while (end + 1 < lines.size() && lines[end] != "end")
        ++end;
    ReadHeader(fileName, lines, std::min(end, lines.size()));
    LoadObjectLines(fileName, lines, end + 1, 1);
    modified_ = false;
}

void TVisualDocumento::LoadFile(const std::string& fileName) {
    LoadDocument(fileName, ReadTextLines(fileName));
}

void TVisualDocumento::LoadObjects(const std::vector<std::string>& lines) {
    LoadObjectLines(fileName_, lines, 0, 1);
}

void TVisualDocumento::LoadObjectLines(const std::string& source, const std::vector<std::string>& lines,
                                       std::size_t from, std::size_t lineNumberBase) {
    TLoadIndex index;
    for (const TVisualObject& o : objects_)
        index.Take(o);
    // Controlled sources may name components further down the file; they are checked at the end.
    std::vector<std::pair<TVOComp*, std::size_t>> sources;
    const auto lineOf = [lineNumberBase](std::size_t i) { return lineNumberBase + i; };
    try {
        std::vector<std::string> block;
        std::size_t blockLine = 0;
        for (std::size_t i = from; i < lines.size(); ++i) {
            if (lines[i] != "end") {
                if (block.empty()) blockLine = lineOf(i);
                block.push_back(lines[i]);
                continue;
            }
            if (block.empty())
                throw EFileError(source, AsLine(lineOf(i)),
                                 "bloco vazio: esperava-se \"Object <ID>: <classe>\" antes de \"end\"");
            const TObjectLine head = ParseObjectLine(block.front());
            if (!head.Valid)
                throw EFileError(source, AsLine(blockLine),
                                 "esperava-se \"Object <ID>: <classe>\", mas há " + Excerpt(block.front()));
            // A class this kind of document does not hold is passed over.
            if (const TVOClass* cls = kind_->FindClass(head.ClassName)) {
                try {
                    TVisualObject& o = Create(*cls, block, &index, true);
                    if (auto* comp = dynamic_cast<TVOComp*>(&o); comp != nullptr && comp->HasControl())
                        sources.emplace_back(comp, blockLine);
                } catch (const EObjectError& e) {
                    throw EFileError(source, AsLine(KeyLine(block, e.Key(), blockLine)), e.what());
                }
            }
            block.clear();
        }
        if (!AllBlank(block))
            throw EFileError(source, AsLine(lineOf(lines.size() - 1)),
                             "o arquivo termina dentro do objeto da linha " +
                                 IntToStr(static_cast<std::int64_t>(blockLine)) + "; esperava-se \"end\"");
    } catch (...) {
        for (auto& [comp, line] : sources)
            ForgetMissingControl(*comp);
        objects_.RecomputeLastID();
        throw;
    }
    objects_.RecomputeLastID();
    for (auto& [comp, line] : sources) {
        const std::string varId = comp->Props().Value("VarID");
        const std::size_t at = KeyLine(comp->Props().Lines(), "VarID", line);
        if (!ForgetMissingControl(*comp)) continue;
        for (auto& [other, otherLine] : sources)
            ForgetMissingControl(*other);
        throw EFileError(source, AsLine(at),
                         "esperava-se em VarID o ID de um componente do documento, mas há " + Excerpt(varId) +
                             "; a variável de controle foi apagada");
    }
}

std::vector<std::string> TVisualDocumento::Text(const std::string& fileName) const {
    // A document made without NewDocument still writes a header of its kind.
    TProps header = header_.Count() > 0 ? header_ : TProps({ObjectLine(0, kind_->HeaderClass)});
    header.SetValue("Desc", std::filesystem::path(fileName).stem().string());
    header.SetValue("Left", IntToStr(left_));
    header.SetValue("Top", IntToStr(top_));
    header.SetValue("Width", IntToStr(width_));
    header.SetValue("Height", IntToStr(height_));
    std::vector<std::string> lines = header.Lines();
    lines.emplace_back("end");
    objects_.GetText(lines);
    return lines;
}

void TVisualDocumento::SaveDocument(const std::string& name, const TOpcoesGravacao& opcoes) {
    EndDrag();
    const std::string target = name.empty() ? fileName_ : name;
    if (target.empty()) throw EFileError(target, "o documento não tem nome de arquivo");
    std::vector<std::string> lines = Text(target);
    WriteTextLines(target, lines, opcoes);
    const std::string desc = Desc();
    fileName_ = target;
    const auto headerEnd = std::find(lines.begin(), lines.end(), "end");
    header_.Assign(std::vector<std::string>(lines.begin(), headerEnd));
    isNew_ = false;
    modified_ = false;
    objects_.SetAllModified(false);
    pilha_.MarcarLimpo();
    // The description becomes the file's name.
    if (Desc() != desc) Notificar([](TObservadorDocumento& o) { o.DocumentoAlterado(); });
    Notificar([](TObservadorDocumento& o) { o.DocumentoSalvo(); });
    Notificar([](TObservadorDocumento& o) { o.PilhaAlterada(); });
}

} // namespace brelix
