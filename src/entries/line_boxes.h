#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;

namespace numbrava {

// The six number boxes of a line, Text1_0 .. Text1_4 for the main numbers and
// Text1_5 for the bonus, with the game's tag ("PB" / "MB") before the bonus.
// Shared by the add and the edit screen.
class LineBoxes : public QWidget {
    Q_OBJECT
  public:
    LineBoxes(GameCode game, const char* tagLabelName, QWidget* parent = nullptr);

    std::array<QString, 6> texts() const;
    // Each number as two digits, "07".
    void showLine(const EntryLine& line);
    void clear();
    QLineEdit* box(int index) const { return boxes_[static_cast<size_t>(index)]; }
    QLabel* tagLabel() const { return tag_; }

  signals:
    // Return was pressed in one of the boxes.
    void submitted();

  private:
    std::array<QLineEdit*, 6> boxes_{};
    QLabel* tag_ = nullptr;
};

} // namespace numbrava
