#include "ui/startup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QScreen>

#include "core/config/orb_file.h"
#include "core/config/regional_formats.h"
#include "swe/swiss_ephemeris.h"
#include "ui/data_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/main_window.h"
#include "ui/natal_input_window.h"
#include "ui/splash_window.h"
#include "ui/twips_geometry.h"

namespace helion::ui {
namespace {

constexpr const char* kGlyphFontFile = "horary.ttf";

void showAll(MessageBoxes& boxes, const std::vector<Message>& messages) {
    for (const Message& message : messages) boxes.show(message, MessageIcon::Stop);
}

// The wheel glyph font; until one is shipped the wheels go without it.
int registerGlyphFont(const std::filesystem::path& folder) {
    const auto file = folder / kGlyphFontFile;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return -1;
    return QFontDatabase::addApplicationFont(QString::fromStdString(file.string()));
}

WheelDataTables readWheelTables(const std::filesystem::path& folder, MessageBoxes& messages) {
    IntegerTableRead cuspLabels = readIntegerTable(folder, kCuspLabelFile, kCuspLabelEntries);
    IntegerTableRead glyphRadii = readIntegerTable(folder, kGlyphRadiusFile, kGlyphRadiusEntries);
    for (const auto& warning : {cuspLabels.warning, glyphRadii.warning})
        if (warning) messages.show(*warning, MessageIcon::Exclamation);
    return {std::move(cuspLabels.values), std::move(glyphRadii.values)};
}

// The C locale stands for "no regional settings": month/day/year and the 12-hour clock.
// The natal input window opens under the main window, the diurnal one beside it (or under
// it when the screen is too narrow), so neither hides the other.
void arrangeInputWindows(const QWidget& mainWindow, QWidget& natal, QWidget& diurnal) {
    const QRect main = mainWindow.frameGeometry();
    natal.move(main.left(), main.bottom() + 1);
    const QRect natalFrame = natal.frameGeometry();
    const QScreen* screen = mainWindow.screen();
    const int screenRight = screen ? screen->availableGeometry().right() : natalFrame.right();
    if (natalFrame.right() + 1 + diurnal.frameGeometry().width() <= screenRight) {
        diurnal.move(natalFrame.right() + 1, natalFrame.top());
    } else {
        diurnal.move(natalFrame.left(), natalFrame.bottom() + 1);
    }
}

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

    program->glyphFontId = registerGlyphFont(folder.folder);
    session.ephemeris = std::make_unique<SwissEphemeris>(ephemerisPath(folder.folder));
    const OptionsLoad options = loadOptions(folder.folder / kOptionsFile, state.options);
    state.options = options.values;
    showAll(messages, options.messages);

    {
        SplashWindow splash;
        splash.show();
        program->wheelTables = readWheelTables(folder.folder, messages);
        waitForSplash(splash);
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    SettingsRead settings = readSettings(folder.folder);
    state.settings = std::move(settings.settings);
    if (settings.error) messages.show(*settings.error, MessageIcon::Stop);
    readRegionalFormats(state);
    state.currentOrbFile = folder.folder / orb_file::Natal;
    state.houseSystem = houseSystemFromOption(state.options[option::HouseSystem]);

    program->dataWindow = std::make_unique<DataWindow>(session);
    session.dataWindow = program->dataWindow.get();
    program->diurnalInput = std::make_unique<DiurnalInputWindow>(session);
    session.diurnalInput = program->diurnalInput.get();
    program->natalInput = std::make_unique<NatalInputWindow>(session);
    session.natalInput = program->natalInput.get();
    program->mainWindow = std::make_unique<MainWindow>(session, program->glyphFontId);
    placeInTwips(*program->mainWindow, {state.settings.helionTop, state.settings.helionLeft,
                                        state.settings.helionHeight, state.settings.helionWidth});

    program->mainWindow->show();
    program->natalInput->show();
    program->diurnalInput->show();
    arrangeInputWindows(*program->mainWindow, *program->natalInput, *program->diurnalInput);
    QApplication::restoreOverrideCursor();
    return program;
}

}  // namespace helion::ui
