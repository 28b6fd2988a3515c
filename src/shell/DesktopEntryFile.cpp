#include "shell/DesktopEntryFile.h"

#include <QFile>

static void InitAppResources() { Q_INIT_RESOURCE(app); }

namespace taleno {

QStringList DesktopEntryMimeTypes() {
    InitAppResources();
    QFile file(QStringLiteral(":/app/taleno.desktop"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    static constexpr char kKey[] = "MimeType=";
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith(kKey)) {
            return QString::fromUtf8(line.mid(sizeof kKey - 1)).split(u';', Qt::SkipEmptyParts);
        }
    }
    return {};
}

}  // namespace taleno
