#pragma once
// How a clip's tracks and chapters are shown, alike in the menus and in the
// clip properties: a track by its language and name as tagged
// ("eng - Main", "eng", "Main"), a chapter's start as "0:00:04".

#include <QString>

#include <cstdint>
#include <string>

namespace taleno {

QString TrackText(const std::string& language, const std::string& name);
QString ChapterStartText(std::int64_t startMs);

}  // namespace taleno
