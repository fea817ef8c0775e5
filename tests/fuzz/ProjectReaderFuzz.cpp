// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the project-file reader. Whatever the bytes, reading must not crash,
// hang or touch memory it does not own; and a file that reads, once applied to a design and
// written out again, must read back to the very same file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/DesignOperations.h"
#include "project/DesignFormState.h"
#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "project/TextEncoding.h"

namespace {

class QuietMessages : public tidewell::UserMessages {
public:
    using UserMessages::Show;
    tidewell::MessageAnswer Show(const tidewell::Message&) override {
        return tidewell::MessageAnswer::Ok;
    }
};

// The file text of the design a project file gives when opened into a new project.
bool OpenedFileText(const std::string& bytes, std::string& text) {
    const tidewell::ProjectParse parse = tidewell::ParseProject(bytes);
    if (parse.status != tidewell::ProjectParseStatus::Read) return false;
    tidewell::DesignRecord design;
    design.ProgramVersion = "4.6";
    tidewell::NewProject(design);
    tidewell::DesignFormState form;
    QuietMessages messages;
    tidewell::ApplyProject(parse.data, design, form, messages);
    text = tidewell::ProjectFileText(design);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string written;
    if (!OpenedFileText(bytes, written)) return 0;
    std::string rewritten;
    if (!OpenedFileText(tidewell::EncodeFileText(written), rewritten) || rewritten != written) {
        __builtin_trap();
    }
    return 0;
}
