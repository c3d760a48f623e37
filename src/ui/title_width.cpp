#include "ui/title_width.h"

#include <QFont>
#include <QFontMetrics>

namespace numbrava {

int titleBarWidth(const QString& title, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    // Three buttons one side, the icon and a margin the other: a centred
    // caption needs the wider of the two on both sides.
    const int besideCaption = 2 * QFontMetrics(bold).height() * 5;
    return QFontMetrics(bold).horizontalAdvance(title) + besideCaption;
}

} // namespace numbrava
