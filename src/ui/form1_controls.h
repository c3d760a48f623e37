#pragma once

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class QFrame;

namespace numbrava {

class DatePicker;

// The controls of the main screen, named as the domain names them (each also
// carries that name as its objectName).
struct Form1Controls {
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option3 = nullptr; // Powerball
    QRadioButton* Option2 = nullptr; // Mega Millions
    QRadioButton* Option4 = nullptr; // Powerball 5/69
    QRadioButton* Option5 = nullptr; // Mega Millions 5/70
    QGroupBox* Frame3 = nullptr;
    DatePicker* DTPicker1 = nullptr; // result date
    QPushButton* Command1 = nullptr; // Add Draw Result
    QPushButton* Command2 = nullptr; // Delete Draw
    QLabel* Label4 = nullptr;
    QFrame* Picture1 = nullptr;
    std::array<QLabel*, 6> Image2{};
    QLabel* Label3 = nullptr; // bonus ball caption
    QLabel* Image4 = nullptr;
    QToolButton* Image1 = nullptr; // results list
    QLabel* Label1 = nullptr;
    QToolButton* Image3 = nullptr; // statistics
    QLabel* Label2 = nullptr;

    QGroupBox* Frame5 = nullptr;
    DatePicker* DTPicker2 = nullptr; // entries date
    QListWidget* List1 = nullptr;    // entry lines
    QLineEdit* Text2 = nullptr;      // number of entries
    QLabel* Label5 = nullptr;
    QPushButton* Command4 = nullptr;  // Add
    QPushButton* Command6 = nullptr;  // Edit
    QPushButton* Command5 = nullptr;  // Delete
    QPushButton* Command14 = nullptr; // Check
    QPushButton* Command12 = nullptr; // History check
    QPushButton* Command9 = nullptr;  // Print entries
    QPushButton* Command3 = nullptr;  // Dated Entry

    QGroupBox* Frame6 = nullptr;
    QListWidget* List2 = nullptr; // winning lines
    QLineEdit* Text3 = nullptr;   // total wins
    QLabel* Label6 = nullptr;
    QPushButton* Command10 = nullptr; // Print winning lines

    QMenu* mnuFile = nullptr;
    QAction* mnuUpdateResults = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnufilter = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuImportResults = nullptr;
    QAction* mnuExportResults = nullptr;
    QAction* mnuprinterselect = nullptr;
    QMenu* mnuMaintainPayouts = nullptr;
    QAction* mnuDEfaults = nullptr;
    QAction* mnuactualpayouts = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QMenu* mnuWheels = nullptr;
    QAction* mnuWheelCreate = nullptr;
    QMenu* mnuWheelOpen = nullptr;
    std::array<QAction*, 6> mnuWheelOpenType{}; // mnu555, mnu554, mnu553, mnu544, mnu543, mnu533
    QMenu* mnustand = nullptr;
    QAction* mnustandsave = nullptr;
    QAction* mnustandopen = nullptr;
    QMenu* mnuopt = nullptr;
    QAction* mnuoptcreate = nullptr;
    QMenu* mnuHlp = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
};

} // namespace numbrava
