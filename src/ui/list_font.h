#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace numbrava {

// Lists of lines use a fixed-pitch font so their columns line up.
inline QFont fixedListFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

} // namespace numbrava
