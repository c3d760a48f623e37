#include "analysis/ball_info_screen.h"

#include "analysis/ball_info.h"
#include "data/number_text.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace numbrava {

BallInfoScreen::BallInfoScreen(MainView& mainWindow, QWidget* opener, const StatsScope& scope,
                               int ball)
    : SecondaryScreen(opener) {
    setObjectName(QStringLiteral("Form26"));
    AppContext& ctx = mainWindow.context();

    auto* frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    const QFont boxFont(QStringLiteral("Arial"));
    auto addFact = [&](int row, const char* box, const char* label, const QString& caption) {
        auto* text = new QLabel(caption);
        text->setObjectName(QString::fromLatin1(label));
        auto* value = new QLineEdit;
        value->setObjectName(QString::fromLatin1(box));
        value->setReadOnly(true);
        value->setFont(boxFont);
        value->setFixedWidth(110);
        text->setBuddy(value);
        grid->addWidget(text, row, 0);
        grid->addWidget(value, row, 1);
        return value;
    };
    QLineEdit* timesDrawn = addFact(0, "Text2", "Label2", QStringLiteral("Number of Times Drawn"));
    QLineEdit* lastDate = addFact(1, "Text4", "Label4", QStringLiteral("Date Last Drawn"));
    QLineEdit* since = addFact(2, "Text3", "Label3",
                               QStringLiteral("Number of Draws Since Last Drawn (ND=Never Drawn)"));
    QLineEdit* expected =
        addFact(3, "Text1", "Label1", QStringLiteral("Number of Times Expected to be Drawn"));

    auto* close = namedButton("Command1", QStringLiteral("Close"));
    close->setToolTip(QStringLiteral("Closes this form."));
    setDefaultButton(close);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttonRow({close}));
    // As low as its content; wider only when the caption needs it.
    setFixedHeight(sizeHint().height());
    close->setFocus();

    BallInformation info;
    const bool read = guardFileOperation(
        ctx.dialogs, [&] { info = readBallInformation(ctx.state.installFolder, scope, ball); });
    if (!read)
        return;
    timesDrawn->setText(asWritten(info.timesDrawn));
    lastDate->setText(info.dateLastDrawn);
    since->setText(info.drawsSince ? asWritten(*info.drawsSince) : QStringLiteral("ND"));
    expected->setText(asWritten(info.timesExpected));
}

} // namespace numbrava
