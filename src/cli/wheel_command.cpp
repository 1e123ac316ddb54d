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
#include "core/wheels/aspect_grid.h"
#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/stack_description.h"
#include "core/wheels/wheel_input_adapter.h"
#include "core/wheels/wheel_scale.h"
#include "core/wheels/wheel_style.h"
#include "core/wheels/wheel_tables.h"

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
    std::string paper = "letter";
    bool landscape = false;
};

struct PaperName {
    const char* name;
    Paper paper;
};

constexpr std::array<PaperName, 4> kPapers{{
    {"letter", Paper::Letter},
    {"a4", Paper::A4},
    {"legal", Paper::Legal},
    {"a5", Paper::A5},
}};

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

constexpr int kSmallestSide = 16;
constexpr int kLargestSide = 20000;

std::optional<std::pair<int, int>> parseSize(const std::string& text) {
    int width = 0, height = 0;
    char by = 0;
    std::istringstream in(text);
    const auto fits = [](int side) { return side >= kSmallestSide && side <= kLargestSide; };
    if (!(in >> width >> by >> height) || by != 'x' || !fits(width) || !fits(height)) return std::nullopt;
    return std::pair{width, height};
}

WheelDataTables readWheelTables(const std::filesystem::path& folder) {
    WheelTablesLoad load = loadWheelTables(folder);
    printMessages(load.messages);
    return std::move(load.tables);
}

int refuse(const std::string& why) {
    std::cerr << "helion-cli: " << why << "\n";
    return kBadInput;
}

int writeOut(const std::string& out, std::string_view content) {
    if (const FileWrite written = writeFileAtomically(out, content); !written)
        return refuse("cannot write " + out + ": " + written.failure);
    return 0;
}

int runPrintedPage(const WheelOptions& o, const ChartTables& charts, const OptionValues& options,
                   const WheelArrangement& arrangement, WheelView view, const std::string& orbFile);

int runWheel(const WheelOptions& o) {
    const auto size = parseSize(o.size);
    if (!size)
        return refuse("--size: expected WIDTHxHEIGHT in pixels, each from " + std::to_string(kSmallestSide) + " to " +
                      std::to_string(kLargestSide) + ", for example 1024x768");
    const std::optional<ImageFormat> image = imageFormatOf(o.out);
    if (!image && !o.out.ends_with(".json")) return refuse("--out: expected FILE.png, FILE.svg, FILE.pdf or FILE.json");
    if (o.layout != "classic" && o.layout != "spread") return refuse("--layout: expected classic or spread");
    if (o.page && image != ImageFormat::Pdf) return refuse("--page: the printed page is written as FILE.pdf");
    if (!o.page && (o.landscape || o.paper != kPapers[0].name))
        return refuse("--paper and --landscape: they choose the paper of the printed page (--page)");
    const auto mode = std::ranges::find(kModes, o.mode, &WheelMode::name);
    const std::optional<OptionValues> options = loadProgramOptions(o.chart);
    if (!options) return kDataProblem;
    const std::optional<ChartTables> charts = runCharts(o.chart, *options);
    if (!charts) return kBadInput;
    std::optional<WheelPainting> painting;
    if (image) painting.emplace(programFolder(o.chart));
    if (painting && !painting->glyphFontReady()) return kBadInput;

    WheelModeState state;
    const WheelCommandContext context{*charts, *options, secondPersonCaption(o.chart), charts->secondPerson};
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
    return writeOut(o.out, content);
}

// The full page the printer gets, with the printed aspect grid when the options ask for it.
int runPrintedPage(const WheelOptions& o, const ChartTables& charts, const OptionValues& options,
                   const WheelArrangement& arrangement, WheelView view, const std::string& orbFile) {
    view.target = WheelTarget::Printer;
    const WheelStyle style = wheelStyle(options, view.target, arrangement.kind, false);
    const WheelDataTables tables = readWheelTables(programFolder(o.chart));
    // Without its orb file the page goes without the grid, and the run reports the file.
    std::optional<OrbTable> orbs;
    int status = 0;
    if (printedPageHasAspectGrid(options, arrangement.kind)) {
        OrbTableLoad load = loadOrbTable(programFolder(o.chart) / orbFile, OrbTable{});
        printMessages(load.messages);
        if (load.messages.empty())
            orbs = load.table;
        else
            status = kDataProblem;
    }
    const auto draw = [&](const GlyphSizes& glyphs, int width, int height) {
        view.glyphs = glyphs;
        view.widthPixels = width;
        view.heightPixels = height;
        WheelDrawing page = buildWheel(wheelInputFor(arrangement, charts, options, tables, view));
        if (orbs) appendPrintedAspectGrid(page, options, aspectListInputFor(arrangement, charts, *orbs));
        return page;
    };
    const PrintedPaper paper{std::ranges::find(kPapers, o.paper, &PaperName::name)->paper, o.landscape};
    const std::string pdf = printedPagePdf(draw, style, printedStartScale(arrangement.kind, view.chartType), paper);
    const int written = writeOut(o.out, pdf);
    return written != 0 ? written : status;
}

}  // namespace

void addWheelCommand(CLI::App& app, int& exitStatus) {
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
    command->add_flag("--page", options->page, "The full printed page as FILE.pdf");
    std::vector<std::string> papers;
    for (const PaperName& p : kPapers) papers.emplace_back(p.name);
    command->add_option("--paper", options->paper, "The printed page's paper (letter when not given)")
        ->check(CLI::IsMember(papers));
    command->add_flag("--landscape", options->landscape, "The printed page's paper turned sideways");
    command->callback([options, &exitStatus] { exitStatus = runWheel(*options); });
}

}  // namespace helion::cli
