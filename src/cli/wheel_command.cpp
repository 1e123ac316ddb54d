// helion-cli wheel MODE: one of the seven wheels, computed exactly as the wheel window
// computes it, as a PNG, SVG or PDF file drawn by the window's renderer, or as its
// display list in JSON (with glyph cells of the nominal font sizes, so no font is needed).
#include <CLI/CLI.hpp>
#include <array>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/wheel_image.h"
#include "cli/wheel_json.h"
#include "core/base/text_file.h"
#include "core/config/orb_file.h"
#include "core/config/wheel_data_tables.h"
#include "core/wheels/aspect_grid.h"
#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/stack_description.h"
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
    std::string layout = "classic";
    std::string out;
    std::string size = "1024x768";
    bool page = false;
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

void runPrintedPage(const WheelOptions& o, const ChartTables& charts, const OptionValues& options,
                    const WheelArrangement& arrangement, WheelView view, const std::string& orbFile);

void runWheel(const WheelOptions& o) {
    const auto size = parseSize(o.size);
    if (!size) return refuse("--size: expected WIDTHxHEIGHT in pixels, for example 1024x768");
    const std::optional<ImageFormat> image = imageFormatOf(o.out);
    if (!image && !o.out.ends_with(".json")) return refuse("--out: expected FILE.png, FILE.svg, FILE.pdf or FILE.json");
    if (o.layout != "classic" && o.layout != "spread") return refuse("--layout: expected classic or spread");
    if (o.page && image != ImageFormat::Pdf) return refuse("--page: the printed page is written as FILE.pdf");
    const auto mode = std::ranges::find(kModes, o.mode, &WheelMode::name);
    const std::optional<OptionValues> options = loadProgramOptions(o.chart);
    if (!options) return;
    const std::optional<ChartTables> charts = runCharts(o.chart, *options);
    if (!charts) return;
    std::optional<WheelPainting> painting;
    if (image) painting.emplace(programFolder(o.chart));
    if (painting && !painting->glyphFontReady()) return setExitStatus(kBadInput);

    WheelModeState state;
    const WheelCommandContext context{*charts, *options, secondPersonCaption(o.chart)};
    WheelArrangement arrangement = runWheelCommand(mode->command, context, state);
    if (o.switched) arrangement = switchTransitWheel(context, state);

    const auto [width, height] = *size;
    WheelView view;
    view.chartType = o.european ? ChartType::European : ChartType::American;
    view.layout = o.layout == "spread" ? WheelLayout::Spread : WheelLayout::Classic;
    view.startScale = resizedStartScale(width, height);
    view.widthPixels = width;
    view.heightPixels = height;
    if (o.page) return runPrintedPage(o, *charts, *options, arrangement, view, state.currentOrbFile);
    const WheelStyle style = wheelStyle(*options, view.target, arrangement.kind, false);
    if (image) {
        view.glyphs = measuredGlyphSizes(style, screenFrame(view.startScale, width, height), width, height);
    } else {
        const double unitsPerPoint = 2.0 * view.startScale / width * kScreenDotsPerInch / kPointsPerInch;
        view.glyphs = nominalGlyphSizes(style, unitsPerPoint);
    }
    const WheelDataTables tables = readWheelTables(programFolder(o.chart));
    const WheelDrawing drawing = buildWheel(wheelInputFor(arrangement, *charts, *options, tables, view));
    std::vector<std::string> titles;
    if (image == ImageFormat::Svg) {
        const OrbTable orbs = loadOrbTable(programFolder(o.chart) / state.currentOrbFile, OrbTable{}).table;
        for (const StackEntry& stack : drawing.stacks)
            titles.push_back(describeStack(stack, drawing, arrangement, *charts, orbs));
    }
    const std::string content = image ? wheelImage(drawing, *image, width, height, titles) : wheelJson(drawing);
    if (!writeFileAtomically(o.out, content)) refuse("cannot write " + o.out);
}

// The full page the printer gets, with the printed aspect grid when the options ask for it.
void runPrintedPage(const WheelOptions& o, const ChartTables& charts, const OptionValues& options,
                    const WheelArrangement& arrangement, WheelView view, const std::string& orbFile) {
    view.target = WheelTarget::Printer;
    const WheelStyle style = wheelStyle(options, view.target, arrangement.kind, false);
    const WheelFrame frame = printerFrame(printedStartScale(arrangement.kind, view.chartType));
    const WheelDataTables tables = readWheelTables(programFolder(o.chart));
    const OrbTable orbs = loadOrbTable(programFolder(o.chart) / orbFile, OrbTable{}).table;
    const auto draw = [&](const GlyphSizes& glyphs) {
        view.glyphs = glyphs;
        WheelDrawing page = buildWheel(wheelInputFor(arrangement, charts, options, tables, view));
        appendPrintedAspectGrid(page, options, aspectListInputFor(arrangement, charts, orbs));
        return page;
    };
    if (!writeFileAtomically(o.out, printedPagePdf(draw, style, frame))) refuse("cannot write " + o.out);
}

}  // namespace

void addWheelCommand(CLI::App& app) {
    auto options = std::make_shared<WheelOptions>();
    CLI::App* command = app.add_subcommand("wheel", "Draw a chart wheel into an image file, or write its display list");
    std::vector<std::string> names;
    for (const WheelMode& m : kModes) names.emplace_back(m.name);
    command->add_option("mode", options->mode, "Which wheel")->required()->check(CLI::IsMember(names));
    addChartOptions(*command, options->chart);
    command->add_flag("--european", options->european, "Single wheel with true house sizes");
    command->add_option("--layout", options->layout,
                        "classic: glyph stacks in their house's slots (the default); spread: apart, with pointers");
    command->add_flag("--switch", options->switched, "Exchange the two charts of the transit wheel");
    command
        ->add_option("--out", options->out,
                     "Output file: FILE.png, FILE.svg, FILE.pdf, or FILE.json for the display list")
        ->required();
    command->add_option("--size", options->size, "Window size in pixels, WIDTHxHEIGHT");
    command->add_flag("--page", options->page, "The full printed page (Letter) as FILE.pdf");
    command->callback([options] { runWheel(*options); });
}

}  // namespace helion::cli
