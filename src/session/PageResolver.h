#pragma once
// Web video pages: an http or https address whose last part names no media
// file is a page, and yt-dlp (when it is on PATH) is asked for one playable
// stream of it and the page's title. It runs as a child process, so the
// window never waits on it; a new resolution or Cancel ends the one under
// way, and one that takes longer than kTimeLimitMs fails.

#include <QObject>
#include <QProcess>
#include <QTimer>

#include <memory>
#include <string>

namespace taleno {

class CPageResolver : public QObject {
    Q_OBJECT

public:
    static constexpr int kTimeLimitMs = 60000;

    CPageResolver();
    ~CPageResolver() override;

    static bool IsWebPage(const std::string& address);

    void Resolve(const std::string& page);
    void Cancel();
    bool IsResolving() const { return process && process->state() != QProcess::NotRunning; }

signals:
    void Resolved(const std::string& page, const std::string& stream, const std::string& title);
    // A message for the user: which program and why.
    void Failed(const std::string& page, const std::string& message);

private:
    void OnFinished(int exitCode, QProcess::ExitStatus status);

    // Made on the first resolution: most players never resolve a page.
    std::unique_ptr<QProcess> process;
    QTimer limit;
    std::string page;
};

}  // namespace taleno
