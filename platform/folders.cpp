#include "platform/folders.h"

namespace trv {

void ensureFolder(Platform& platform, const std::string& path) {
    try {
        if (platform.testFolder(path) == FolderTest::NotFound) platform.createFolder(path);
    } catch (const std::exception&) {
    }
}

}  // namespace trv
