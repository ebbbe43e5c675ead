#include "CopyProgressForm.h"

#include <QGuiApplication>
#include <QScreen>

#include "text/Cp932.h"

namespace tolvane::gui {

TCopyProgressForm::TCopyProgressForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                          Qt::WindowStaysOnTopHint) {
    setFixedSize(300, 75);
    setModal(false);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setGeometry(41, 10, 210, 16);
    ProgressBar->setRange(0, 0);
    ProgressBar->setTextVisible(false);
    Label = new QLabel(this);
    Label->setGeometry(41, 30, 210, 16);
    Label->setAlignment(Qt::AlignCenter);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(150, 37));
    }
    show();
}

void TCopyProgressForm::SetCaption(const std::string& text) {
    setWindowTitle(Cp932ToQStringLenient(text));
}

void TCopyProgressForm::SetRange(std::int64_t maximum) {
    scale_ =
        maximum > INT32_MAX ? static_cast<double>(INT32_MAX) / static_cast<double>(maximum) : 1.0;
    ProgressBar->setRange(0, static_cast<int>(static_cast<double>(maximum) * scale_));
}

void TCopyProgressForm::SetPosition(std::int64_t position) {
    ProgressBar->setValue(static_cast<int>(static_cast<double>(position) * scale_));
}

void TCopyProgressForm::SetLabel(const std::string& text) {
    Label->setText(Cp932ToQStringLenient(text));
}

}  // namespace tolvane::gui
