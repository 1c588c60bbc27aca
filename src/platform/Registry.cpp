#include "Registry.h"

#include "SafeWrite.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace
{
QString &StorageFolder()
{
    static QString folder;
    return folder;
}

QString HiveFile(TRootKey root)
{
    const QString name =
        root == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER.ini") : QStringLiteral("HKEY_LOCAL_MACHINE.ini");
    if (!StorageFolder().isEmpty())
        return QDir(StorageFolder()).filePath(name);
    if (root == HKEY_CURRENT_USER)
        return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("DovraApd/") + name);
    // The machine-wide hive, in the first system configuration folder (/etc/xdg unless XDG_CONFIG_DIRS
    // says otherwise); ordinary users cannot write it, as on the original system.
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    const QString system = dirs.section(u':', 0, 0, QString::SectionSkipEmpty);
    return QDir(system.isEmpty() ? QStringLiteral("/etc/xdg") : system).filePath(QStringLiteral("DovraApd/") + name);
}

// Registry paths use "\"; settings groups use "/".
QString GroupOf(const QString &key)
{
    QString g = key;
    g.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (g.startsWith(QLatin1Char('/')))
        g.remove(0, 1);
    while (g.endsWith(QLatin1Char('/')))
        g.chop(1);
    return g;
}

// The key's unnamed value.
const QString DefaultValueName = QStringLiteral("Default");

QString ValueKey(const QString &name)
{
    return name.isEmpty() ? DefaultValueName : name;
}
} // namespace

TRegistry::TRegistry() = default;
TRegistry::~TRegistry() = default;

void TRegistry::SetStorageFolder(const QString &Folder)
{
    StorageFolder() = Folder;
}

void TRegistry::SetRootKey(TRootKey Value)
{
    CloseKey();
    FRootKey = Value;
    FHive.reset();
    FRefused = false;
}

QSettings *TRegistry::Hive() const
{
    if (!FHive && !FRefused) {
        // QSettings opens its file with a plain open, which waits for ever on a FIFO: the file is looked at
        // first by the road every file is read by.
        const QString file = HiveFile(FRootKey);
        if (Platform::SettingsFileUsable(file))
            FHive = std::make_unique<QSettings>(file, QSettings::IniFormat);
        else
            FRefused = true;
    }
    return FHive.get();
}

bool TRegistry::KeyExists(const QString &Key)
{
    QSettings *hive = Hive();
    if (!hive)
        return false;
    const QString group = GroupOf(Key);
    if (group.isEmpty())
        return true;
    // A key exists when the store holds anything under it.
    for (const QString &k : hive->allKeys())
        if (k.startsWith(group + QLatin1Char('/')))
            return true;
    return false;
}

bool TRegistry::OpenKey(const QString &Key, bool CanCreate)
{
    CloseKey();
    QSettings *hive = Hive();
    if (!hive)
        return false;
    if (!KeyExists(Key)) {
        if (!CanCreate)
            return false;
        if (!hive->isWritable())
            return false;
        const QFileInfo file(hive->fileName());
        if (!QDir().mkpath(file.absolutePath()))
            return false;
    } else if (CanCreate && !hive->isWritable()) {
        return false;
    }
    FCurrentKey = GroupOf(Key);
    FOpen = true;
    return true;
}

void TRegistry::CloseKey()
{
    if (FOpen && FHive)
        FHive->sync();
    FOpen = false;
    FCurrentKey.clear();
}

QStringList TRegistry::GetValueNames() const
{
    if (!FOpen)
        return {};
    QSettings *hive = Hive();
    hive->beginGroup(FCurrentKey);
    QStringList names = hive->childKeys();
    hive->endGroup();
    for (QString &n : names)
        if (n == DefaultValueName)
            n.clear();
    return names;
}

bool TRegistry::ValueExists(const QString &Name) const
{
    if (!FOpen)
        return false;
    return Hive()->contains(FCurrentKey + QLatin1Char('/') + ValueKey(Name));
}

QString TRegistry::ReadString(const QString &Name) const
{
    if (!FOpen)
        return QString();
    const QVariant v = Hive()->value(FCurrentKey + QLatin1Char('/') + ValueKey(Name));
    // Only text values are read; anything else reads as empty.
    if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray)
        return QString();
    return v.toString();
}

void TRegistry::WriteString(const QString &Name, const QString &Value)
{
    QSettings *hive = Hive();
    if (!FOpen || !hive || !hive->isWritable())
        throw ERegistryException(QStringLiteral("Αδυναμία εγγραφής της τιμής %1").arg(Name));
    hive->setValue(FCurrentKey + QLatin1Char('/') + ValueKey(Name), Value);
    hive->sync();
    if (hive->status() != QSettings::NoError)
        throw ERegistryException(QStringLiteral("Αδυναμία εγγραφής της τιμής %1").arg(Name));
}

// ---------------------------------------------------------------------------------------------

namespace Platform
{
namespace
{
QString &RecentFileOverride()
{
    static QString path;
    return path;
}

// Desktops keep every file ever opened in it; a few megabytes are thousands of entries.
constexpr qint64 MaxRecentListSize = qint64(16) * 1024 * 1024;

const QString BookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

void WriteNewBookmark(QXmlStreamWriter &w, const QString &href, const QString &now)
{
    w.writeStartElement(QStringLiteral("bookmark"));
    w.writeAttribute(QStringLiteral("href"), href);
    w.writeAttribute(QStringLiteral("added"), now);
    w.writeAttribute(QStringLiteral("modified"), now);
    w.writeAttribute(QStringLiteral("visited"), now);
    w.writeStartElement(QStringLiteral("info"));
    w.writeStartElement(QStringLiteral("metadata"));
    w.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    w.writeStartElement(MimeNs, QStringLiteral("mime-type"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("application/octet-stream"));
    w.writeEndElement();
    w.writeStartElement(BookmarkNs, QStringLiteral("applications"));
    w.writeStartElement(BookmarkNs, QStringLiteral("application"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("DovraApd"));
    w.writeAttribute(QStringLiteral("exec"), QStringLiteral("'DovraApd %f'"));
    w.writeAttribute(QStringLiteral("modified"), now);
    w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndElement(); // metadata
    w.writeEndElement(); // info
    w.writeEndElement(); // bookmark
}
} // namespace

QString RecentDocsFile()
{
    if (!RecentFileOverride().isEmpty())
        return RecentFileOverride();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

void SetRecentDocsFile(const QString &Path)
{
    RecentFileOverride() = Path;
}

bool AddToRecentDocs(const QString &Path)
{
    const QString fileName = RecentDocsFile();
    const QString href = QUrl::fromLocalFile(QFileInfo(Path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);

    bool readable = true;
    const QByteArray old = ReadSideFile(fileName, MaxRecentListSize, &readable);
    if (!readable)
        return false;

    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    if (old.isEmpty()) {
        w.writeStartDocument();
        w.writeNamespace(BookmarkNs, QStringLiteral("bookmark"));
        w.writeNamespace(MimeNs, QStringLiteral("mime"));
        w.writeStartElement(QStringLiteral("xbel"));
        w.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
        WriteNewBookmark(w, href, now);
        w.writeEndElement();
        w.writeEndDocument();
    } else {
        // Copy the list as it stands, refreshing our entry or adding it before the end.
        QXmlStreamReader r(old);
        bool found = false;
        int depth = 0;
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement()) {
                ++depth;
                if (depth == 2 && r.name() == QLatin1String("bookmark") &&
                    r.attributes().value(QLatin1String("href")) == href) {
                    found = true;
                    w.writeStartElement(r.namespaceUri().toString(), r.name().toString());
                    for (const QXmlStreamAttribute &a : r.attributes()) {
                        const bool stamp =
                            a.name() == QLatin1String("modified") || a.name() == QLatin1String("visited");
                        w.writeAttribute(a.qualifiedName().toString(), stamp ? now : a.value().toString());
                    }
                    continue;
                }
            } else if (r.isEndElement()) {
                if (depth == 1 && !found)
                    WriteNewBookmark(w, href, now);
                --depth;
            }
            w.writeCurrentToken(r);
        }
        if (r.hasError())
            return false; // a list we cannot read is left as it is
    }

    QDir().mkpath(QFileInfo(fileName).absolutePath());
    // A list that is a link to another file stays one: the file it names is the one replaced.
    const QString linked = QFileInfo(fileName).isSymLink() ? QFileInfo(fileName).canonicalFilePath() : QString();
    try {
        ReplaceFile(linked.isEmpty() ? fileName : linked, out);
    } catch (const Exception &) {
        return false;
    }
    return true;
}
} // namespace Platform
