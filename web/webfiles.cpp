#include "web/webfiles.h"

#include "web/httprequest.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pictova::web {

namespace {
const QString kRoot = QStringLiteral(":/web/");
}

const WebFiles& WebFiles::embedded()
{
    static const WebFiles files = [] {
        WebFiles read;
        QDirIterator it(kRoot, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString name = path.mid(kRoot.size());
            read.m_files.emplace(name, File{file.readAll(), contentTypeOf(name)});
        }
        return read;
    }();
    return files;
}

const WebFiles::File* WebFiles::find(const QString& name) const
{
    auto it = m_files.find(name);
    return it == m_files.end() ? nullptr : &it->second;
}

QByteArray gameInfoJson(const GameInfo& info)
{
    const QJsonObject object{{QStringLiteral("name"), info.name},
                             {QStringLiteral("players"), QJsonArray::fromStringList(info.players)},
                             {QStringLiteral("watchers"), info.watchers},
                             {QStringLiteral("running"), info.running}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace pictova::web
