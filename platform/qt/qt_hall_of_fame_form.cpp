// The hall-of-fame form: one report list per level on a tab strip, columns sized in twips.
#include "platform/qt/qt_hall_of_fame_form.h"

#include "platform/qt_fonts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace quintaro::platform {

namespace {

constexpr std::array<const char*, 4> kLevels{"Leicht", "Mittel", "Schwer", "Extrem"};
constexpr std::array<const char*, 4> kColumns{"#", "Name", "Datum", "Zeit"};
constexpr std::array<int, 4> kColumnTwips{415, 3100, 1400, 1345};
constexpr int kTwipsPerInch = 1440;
constexpr int kListPoints = 12;
constexpr int kVisibleRows = 10;

// The rank column is as narrow as the game sizes it: "10." must show whole, even where it touches the margins.
class RankDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideNone;
    }
};

QTreeWidget* reportList(QWidget* parent, int level, const std::vector<HallOfFameRow>& rows) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("levelList%1").arg(level));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFont(QFont(familyFor("ARIAL"), kListPoints));
    list->setColumnCount(int(kColumns.size()));
    QStringList headers;
    for (const char* c : kColumns) headers << QString::fromUtf8(c);
    list->setHeaderLabels(headers);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    for (int c = 0; c < int(kColumnTwips.size()); ++c) {
        const double twips = kColumnTwips[std::size_t(c)];
        list->setColumnWidth(c, int(std::lround(twips * list->logicalDpiX() / kTwipsPerInch)));
    }
    list->headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    list->setItemDelegateForColumn(0, new RankDelegate(list));
    for (const HallOfFameRow& row : rows) {
        auto* item = new QTreeWidgetItem(list);
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(0, QString::fromStdString(row.rank));
        item->setText(1, QString::fromStdString(row.name));
        item->setText(2, QString::fromStdString(row.date));
        item->setText(3, QString::fromStdString(row.time));
    }
    // Room for the four columns and ten ranks without scrolling.
    const int width = list->header()->length() + 2 * list->frameWidth();
    const int rowHeight = list->fontMetrics().height() + 1;
    const int height = list->header()->sizeHint().height() + kVisibleRows * rowHeight + 2 * list->frameWidth() + 2;
    list->setMinimumSize(width, height);
    return list;
}

} // namespace

QtHallOfFameForm::QtHallOfFameForm(QWidget* owner, const HallOfFameLists& lists, int level, int x, int y,
                                   ConfirmClear confirmClear)
    : QDialog(owner), levelTabs_(new QTabWidget(this)), confirmClear_(std::move(confirmClear)) {
    setObjectName(QStringLiteral("hallOfFameForm"));
    setWindowTitle(QStringLiteral("Ruhmeshalle"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    levelTabs_->setObjectName(QStringLiteral("levelTabs"));
    for (std::size_t k = 0; k < kLevels.size(); ++k)
        levelTabs_->addTab(reportList(levelTabs_, int(k), lists[k]), QString::fromUtf8(kLevels[k]));
    levelTabs_->setCurrentIndex(level >= 0 && level < levelTabs_->count() ? level : 0);

    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* clearButton = new QPushButton(QStringLiteral("&Löschen"), this);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(clearButton, &QPushButton::clicked, this, [this] { clearPressed(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(clearButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(levelTabs_);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    move(x, y);
}

void QtHallOfFameForm::clearPressed() {
    const int tab = levelTabs_->currentIndex();
    if (confirmClear_ && confirmClear_(tab)) {
        answer_ = {true, tab};
        accept();
    }
}

HallOfFameAnswer QtHallOfFameForm::showModal() {
    // The owner may be disabled while the form is open; a window child must be enabled explicitly then.
    setEnabled(true);
    answer_ = {};
    exec();
    return answer_;
}

} // namespace quintaro::platform
