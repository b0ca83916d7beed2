// Not a test: starts the program in a temporary copy of its folder, measures
// the time to the first frame on screen and the memory after start, and saves
// screenshots of the main menu, a game with a held card, the dialogs and the
// About box into the folder given as the only argument, for review by eye.
#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "qt/application.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "qt/menu_commands.h"
#include "qt/resident_memory.h"
#include "support/scratch_folder.h"
#include "game/lifting.h"
#include "game/table.h"
#include "scores/high_score.h"
#include "scene/scene_state.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* GAME_FILES[] = {"resources.rcc", "Backgrounds", "tick.wav", "harrow.cur", "hnwse.cur",
                                      "instructions.htm"};
std::string g_outDir;

void Grab(const char* name)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 700, 560);
    const std::string path = g_outDir + "/" + name;
    shot.save(QString::fromStdString(path));
    std::printf("screenshot %s\n", path.c_str());
}

void RunFor(int milliseconds)
{
    RunLoopFor(milliseconds);
}

void Mouse(QEvent::Type type, QPointF at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, g_qtWindow.area->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(g_qtWindow.area, &event);
}

// Grabs the next modal dialog once it is drawn, then lets `close` end it.
void GrabModal(const char* name, std::function<void(QDialog*)> close)
{
    QTimer::singleShot(400, [name, close] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        Grab(name);
        if (dialog != nullptr) {
            close(dialog);
        }
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    g_outDir = fs::absolute(argv[1]).string();
    fs::create_directories(g_outDir);
    const ScratchFolder folder("tarvik-screens");
    if (folder.Path().empty()) {
        return 1;
    }
    for (const char* name : GAME_FILES) {
        fs::create_symlink(fs::path(TARVIK_GAME_DIR) / name, folder.Path() / name);
    }

    const auto started = std::chrono::steady_clock::now();
    Application application;
    application.argc = argc;
    application.argv = argv;
    if (!StartApplication(application).runLoop) {
        return 1;
    }
    const uint32_t createdTick = g_glWindow.lastTickCount;
    while (g_glWindow.lastTickCount == createdTick && RunLoopOnce() != 0) {
    }
    const double firstFrameMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("first frame swapped after %.0f ms; resident memory %ld kB\n", firstFrameMs, ResidentKilobytes());

    RunFor(1500);
    Grab("main_menu.png");

    g_gameMode = GAME_KLONDIKE;
    g_newGameRequested = 1;
    RunFor(6000);
    const int32_t card = TopCard(9);
    if (card >= 0) {
        // The card's spot on screen, from the first viewport's projection.
        const QPointF at(320.0 + g_cards[card].x / 13.8 * 320.0,
                         240.0 - g_cards[card].y / 10.36 * 240.0 - (g_windowHeight - g_qtWindow.area->height()));
        Mouse(QEvent::MouseMove, at);
        Mouse(QEvent::MouseButtonPress, at);
        RunFor(100);
        Mouse(QEvent::MouseMove, at + QPointF(60, -40));
        RunFor(300);
    }
    Grab("game_in_play.png");
    Mouse(QEvent::MouseButtonRelease, QPointF(380, 200));
    RunFor(1000);

    GrabModal("statistics.png", [](QDialog* dialog) { dialog->accept(); });
    WindowCommand(COMMAND_STATISTICS);
    RunFor(300);
    GrabModal("high_scores.png", [](QDialog* dialog) { dialog->accept(); });
    WindowCommand(COMMAND_HIGH_SCORES);
    RunFor(300);
    GrabModal("about.png", [](QDialog* dialog) { dialog->accept(); });
    WindowCommand(COMMAND_ABOUT);
    RunFor(300);
    GrabModal("name_entry.png", [](QDialog* dialog) { dialog->accept(); });
    QTimer::singleShot(100, [] {
        if (auto* field = QApplication::activeModalWidget()->findChild<QLineEdit*>()) {
            field->setText(QStringLiteral("A. Player"));
        }
    });
    AskHighScoreName();

    WindowCommand(COMMAND_EXIT);
    while (RunLoopOnce() != 0) {
    }
    FinishApplication(application);
    return 0;
}
