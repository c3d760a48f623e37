#include "main/about_screen.h"

#include "ui/decoration_pictures.h"
#include "ui/screen_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace numbrava {

AboutScreen::AboutScreen(QWidget* opener, AppContext& context)
    : SecondaryScreen(opener), ctx_(context) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Numbrava"));

    auto* logo = new QLabel;
    logo->setPixmap(logoPicture(devicePixelRatioF()));
    auto* title = new QLabel(QStringLiteral("<h2>Numbrava</h2>"));
    title->setObjectName(QStringLiteral("lblTitle"));
    auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(NUMBRAVA_VERSION)));
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* description = new QLabel(
        QStringLiteral("Keeps your Powerball and Mega Millions lines and draw results, checks "
                       "them and adds up your prizes."));
    description->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    setDefaultButton(ok);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."));
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this, [this] {
        ctx_.dialogs.message(systemInformation(ctx_.state.installFolder),
                             QStringLiteral("System Information"));
    });

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(description);
    // As wide as about forty characters of the description, so it wraps to a
    // few lines and the box has no empty area.
    description->setFixedWidth(description->fontMetrics().averageCharWidth() * 40);
    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttonRow({ok, sysInfo}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

QString AboutScreen::systemInformation(const QString& dataFolder) {
    return QStringLiteral("Operating system: %1\nQt version: %2\nData folder: %3")
        .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()), dataFolder);
}

} // namespace numbrava
