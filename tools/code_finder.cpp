#include "tools/code_finder.h"

#include "app/program.h"
#include "platform/records.h"
#include "platform/text.h"

namespace trv {

std::vector<std::string> lookUpModelFileCode(Platform& platform, const std::string& codeFile,
                                             bool resourceFolderConfigured, const std::string& typedCode) {
    const std::vector<std::string> missing{"Missing file : " + platform.displayPath(codeFile)};
    // Without a resource folder the path would be relative to wherever the
    // program was started.
    if (!resourceFolderConfigured) return missing;
    std::string content;
    try {
        content = platform.readTextFile(codeFile);
    } catch (const RuntimeFailure&) {
        return missing;
    }
    const std::string code = toUpper(typedCode);
    std::vector<std::string> answers;
    FieldReader reader(std::move(content));
    while (!reader.atEnd()) {
        std::vector<std::string> fields;
        try {
            fields = reader.next(4);
        } catch (const ReadPastEnd&) {
            break;
        }
        if (fields[0] + fields[1] == code) answers.push_back(fields[2] + "        in       " + fields[3]);
    }
    if (answers.empty()) answers.push_back("There is no " + code + " code in FindModelFilesCodes2.csv");
    return answers;
}

void Command2_Click(Program& p) {
    const auto messages = lookUpModelFileCode(p.platform, p.paths.modelCodeFinderFile(),
                                              !p.settings.ResourcePath.empty(), p.form1.txtmodelfilecodes.text());
    for (const std::string& text : messages) p.message(text);
}

}  // namespace trv
