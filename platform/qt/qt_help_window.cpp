// The help window: a QTextBrowser following links between the pages; web links go to the desktop's browser.
#include "platform/qt/qt_help_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quintaro::platform {

QtHelpWindow::QtHelpWindow() : browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Quintaro – Hilfe"));
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(800, 700);
    // Escape and Ctrl+W close it, as they close the player's other windows; so do the desktop's own close keys.
    QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        if (!closeKeys.contains(key)) closeKeys << key;
    for (const QKeySequence& key : closeKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

bool QtHelpWindow::showPage(const std::string& page) {
    const QString path = QDir::current().absoluteFilePath(QString::fromStdString(page));
    if (QFile file(path); !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
    return true;
}

} // namespace quintaro::platform
