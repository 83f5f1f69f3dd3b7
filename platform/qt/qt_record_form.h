// Qt side of the record form: a dialog with four option buttons, a perform and a cancel button.
#pragma once

#include "platform/record_form.h"

#include <QDialog>

#include <array>

class QLabel;
class QRadioButton;
class QPushButton;

namespace quintaro::platform {

class QtRecordForm final : public QDialog, public RecordForm {
public:
    QtRecordForm(QWidget* owner, const std::string& caption, int x, int y);

    void showModal(RecordFormEvents& events) override;
    bool option(int k) const override;
    void setOption(int k) override;
    void focusOption(int k) override;
    void markEmpty(int k) override;
    void unload() override;
    std::string caption() const override;

    QRadioButton* optionButton(int k) const { return options_[std::size_t(k)]; }
    QPushButton* performButton() const { return cmd1_; }
    QPushButton* cancelButton() const { return cmd2_; }
    // The "leer" beside option k, visible once the option is marked empty.
    QLabel* emptyMark(int k) const { return emptyMarks_[std::size_t(k)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    std::array<QRadioButton*, 4> options_{};
    std::array<QLabel*, 4> emptyMarks_{};
    QPushButton* cmd1_ = nullptr;
    QPushButton* cmd2_ = nullptr;
    RecordFormEvents* events_ = nullptr;
    bool unloaded_ = false;
};

} // namespace quintaro::platform
