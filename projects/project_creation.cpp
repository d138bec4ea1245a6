#include "projects/project_creation.h"

#include <exception>

#include "app/open_document.h"
#include "platform/records.h"
#include "platform/text.h"

namespace trv {

namespace {

const char* const unknownError = "Unknow error during creating project code.";

bool digitsOfLength(const std::string& text, std::size_t length) {
    return charCount(text) == length && allAsciiDigits(text);
}

}  // namespace

const std::vector<ContractType>& contractTypes() {
    static const std::vector<ContractType> types = {
        {"C: Construction Contracts", "C"},
        {"D: Design Contracts(all types of Design)", "D"},
        {"S: Service Contracts(Laboratories,Geo Technical, Professional Services, etc)", "S"},
        {"DS: Design and Supervision", "DS"},
        {"P: Supply Contracts", "P"},
        {"M: Maintenance Contracts", "M"},
        {"B: Design and Build Contracts", "B"},
        {"FM: Facility Management Contracts", "FM"},
    };
    return types;
}

Outcome<std::string> composeProjectCode(const ProjectCodeFields& f) {
    Outcome<std::string> code;
    if (!digitsOfLength(f.year, 2))
        return code.refuse("Error : Wrong input for id year. Two digit input is expected.", Reason::Entry, "txtIdYear");
    if (!digitsOfLength(f.serial, 3))
        return code.refuse("Error : Wrong input for id serial. Three digit input is expected.", Reason::Entry,
                           "txtIdSerial");
    // The code comes from the chosen position, not from the entry's text;
    // with nothing chosen it is a construction contract.
    const auto& types = contractTypes();
    const bool chosen = f.contractType >= 0 && f.contractType < static_cast<int>(types.size());
    const std::string type = chosen ? types[static_cast<std::size_t>(f.contractType)].code : "C";
    if (!digitsOfLength(f.contractSerial, 3))
        return code.refuse("Error : Wrong input for contract serial. Three digit input is expected.", Reason::Entry,
                           "txtContSerialNmb");
    code.value = "KLV-" + f.year + f.serial + "-" + type + f.contractSerial;
    return code;
}

bool isStorableProjectName(const std::string& name) {
    // A quote would end the record's field early and a line break the
    // record; other control characters have no place in a name either.
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == '"' || c < 0x20 || c == 0x7F) return false;
        // U+0080 to U+009F, the second block of control characters.
        if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) <= 0x9F) return false;
    }
    return true;
}

std::vector<std::string> readOwnerUnitNames(Platform& platform, const OfficePaths& paths) {
    std::vector<std::string> names;
    const std::string file = paths.ownerUnitFile();
    if (!platform.fileExists(file)) return names;
    try {
        FieldReader reader(platform.readTextFile(file));
        while (!reader.atEnd()) names.push_back(reader.next(2)[0]);
    } catch (const std::exception&) {
        // A record cut short or a file that cannot be read: the names read
        // in full so far stay, and the screen opens.
    }
    return names;
}

std::optional<std::string> lookUpOwnerUnit(Platform& platform, const OfficePaths& paths,
                                           const std::string& owner) {
    FieldReader reader(platform.readTextFile(paths.ownerUnitFile()));
    std::optional<std::string> unit;
    while (!reader.atEnd()) {
        const auto record = reader.next(2);
        if (record[0] == owner) unit = record[1];
    }
    return unit;
}

ProjectCreation createProject(Platform& platform, const OfficePaths& paths, const ProjectRequest& request) {
    ProjectCreation out;
    const auto composed = composeProjectCode(request.fields);
    if (!composed.value) {
        out.sayAll(composed);
        return out;
    }
    if (!isValidUtf8(request.name)) {
        out.refuse("Error : The project name is not valid text (UTF-8).", Reason::Entry, "txtprojname");
        return out;
    }
    if (!isStorableProjectName(request.name)) {
        out.refuse("Error : A project name cannot contain double quotes or line breaks.", Reason::Entry,
                   "txtprojname");
        return out;
    }
    const std::string& code = *composed.value;
    const std::string record = paths.projectRecord(code);
    try {
        // Nothing uses the owner's unit code yet; an owner-unit file that
        // cannot be read through still stops the creation here.
        lookUpOwnerUnit(platform, paths, request.owner);
        out.code = code;
        const auto alreadyCreated = [&out, &code] {
            out.refuse("Project is already created : " + code, Reason::Exists);
            return out;
        };
        // Found without regard to letter case: a record file named in other
        // case is this project's too.
        if (platform.fileExists(record)) return alreadyCreated();

        const std::string name = toUpper(request.name);
        out.storedName = name;
        // Created whole and exclusively (through a temporary file, which no
        // listing shows): a kill never leaves an empty record that would
        // take the code for good, and of two managers creating this code at
        // once, the second writes nothing.
        if (!platform.createNewFile(record, recordLine({code, name}))) {
            out.storedName.reset();
            return alreadyCreated();
        }
        const ConfiguredPath list = paths.projectsList();
        if (!list) throw RuntimeFailure("no resource folder configured");
        platform.appendToFile(*list, recordLine({code, name, code}));
        platform.replaceWithCopy(paths.sheetTemplate(), paths.styleSheet(code));
        out.say("Success : Project is created : " + code + ".dwg");
        out.value = code;
    } catch (const std::exception&) {
        out.refuse(unknownError, Reason::Failed);
    }
    return out;
}

Outcome<Done> openStyleSheet(Platform& platform, UserInteraction& ui, const OfficePaths& paths,
                             const std::string& cadProgram, const ProjectCodeFields& fields) {
    Outcome<Done> opened;
    const auto composed = composeProjectCode(fields);
    if (!composed.value) return opened.sayAll(composed);
    const std::string drawing = paths.styleSheet(*composed.value);
    try {
        if (!platform.fileExists(drawing))
            return opened.refuse("Missing file : " + platform.displayPath(drawing), Reason::Failed);
        // The path goes as it is: the platform quotes an argument where the
        // system needs it, and the shell takes the path itself.
        if (!cadProgram.empty()) {
            platform.startProgram(cadProgram, drawing);
        } else {
            openDocumentOrChooser(platform, ui, drawing);
        }
    } catch (const std::exception&) {
        return opened.refuse(unknownError, Reason::Failed);
    }
    return Done{};
}

}  // namespace trv
