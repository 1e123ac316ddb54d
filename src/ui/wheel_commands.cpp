#include "ui/wheel_commands.h"

#include <QApplication>

#include "ui/diurnal_input_window.h"
#include "ui/main_window_link.h"
#include "ui/session.h"
#include "ui/wheel_window.h"

namespace helion::ui {
namespace {

std::string secondPersonName(const Session& session) {
    const auto* diurnal = session.windows.find<DiurnalInputWindow>();
    return diurnal ? diurnal->secondPersonName().toStdString() : std::string();
}

// Runs `step` on the wheel mode state. Every wheel but the triple ones makes its orb file
// current, replacing one the user chose.
template <typename Step>
WheelArrangement arrangeWith(Session& session, Step step) {
    const WheelCommandContext context{session.state.charts, session.state.options, secondPersonName(session),
                                      secondPersonSet(session)};
    WheelArrangement arrangement = step(context, session.wheelMode);
    if (arrangement.kind != WheelKind::Triple)
        session.state.currentOrbFile = session.state.programFolder / session.wheelMode.currentOrbFile;
    return arrangement;
}

}  // namespace

bool secondPersonSet(const Session& session) {
    const auto* diurnal = session.windows.find<DiurnalInputWindow>();
    return diurnal != nullptr && diurnal->secondPerson();
}

void showWheelCommand(Session& session, WheelWindow& window, WheelCommand command) {
    if (QWidget* main = mainWindow()) main->raise();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WheelArrangement arrangement = arrangeWith(
        session, [command](const auto& context, auto& state) { return runWheelCommand(command, context, state); });
    window.showWheel(arrangement);
    QApplication::restoreOverrideCursor();
}

WheelArrangement switchedTransitWheel(Session& session) {
    return arrangeWith(session, [](const auto& context, auto& state) { return switchTransitWheel(context, state); });
}

}  // namespace helion::ui
