#pragma once
// The chart command: computes the four chart sets from the two input windows and
// shows the natal data report in the Data window.

namespace helion::ui {

struct Session;

enum class ReportData {
    Keep,      // a name picked in the Names window: the reports asked for so far carry on
    StartNew,  // new chart data entered: both report lists start afresh once the input is accepted
};

// Rejected input shows the validators' messages and changes nothing. Accepted input:
// the input windows are hidden, the charts stored in the session, onChartsComputed
// called and the natal report shown; any notice of the run is shown too.
void computeCharts(Session& session, ReportData data = ReportData::Keep);

}  // namespace helion::ui
