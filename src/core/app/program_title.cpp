#include "core/app/program_title.h"

#include "core/reports/number_format.h"

namespace helion {

std::string clockCaption(CalendarDate today, std::string_view timeText) {
    return std::string(kProgramTitle) + formatDate(today) + "     " + std::string(timeText);
}

}  // namespace helion
