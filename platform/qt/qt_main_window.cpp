// The Qt main window: client-area image, menu bar built from data, labels, input turned into game events.
#include "platform/qt/qt_main_window.h"

#include "platform/qt_fonts.h"
#include "platform/qt_image_surface.h"
#include "platform/qt/qt_key_codes.h"
#include "platform/qt/steady_seconds.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <stdexcept>

namespace quintaro::platform {

Canvas::Canvas(EventSink sink, QWidget* parent) : QWidget(parent), sink_(std::move(sink)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::setSurface(ImageSurface* surface) {
    surface_ = surface;
    if (surface_) {
        setFixedSize(surface_->width(), surface_->height());
        surface_->setChangeListener([this](int x, int y, int w, int h) { update(x, y, w, h); });
    }
    update();
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!surface_) return;
    // The image holds device pixels: its part under the rectangle is that rectangle times its ratio.
    const QImage& image = imageOf(*surface_);
    const QRectF r = event->rect();
    const qreal k = image.devicePixelRatio();
    painter.drawImage(r, image, QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k));
}

void Canvas::matchScreen() {
    if (surface_) surface_->setPixelRatio(devicePixelRatioF());
}

void Canvas::movedTo(QPointF p) {
    if (p == lastPointer_) return;
    lastPointer_ = p;
    sink_(Event::moved(p.x(), p.y()));
}

void Canvas::mouseMoveEvent(QMouseEvent* event) { movedTo(event->position()); }

void Canvas::mousePressEvent(QMouseEvent* event) {
    // The pointer's move comes first, so the chooser's highlight has followed it to the press.
    movedTo(event->position());
    if (event->button() == Qt::LeftButton)
        sink_(Event::pressed(MouseButton::Left, event->position().x(), event->position().y()));
    else if (event->button() == Qt::RightButton)
        sink_(Event::pressed(MouseButton::Right, event->position().x(), event->position().y()));
}

void Canvas::keyPressEvent(QKeyEvent* event) {
    if (const int vk = virtualKeyFor(event->key()); vk != 0)
        sink_(event->isAutoRepeat() ? Event::keyRepeated(vk) : Event::keyPressed(vk, modifiersOf(*event)));
    if (const int c = characterFor(*event); c >= 0) sink_(Event::character(c));
}

void Canvas::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    if (const int vk = virtualKeyFor(event->key()); vk != 0) sink_(Event::keyReleased(vk));
}

WindowWidget::WindowWidget(EventSink sink) : sink_(sink), canvas_(new Canvas(sink, this)) {
    setCentralWidget(canvas_);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
}

void WindowWidget::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized() == minimised_) return;
    minimised_ = isMinimized();
    sink_(minimised_ ? Event::minimised(steadySeconds()) : Event::restored(steadySeconds()));
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (closeAllowed_) {
        event->accept();
        return;
    }
    event->ignore();
    sink_(Event::closeRequested());
}

QtLabel::QtLabel(QWidget* parent) : label_(new QLabel(parent)) {
    label_->setAutoFillBackground(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_->show();
}

void QtLabel::setCaption(const std::string& utf8) {
    const QString text = QString::fromStdString(utf8);
    if (QThread::currentThread() == label_->thread())
        label_->setText(text);
    else
        QMetaObject::invokeMethod(
            label_, [l = label_, text] { l->setText(text); }, Qt::QueuedConnection);
}

std::string QtLabel::caption() const { return label_->text().toStdString(); }

void QtLabel::setFont(const FontRequest& font) { label_->setFont(resolveFont(font)); }

void QtLabel::setBackground(Rgb colour) {
    QPalette p = label_->palette();
    p.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    p.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(p);
}

void QtLabel::setGeometry(int x, int y, int width, int height) { label_->setGeometry(x, y, width, height); }

QtMainWindow::QtMainWindow(EventSink sink) : sink_(std::move(sink)), widget_(std::make_unique<WindowWidget>(sink_)) {}

QtMainWindow::~QtMainWindow() {
    widget_->canvas().setSurface(nullptr);
    labels_.clear();
}

void QtMainWindow::setTitle(const std::string& utf8) { widget_->setWindowTitle(QString::fromStdString(utf8)); }

std::string QtMainWindow::title() const { return widget_->windowTitle().toStdString(); }

void QtMainWindow::open(const WindowGeometry& geometry) {
    geometry_ = geometry;
    // Backed at the ratio of the screen the window opens on, so that text is sharp on a HiDPI screen.
    const QScreen* screen =
        QGuiApplication::screenAt(QPoint(geometry.x + geometry.outerWidth / 2, geometry.y + geometry.outerHeight / 2));
    if (!screen) screen = QGuiApplication::primaryScreen();
    surface_ = std::make_unique<ImageSurface>(geometry.outerWidth, geometry.outerHeight - kFrameAllowance,
                                              screen ? screen->devicePixelRatio() : 1.0);
    surface_->clear(background_);
    widget_->canvas().setSurface(surface_.get());
    widget_->move(geometry.x, geometry.y);
    widget_->show();
    widget_->setFixedSize(widget_->sizeHint());
    widget_->canvas().matchScreen();
    if (QWindow* window = widget_->windowHandle())
        QObject::connect(window, &QWindow::screenChanged, &widget_->canvas(),
                         [this] { widget_->canvas().matchScreen(); });
    opened_ = true;
}

void QtMainWindow::activate() {
    widget_->raise();
    widget_->activateWindow();
    widget_->canvas().setFocus();
}

void QtMainWindow::close() {
    widget_->allowClose();
    widget_->close();
    opened_ = false;
}

bool QtMainWindow::isOpen() const { return opened_; }

void QtMainWindow::setEnabled(bool enabled) { widget_->setEnabled(enabled); }

bool QtMainWindow::isEnabled() const { return widget_->isEnabled(); }

void QtMainWindow::setBusyPointer(bool busy) {
    if (busy)
        widget_->setCursor(Qt::WaitCursor);
    else
        widget_->unsetCursor();
}

void QtMainWindow::setBackground(Rgb colour) {
    background_ = colour;
    if (surface_) surface_->clear(colour);
}

void QtMainWindow::flush() { widget_->canvas().repaint(); }

Surface& QtMainWindow::surface() {
    if (!surface_) throw std::logic_error("the main window has no surface before it is opened");
    return *surface_;
}

void QtMainWindow::addNodes(QMenu& menu, const std::vector<MenuNode>& nodes) {
    for (const MenuNode& node : nodes) {
        switch (node.kind) {
        case MenuNode::Kind::Separator:
            menu.addSeparator();
            break;
        case MenuNode::Kind::Submenu:
            addNodes(*menu.addMenu(QString::fromStdString(node.text)), node.children);
            break;
        case MenuNode::Kind::Item: {
            QAction* action = menu.addAction(QString::fromStdString(node.text));
            action->setCheckable(node.checkable);
            action->setChecked(false);
            const int id = node.id;
            QObject::connect(action, &QAction::triggered, widget_.get(), [this, id, action] {
                // Check marks mirror the game's state, which the game sets itself.
                if (action->isCheckable()) action->setChecked(!action->isChecked());
                sink_(Event::menu(id));
            });
            actions_[id] = action;
            break;
        }
        }
    }
}

void QtMainWindow::setMenuBar(const std::vector<MenuNode>& menus) {
    actions_.clear();
    auto* bar = new QMenuBar(widget_.get());
    for (const MenuNode& top : menus) {
        QMenu* menu = bar->addMenu(QString::fromStdString(top.text));
        addNodes(*menu, top.children);
    }
    widget_->setMenuBar(bar); // deletes the bar that was there before
    if (opened_) widget_->setFixedSize(widget_->sizeHint());
}

void QtMainWindow::setMenuBarEnabled(bool enabled) {
    if (QMenuBar* bar = widget_->menuBar()) bar->setEnabled(enabled);
}

bool QtMainWindow::menuBarEnabled() const { return widget_->menuBar()->isEnabled(); }

void QtMainWindow::setMenuChecked(int id, bool checked) {
    if (QAction* a = action(id)) a->setChecked(checked);
}

bool QtMainWindow::menuChecked(int id) const {
    const QAction* a = action(id);
    return a && a->isChecked();
}

QAction* QtMainWindow::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

Label& QtMainWindow::createLabel(const std::string& name) {
    labels_.push_back(std::make_unique<QtLabel>(&widget_->canvas()));
    labels_.back()->widget().setObjectName(QString::fromStdString(name));
    return *labels_.back();
}

} // namespace quintaro::platform
