#include "session/SpoolFolder.h"

#include <QDir>
#include <QFile>

namespace taleno {

namespace {

// "sub_load " and "/s99.srt" around the folder's path.
constexpr qsizetype kLongestFolder = 38 - 9 - 8;

}  // namespace

std::string CSpoolFolder::Path() {
    if (!folder) {
        const QString name = QStringLiteral("/tl-XXXXXX");
        const QString temporary = QDir::tempPath();
        const QString base =
            QFile::encodeName(temporary).size() + name.size() <= kLongestFolder ? temporary : QStringLiteral("/tmp");
        folder = std::make_unique<QTemporaryDir>(base + name);
    }
    return folder->isValid() ? QFile::encodeName(folder->path()).toStdString() : std::string();
}

}  // namespace taleno
