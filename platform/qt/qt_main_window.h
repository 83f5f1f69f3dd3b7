// Qt side of the main window: a QMainWindow whose central widget paints the client-area image.
#pragma once

#include "platform/image_surface.h"
#include "platform/events.h"
#include "platform/main_window.h"

#include <QLabel>
#include <QMainWindow>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;

namespace quintaro::platform {

using EventSink = std::function<void(const Event&)>;

// Paints the surface image and turns mouse and keyboard input into game events.
class Canvas final : public QWidget {
public:
    Canvas(EventSink sink, QWidget* parent);
    void setSurface(ImageSurface* surface);
    // Backs the surface at the device pixel ratio of the screen the window is on now.
    void matchScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void movedTo(QPointF p);
    EventSink sink_;
    ImageSurface* surface_ = nullptr;
    QPointF lastPointer_{-1, -1};
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

class QtLabel final : public Label {
public:
    QtLabel(QWidget* parent);
    void setCaption(const std::string& utf8) override;
    std::string caption() const override;
    void setFont(const FontRequest& font) override;
    void setBackground(Rgb colour) override;
    void setGeometry(int x, int y, int width, int height) override;
    QLabel& widget() { return *label_; }

private:
    QLabel* label_; // owned by its parent widget
};

class QtMainWindow final : public MainWindow {
public:
    explicit QtMainWindow(EventSink sink);
    ~QtMainWindow() override;

    void setTitle(const std::string& utf8) override;
    std::string title() const override;
    void open(const WindowGeometry& geometry) override;
    WindowGeometry geometry() const override { return geometry_; }
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

private:
    void addNodes(class QMenu& menu, const std::vector<MenuNode>& nodes);
    EventSink sink_;
    std::unique_ptr<WindowWidget> widget_;
    std::unique_ptr<ImageSurface> surface_;
    WindowGeometry geometry_;
    Rgb background_{255, 255, 255};
    bool opened_ = false;
    std::map<int, QAction*> actions_;
    std::vector<std::unique_ptr<QtLabel>> labels_;
};

} // namespace quintaro::platform
