#include "ui/startup.h"

#include <QApplication>
#include <QLocale>

#include "core/config/orb_file.h"
#include "core/config/regional_formats.h"
#include "core/wheels/wheel_tables.h"
#include "render/glyph_font.h"
#include "swe/swiss_ephemeris.h"
#include "ui/data_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/main_window.h"
#include "ui/names_window.h"
#include "ui/natal_input_window.h"
#include "ui/splash_window.h"
#include "ui/twips_geometry.h"
#include "ui/window_frames.h"

namespace helion::ui {
namespace {

void showAll(MessageBoxes& boxes, const std::vector<Message>& messages) {
    for (const Message& message : messages) boxes.show(message, MessageIcon::Stop);
}

WheelDataTables readWheelTables(const std::filesystem::path& folder, MessageBoxes& messages) {
    WheelTablesLoad load = loadWheelTables(folder);
    for (const Message& message : load.messages) messages.show(message, MessageIcon::Exclamation);
    return std::move(load.tables);
}

// Every window by its frame: the main window where the settings put it, the natal input
// window under its frame, the diurnal one beside the natal one (or under it when the
// screen is too narrow), the Data window, unless the settings place it, under the main
// window and as wide as the widest report. All stay on the screen's free area; the input
// windows take the main window's frame margins, which the window manager gives them all.
void arrangeWindows(Program& program, bool dataGeometryStored) {
    MainWindow& main = *program.mainWindow;
    const FrameMargins frame = frameMarginsOf(main);
    const ScreenRect screen = freeScreenArea(main);
    const WindowPlace mainPlace = keepOnScreen(placeOf(main), frame, screen);
    if (mainPlace != placeOf(main)) applyPlace(main, mainPlace);
    const ScreenRect mainFrame = frameRect(mainPlace, frame);

    const QSize natalSize = program.natalInput->sizeHint();
    const WindowPlace natal = placeBelow(mainFrame, natalSize.width(), natalSize.height(), frame, screen);
    applyPlace(*program.natalInput, natal);
    const QSize diurnalSize = program.diurnalInput->sizeHint();
    applyPlace(*program.diurnalInput,
               placeBeside(frameRect(natal, frame), diurnalSize.width(), diurnalSize.height(), frame, screen));

    DataWindow& data = *program.dataWindow;
    applyPlace(data, dataGeometryStored ? keepOnScreen(placeOf(data), frame, screen)
                                        : placeReportWindow(mainFrame, data.widthForWidestReport(), frame, screen));
    data.storeGeometry();  // even if the window is never opened, the next start finds its place
}

// The C locale stands for "no regional settings": month/day/year and the 12-hour clock.
void readRegionalFormats(AppState& state) {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) return;
    state.dateOrder = dateOrderFromPattern(locale.dateFormat(QLocale::ShortFormat).toStdString());
    state.timeFormat = timeFormatFromPattern(locale.timeFormat(QLocale::ShortFormat).toStdString());
}

}  // namespace

Program::Program() = default;
Program::~Program() = default;

std::unique_ptr<Program> startHelion(const ProgramFolder& folder, MessageBoxes& messages,
                                     const SplashWait& waitForSplash) {
    auto program = std::make_unique<Program>();
    Session& session = program->session;
    AppState& state = session.state;
    session.messages = &messages;
    state.programFolder = folder.folder;
    showAll(messages, folder.messages);

    // The wheel glyph font "HORARY" ships in the program folder; the wheel window checks
    // that Qt draws with it before it draws a wheel.
    program->glyphFontId = render::registerGlyphFont(folder.folder);
    session.ephemeris = std::make_unique<SwissEphemeris>(ephemerisPath(folder.folder));
    const OptionsLoad options = loadOptions(folder.folder / kOptionsFile, state.options);
    state.options = options.values;
    showAll(messages, options.messages);

    {
        SplashWindow splash;
        splash.show();
        program->wheelTables = readWheelTables(folder.folder, messages);
        session.wheelTables = &program->wheelTables;
        waitForSplash(splash);
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::error_code error;
    const bool geometryStored = std::filesystem::exists(folder.folder / kSettingsFile, error);
    SettingsRead settings = readSettings(folder.folder);
    state.settings = std::move(settings.settings);
    if (settings.error) messages.show(*settings.error, MessageIcon::Stop);
    readRegionalFormats(state);
    state.currentOrbFile = folder.folder / orb_file::Natal;
    state.houseSystem = houseSystemFromOption(state.options[option::HouseSystem]);

    program->dataWindow = std::make_unique<DataWindow>(session);
    session.windows.add(program->dataWindow.get());
    program->diurnalInput = std::make_unique<DiurnalInputWindow>(session);
    session.windows.add(program->diurnalInput.get());
    program->natalInput = std::make_unique<NatalInputWindow>(session);
    session.windows.add(program->natalInput.get());
    program->mainWindow = std::make_unique<MainWindow>(session, program->glyphFontId);
    placeInTwips(*program->mainWindow, {state.settings.helionTop, state.settings.helionLeft,
                                        state.settings.helionHeight, state.settings.helionWidth});

    program->mainWindow->show();
    waitUntilFramed(*program->mainWindow);
    arrangeWindows(*program, geometryStored);
    program->natalInput->show();
    program->diurnalInput->show();
    NamesWindow::open(session);
    QApplication::restoreOverrideCursor();
    return program;
}

}  // namespace helion::ui
