#include "shell/TrackTexts.h"

#include "engine/MediaInfo.h"
#include "platform/DisplayText.h"
#include "shell/TimeParts.h"

#include <algorithm>

namespace taleno {

QString TrackText(const std::string& language, const std::string& name) {
    const QString shownLanguage = DisplayText(language), shownName = DisplayText(name);
    return shownLanguage.isEmpty() || shownName.isEmpty() ? shownLanguage + shownName
                                                          : shownLanguage + QStringLiteral(" - ") + shownName;
}

QString ChapterStartText(std::int64_t startMs) {
    const TimeParts t(static_cast<int>(std::min<std::int64_t>(startMs / 1000, kMaxSeconds)));
    return QStringLiteral("%1:%2:%3")
        .arg(t.hours)
        .arg(t.minutes, 2, 10, QLatin1Char('0'))
        .arg(t.seconds, 2, 10, QLatin1Char('0'));
}

}  // namespace taleno
