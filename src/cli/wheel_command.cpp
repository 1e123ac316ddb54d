// helion-cli wheel MODE: the display list of one of the seven wheels as JSON, computed
// exactly as the wheel window computes it, with glyph cells of the nominal font sizes.
#include <CLI/CLI.hpp>
#include <array>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/wheel_json.h"
#include "core/base/text_file.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/wheel_input_adapter.h"
#include "core/wheels/wheel_scale.h"
#include "core/wheels/wheel_style.h"

namespace helion::cli {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kScreenDotsPerInch = 96.0;

struct WheelOptions {
    ChartOptions chart;
    std::string mode;
    bool european = false;
    bool switched = false;
    std::string out;
    std::string size = "1024x768";
};

struct WheelMode {
    const char* name;
    WheelCommand command;
};

constexpr std::array<WheelMode, 7> kModes{{
    {"natal", WheelCommand::SingleNatal},
    {"progressed", WheelCommand::ProgressedNatal},
    {"minor", WheelCommand::MinorProgressedNatal},
    {"transits", WheelCommand::TransitsNatal},
    {"minor-progressed-natal", WheelCommand::MinorProgressedProgressedNatal},
    {"transits-progressed-natal", WheelCommand::TransitsProgressedNatal},
    {"transits-minor-natal", WheelCommand::TransitsMinorProgressedNatal},
}};

std::optional<std::pair<int, int>> parseSize(const std::string& text) {
    int width = 0, height = 0;
    char by = 0;
    std::istringstream in(text);
    if (!(in >> width >> by >> height) || by != 'x' || width < 16 || height < 16 || width > 20000 || height > 20000) {
        return std::nullopt;
    }
    return std::pair{width, height};
}

WheelDataTables readWheelTables(const std::filesystem::path& folder) {
    IntegerTableRead labels = readIntegerTable(folder, kCuspLabelFile, kCuspLabelEntries);
    IntegerTableRead radii = readIntegerTable(folder, kGlyphRadiusFile, kGlyphRadiusEntries);
    for (const auto& warning : {labels.warning, radii.warning}) {
        if (warning) printMessages({*warning});
    }
    return {std::move(labels.values), std::move(radii.values)};
}

void refuse(const std::string& why) {
    std::cerr << "helion-cli: " << why << "\n";
    setExitStatus(kBadInput);
}

void runWheel(const WheelOptions& o) {
    const auto size = parseSize(o.size);
    if (!size) return refuse("--size: expected WIDTHxHEIGHT in pixels, for example 1024x768");
    if (!o.out.ends_with(".json")) return refuse("--out: this build writes the display list only, as FILE.json");
    const auto mode = std::ranges::find(kModes, o.mode, &WheelMode::name);
    const std::optional<OptionValues> options = loadProgramOptions(o.chart);
    if (!options) return;
    const std::optional<ChartTables> charts = runCharts(o.chart, *options);
    if (!charts) return;

    WheelModeState state;
    const WheelCommandContext context{*charts, *options, secondPersonCaption(o.chart)};
    WheelArrangement arrangement = runWheelCommand(mode->command, context, state);
    if (o.switched) arrangement = switchTransitWheel(context, state);

    const auto [width, height] = *size;
    WheelView view;
    view.chartType = o.european ? ChartType::European : ChartType::American;
    view.startScale = resizedStartScale(width, height);
    view.widthPixels = width;
    view.heightPixels = height;
    const double unitsPerPoint = 2.0 * view.startScale / width * kScreenDotsPerInch / kPointsPerInch;
    view.glyphs = nominalGlyphSizes(wheelStyle(*options, view.target, arrangement.kind, false), unitsPerPoint);
    const WheelDataTables tables = readWheelTables(programFolder(o.chart));
    const WheelDrawing drawing = buildWheel(wheelInputFor(arrangement, *charts, *options, tables, view));
    if (!writeFileAtomically(o.out, wheelJson(drawing))) refuse("cannot write " + o.out);
}

}  // namespace

void addWheelCommand(CLI::App& app) {
    auto options = std::make_shared<WheelOptions>();
    CLI::App* command = app.add_subcommand("wheel", "Write the display list of a chart wheel");
    std::vector<std::string> names;
    for (const WheelMode& m : kModes) names.emplace_back(m.name);
    command->add_option("mode", options->mode, "Which wheel")->required()->check(CLI::IsMember(names));
    addChartOptions(*command, options->chart);
    command->add_flag("--european", options->european, "Single wheel with true house sizes");
    command->add_flag("--switch", options->switched, "Exchange the two charts of the transit wheel");
    command->add_option("--out", options->out, "Output file; FILE.json for the display list")->required();
    command->add_option("--size", options->size, "Window size in pixels, WIDTHxHEIGHT");
    command->callback([options] { runWheel(*options); });
}

}  // namespace helion::cli
