#include "session/PageResolver.h"

#include "system/PathUtils.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace taleno {

namespace {

// What the engine plays from an address by itself: media files, and the
// playlists and stream lists it reads.
constexpr std::array<std::string_view, 34> kMediaExtensions = {
    "3gp", "aac", "ac3", "aif",  "aiff", "asf", "avi", "flac", "flv", "m2ts", "m3u", "m3u8",
    "m4a", "m4v", "mka", "mkv",  "mov",  "mp2", "mp3", "mp4",  "mpd", "mpeg", "mpg", "nsv",
    "oga", "ogg", "ogv", "opus", "pls",  "ts",  "wav", "webm", "wma", "wmv"};

// The last "ERROR:" line of yt-dlp's report, without its plea to report it.
std::string ErrorOf(const QString& report) {
    QString last;
    for (const QString& line : report.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("ERROR:"))) last = line.mid(6).trimmed();
    }
    const qsizetype plea = last.indexOf(QStringLiteral("; please report"));
    if (plea >= 0) last.truncate(plea);
    return last.isEmpty() ? QCoreApplication::translate("taleno::CPageResolver", "it gave no reason").toStdString()
                          : last.toStdString();
}

}  // namespace

CPageResolver::CPageResolver() {
    limit.setSingleShot(true);
    limit.setInterval(kTimeLimitMs);
    connect(&limit, &QTimer::timeout, this, [this] {
        const std::string timedOut = page;
        Cancel();
        emit Failed(timedOut,
                    tr("yt-dlp found no video on this page within %1 seconds.").arg(kTimeLimitMs / 1000).toStdString());
    });
}

CPageResolver::~CPageResolver() { Cancel(); }

bool CPageResolver::IsWebPage(const std::string& address) {
    std::string lower = address.substr(0, address.find_first_of("?#"));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!lower.starts_with("http://") && !lower.starts_with("https://")) {
        return false;
    }
    // The address's path after the host: none, or its last part, names no media file.
    const std::size_t path = lower.find('/', lower.find("//") + 2);
    const std::string extension = path == std::string::npos ? std::string() : PathGetExtension(lower.substr(path));
    return std::find(kMediaExtensions.begin(), kMediaExtensions.end(), extension) == kMediaExtensions.end();
}

void CPageResolver::Resolve(const std::string& address) {
    Cancel();
    page = address;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("yt-dlp"));
    if (program.isEmpty()) {
        emit Failed(page, tr("Playing the video of a web page needs yt-dlp, which is not installed (there is no "
                             "\"yt-dlp\" on PATH).")
                              .toStdString());
        return;
    }
    if (!process) {
        process = std::make_unique<QProcess>();
        connect(process.get(), &QProcess::finished, this, &CPageResolver::OnFinished);
        connect(process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                limit.stop();
                emit Failed(page, tr("yt-dlp could not be started.").toStdString());
            }
        });
    }
    // Its own configuration is left out so that its answer has this form:
    // the title on one line, the stream's address on the next. One video of
    // a page that has several; a single file holding picture and sound.
    process->start(
        program, {QStringLiteral("--ignore-config"), QStringLiteral("--no-warnings"), QStringLiteral("--no-playlist"),
                  QStringLiteral("--playlist-items"), QStringLiteral("1"), QStringLiteral("--format"),
                  QStringLiteral("best"), QStringLiteral("--print"), QStringLiteral("title"), QStringLiteral("--print"),
                  QStringLiteral("urls"), QStringLiteral("--"), QString::fromStdString(page)});
    limit.start();
}

void CPageResolver::Cancel() {
    limit.stop();
    if (IsResolving()) {
        process->blockSignals(true);
        process->kill();
        process->waitForFinished(1000);
        process->blockSignals(false);
    }
}

void CPageResolver::OnFinished(int exitCode, QProcess::ExitStatus status) {
    limit.stop();
    const QStringList lines =
        QString::fromUtf8(process->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString report = QString::fromUtf8(process->readAllStandardError());
    if (status != QProcess::NormalExit || exitCode != 0 || lines.size() < 2) {
        emit Failed(
            page,
            tr("yt-dlp found no video on this page: %1").arg(QString::fromStdString(ErrorOf(report))).toStdString());
        return;
    }
    emit Resolved(page, lines[1].trimmed().toStdString(), lines[0].trimmed().toStdString());
}

}  // namespace taleno
