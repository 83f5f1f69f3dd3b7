// The platform without a display, for tests: the same image surface, scripted dialogs, a fake clock,
// a seeded random source, queued calls and events that the test delivers, recorded menu and label state.
#pragma once

#include "platform/headless/headless_game_forms.h"
#include "platform/headless/headless_record_form.h"
#include "platform/image_surface.h"
#include "platform/platform.h"
#include "platform/random_service.h"
#include "platform/headless/recording_printer.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quintaro::platform {

class HeadlessPlatform;
struct HeadlessWorker;

class HeadlessLabel final : public Label {
public:
    HeadlessLabel(std::string name, HeadlessPlatform& platform) : name_(std::move(name)), platform_(platform) {}
    void setCaption(const std::string& utf8) override;
    std::string caption() const override { return caption_; }
    void setFont(const FontRequest& font) override { font_ = font; }
    void setBackground(Rgb colour) override { background_ = colour; }
    void setGeometry(int x, int y, int width, int height) override { x_ = x, y_ = y, width_ = width, height_ = height; }

    const std::string& name() const { return name_; }
    const FontRequest& font() const { return font_; }
    Rgb background() const { return background_; }
    int x() const { return x_; }
    int y() const { return y_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    std::string name_;
    HeadlessPlatform& platform_;
    std::string caption_;
    FontRequest font_;
    Rgb background_{255, 255, 255};
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
};

class HeadlessMainWindow final : public MainWindow {
public:
    explicit HeadlessMainWindow(HeadlessPlatform& platform) : platform_(platform) {}

    void setTitle(const std::string& utf8) override { title_ = utf8; }
    std::string title() const override { return title_; }
    void open(const WindowGeometry& geometry) override;
    WindowGeometry geometry() const override { return geometry_; }
    void activate() override { ++activations_; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }
    void setBusyPointer(bool busy) override { busy_ = busy; }
    void setBackground(Rgb colour) override;
    Surface& surface() override;
    void flush() override { ++flushes_; }
    void setMenuBar(const std::vector<MenuNode>& menus) override;
    void setMenuBarEnabled(bool enabled) override { menuBarEnabled_ = enabled; }
    bool menuBarEnabled() const override { return menuBarEnabled_; }
    void setMenuChecked(int id, bool checked) override;
    bool menuChecked(int id) const override;
    Label& createLabel(const std::string& name) override;

    // Test inspection.
    ImageSurface& imageSurface();
    const std::vector<MenuNode>& menus() const { return menus_; }
    int menuBarsBuilt() const { return menuBarsBuilt_; }
    bool busyPointer() const { return busy_; }
    Rgb background() const { return background_; }
    int activations() const { return activations_; }
    int flushes() const { return flushes_; }
    // The label of that name, or nullptr.
    HeadlessLabel* label(const std::string& name);

private:
    HeadlessPlatform& platform_;
    std::string title_;
    WindowGeometry geometry_;
    bool open_ = false, enabled_ = true, busy_ = false, menuBarEnabled_ = true;
    int activations_ = 0, menuBarsBuilt_ = 0, flushes_ = 0;
    Rgb background_{255, 255, 255};
    std::unique_ptr<ImageSurface> surface_;
    std::vector<MenuNode> menus_;
    std::map<int, bool> checks_;
    std::vector<std::unique_ptr<HeadlessLabel>> labels_;
};

struct AlertRecord {
    AlertIcon icon;
    std::string text, buttons;
    int defaultButton;
    int answer;
};

class HeadlessPlatform final : public Platform {
public:
    // Starts a Qt GUI application on the offscreen platform if none runs yet (text needs the font database).
    explicit HeadlessPlatform(std::uint64_t seed = 1, ScreenSize screen = {1280, 1024});
    HeadlessPlatform(std::unique_ptr<RandomService> random, ScreenSize screen);
    ~HeadlessPlatform() override;

    MainWindow& mainWindow() override { return window_; }
    ScreenSize screenSize() const override { return screen_; }
    int largeFontMetric() const override { return largeFontMetric_; }
    void setEventHandler(EventHandler* handler) override { handler_ = handler; }
    // Delivers what is queued and returns 0; it does not wait for more.
    int run() override;
    bool isInputPending() override;
    void post(std::function<void()> call) override;
    int alertBox(AlertIcon icon, const std::string& text, const std::string& buttons, int defaultButton) override;
    // Records the text, and counts it when a record form is still on the screen under it.
    void messageBox(const std::string& text) override;
    void beep() override { ++beeps_; }
    // The three forms record what they were given and follow the script; each restores the focus as it closes.
    ChampionNameAnswer askChampionName(const std::string& offered, int x, int y) override;
    HallOfFameAnswer showHallOfFame(const HallOfFameLists& lists, int level, int x, int y,
                                    const ConfirmClear& confirmClear) override;
    void showAboutBox(const std::vector<std::string>& lines, int x, int y) override;
    // Activates the main window and counts.
    void restoreFocus() override;
    // A RecordingPrinter on the set page, unless another start status is scripted.
    std::unique_ptr<Printer> startPrinting(const std::string& documentName, PrintStart& status) override;
    std::string installedDataFolder() const override { return installedFolder_; }
    std::string playerDataFolder() const override { return playerFolder_; }
    bool htmlHelpAvailable() const override { return htmlHelp_; }
    // Records the page and returns the scripted result, else whether the file is in the working directory.
    bool showHelpPage(const std::string& page) override;

    std::unique_ptr<RecordForm> loadRecordForm(const std::string& caption, int x, int y) override;
    double timer() const override { return time_.load(); }
    std::string today() const override { return today_; }
    int random(int n) override { return random_->random(n); }
    // Advances the fake clock instead of waiting.
    void pause(int milliseconds) override { advanceTime(milliseconds / 1000.0); }
    // Records the body; it runs when the test calls runStartedThreads() or the worker is joined.
    std::unique_ptr<WorkerThread> startThread(std::function<void()> body) override;

    // --- Test controls ---
    HeadlessMainWindow& window() { return window_; }
    // Queues an input event, as the toolkit would.
    void inject(const Event& event);
    // A click as the toolkit reports it: the pointer moves there, then the button goes down.
    void click(MouseButton button, double x, double y);
    // Runs queued calls and delivers queued events, one at a time, until neither is left; returns the
    // number of events delivered. Does nothing when called from inside a handler.
    int deliverPending();
    std::size_t queuedCalls() const;
    std::size_t queuedEvents() const { return events_.size(); }
    // The next alert box returns this answer; unscripted alert boxes return their default button.
    void scriptAlertAnswer(int answer) { alertAnswers_.push_back(answer); }
    const std::vector<AlertRecord>& alerts() const { return alerts_; }
    const std::vector<std::string>& messages() const { return messages_; }
    // How many of them showed over a record form that was still open.
    int messagesOverRecordForm() const { return messagesOverRecordForm_; }
    int beeps() const { return beeps_; }
    // What the player does in the next record forms, in order; a form with nothing left is closed.
    void scriptRecordForm(RecordFormAction action) { recordFormActions_.push_back(action); }
    // The last record form shown: caption, position, and the option on and focused when it showed.
    const RecordFormRecord& lastRecordForm() const { return lastRecordForm_; }
    int recordFormsLoaded() const { return recordFormsLoaded_; }
    // The next name forms answer these, in order; a name form with nothing left is cancelled.
    void scriptChampionName(ChampionNameAnswer answer) { championAnswers_.push_back(std::move(answer)); }
    const std::vector<ChampionFormRecord>& championForms() const { return championForms_; }
    // What the player does in the next hall-of-fame forms, in order; a form with nothing left ends with "&OK".
    void scriptHallOfFame(HallOfFameAction action) { hallOfFameActions_.push_back(action); }
    const std::vector<HallOfFameRecord>& hallOfFameForms() const { return hallOfFameForms_; }
    const std::vector<AboutBoxRecord>& aboutBoxes() const { return aboutBoxes_; }
    int focusRestores() const { return focusRestores_; }
    // The next startPrinting gives this status; unscripted ones start.
    void scriptPrintStart(PrintStart status) { printStarts_.push_back(status); }
    // The page of the documents started from now on; 4,800 x 6,600 pixels at 600 dots per inch at first.
    void setPrintPage(int width, int height, int dotsPerInch = 600) { printPage_ = {width, height, dotsPerInch}; }
    // From now on every page fails at its drawing call after the first n; negative: never (the default).
    void failPrintingAfter(int n) { printFailAfter_ = n; }
    // Every startPrinting call so far, in order, each as its printer has left it so far.
    std::size_t printJobs() const { return printJobs_.size(); }
    // The last of them; throws std::logic_error when there was none.
    const PrintJob& lastPrintJob() const;
    void setHtmlHelpAvailable(bool available) { htmlHelp_ = available; }
    // The next showHelpPage returns this, whether the page exists or not.
    void scriptHelpPageResult(bool shown) { helpResults_.push_back(shown); }
    // The pages showHelpPage was asked for, in order.
    const std::vector<std::string>& helpPages() const { return helpPages_; }
    void setTime(double seconds) { time_ = seconds; }
    // The player minimises (true) or restores (false) the main window: queues Minimised or Restored
    // with the timer reading of now; a call that changes nothing queues nothing.
    void setMinimised(bool minimised);
    bool minimised() const { return minimised_; }
    void advanceTime(double seconds);
    void setToday(std::string date) { today_ = std::move(date); }
    void setLargeFontMetric(int metric) { largeFontMetric_ = metric; }
    // Where an installed game's data and the player's files are (both empty at first).
    void setDataFolders(std::string installed, std::string player) {
        installedFolder_ = std::move(installed);
        playerFolder_ = std::move(player);
    }
    std::size_t startedThreads() const { return workers_.size(); }
    // Runs, on this thread and in start order, every started body that has not run yet.
    void runStartedThreads();
    bool onWindowThread() const { return std::this_thread::get_id() == windowThread_; }

private:
    std::unique_ptr<RandomService> random_;
    ScreenSize screen_;
    HeadlessMainWindow window_{*this};
    EventHandler* handler_ = nullptr;
    std::deque<Event> events_;
    mutable std::mutex callsMutex_;
    std::deque<std::function<void()>> calls_;
    bool delivering_ = false;
    std::deque<int> alertAnswers_;
    std::vector<AlertRecord> alerts_;
    std::vector<std::string> messages_;
    int messagesOverRecordForm_ = 0;
    int beeps_ = 0;
    std::deque<RecordFormAction> recordFormActions_;
    RecordFormRecord lastRecordForm_;
    int recordFormsLoaded_ = 0;
    std::deque<ChampionNameAnswer> championAnswers_;
    std::vector<ChampionFormRecord> championForms_;
    std::deque<HallOfFameAction> hallOfFameActions_;
    std::vector<HallOfFameRecord> hallOfFameForms_;
    std::vector<AboutBoxRecord> aboutBoxes_;
    int focusRestores_ = 0;
    std::deque<PrintStart> printStarts_;
    struct PrintPage {
        int width, height, dotsPerInch;
    } printPage_{4800, 6600, 600};
    int printFailAfter_ = -1;
    std::vector<std::shared_ptr<PrintJob>> printJobs_;
    bool htmlHelp_ = true;
    std::deque<bool> helpResults_;
    std::vector<std::string> helpPages_;
    std::atomic<double> time_{0.0};
    bool minimised_ = false;
    std::string today_ = "01.01.2000";
    int largeFontMetric_ = 16;
    std::string installedFolder_, playerFolder_;
    std::vector<std::shared_ptr<HeadlessWorker>> workers_;
    std::thread::id windowThread_ = std::this_thread::get_id();
};

} // namespace quintaro::platform
