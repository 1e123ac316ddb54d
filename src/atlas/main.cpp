// helion-atlas: looks up a place and the time-zone offset of a local moment there, and
// leaves the answer for the input windows in PCATPATH.TXT and TSRTEMP.TXT in its working
// folder (the atlas folder the input windows start it in).
//
//   helion-atlas [--date "dd mmm yyyy"] [--time H.MM] [--ampm A|P]
//
// The options fill the date and clock-time fields, as the input window that starts the
// atlas passes its own; without them the fields hold today's date and 12.00 P.M.
#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QLocale>

#include "atlas/atlas_window.h"
#include "core/config/program_folder.h"
#include "message_boxes/message_boxes.h"
#include "tz/qt_zone_history.h"

namespace {

helion::atlas::MomentTexts momentFromArguments(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Helion Atlas: a place and the time-zone offset of a local moment there");
    parser.addHelpOption();
    const QCommandLineOption date("date", "Local date, dd mmm yyyy.", "date");
    const QCommandLineOption time("time", "Local clock time H.MM on the 12-hour clock.", "time");
    const QCommandLineOption amPm("ampm", "A for A.M., P for P.M.", "A|P");
    parser.addOptions({date, time, amPm});
    parser.process(app);
    const QString today = QLocale::c().toString(QDate::currentDate(), "dd MMM yyyy");
    return {parser.isSet(date) ? parser.value(date) : today, parser.isSet(time) ? parser.value(time) : "12.00",
            parser.value(amPm).compare("A", Qt::CaseInsensitive) == 0};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("helion-atlas");
    const helion::atlas::MomentTexts moment = momentFromArguments(app);
    helion::ui::QtMessageBoxes messages;
    const auto shipped = helion::findShippedData(helion::executableDirectory());
    const auto file = shipped.value_or(helion::executableDirectory()) / helion::kAtlasFile;
    const helion::PlaceListLoad load = helion::loadPlaceList(file);
    if (!load.error.empty()) {
        messages.show(helion::errorMessage(load.error), helion::ui::MessageIcon::Stop);
        return 1;
    }
    const helion::QtZoneHistory history;
    helion::atlas::AtlasWindow window(load.list, history, messages, QDir::currentPath().toStdString(), moment);
    return window.exec() == QDialog::Accepted ? 0 : 1;
}
