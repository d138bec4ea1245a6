// The record reader on any file, read a field at a time and two at a time as
// the lists are: it ends (every field read moves on), a read before atEnd()
// never fails, and the fields it read, written back as records, read back
// the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/require.h"
#include "platform/records.h"

namespace {

using trv::fuzz::require;

// Every field until atEnd(), as the program's loops read: a read before it
// never fails, and one after it finds nothing but an empty field (after a
// comma ending the last line) or the end.
std::vector<std::string> readAll(const std::string& content) {
    trv::FieldReader reader(content);
    std::vector<std::string> fields;
    while (!reader.atEnd()) {
        try {
            fields.push_back(reader.next());
        } catch (const trv::ReadPastEnd&) {
            require(false, "a read went past the end before atEnd() said so");
        }
        // A field takes at least one byte of the file.
        require(fields.size() <= content.size(), "fields read without moving on");
    }
    for (int i = 0; i < 3; ++i) {
        try {
            require(reader.next().empty(), "a field with text was read after atEnd()");
        } catch (const trv::ReadPastEnd&) {
            break;
        }
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> fields = readAll(content);

    // Pairs, as the user table and the units are read, until the data runs out.
    trv::FieldReader pairs(content);
    std::size_t paired = 0;
    try {
        while (!pairs.atEnd()) paired += pairs.next(2).size();
    } catch (const trv::ReadPastEnd&) {
        ++paired;  // an odd field left over
    }
    // (The second of a pair may be the empty field after a comma ending the file.)
    require(paired == fields.size() || paired == fields.size() + 1, "read two at a time, the file holds other fields");

    // The fields written as records of two fields each and read again. A
    // field that holds a double quote cannot be written as a record.
    std::vector<std::string> writable;
    for (const auto& f : fields)
        if (f.find('"') == std::string::npos) writable.push_back(f);
    std::string written;
    for (std::size_t i = 0; i < writable.size(); i += 2) {
        std::vector<std::string> record(writable.begin() + static_cast<std::ptrdiff_t>(i),
                                        writable.begin() + static_cast<std::ptrdiff_t>(std::min(i + 2, writable.size())));
        written += trv::recordLine(record);
    }
    require(readAll(written) == writable, "records written do not read back");
    return 0;
}
