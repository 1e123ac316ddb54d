#pragma once
// Saving the natal window's person into a names file: the record written, the question
// asked for each person of the same name, and the replacement of the whole file.
//
// The new file is made in memory from the old one (its lines kept as they are, the
// records the user chose to replace left out, the new record last) and written in one
// atomic replace, so a crash leaves the old file or the new one whole. The old file is
// kept beside it as the backup, its extension replaced by OLD.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_write.h"
#include "core/base/message.h"
#include "core/input/chart_input.h"
#include "core/input/names_file.h"

namespace helion {

inline constexpr const char* kNameCommaText =
    "You cannot have a comma in the name. Please remove the comma and try again.";

// "Ann,07 Mar 1952,10.30,A,5,74.00,40.43": the date in "dd mmm yyyy", the time H.MM,
// longitude and latitude D.MM with two decimals, negative east and south, the zone as typed.
std::string namesRecordLine(const InputWindowTexts& texts);

// The date, time and half-day fields of that record: "07 Mar 1952", "10.30" and "A".
std::string recordDateText(const TypedInput& typed);
std::string recordTimeText(const TypedInput& typed);
const char* recordMeridiemText(Meridiem meridiem);

// The refusal of a save before any file is touched: a comma in the name, or data that
// would not read back as a record (an empty name would even end the list there).
std::optional<Message> namesSaveRefusal(const InputWindowTexts& texts);

// The question asked when `existing` bears the new name, compared without regard to case.
Message replaceNameQuestion(std::string_view newName, const NameRecord& existing);

// The question asked before a save makes a names file that does not exist yet.
Message createNamesFileQuestion(const std::filesystem::path& namesFile);

// The records of the file whose name equals `name` without regard to case.
std::vector<NameRecord> recordsNamed(const NamesFile& file, std::string_view name);

// The whole new file: every line of the old text up to the end of its list, without the
// lines in `replacedLines` (1-based), then the new record, then the line that ends the list
// and what follows it when anything does; CR LF after every line.
std::string namesFileAfterSave(std::string_view oldText, const std::vector<int>& replacedLines,
                               std::string_view newRecord);

// NAMES.FIL -> NAMES.OLD: the path with its last three characters replaced by OLD.
std::filesystem::path namesBackupPath(const std::filesystem::path& namesFile);

// Writes one whole file in one step.
using FileReplace = std::function<FileWrite(const std::filesystem::path&, std::string_view, LinkAtPath)>;

// Keeps the old content as the backup, then replaces the names file with `newText`, each
// through `replace` (writeFileAtomically unless a test injects a failure). A names file
// reached through a link is written where the link leads; a backup that is a link is
// replaced itself. A "Warning!" naming the file that could not be written; the names file
// is then left as it was.
std::optional<Message> replaceNamesFile(
    const std::filesystem::path& namesFile, std::string_view oldText, std::string_view newText,
    const FileReplace& replace = [](const std::filesystem::path& path, std::string_view text, LinkAtPath link) {
        return writeFileAtomically(path, text, link);
    });

}  // namespace helion
