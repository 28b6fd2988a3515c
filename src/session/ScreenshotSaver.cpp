#include "session/ScreenshotSaver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace taleno {

std::string CScreenshotSaver::EnginePrefix() {
    if (!spool) {
        spool = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/taleno-shots-XXXXXX"));
    }
    const QString path = spool->path();
    if (!spool->isValid() || path.contains(QLatin1Char(',')) || path.contains(QLatin1Char(':')) ||
        path.contains(QLatin1Char('='))) {
        return {};
    }
    return QFile::encodeName(path + QStringLiteral("/shot")).toStdString();
}

std::string CScreenshotSaver::Folder() {
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
                             QStringLiteral("/Taleno"))
        .toStdString();
}

CScreenshotSaver::Result CScreenshotSaver::SaveTaken(const std::string& clipTitle, int seconds) {
    Result result;
    if (!spool || !spool->isValid()) {
        return result;
    }
    const QString folder = QFile::decodeName(Folder().c_str());
    const QStringList taken = QDir(spool->path()).entryList({QStringLiteral("shot*.png")}, QDir::Files, QDir::Name);
    if (!taken.isEmpty() && !QDir().mkpath(folder)) {
        result.failure = "the folder " + Folder() + " cannot be made";
        return result;
    }
    // A title is a file name's stem or an address's last part: no "/" in it.
    QString title = QFile::decodeName(clipTitle.c_str());
    title.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (title.isEmpty()) title = QStringLiteral("Taleno");
    const QString stem = QStringLiteral("%1 %2-%3-%4")
                             .arg(title)
                             .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    for (const QString& name : taken) {
        QString target = folder + QLatin1Char('/') + stem + QStringLiteral(".png");
        for (int n = 2; QFileInfo::exists(target); ++n) {
            target = folder + QLatin1Char('/') + stem + QStringLiteral(" (%1).png").arg(n);
        }
        // Across file systems QFile copies and then removes the original.
        if (QFile::rename(spool->path() + QLatin1Char('/') + name, target)) {
            result.saved.push_back(QFile::encodeName(target).toStdString());
        } else {
            result.failure = "it cannot be written to " + Folder();
            QFile::remove(spool->path() + QLatin1Char('/') + name);
        }
    }
    return result;
}

}  // namespace taleno
