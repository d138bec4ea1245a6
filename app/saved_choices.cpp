#include "app/saved_choices.h"

#include "platform/records.h"

namespace trv {
namespace {

// The first `count` fields of a record-line file. A file that holds fewer
// (empty, blank lines, cut short by a full disk or a sync tool) tells no
// choice: it counts as missing, so that it never disables the program.
Saved<std::vector<std::string>> readRecord(Platform& platform, const std::string& path, std::size_t count) {
    Saved<std::vector<std::string>> saved;
    std::optional<std::string> text;
    try {
        text = platform.readPresentTextFile(path);
    } catch (const std::exception&) {
        saved.status = ReadStatus::Unreadable;
        return saved;
    }
    if (!text) return saved;
    try {
        FieldReader reader(std::move(*text));
        saved.value = reader.next(count);
        saved.status = ReadStatus::Read;
    } catch (const ReadPastEnd&) {
    }
    return saved;
}

Saved<std::string> readOneField(Platform& platform, const std::string& path) {
    const auto record = readRecord(platform, path, 1);
    return {record.status, record.read() ? record.value[0] : std::string()};
}

// Whether the file holds exactly `content`; a file that cannot be read does not.
bool holdsAlready(Platform& platform, const std::string& path, const std::string& content) {
    try {
        return platform.readFile(path) == content;
    } catch (const std::exception&) {
        return false;
    }
}

void writeRecord(Platform& platform, const AppSettings& settings, const std::string& path,
                 const std::vector<std::string>& fields) {
    if (settings.ProjectPath.empty()) throw RuntimeFailure("no projects folder configured");
    const std::string content = recordLine(fields);
    // A choice made again (start-up restores every saved choice through the
    // handlers that save them) leaves its file alone: replacing it through a
    // synced temporary costs a round trip to the file server each time.
    if (holdsAlready(platform, path, content)) return;
    platform.replaceFile(path, content);
}

}  // namespace

Saved<Project> readCurrentProject(Platform& platform, const OfficePaths& paths) {
    const auto record = readRecord(platform, paths.currentProjectFile(), 3);
    Saved<Project> saved{record.status, {}};
    if (record.read()) saved.value = {record.value[0], record.value[1], record.value[2]};
    return saved;
}

Saved<std::string> readDrawingType(Platform& platform, const OfficePaths& paths) {
    return readOneField(platform, paths.drawingTypeFile());
}

Saved<std::string> readDiscipline(Platform& platform, const OfficePaths& paths) {
    return readOneField(platform, paths.disciplineFile());
}

Saved<std::string> readFacilityNumber(Platform& platform, const OfficePaths& paths) {
    return readOneField(platform, paths.facilityNumberFile());
}

void writeCurrentProject(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                         const Project& project) {
    writeRecord(platform, settings, paths.currentProjectFile(), {project.code, project.name, project.internalCode});
}

void writeDrawingType(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                      const std::string& drawingType) {
    writeRecord(platform, settings, paths.drawingTypeFile(), {drawingType});
}

void writeDiscipline(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                     const std::string& discipline) {
    writeRecord(platform, settings, paths.disciplineFile(), {discipline});
}

void writeFacilityNumber(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                         const std::string& facility) {
    writeRecord(platform, settings, paths.facilityNumberFile(), {facility});
}

}  // namespace trv
