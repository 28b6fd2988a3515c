#pragma once
// The engine's lines about tracks, chapters and screenshots, which the
// output rules of the media information do not cover:
//   ID_AUDIO_ID=N, ID_AID_N_LANG=x, ID_AID_N_NAME=x      audio tracks
//   ID_SUBTITLE_ID=N, ID_SID_N_LANG=x, ID_SID_N_NAME=x   subtitle tracks
//   ID_FILE_SUB_ID=N, ID_FILE_SUB_FILENAME=path          a subtitle file loaded
//   ID_CHAPTER_ID=N, ID_CHAPTER_N_START=ms, _END=ms, _NAME=x
//   ANS_switch_audio=N, ANS_sub_demux=N, ANS_sub_file=N  the tracks playing
//   *** screenshot 'file' ***                            a screenshot was saved
// Each begins the line, so none is mistaken for another: they are read
// before those rules (a chapter named "Starting" is a name, not the engine
// starting), and in every state (a subtitle file is loaded while playing).

#include "engine/MediaInfo.h"

#include <optional>
#include <string_view>

namespace taleno {

enum class TrackLine { Track, SubtitleFile, Screenshot };

// What the line was, with `tracks` updated; nothing for any other line.
std::optional<TrackLine> ParseTrackLine(std::string_view line, ClipTracks& tracks);

}  // namespace taleno
