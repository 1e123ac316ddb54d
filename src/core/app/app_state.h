#pragma once
// Everything the program keeps between commands: the program folder and its files'
// contents, the regional formats, the house system, the last computed charts and the
// Data window's buffer. The desktop holds one for its whole run and passes it to the
// commands; helion-cli builds one per command.

#include <filesystem>

#include "core/astro/house_system.h"
#include "core/chart/chart_tables.h"
#include "core/config/options.h"
#include "core/config/orb_file.h"
#include "core/config/regional_formats.h"
#include "core/config/settings.h"
#include "core/input/chart_input.h"
#include "core/reports/report_buffer.h"

namespace helion {

struct AppState {
    std::filesystem::path programFolder;
    OptionValues options;
    Settings settings;
    DateOrder dateOrder = DateOrder::MonthDayYear;
    TimeFormat timeFormat = TimeFormat::TwelveHour;
    HouseSystem houseSystem = HouseSystem::Placidus;

    // The last successful chart computation; the Data, Wheels and Input menus appear
    // after the first one.
    ChartTables charts;
    bool chartsComputed = false;

    DataBuffer data;

    std::filesystem::path currentOrbFile;
    OrbTable orbs;
};

}  // namespace helion
