#pragma once
// The fixed-pitch font of the reports: Courier New, or where it is not installed a
// font of the same metrics (Liberation Mono), so the report columns line up alike.

#include <QFont>

namespace helion::ui {

QFont reportFont(double pointSize, bool bold = false, bool italic = false);

}  // namespace helion::ui
