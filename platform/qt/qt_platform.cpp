// The platform over Qt Widgets: the application object, the event queue in front of the game, dialogs, time.
#include "platform/qt/qt_platform.h"

#include "platform/qt/qt_about_box.h"
#include "platform/qt/qt_champion_form.h"
#include "platform/qt/qt_hall_of_fame_form.h"
#include "platform/qt/qt_help_window.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_record_form.h"
#include "platform/qt/steady_seconds.h"
#include "platform/random_service.h"

#include <QApplication>
#include <QDate>
#include <QIcon>
#include <QDir>
#include <QStandardPaths>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <chrono>
#include <cmath>
#include <deque>
#include <random>
#include <thread>

namespace quintaro::platform {

namespace {

class StdWorkerThread final : public WorkerThread {
public:
    explicit StdWorkerThread(std::function<void()> body)
        : thread_([this, body = std::move(body)] {
              body();
              finished_ = true;
          }) {}
    ~StdWorkerThread() override { join(); }
    void join() override {
        if (thread_.joinable()) thread_.join();
    }
    bool finished() const override { return finished_; }

private:
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

QMessageBox::Icon qtIcon(AlertIcon icon) {
    switch (icon) {
    case AlertIcon::Information:
        return QMessageBox::Information;
    case AlertIcon::Question:
        return QMessageBox::Question;
    case AlertIcon::Warning:
        return QMessageBox::Warning;
    case AlertIcon::Critical:
        return QMessageBox::Critical;
    case AlertIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class QtPlatform final : public Platform {
public:
    QtPlatform(int& argc, char** argv)
        : application_(argc, argv), random_(std::make_unique<SplitMixRandom>(std::random_device{}())),
          window_([this](const Event& e) { enqueue(e); }) {
        // The player's data folder, ~/.local/share/Norvik/quintaro, is apart from an install's
        // share/quintaro even when the game is installed into ~/.local.
        QCoreApplication::setOrganizationName(QStringLiteral("Norvik"));
        QCoreApplication::setApplicationName(QStringLiteral("quintaro"));
        // The desktop ties the window to the menu entry and its icon.
        QGuiApplication::setDesktopFileName(QStringLiteral("de.norvik.Quintaro"));
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("de.norvik.Quintaro")));
        // The toolkit's own dialogs (printing, files) speak German like the game.
        if (translator_.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&translator_);
    }

    MainWindow& mainWindow() override { return window_; }
    void beep() override { QApplication::beep(); }

    ChampionNameAnswer askChampionName(const std::string& offered, int x, int y) override {
        const QPoint at = window_.formCorner(x, y);
        const ChampionNameAnswer answer = QtChampionForm(&window_.widget(), offered, at.x(), at.y()).showModal();
        restoreFocus();
        return answer;
    }

    HallOfFameAnswer showHallOfFame(const HallOfFameLists& lists, int level, int x, int y,
                                    const ConfirmClear& confirmClear) override {
        const QPoint at = window_.formCorner(x, y);
        QtHallOfFameForm form(&window_.widget(), lists, level, at.x(), at.y(), confirmClear);
        const HallOfFameAnswer answer = form.showModal();
        restoreFocus();
        return answer;
    }

    void showAboutBox(const std::vector<std::string>& lines, int x, int y) override {
        const QPoint at = window_.formCorner(x, y);
        QtAboutBox(&window_.widget(), lines, at.x(), at.y()).showModal();
        restoreFocus();
    }

    void restoreFocus() override { window_.activate(); }

    std::unique_ptr<Printer> startPrinting(const std::string& documentName, PrintStart& status) override {
        return startQtPrinting(&window_.widget(), documentName, status);
    }

    std::string installedDataFolder() const override {
        return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../" QUINTARO_DATA_SUBDIR))
            .absolutePath()
            .toStdString();
    }

    std::string playerDataFolder() const override {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    }

    bool htmlHelpAvailable() const override { return true; }

    bool showHelpPage(const std::string& page) override {
        if (!help_) help_ = std::make_unique<QtHelpWindow>();
        return help_->showPage(page);
    }

    ScreenSize screenSize() const override {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        return {free.width(), free.height(), free.x(), free.y()};
    }

    int largeFontMetric() const override {
        return int(std::lround(16.0 * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 96.0));
    }

    void setEventHandler(EventHandler* handler) override { handler_ = handler; }

    // The help window does not keep the loop running: it returns as the main window closes.
    int run() override {
        if (!window_.isOpen()) return 0;
        const int code = QApplication::exec();
        if (help_) help_->close();
        return code;
    }

    bool isInputPending() override {
        // Lets the toolkit turn what waits in its queue into game events; delivering them must wait,
        // since this is asked from inside a handler.
        QCoreApplication::processEvents();
        return !events_.empty();
    }

    void post(std::function<void()> call) override {
        QMetaObject::invokeMethod(&application_, std::move(call), Qt::QueuedConnection);
    }

    int alertBox(AlertIcon icon, const std::string& text, const std::string& buttons, int defaultButton) override {
        QMessageBox box(&window_.widget());
        box.setWindowTitle(QString::fromStdString(window_.title()));
        box.setIcon(qtIcon(icon));
        box.setText(QString::fromStdString(text).replace(QLatin1Char('|'), QLatin1Char('\n')));
        std::vector<QPushButton*> added;
        for (const QString& caption : QString::fromStdString(buttons).split(QLatin1Char('|')))
            added.push_back(box.addButton(caption, QMessageBox::ActionRole));
        if (defaultButton >= 1 && defaultButton <= int(added.size()))
            box.setDefaultButton(added[std::size_t(defaultButton - 1)]);
        box.setEscapeButton(added.back());
        box.exec();
        // The next key goes to the game again, unless the question was asked over one of its forms,
        // which must stay in front of the main window.
        if (QApplication::activeModalWidget() == nullptr) restoreFocus();
        for (std::size_t i = 0; i < added.size(); ++i)
            if (box.clickedButton() == added[i]) return int(i) + 1;
        return int(added.size());
    }

    void messageBox(const std::string& text) override {
        QMessageBox::information(&window_.widget(), QString::fromStdString(window_.title()),
                                 QString::fromStdString(text));
        restoreFocus();
    }

    std::unique_ptr<RecordForm> loadRecordForm(const std::string& caption, int x, int y) override {
        const QPoint at = window_.formCorner(x, y);
        return std::make_unique<QtRecordForm>(&window_.widget(), caption, at.x(), at.y());
    }

    double timer() const override { return steadySeconds(); }

    std::string today() const override { return QDate::currentDate().toString("dd.MM.yyyy").toStdString(); }

    int random(int n) override { return random_->random(n); }

    void pause(int milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

    std::unique_ptr<WorkerThread> startThread(std::function<void()> body) override {
        return std::make_unique<StdWorkerThread>(std::move(body));
    }

private:
    void enqueue(const Event& e) {
        events_.push_back(e);
        QMetaObject::invokeMethod(
            &application_, [this] { deliver(); }, Qt::QueuedConnection);
    }

    // One event at a time, each to completion; a dialog's own event loop inside a handler
    // reaches here too and must leave the rest for later.
    void deliver() {
        if (delivering_) return;
        delivering_ = true;
        while (!events_.empty() && window_.isOpen()) {
            const Event e = events_.front();
            events_.pop_front();
            if (handler_) handler_->handleEvent(e);
        }
        delivering_ = false;
    }

    QApplication application_;
    QTranslator translator_;
    std::unique_ptr<RandomService> random_;
    QtMainWindow window_;
    EventHandler* handler_ = nullptr;
    std::deque<Event> events_;
    bool delivering_ = false;
    std::unique_ptr<QtHelpWindow> help_; // created on first use
};

} // namespace

std::unique_ptr<Platform> createQtPlatform(int& argc, char** argv) { return std::make_unique<QtPlatform>(argc, argv); }

} // namespace quintaro::platform
