#include "ui/atlas_bridge.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>

#include "core/input/atlas_hand_over.h"
#include "ui/diurnal_input_window.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"
#include "ui/session_prompts.h"

namespace helion::ui {
namespace {

struct AtlasLaunch {
    std::string folder;  // ends with "/"; the program's working folder and where PCATPATH.TXT is read
    QString program;
};

AtlasLaunch atlasLaunch(const Session& session) {
    const std::string& atlasDir = session.state.settings.atlasDir;
    const QString programName = QString::fromUtf8(kAtlasProgram.data(), static_cast<qsizetype>(kAtlasProgram.size()));
    if (!atlasDir.empty()) return {atlasDir, QString::fromStdString(atlasDir) + programName};
    return {withFinalSlash(session.state.programFolder.string()),
            QCoreApplication::applicationDirPath() + "/" + programName};
}

// The input windows stay disabled while the atlas runs; the event loop keeps them painted.
class InputWindowsDisabled {
public:
    explicit InputWindowsDisabled(Session& session) : session_(session) { enable(false); }
    ~InputWindowsDisabled() { enable(true); }
    InputWindowsDisabled(const InputWindowsDisabled&) = delete;
    InputWindowsDisabled& operator=(const InputWindowsDisabled&) = delete;

private:
    void enable(bool enabled) {
        if (auto* natal = session_.windows.find<NatalInputWindow>()) natal->setEnabled(enabled);
        if (auto* diurnal = session_.windows.find<DiurnalInputWindow>()) diurnal->setEnabled(enabled);
    }
    Session& session_;
};

// False when the program cannot be started.
bool runToEnd(Session& session, const AtlasLaunch& launch, const InputWindowTexts& moment) {
    QProcess process;
    process.setProgram(launch.program);
    QStringList arguments;
    for (const std::string& argument : atlasArguments(moment)) arguments.append(QString::fromStdString(argument));
    process.setArguments(arguments);
    process.setWorkingDirectory(QString::fromStdString(launch.folder));
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted()) return false;
    const InputWindowsDisabled disabled(session);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec();
    return true;
}

}  // namespace

void lookUpInAtlas(Session& session, InputWindow& window) {
    AtlasLaunch launch = atlasLaunch(session);
    while (!runToEnd(session, launch, window.texts())) {
        session.state.settings.atlasDir.clear();
        const auto answer = askText(session, {kAtlasFolderCaption, kAtlasFolderPrompt}, &window);
        if (!answer || answer->empty()) return;
        session.state.settings.atlasDir = withFinalSlash(*answer);
        launch = atlasLaunch(session);
    }
    const AtlasRead read = readAtlasHandOver(launch.folder);
    if (read.message) {
        session.messages->show(*read.message, MessageIcon::Stop);
        return;
    }
    if (session.messages->askYesNo(atlasAcceptQuestion(*read.answer))) window.setPlace(read.answer->place);
}

}  // namespace helion::ui
