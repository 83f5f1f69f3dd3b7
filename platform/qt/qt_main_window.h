// Qt side of the main window: a resizable QMainWindow whose central widget paints the client-area image scaled.
#pragma once

#include "platform/image_surface.h"
#include "platform/events.h"
#include "platform/main_window.h"
#include "platform/window_scale.h"

#include <QLabel>
#include <QMainWindow>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QAction;

namespace quintaro::platform {

using EventSink = std::function<void(const Event&)>;

// Paints the surface image scaled to fit, centred on the background colour, and turns mouse and
// keyboard input into game events, with pointer positions in game pixels.
class Canvas final : public QWidget {
public:
    Canvas(EventSink sink, QWidget* parent);
    void setSurface(ImageSurface* surface);
    void setBackdrop(Rgb colour);
    // Fits the game's area to the widget's size and the screen's device pixel ratio; a new scale has
    // the surface draw everything again at it, and the listener hears of every change of the area.
    void fitArea();
    void setAreaListener(std::function<void()> listener) { areaListener_ = std::move(listener); }
    const ScaledArea& area() const { return area_; }
    // The top-left corner of game pixel (x, y) in the widget's logical pixels (x, y may lie outside).
    QPointF toWidget(int x, int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The widget's part that shows the game pixels (x, y, w, h), with a device pixel to spare.
    QRect widgetRect(int x, int y, int w, int h) const;
    // Reports a move to a game pixel once; false for a position outside the game's area.
    bool movedTo(QPointF p);
    EventSink sink_;
    ImageSurface* surface_ = nullptr;
    ScaledArea area_;
    QColor backdrop_{255, 255, 255};
    std::function<void()> areaListener_;
    QPoint lastPointer_{-1, -1};
};

class WindowWidget final : public QMainWindow {
public:
    explicit WindowWidget(EventSink sink);
    Canvas& canvas() { return *canvas_; }
    // After this the next close request is carried out instead of reported.
    void allowClose() { closeAllowed_ = true; }

protected:
    // Reports the window going to the task bar and coming back.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    EventSink sink_;
    Canvas* canvas_;
    bool closeAllowed_ = false;
    bool minimised_ = false;
};

// A label placed in game pixels; it follows the canvas's scale.
class QtLabel final : public Label {
public:
    explicit QtLabel(Canvas& canvas);
    void setCaption(const std::string& utf8) override;
    std::string caption() const override;
    void setFont(const FontRequest& font) override;
    void setBackground(Rgb colour) override;
    void setGeometry(int x, int y, int width, int height) override;
    QLabel& widget() { return *label_; }
    // Places the label and sizes its font for the canvas's area as it is now.
    void fit();

private:
    const Canvas& canvas_;
    QLabel* label_; // owned by its parent widget
    QRect place_;   // in game pixels
    std::optional<FontRequest> font_;
};

class QtMainWindow final : public MainWindow {
public:
    explicit QtMainWindow(EventSink sink);
    ~QtMainWindow() override;

    void setTitle(const std::string& utf8) override;
    std::string title() const override;
    void open(const WindowGeometry& geometry) override;
    WindowGeometry geometry() const override;
    void activate() override;
    void close() override;
    bool isOpen() const override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;
    void setBusyPointer(bool busy) override;
    void setBackground(Rgb colour) override;
    Surface& surface() override;
    void flush() override;
    void setMenuBar(const std::vector<MenuNode>& menus) override;
    void setMenuBarEnabled(bool enabled) override;
    bool menuBarEnabled() const override;
    void setMenuChecked(int id, bool checked) override;
    bool menuChecked(int id) const override;
    Label& createLabel(const std::string& name) override;

    WindowWidget& widget() { return *widget_; }
    // The action of a command id, or nullptr (for widget tests).
    QAction* action(int id) const;

    // Sizes the window to show the game at this factor (leaving full screen first), kept on its screen.
    void zoomTo(double factor);
    void toggleFullScreen();
    // The largest factor at which the window fits the free area of its screen.
    double largestFactor() const;
    // Where a form the game places at (x, y), reckoned from geometry() as if at factor 1, goes on the
    // screen: over the same part of the game's area, however it is scaled.
    QPoint formCorner(int x, int y) const;

private:
    void addNodes(class QMenu& menu, const std::vector<MenuNode>& nodes);
    void addShortcut(const QList<QKeySequence>& keys, std::function<void()> act);
    // Resizes the window so that its canvas shows the game at this factor exactly.
    void sizeFor(double factor);
    EventSink sink_;
    std::unique_ptr<WindowWidget> widget_;
    std::unique_ptr<ImageSurface> surface_;
    WindowGeometry geometry_;
    double factorBeforeFullScreen_ = 1;
    Rgb background_{255, 255, 255};
    bool opened_ = false;
    std::map<int, QAction*> actions_;
    std::vector<std::unique_ptr<QtLabel>> labels_;
};

} // namespace quintaro::platform
