#include "ui/chart_command.h"

#include <QApplication>

#include "core/chart/pipeline.h"
#include "core/reports/data_window_report.h"
#include "ui/data_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"

namespace helion::ui {
namespace {

// The hourglass while the charts are computed and the report written.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

ChartRequest requestFromWindows(const Session& session) {
    ChartRequest request;
    if (const auto* natal = session.windows.find<NatalInputWindow>()) request.natal = natal->texts();
    if (const auto* diurnal = session.windows.find<DiurnalInputWindow>()) {
        request.diurnal = diurnal->texts();
        request.secondPerson = diurnal->secondPerson();
    }
    request.houseSystem = session.state.houseSystem;
    request.dateOrder = session.state.dateOrder;
    return request;
}

void hideInputWindows(const Session& session) {
    if (auto* natal = session.windows.find<NatalInputWindow>()) natal->hide();
    if (auto* diurnal = session.windows.find<DiurnalInputWindow>()) diurnal->hide();
}

void storeAndReport(Session& session, ChartTables tables, ReportData data) {
    hideInputWindows(session);
    if (data == ReportData::StartNew) {
        session.state.data.clearForNewChart();
        if (auto* window = session.windows.find<DataWindow>()) window->forgetDocument();
    } else
        session.state.data.startReport();
    session.state.charts = std::move(tables);
    session.state.chartsComputed = true;
    if (session.onChartsComputed) session.onChartsComputed();
    const std::optional<std::string> text =
        presentComputedChart(session.state.data, session.state.charts, session.state.options);
    if (auto* window = session.windows.find<DataWindow>()) {
        window->showReportText(text);
        window->showQueuedMessages();
    }
}

}  // namespace

void computeCharts(Session& session, ReportData data) {
    ChartRun run;
    {
        const WaitCursor hourglass;
        run = helion::computeCharts(requestFromWindows(session), *session.ephemeris, session.state.charts);
        if (run.tables) storeAndReport(session, std::move(*run.tables), data);
    }
    if (!session.messages) return;
    for (const Message& message : run.messages) session.messages->show(message);
}

}  // namespace helion::ui
