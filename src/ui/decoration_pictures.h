#pragma once

#include <QPixmap>

namespace numbrava {

// Small pictures drawn at run time: the results list and statistics buttons,
// the main screen's decoration and the window icon.
QPixmap historyPicture(qreal devicePixelRatio);
QPixmap statsPicture(qreal devicePixelRatio);
QPixmap logoPicture(qreal devicePixelRatio);

} // namespace numbrava
