#include "entries/line_boxes.h"

#include "ui/accessibility.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace numbrava {

LineBoxes::LineBoxes(GameCode game, const char* tagLabelName, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 14;
    for (size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setMaxLength(2);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(width);
        connect(box, &QLineEdit::returnPressed, this, &LineBoxes::submitted);
        boxes_[i] = box;
        if (i == 5) {
            tag_ = new QLabel(gameInfo(game).tag);
            tag_->setObjectName(QString::fromLatin1(tagLabelName));
            row->addSpacing(8);
            row->addWidget(tag_);
        }
        row->addWidget(box);
    }
    row->addStretch();
    for (size_t i = 1; i < boxes_.size(); ++i)
        setTabOrder(boxes_[i - 1], boxes_[i]);
    nameBallBoxes(boxes_, 5); // the sixth is named by its tag
}

std::array<QString, 6> LineBoxes::texts() const {
    std::array<QString, 6> all;
    for (size_t i = 0; i < boxes_.size(); ++i)
        all[i] = boxes_[i]->text();
    return all;
}

void LineBoxes::showLine(const EntryLine& line) {
    auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    for (size_t i = 0; i < 5; ++i)
        boxes_[i]->setText(twoDigits(line.numbers[i]));
    boxes_[5]->setText(twoDigits(line.bonus));
}

void LineBoxes::clear() {
    for (QLineEdit* box : boxes_)
        box->clear();
}

} // namespace numbrava
