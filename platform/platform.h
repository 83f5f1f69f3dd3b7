// The runtime services the game uses: its main window, the event loop, dialogs, time, chance and threads.
#pragma once

#include "platform/events.h"
#include "platform/game_forms.h"
#include "platform/main_window.h"
#include "platform/printer.h"
#include "platform/record_form.h"
#include "platform/worker_thread.h"

#include <functional>
#include <memory>
#include <string>

namespace quintaro::platform {

enum class AlertIcon { None, Information, Question, Warning, Critical };

// The part of the primary screen the desktop leaves to windows (less its panels), in logical pixels.
struct ScreenSize {
    int width = 0, height = 0;
    int left = 0, top = 0; // its corner on the screen
};

// Everything here is called on the window thread, except where a method says otherwise.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MainWindow& mainWindow() = 0;
    virtual ScreenSize screenSize() const = 0;
    // The height in pixels the desktop gives a 12-point line of text: 16 on a normal display,
    // more with large system fonts.
    virtual int largeFontMetric() const = 0;

    // Where every event goes; set before run().
    virtual void setEventHandler(EventHandler* handler) = 0;
    // The idle loop: delivers events until the main window is closed; returns the process exit code.
    virtual int run() = 0;
    // True while input (keys, buttons, pointer, menu choices) waits to be handled.
    virtual bool isInputPending() = 0;
    // Queues a call to run on the window thread; safe from any thread.
    virtual void post(std::function<void()> call) = 0;

    // A modal alert box. Lines of the text are separated by "|", the buttons' captions too ("&JA|&NEIN").
    // Returns the 1-based number of the chosen button; defaultButton answers Enter, the last button Escape.
    virtual int alertBox(AlertIcon icon, const std::string& text, const std::string& buttons, int defaultButton) = 0;
    // A modal message box with one OK button.
    virtual void messageBox(const std::string& text) = 0;
    // The desktop's default alert sound.
    virtual void beep() = 0;
    // Loads the record form hidden, owned by the main window, with its caption and its top-left
    // corner at (x, y) on the screen; the caller sets options and focus, then shows it.
    virtual std::unique_ptr<RecordForm> loadRecordForm(const std::string& caption, int x, int y) = 0;

    // The name form with its top-left corner at (x, y) on the screen, its text box holding `offered`.
    virtual ChampionNameAnswer askChampionName(const std::string& offered, int x, int y) = 0;
    // The hall-of-fame form ("Ruhmeshalle") at (x, y): one tab per level with a report list of the columns
    // "#", "Name", "Datum", "Zeit", the tab of `level` selected, "&OK" and "&Löschen".
    virtual HallOfFameAnswer showHallOfFame(const HallOfFameLists& lists, int level, int x, int y,
                                            const ConfirmClear& confirmClear) = 0;
    // The about box at (x, y): one label per line and an OK button.
    virtual void showAboutBox(const std::vector<std::string>& lines, int x, int y) = 0;
    // After every dialog: the main window is active again and takes the keyboard.
    virtual void restoreFocus() = 0;

    // Starts a print document of that name on the default printer, or on the one the player picks in
    // the print dialog when none is set up. The printer is null unless the status is Started.
    virtual std::unique_ptr<Printer> startPrinting(const std::string& documentName, PrintStart& status) = 0;

    // The folder an installed game reads its collections and help pages from (beside the binary, in
    // its share/quintaro), and the player's own data folder for what the game writes (it may not exist yet).
    virtual std::string installedDataFolder() const = 0;
    virtual std::string playerDataFolder() const = 0;

    // Whether the game's HTML help pages can be shown (otherwise the help falls back to keywords).
    virtual bool htmlHelpAvailable() const = 0;
    // Shows the help page at path `page` (".../Erklärung.htm") in the game's one help window, beside the
    // game and not modal; false when it cannot be shown.
    virtual bool showHelpPage(const std::string& page) = 0;

    // Seconds with a fraction on a steady clock; only differences of readings mean anything. Any thread.
    virtual double timer() const = 0;
    // Today's date as text, "dd.mm.yyyy".
    virtual std::string today() const = 0;
    // RANDOM(n): 0..n-1 with equal chances, from the injected source; n >= 1.
    virtual int random(int n) = 0;
    // Waits n milliseconds. Any thread.
    virtual void pause(int milliseconds) = 0;
    // Runs the function on a worker thread.
    virtual std::unique_ptr<WorkerThread> startThread(std::function<void()> body) = 0;
};

} // namespace quintaro::platform
