#include "tools/code_finder.h"

#include "app/program.h"
#include "platform/records.h"
#include "platform/text.h"

namespace trv {

Outcome<Done> lookUpModelFileCode(Platform& platform, const std::string& codeFile, bool resourceFolderConfigured,
                                  const std::string& typedCode) {
    Outcome<Done> answers;
    const std::string missing = "Missing file : " + platform.displayPath(codeFile);
    // Without a resource folder the path would be relative to wherever the
    // program was started.
    if (!resourceFolderConfigured) return answers.refuse(missing, Reason::NotConfigured);
    std::string content;
    try {
        content = platform.readTextFile(codeFile);
    } catch (const RuntimeFailure&) {
        return answers.refuse(missing, Reason::Failed);
    }
    const std::string code = toUpper(typedCode);
    FieldReader reader(std::move(content));
    while (!reader.atEnd()) {
        std::vector<std::string> fields;
        try {
            fields = reader.next(4);
        } catch (const ReadPastEnd&) {
            break;
        }
        if (fields[0] + fields[1] == code) answers.say(fields[2] + "        in       " + fields[3]);
    }
    if (answers.messages.empty()) return answers.refuse("There is no " + code + " code in FindModelFilesCodes2.csv");
    answers.value = Done{};
    return answers;
}

void Command2_Click(Program& p) {
    show(p.ui, lookUpModelFileCode(p.platform, p.paths.modelCodeFinderFile(), p.paths.resourceFolderConfigured(),
                                   p.form1.txtmodelfilecodes.text()),
         &p.form1);
}

}  // namespace trv
