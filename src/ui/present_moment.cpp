#include "ui/present_moment.h"

#include <QDateTime>

namespace helion::ui {

LocalMoment presentMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

}  // namespace helion::ui
