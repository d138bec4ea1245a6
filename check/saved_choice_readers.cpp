#include "check/saved_choice_readers.h"

#include <exception>

#include "platform/records.h"

namespace trv::check {

std::optional<CurrentProject> readCurrentProject(Platform& platform, const OfficePaths& paths) {
    const std::string file = paths.currentProjectFile();
    if (!platform.isPresent(file)) return std::nullopt;
    try {
        FieldReader reader(platform.readFile(file));
        const auto fields = reader.next(3);
        return CurrentProject{fields[0], fields[1], fields[2]};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> readSavedDrawingType(Platform& platform, const OfficePaths& paths) {
    const std::string file = paths.drawingTypeFile();
    if (!platform.isPresent(file)) return std::nullopt;
    try {
        FieldReader reader(platform.readFile(file));
        std::string type = reader.next();
        if (type == "DESIGN" || type == "AS-BUILT") return type;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace trv::check
