#include "qt/application.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>

#include "qt/ending.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "qt/player_folder.h"
#include "qt/single_instance.h"
#include "qt/startup_report.h"

namespace {

Application* s_application = nullptr;
std::filesystem::path s_scratch;

// Qt wants a private runtime folder and warns on every start without one.
void EnsureRuntimeFolder()
{
    if (std::getenv("XDG_RUNTIME_DIR") != nullptr) {
        return;
    }
    const std::string folder = TemporaryFolder() + "/runtime-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

int Prepare()
{
    // The build folder's copy runs beside its files, an installed one in the
    // player's folder, wherever either is started from.
    s_scratch = EnterWorkingFolder();
    EnsureRuntimeFolder();
    StartStartupReport();
    SaveAtProcessEnd();
    return 1;
}

int StartQt() { return StartWindowSystem(*s_application); }
int RegisterMainClass() { return RegisterWindowClass(*s_application); }
int CreateMainWindow() { return CreateWindowGL(g_glWindow); }

void RunLoop()
{
    while (RunLoopOnce() != 0) {
    }
}

void DestroyMainWindow()
{
    DestroyWindowGL(g_glWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void StopQt() { StopWindowSystem(*s_application); }

void RemoveScratch()
{
    if (!s_scratch.empty()) {
        std::error_code error;
        std::filesystem::remove_all(s_scratch, error);
    }
}

constexpr ApplicationSteps QT_STEPS = {
    .prepare = Prepare,
    .startWindowSystem = StartQt,
    .claimWorkingFolder = ClaimWorkingFolder,
    .registerWindowClass = RegisterMainClass,
    .watchEndRequests = WatchEndRequests,
    .createWindowGL = CreateMainWindow,
    .windowShown = ShowClearedWindow,
    .runLoop = RunLoop,
    .destroyWindowGL = DestroyMainWindow,
    .unregisterWindowClass = nullptr,
    .stopWindowSystem = StopQt,
    .milestone = nullptr,
    .cleanUp = RemoveScratch,
};

}  // namespace

StartResult StartApplication(Application& application)
{
    s_application = &application;
    return StartProgram(QT_STEPS);
}

void FinishApplication(Application& application)
{
    s_application = &application;
    EndProgram(QT_STEPS);
}

int RunApplication(int argc, char** argv)
{
    Application application;
    application.argc = argc;
    application.argv = argv;
    s_application = &application;
    return RunProgram(QT_STEPS);
}
