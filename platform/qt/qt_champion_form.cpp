// The name form: its text box takes one line of at most 30 characters the hall-of-fame file can hold.
#include "platform/qt/qt_champion_form.h"

#include "platform/qt/qt_name_validator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintaro::platform {

namespace {

constexpr int kNameLength = 30;

} // namespace

QtChampionForm::QtChampionForm(QWidget* owner, const std::string& offered, int x, int y)
    : QDialog(owner), nameEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("nameForm"));
    setWindowTitle(QStringLiteral("Neuer Rekord!"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* prompt = new QLabel(
        QStringLiteral("Gratulation! Ihre Zeit kommt in die Ruhmeshalle.\nBitte geben Sie Ihren &Namen ein:"), this);
    prompt->setObjectName(QStringLiteral("prompt"));
    prompt->setBuddy(nameEdit_);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    nameEdit_->setMaxLength(kNameLength);
    nameEdit_->setValidator(new NameValidator(nameEdit_));
    nameEdit_->setText(QString::fromStdString(offered));
    nameEdit_->selectAll();

    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(nameEdit_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
    move(x, y);
}

ChampionNameAnswer QtChampionForm::showModal() {
    // The owner may be disabled while the form is open; a window child must be enabled explicitly then.
    setEnabled(true);
    nameEdit_->setFocus();
    if (exec() != QDialog::Accepted) return {};
    return {true, nameEdit_->text().toStdString()};
}

} // namespace quintaro::platform
