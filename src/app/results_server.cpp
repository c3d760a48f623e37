#include "app/results_server.h"

#include <QUrl>

namespace numbrava {

QString resultsServerAddress(const QString& requested) {
    QString address = requested.trimmed();
    if (address.isEmpty())
        address = qEnvironmentVariable("NUMBRAVA_RESULTS_URL").trimmed();
    if (address.isEmpty())
        address = QStringLiteral("http://127.0.0.1:8000/");
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QString();
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    return address;
}

} // namespace numbrava
