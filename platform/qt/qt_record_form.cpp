// Qt side of the record form: typed characters and clicks on the options go to the game's handlers.
#include "platform/qt/qt_record_form.h"

#include "platform/events.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quintaro::platform {

QtRecordForm::QtRecordForm(QWidget* owner, const std::string& caption, int x, int y) : QDialog(owner) {
    setWindowTitle(QString::fromStdString(caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* rows = new QGridLayout;
    layout->addLayout(rows);
    auto* group = new QButtonGroup(this);
    for (int k = 0; k < 4; ++k) {
        auto* button = new QRadioButton(QStringLiteral("Brett &%1").arg(k + 1), this);
        button->setObjectName(QStringLiteral("option%1").arg(k + 1));
        button->installEventFilter(this);
        group->addButton(button, k);
        rows->addWidget(button, k, 0);
        options_[std::size_t(k)] = button;
        auto* empty = new QLabel(QStringLiteral("leer"), this);
        empty->hide();
        rows->addWidget(empty, k, 1);
        emptyMarks_[std::size_t(k)] = empty;
        // Only a click by the player performs; setOption() changes the state without one.
        connect(button, &QRadioButton::clicked, this, [this, k] {
            if (events_) events_->optionClicked(k);
        });
    }
    auto* buttons = new QHBoxLayout;
    performButton_ = new QPushButton(QStringLiteral("&OK"), this);
    performButton_->setObjectName(QStringLiteral("performButton"));
    cancelButton_ = new QPushButton(QStringLiteral("Abbre&chen"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    performButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);
    buttons->addWidget(performButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    connect(performButton_, &QPushButton::clicked, this, [this] {
        if (events_) events_->performClicked();
    });
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        if (events_) events_->cancelClicked();
    });
    move(x, y);
}

void QtRecordForm::showModal(RecordFormEvents& events) {
    events_ = &events;
    unloaded_ = false;
    // The owner is disabled while the form is open; a window child must be enabled explicitly then.
    setEnabled(true);
    exec();
    events_ = nullptr;
}

bool QtRecordForm::option(int k) const { return k >= 0 && k < 4 && options_[std::size_t(k)]->isChecked(); }

void QtRecordForm::setOption(int k) {
    if (k >= 0 && k < 4) options_[std::size_t(k)]->setChecked(true);
}

void QtRecordForm::focusOption(int k) {
    if (k >= 0 && k < 4) options_[std::size_t(k)]->setFocus();
}

void QtRecordForm::markEmpty(int k) {
    if (k >= 0 && k < 4) emptyMarks_[std::size_t(k)]->show();
}

void QtRecordForm::unload() {
    unloaded_ = true;
    done(QDialog::Accepted);
}

std::string QtRecordForm::caption() const { return windowTitle().toStdString(); }

bool QtRecordForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !events_) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    int character = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        character = CharacterCode::Enter;
    else if (!key->text().isEmpty())
        character = key->text().at(0).unicode();
    // Escape and keys that type nothing (arrows, Tab) keep their usual meaning in the dialog.
    if (character == 0 || character == CharacterCode::Escape) return QDialog::eventFilter(watched, event);
    for (int k = 0; k < 4; ++k) {
        if (watched == options_[std::size_t(k)]) {
            events_->optionKeyTyped(k, character);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void QtRecordForm::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && events_) {
        unloaded_ = true;
        events_->closeBoxClicked();
    }
    QDialog::closeEvent(event);
}

void QtRecordForm::reject() {
    // Escape cancels like the cancel button; the close box arrives through closeEvent first.
    if (!unloaded_ && events_) events_->cancelClicked();
    if (isVisible()) QDialog::reject();
}

} // namespace quintaro::platform
