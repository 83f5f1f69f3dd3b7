// The about box: the lines the game gives, centred, above one OK button.
#include "platform/qt/qt_about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintaro::platform {

QtAboutBox::QtAboutBox(QWidget* owner, const std::vector<std::string>& lines, int x, int y) : QDialog(owner) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* label = new QLabel(QString::fromStdString(lines[i]), this);
        label->setObjectName(QStringLiteral("line%1").arg(int(i)));
        label->setAlignment(Qt::AlignHCenter);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
        if (i == 0) {
            QFont font = label->font();
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.5);
            label->setFont(font);
            layout->addSpacing(8);
        }
    }
    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addStretch();
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
    move(x, y);
}

void QtAboutBox::showModal() {
    // The owner may be disabled while the box is open; a window child must be enabled explicitly then.
    setEnabled(true);
    exec();
}

} // namespace quintaro::platform
