#include "shell/AppIcon.h"

#include <QFile>

static void InitAppResources() { Q_INIT_RESOURCE(app); }

namespace taleno {

namespace {

const char* Resource() {
    InitAppResources();
    return ":/app/taleno.png";
}

}  // namespace

QIcon AppIcon() { return QIcon(QString::fromLatin1(Resource())); }

std::string AppIconPng() {
    QFile file(QString::fromLatin1(Resource()));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace taleno
