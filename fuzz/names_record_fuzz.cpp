// One names record, as a names file line or a helion-cli --natal/--diurnal option holds
// it, through the parser, the input checks and the reading of an accepted record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/input/chart_input.h"
#include "core/input/names_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view record(reinterpret_cast<const char*>(data), size);
    const helion::NamesRecordParse parse = helion::parseNamesRecord(record);
    if (!parse.texts) return 0;
    const helion::TypedInput typed = helion::typedInput(*parse.texts);
    if (helion::validateChartInput(typed, typed, true).empty()) {
        const helion::ChartInput natal = helion::readNatalInput(typed);
        helion::rolledDateNotices(natal, helion::readDiurnalInput(typed, natal), helion::DateOrder::YearMonthDay);
    }
    helion::inputWindowFaults(*parse.texts);
    return 0;
}
