#include "wheels/wheel_catalogue.h"

#include <array>

namespace numbrava {

namespace {

constexpr std::array<WheelSize, 4> kFull555{{{7, 21}, {8, 56}, {9, 126}, {10, 252}}};
constexpr std::array<WheelSize, 6> kSizes554{
    {{7, 3}, {8, 5}, {9, 9}, {10, 14}, {11, 22}, {12, 35}}};
constexpr std::array<WheelSize, 6> kSizes553{
    {{10, 2}, {11, 5}, {12, 6}, {13, 8}, {14, 10}, {15, 13}}};
constexpr std::array<WheelSize, 6> kSizes544{
    {{6, 5}, {7, 9}, {8, 20}, {9, 30}, {10, 53}, {11, 66}}};
constexpr std::array<WheelSize, 6> kSizes543{
    {{9, 5}, {10, 7}, {11, 10}, {12, 13}, {13, 16}, {14, 21}}};
constexpr std::array<WheelSize, 6> kSizes533{
    {{8, 8}, {9, 12}, {10, 17}, {11, 22}, {12, 31}, {13, 36}}};

// The user-visible texts are written out in full, exactly as the screens show
// and print them.
const std::array<WheelKind, kWheelTypeCount>& table() {
    static const std::array<WheelKind, kWheelTypeCount> kinds{{
        {1, 5, 5, QStringLiteral("Guarantee Match 5"), QStringLiteral("Any 5 from Group Picked"),
         QStringLiteral("Guarantee Match 5 if any 5 drawn from the following number group:"),
         QStringLiteral("Guarantee Match 5 if 5 Picked from Group"), QStringLiteral("mnu555"),
         kFull555},
        {2, 5, 4, QStringLiteral("Guarantee Match 4"), QStringLiteral("Any 5 from Group Picked"),
         QStringLiteral("Guarantee Match 4 if any 5 drawn from the following number group:"),
         QStringLiteral("Guarantee Match 4 if 5 Picked from Group"), QStringLiteral("mnu554"),
         kSizes554},
        {3, 5, 3, QStringLiteral("Guarantee Match 3"), QStringLiteral("Any 5 from Group Picked"),
         QStringLiteral("Guarantee Match 3 if any 5 drawn from the following number group:"),
         QStringLiteral("Guarantee Match 3 if 5 Picked from Group"), QStringLiteral("mnu553"),
         kSizes553},
        {4, 4, 4, QStringLiteral("Guarantee Match 4"), QStringLiteral("Any 4 from Group Picked"),
         QStringLiteral("Guarantee Match 4 if any 4 drawn from the following number group:"),
         QStringLiteral("Guarantee Match 4 if 4 Picked from Group"), QStringLiteral("mnu544"),
         kSizes544},
        {5, 4, 3, QStringLiteral("Guarantee Match 3"), QStringLiteral("Any 4 from Group Picked"),
         QStringLiteral("Guarantee Match 3 if any 4 drawn from the following number group:"),
         QStringLiteral("Guarantee Match 3 if 4 Picked from Group"), QStringLiteral("mnu543"),
         kSizes543},
        {6, 3, 3, QStringLiteral("Guarantee Match 3"), QStringLiteral("Any 3 from Group Picked"),
         QStringLiteral("Guarantee Match 3 if any 3 drawn from the following number group:"),
         QStringLiteral("Guarantee Match 3 if 3 Picked from Group"), QStringLiteral("mnu533"),
         kSizes533},
    }};
    return kinds;
}

} // namespace

QString WheelKind::tag() const {
    return QStringLiteral("5-") + wheelCode();
}

QString WheelKind::wheelCode() const {
    return QStringLiteral("%1-%2").arg(drawnInGroup).arg(guaranteedMatch);
}

std::span<const WheelKind> wheelCatalogue() {
    return table();
}

const WheelKind* findWheelKind(int type) {
    if (type < 1 || type > kWheelTypeCount)
        return nullptr;
    return &table()[type - 1];
}

std::optional<int> entriesRequired(int type, int groupSize) {
    const WheelKind* kind = findWheelKind(type);
    if (!kind)
        return std::nullopt;
    for (const WheelSize& size : kind->sizes)
        if (size.groupSize == groupSize)
            return size.entriesRequired;
    return std::nullopt;
}

QString wheelFilePath(const QString& folder, int type, int groupSize) {
    const WheelKind* kind = findWheelKind(type);
    if (!kind)
        return QString();
    return folder + QStringLiteral("/wheels/") + kind->tag() + QLatin1Char('-') +
           QString::number(groupSize) + QStringLiteral(".whl");
}

QString wheelEntryFileName(GameCode game, int type) {
    const WheelKind* kind = findWheelKind(type);
    return kind ? wheelEntryFileName(game, kind->wheelCode()) : QString();
}

} // namespace numbrava
