#include "session/ScreenshotSaver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace taleno {

std::string CScreenshotSaver::EnginePrefix() {
    const std::string folder = spool.Path();
    if (folder.empty() || folder.find_first_of(",:=") != std::string::npos) {
        return {};
    }
    return folder + "/shot";
}

std::string CScreenshotSaver::Folder() {
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
                             QStringLiteral("/Taleno"))
        .toStdString();
}

namespace {

// A reason in the user's language, the pictures folder in its place.
std::string Translated(const char* reason) {
    return QCoreApplication::translate("taleno::CScreenshotSaver", reason)
        .arg(QFile::decodeName(CScreenshotSaver::Folder().c_str()))
        .toStdString();
}

}  // namespace

CScreenshotSaver::Result CScreenshotSaver::SaveTaken(const std::string& clipTitle, int seconds) {
    Result result;
    const QString spoolPath = QFile::decodeName(spool.Path().c_str());
    if (spoolPath.isEmpty()) {
        return result;
    }
    const QString folder = QFile::decodeName(Folder().c_str());
    const QStringList taken = QDir(spoolPath).entryList({QStringLiteral("shot*.png")}, QDir::Files, QDir::Name);
    if (!taken.isEmpty() && !QDir().mkpath(folder)) {
        result.failure = Translated(QT_TRANSLATE_NOOP("taleno::CScreenshotSaver", "the folder %1 cannot be made"));
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
        if (QFile::rename(spoolPath + QLatin1Char('/') + name, target)) {
            result.saved.push_back(QFile::encodeName(target).toStdString());
        } else {
            result.failure = Translated(QT_TRANSLATE_NOOP("taleno::CScreenshotSaver", "it cannot be written to %1"));
            QFile::remove(spoolPath + QLatin1Char('/') + name);
        }
    }
    return result;
}

}  // namespace taleno
