// The name form: ed1 takes one line of at most 30 characters the hall-of-fame file can hold.
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
    : QDialog(owner), ed1_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("champ"));
    setWindowTitle(QStringLiteral("Neuer Rekord!"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* lbl2 = new QLabel(
        QStringLiteral("Gratulation! Ihre Zeit kommt in die Ruhmeshalle.\nBitte geben Sie Ihren &Namen ein:"), this);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl2->setBuddy(ed1_);
    ed1_->setObjectName(QStringLiteral("ed1"));
    ed1_->setMaxLength(kNameLength);
    ed1_->setValidator(new NameValidator(ed1_));
    ed1_->setText(QString::fromStdString(offered));
    ed1_->selectAll();

    auto* cmd5 = new QPushButton(QStringLiteral("&OK"), this);
    cmd5->setObjectName(QStringLiteral("cmd5"));
    cmd5->setDefault(true);
    auto* cmd6 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cmd6->setObjectName(QStringLiteral("cmd6"));
    connect(cmd5, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmd6, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd5);
    buttons->addWidget(cmd6);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbl2);
    layout->addWidget(ed1_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
    move(x, y);
}

ChampionNameAnswer QtChampionForm::showModal()
{
    // The owner may be disabled while the form is open; a window child must be enabled explicitly then.
    setEnabled(true);
    ed1_->setFocus();
    if (exec() != QDialog::Accepted)
        return {};
    return {true, ed1_->text().toStdString()};
}

} // namespace quintaro::platform
