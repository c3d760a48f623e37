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
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."));
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this, [this] {
        ctx_.dialogs.message(systemInformation(ctx_.state.installFolder),
                             QStringLiteral("System Information"));
    });

    auto* buttons = buttonRow({ok, sysInfo});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logo);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addStretch();
    layout->addLayout(buttons);
    ok->setFocus();
    resize(380, 240);
}

QString AboutScreen::systemInformation(const QString& dataFolder) {
    return QStringLiteral("Operating system: %1\nQt version: %2\nData folder: %3")
        .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()), dataFolder);
}

} // namespace numbrava
