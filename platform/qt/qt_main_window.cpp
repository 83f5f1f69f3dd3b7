// The Qt main window: client-area image scaled to the window, menu bar built from data, labels, input turned
// into game events, the zoom keys and full screen.
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

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quintaro::platform {

Canvas::Canvas(EventSink sink, QWidget* parent) : QWidget(parent), sink_(std::move(sink)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::setSurface(ImageSurface* surface) {
    surface_ = surface;
    area_ = ScaledArea{};
    if (surface_) {
        // Below a quarter the field is no longer readable.
        setMinimumSize(surface_->width() / 4, surface_->height() / 4);
        surface_->setChangeListener([this](int x, int y, int w, int h) { update(widgetRect(x, y, w, h)); });
        fitArea();
    }
    update();
}

void Canvas::setBackdrop(Rgb colour) {
    backdrop_ = QColor(colour.r, colour.g, colour.b);
    update();
}

void Canvas::fitArea() {
    if (!surface_) return;
    const ScaledArea area =
        platform::fitArea(surface_->width(), surface_->height(), width(), height(), devicePixelRatioF());
    if (area == area_) return;
    area_ = area;
    // The image is drawn at the area's scale (below one half the surface stops and is shown smaller).
    surface_->setPixelRatio(area.scale);
    if (areaListener_) areaListener_();
    update();
}

QPointF Canvas::toWidget(int x, int y) const {
    const qreal d = devicePixelRatioF();
    return QPointF((area_.left + deviceEdge(x, area_.scale)) / d, (area_.top + deviceEdge(y, area_.scale)) / d);
}

QRect Canvas::widgetRect(int x, int y, int w, int h) const {
    const qreal d = devicePixelRatioF();
    const QPointF a = toWidget(x, y), b = toWidget(x + w, y + h);
    return QRectF(a - QPointF(1 / d, 1 / d), b + QPointF(1 / d, 1 / d)).toAlignedRect();
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // In device pixels: the image's pixels land on the screen's one for one.
    const qreal d = devicePixelRatioF();
    painter.setWorldTransform(QTransform::fromScale(1 / d, 1 / d));
    const QRect dirty = QRectF(QPointF(event->rect().topLeft()) * d, QSizeF(event->rect().size()) * d).toAlignedRect();
    const QRect target(area_.left, area_.top, area_.width, area_.height);
    if (!surface_ || !target.contains(dirty)) painter.fillRect(dirty, backdrop_);
    if (!surface_) return;
    const QImage& image = imageOf(*surface_);
    if (image.size() == target.size()) {
        const QRect part = dirty & target;
        painter.drawImage(QRectF(part), image, QRectF(part.translated(-target.topLeft())));
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(target), image, QRectF(image.rect()));
    }
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitArea();
}

bool Canvas::movedTo(QPointF p) {
    if (!surface_) return false;
    const GamePoint at = gamePointAt(area_, p.x(), p.y(), devicePixelRatioF(), surface_->width(), surface_->height());
    if (!at.inside) return false;
    if (QPoint(at.x, at.y) != lastPointer_) {
        lastPointer_ = QPoint(at.x, at.y);
        sink_(Event::moved(at.x, at.y));
    }
    return true;
}

void Canvas::mouseMoveEvent(QMouseEvent* event) { movedTo(event->position()); }

void Canvas::mousePressEvent(QMouseEvent* event) {
    // The pointer's move comes first, so the chooser's highlight has followed it to the press; a press
    // on the background around the game's area is no press in the game.
    if (!movedTo(event->position())) return;
    if (event->button() == Qt::LeftButton)
        sink_(Event::pressed(MouseButton::Left, lastPointer_.x(), lastPointer_.y()));
    else if (event->button() == Qt::RightButton)
        sink_(Event::pressed(MouseButton::Right, lastPointer_.x(), lastPointer_.y()));
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

WindowWidget::WindowWidget(EventSink sink) : sink_(sink), canvas_(new Canvas(sink, this)) { setCentralWidget(canvas_); }

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

QtLabel::QtLabel(Canvas& canvas) : canvas_(canvas), label_(new QLabel(&canvas)) {
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

void QtLabel::setFont(const FontRequest& font) {
    font_ = font;
    fit();
}

void QtLabel::setBackground(Rgb colour) {
    QPalette p = label_->palette();
    p.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    p.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(p);
}

void QtLabel::setGeometry(int x, int y, int width, int height) {
    place_ = QRect(x, y, width, height);
    fit();
}

void QtLabel::fit() {
    const double factor = canvas_.area().factor;
    if (font_) {
        QFont font = resolveFont(*font_);
        if (factor != 1) font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
        label_->setFont(font);
    }
    const QPointF a = canvas_.toWidget(place_.x(), place_.y());
    const QPointF b = canvas_.toWidget(place_.x() + place_.width(), place_.y() + place_.height());
    label_->setGeometry(QRectF(a, b).toRect());
}

QtMainWindow::QtMainWindow(EventSink sink) : sink_(std::move(sink)), widget_(std::make_unique<WindowWidget>(sink_)) {
    widget_->canvas().setAreaListener([this] {
        for (const auto& label : labels_) label->fit();
    });
    // The window's own keys: they never reach the game, whatever it is doing.
    addShortcut({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                [this] { zoomTo(zoomedIn(geometry().zoom, largestFactor())); });
    addShortcut({QKeySequence::ZoomOut}, [this] { zoomTo(zoomedOut(geometry().zoom)); });
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoomTo(1); });
    addShortcut({QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); });
}

void QtMainWindow::addShortcut(const QList<QKeySequence>& keys, std::function<void()> act) {
    auto* action = new QAction(widget_.get());
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, widget_.get(), std::move(act));
    widget_->addAction(action);
}

WindowGeometry QtMainWindow::geometry() const {
    WindowGeometry g = geometry_;
    if (!opened_) return g;
    g.fullScreen = widget_->isFullScreen();
    const QPoint corner = g.fullScreen ? widget_->normalGeometry().topLeft() : widget_->pos();
    g.x = corner.x();
    g.y = corner.y();
    g.zoom = g.fullScreen ? factorBeforeFullScreen_ : widget_->canvas().area().factor;
    return g;
}

void QtMainWindow::sizeFor(double factor) {
    const Surface& s = *surface_;
    const int width = windowSizeFor(s.width(), factor), height = windowSizeFor(s.height(), factor);
    // The menu bar takes its height above the canvas, more where it has to wrap.
    int bar = 0;
    if (const QWidget* menu = widget_->menuWidget()) {
        bar = menu->hasHeightForWidth() ? menu->heightForWidth(width) : -1;
        if (bar < 0) bar = menu->sizeHint().height();
    }
    widget_->resize(width, height + bar);
}

double QtMainWindow::largestFactor() const {
    const QScreen* screen = widget_->screen();
    if (!screen || !surface_) return 1;
    const QRect free = screen->availableGeometry();
    // What the window has around its canvas: the desktop's frame, the menu bar.
    const QSize around = widget_->frameGeometry().size() - widget_->canvas().size();
    return std::min(double(free.width() - around.width()) / surface_->width(),
                    double(free.height() - around.height()) / surface_->height());
}

void QtMainWindow::zoomTo(double factor) {
    if (!surface_ || !std::isfinite(factor) || factor <= 0) return;
    if (widget_->isFullScreen() || widget_->isMaximized()) widget_->showNormal();
    sizeFor(factor);
    // The grown window moves back onto its screen where it can.
    if (const QScreen* screen = widget_->screen()) {
        const QRect free = screen->availableGeometry();
        const QSize size = widget_->frameGeometry().size();
        QPoint corner = widget_->pos();
        corner.setX(std::max(free.left(), std::min(corner.x(), free.right() + 1 - size.width())));
        corner.setY(std::max(free.top(), std::min(corner.y(), free.bottom() + 1 - size.height())));
        widget_->move(corner);
    }
}

void QtMainWindow::toggleFullScreen() {
    if (widget_->isFullScreen()) {
        widget_->showNormal();
        return;
    }
    factorBeforeFullScreen_ = widget_->canvas().area().factor;
    widget_->showFullScreen();
}

QPoint QtMainWindow::formCorner(int x, int y) const {
    const WindowGeometry at = geometry();
    const Canvas& canvas = widget_->canvas();
    // The offset from the window's corner, less what lies above and left of the canvas, is a game pixel.
    const QPoint canvasCorner = canvas.mapToGlobal(QPoint(0, 0));
    const QPoint around = canvasCorner - widget_->pos();
    const QPointF inCanvas = canvas.toWidget(x - at.x - around.x(), y - at.y - around.y());
    return canvasCorner + inCanvas.toPoint();
}

QtMainWindow::~QtMainWindow() {
    widget_->canvas().setSurface(nullptr);
    labels_.clear();
}

void QtMainWindow::setTitle(const std::string& utf8) { widget_->setWindowTitle(QString::fromStdString(utf8)); }

std::string QtMainWindow::title() const { return widget_->windowTitle().toStdString(); }

void QtMainWindow::open(const WindowGeometry& geometry) {
    geometry_ = geometry;
    const double zoom = std::isfinite(geometry.zoom) && geometry.zoom > 0 ? geometry.zoom : 1.0;
    geometry_.zoom = factorBeforeFullScreen_ = zoom;
    // Backed at the scale of the screen the window opens on, so that it is sharp from the start.
    const QScreen* screen =
        QGuiApplication::screenAt(QPoint(geometry.x + geometry.outerWidth / 2, geometry.y + geometry.outerHeight / 2));
    if (!screen) screen = QGuiApplication::primaryScreen();
    surface_ = std::make_unique<ImageSurface>(geometry.outerWidth, geometry.outerHeight - kFrameAllowance,
                                              zoom * (screen ? screen->devicePixelRatio() : 1.0));
    surface_->clear(background_);
    widget_->canvas().setSurface(surface_.get());
    sizeFor(zoom);
    widget_->move(geometry.x, geometry.y);
    if (geometry.fullScreen)
        widget_->showFullScreen();
    else
        widget_->show();
    widget_->canvas().fitArea();
    if (QWindow* window = widget_->windowHandle())
        QObject::connect(window, &QWindow::screenChanged, &widget_->canvas(), [this] { widget_->canvas().fitArea(); });
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
    widget_->canvas().setBackdrop(colour);
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
    // A new bar takes its height from the window, not from the game's area.
    const bool keepFactor = opened_ && !widget_->isFullScreen() && !widget_->isMaximized();
    const double factor = widget_->canvas().area().factor;
    widget_->setMenuBar(bar); // deletes the bar that was there before
    if (keepFactor) sizeFor(factor);
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
    labels_.push_back(std::make_unique<QtLabel>(widget_->canvas()));
    labels_.back()->widget().setObjectName(QString::fromStdString(name));
    return *labels_.back();
}

} // namespace quintaro::platform
