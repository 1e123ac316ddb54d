#include "core/reports/point_names.h"

#include <string>

namespace helion {

std::string pointNameInWidth(Point point, std::size_t width) {
    std::string name(pointFullName(point).substr(0, width));
    name.resize(width, ' ');
    return name;
}

}  // namespace helion
