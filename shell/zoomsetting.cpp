#include "shell/zoomsetting.h"

#include "shell/inifile.h"
#include "shell/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pictova {

namespace {
const QString kZoomKey = QStringLiteral("Zoom");
} // namespace

int nearestZoomStep(int percent)
{
    int best = kZoomSteps.front();
    for (int step : kZoomSteps)
        if (std::abs(static_cast<long long>(step) - percent) <
            std::abs(static_cast<long long>(best) - percent))
            best = step;
    return best;
}

int nextZoomStep(int percent, int direction)
{
    const int current = nearestZoomStep(percent);
    int index = 0;
    while (kZoomSteps[static_cast<size_t>(index)] != current)
        ++index;
    index += direction > 0 ? 1 : direction < 0 ? -1 : 0;
    index = std::clamp(index, 0, static_cast<int>(kZoomSteps.size()) - 1);
    return kZoomSteps[static_cast<size_t>(index)];
}

QList<int> zoomStepsThatFit(QSize room, QSize designed, QSize frame)
{
    QList<int> steps{kZoomSteps.front()};
    for (int step : kZoomSteps) {
        // Whole pixels, as the window is laid out: a step fits when it rounds to the room exactly.
        const qint64 width = (static_cast<qint64>(designed.width()) * step + 50) / 100 + frame.width();
        const qint64 height = (static_cast<qint64>(designed.height()) * step + 50) / 100 + frame.height();
        if (step != kZoomSteps.front() && width <= room.width() && height <= room.height())
            steps << step;
    }
    return steps;
}

int firstStartZoom(int screenHeight, int designedHeight)
{
    if (screenHeight <= 0 || designedHeight <= 0)
        return kZoomSteps.front();
    const double wanted = screenHeight / 2.0;
    int best = kZoomSteps.front();
    double bestDistance = HUGE_VAL;
    for (int step : kZoomSteps) {
        const double distance = std::abs(designedHeight * step / 100.0 - wanted);
        if (distance < bestDistance) {
            best = step;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<int> loadZoom(const QString& path)
{
    const IniFile ini(path);
    bool ok = false;
    const int percent =
        ini.readString(QString::fromLatin1(kSettingsSection), kZoomKey, QString()).trimmed().toInt(&ok);
    if (!ok || percent <= 0)
        return std::nullopt;
    return nearestZoomStep(percent);
}

void saveZoom(const QString& path, int percent)
{
    IniFile ini(path);
    ini.writeString(QString::fromLatin1(kSettingsSection), kZoomKey,
                    QString::number(nearestZoomStep(percent)));
    ini.save();
}

} // namespace pictova
