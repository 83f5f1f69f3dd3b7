// The display-less platform: everything the game sees happens synchronously, under the test's control.
#include "platform/headless/headless_platform.h"

#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace quintaro::platform {

namespace {

// Text drawing needs Qt's font database, which needs a GUI application; one serves the whole process.
void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "quintaro-headless";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

const MenuNode* findItem(const std::vector<MenuNode>& nodes, int id) {
    for (const MenuNode& n : nodes) {
        if (n.kind == MenuNode::Kind::Item && n.id == id) return &n;
        if (n.kind == MenuNode::Kind::Submenu)
            if (const MenuNode* found = findItem(n.children, id)) return found;
    }
    return nullptr;
}

} // namespace

void HeadlessLabel::setCaption(const std::string& utf8) {
    if (platform_.onWindowThread())
        caption_ = utf8;
    else
        platform_.post([this, utf8] { caption_ = utf8; });
}

void HeadlessMainWindow::open(const WindowGeometry& geometry) {
    geometry_ = geometry;
    surface_ = std::make_unique<ImageSurface>(geometry.outerWidth, geometry.outerHeight - kFrameAllowance);
    surface_->clear(background_);
    open_ = true;
}

void HeadlessMainWindow::setBackground(Rgb colour) {
    background_ = colour;
    if (surface_) surface_->clear(colour);
}

Surface& HeadlessMainWindow::surface() { return imageSurface(); }

ImageSurface& HeadlessMainWindow::imageSurface() {
    if (!surface_) throw std::logic_error("the main window has no surface before it is opened");
    return *surface_;
}

void HeadlessMainWindow::setMenuBar(const std::vector<MenuNode>& menus) {
    menus_ = menus;
    checks_.clear();
    ++menuBarsBuilt_;
}

void HeadlessMainWindow::setMenuChecked(int id, bool checked) {
    if (const MenuNode* item = findItem(menus_, id); item && item->checkable) checks_[id] = checked;
}

bool HeadlessMainWindow::menuChecked(int id) const {
    const auto it = checks_.find(id);
    return it != checks_.end() && it->second;
}

Label& HeadlessMainWindow::createLabel(const std::string& name) {
    labels_.push_back(std::make_unique<HeadlessLabel>(name, platform_));
    return *labels_.back();
}

HeadlessLabel* HeadlessMainWindow::label(const std::string& name) {
    for (auto& l : labels_)
        if (l->name() == name) return l.get();
    return nullptr;
}

struct HeadlessWorker final {
    std::function<void()> body;
    bool done = false;
    void run() {
        if (done) return;
        done = true;
        body();
    }
};

namespace {

class HeadlessWorkerThread final : public WorkerThread {
public:
    explicit HeadlessWorkerThread(std::shared_ptr<HeadlessWorker> worker) : worker_(std::move(worker)) {}
    void join() override;
    bool finished() const override;

private:
    std::shared_ptr<HeadlessWorker> worker_;
};

} // namespace

HeadlessPlatform::HeadlessPlatform(std::uint64_t seed, ScreenSize screen)
    : HeadlessPlatform(std::make_unique<SplitMixRandom>(seed), screen) {}

HeadlessPlatform::HeadlessPlatform(std::unique_ptr<RandomService> random, ScreenSize screen)
    : random_(std::move(random)), screen_(screen) {
    ensureGuiApplication();
}

HeadlessPlatform::~HeadlessPlatform() = default;

int HeadlessPlatform::run() {
    deliverPending();
    return 0;
}

bool HeadlessPlatform::isInputPending() { return !events_.empty(); }

void HeadlessPlatform::post(std::function<void()> call) {
    std::lock_guard lock(callsMutex_);
    calls_.push_back(std::move(call));
}

std::size_t HeadlessPlatform::queuedCalls() const {
    std::lock_guard lock(callsMutex_);
    return calls_.size();
}

std::unique_ptr<RecordForm> HeadlessPlatform::loadRecordForm(const std::string& caption, int x, int y) {
    ++recordFormsLoaded_;
    return std::make_unique<HeadlessRecordForm>(caption, x, y, recordFormActions_, lastRecordForm_);
}

ChampionNameAnswer HeadlessPlatform::askChampionName(const std::string& offered, int x, int y) {
    championForms_.push_back({offered, x, y});
    ChampionNameAnswer answer;
    if (!championAnswers_.empty()) {
        answer = std::move(championAnswers_.front());
        championAnswers_.pop_front();
    }
    restoreFocus();
    return answer;
}

HallOfFameAnswer HeadlessPlatform::showHallOfFame(const HallOfFameLists& lists, int level, int x, int y,
                                                  const ConfirmClear& confirmClear) {
    // Recorded once the form has closed: confirmClear may show other forms meanwhile.
    HallOfFameRecord record{lists, level, x, y, {}};
    const HallOfFameAnswer answer = playHallOfFame(hallOfFameActions_, confirmClear, record);
    hallOfFameForms_.push_back(std::move(record));
    restoreFocus();
    return answer;
}

void HeadlessPlatform::showAboutBox(const std::vector<std::string>& lines, int x, int y) {
    aboutBoxes_.push_back({lines, x, y});
    restoreFocus();
}

void HeadlessPlatform::restoreFocus() {
    ++focusRestores_;
    window_.activate();
}

std::unique_ptr<Printer> HeadlessPlatform::startPrinting(const std::string& documentName, PrintStart& status) {
    status = PrintStart::Started;
    if (!printStarts_.empty()) {
        status = printStarts_.front();
        printStarts_.pop_front();
    }
    auto job = std::make_shared<PrintJob>();
    job->documentName = documentName;
    job->start = status;
    printJobs_.push_back(job);
    if (status != PrintStart::Started) return nullptr;
    return std::make_unique<RecordingPrinter>(job, printPage_.width, printPage_.height, printPage_.dotsPerInch,
                                              printFailAfter_);
}

const PrintJob& HeadlessPlatform::lastPrintJob() const {
    if (printJobs_.empty()) throw std::logic_error("nothing was printed");
    return *printJobs_.back();
}

bool HeadlessPlatform::showHelpPage(const std::string& page) {
    helpPages_.push_back(page);
    if (helpResults_.empty()) return std::filesystem::is_regular_file(page);
    const bool shown = helpResults_.front();
    helpResults_.pop_front();
    return shown;
}

int HeadlessPlatform::alertBox(AlertIcon icon, const std::string& text, const std::string& buttons, int defaultButton) {
    int answer = defaultButton;
    if (!alertAnswers_.empty()) {
        answer = alertAnswers_.front();
        alertAnswers_.pop_front();
    }
    alerts_.push_back({icon, text, buttons, defaultButton, answer});
    return answer;
}

void HeadlessPlatform::messageBox(const std::string& text) {
    messages_.push_back(text);
    if (lastRecordForm_.open) ++messagesOverRecordForm_;
}

void HeadlessPlatform::advanceTime(double seconds) {
    double t = time_.load();
    while (!time_.compare_exchange_weak(t, t + seconds)) {}
}

void HeadlessPlatform::inject(const Event& event) { events_.push_back(event); }

void HeadlessPlatform::setMinimised(bool minimised) {
    if (minimised == minimised_) return;
    minimised_ = minimised;
    inject(minimised ? Event::minimised(timer()) : Event::restored(timer()));
}

void HeadlessPlatform::click(MouseButton button, double x, double y) {
    inject(Event::moved(x, y));
    inject(Event::pressed(button, x, y));
}

int HeadlessPlatform::deliverPending() {
    if (delivering_) return 0;
    delivering_ = true;
    int delivered = 0;
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard lock(callsMutex_);
            if (!calls_.empty()) {
                call = std::move(calls_.front());
                calls_.pop_front();
            }
        }
        if (call) {
            call();
            continue;
        }
        if (events_.empty() || !window_.isOpen()) break;
        const Event e = events_.front();
        events_.pop_front();
        ++delivered;
        if (handler_) handler_->handleEvent(e);
    }
    delivering_ = false;
    return delivered;
}

std::unique_ptr<WorkerThread> HeadlessPlatform::startThread(std::function<void()> body) {
    auto worker = std::make_shared<HeadlessWorker>();
    worker->body = std::move(body);
    workers_.push_back(worker);
    return std::make_unique<HeadlessWorkerThread>(std::move(worker));
}

void HeadlessPlatform::runStartedThreads() {
    for (std::size_t i = 0; i < workers_.size(); ++i) workers_[i]->run();
}

void HeadlessWorkerThread::join() { worker_->run(); }
bool HeadlessWorkerThread::finished() const { return worker_->done; }

} // namespace quintaro::platform
