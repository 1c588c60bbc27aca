// The registry as the program uses it: keys under the current user's and the local machine's hives,
// holding named string values. Each hive is a QSettings file; a key path "Software\Dovra\Apd" becomes
// the settings group "Software/Dovra/Apd".
#pragma once

#include "vcl/SysUtils.h"

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

class ERegistryException : public Exception
{
    using Exception::Exception;
};

enum class TRootKey { HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE };
inline constexpr TRootKey HKEY_CURRENT_USER = TRootKey::HKEY_CURRENT_USER;
inline constexpr TRootKey HKEY_LOCAL_MACHINE = TRootKey::HKEY_LOCAL_MACHINE;

class TRegistry
{
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry &) = delete;
    TRegistry &operator=(const TRegistry &) = delete;

    TRootKey RootKey() const { return FRootKey; }
    void SetRootKey(TRootKey Value);

    // Opens Key; with CanCreate a missing key is made (and the hive must be writable). False when it
    // cannot be opened, and when the hive's file is one the program does not read (a FIFO, a device, a file
    // too large...): that file is left as it is, and the user is told once.
    bool OpenKey(const QString &Key, bool CanCreate);
    void CloseKey();
    bool KeyExists(const QString &Key);
    // The value names of the open key, in the order the store lists them.
    QStringList GetValueNames() const;
    bool ValueExists(const QString &Name) const;
    // The value as text; empty when there is none. An empty Name is the key's default value.
    QString ReadString(const QString &Name) const;
    // Raises ERegistryException when the value cannot be written.
    void WriteString(const QString &Name, const QString &Value);

    // Where the hives are kept (a folder holding one settings file per hive); tests point it elsewhere.
    // An empty folder restores the defaults: the user's configuration folder for the current user, the
    // system configuration folder for the local machine.
    static void SetStorageFolder(const QString &Folder);

private:
    // The hive's store; null when its file is refused.
    QSettings *Hive() const;
    TRootKey FRootKey = HKEY_CURRENT_USER;
    mutable std::unique_ptr<QSettings> FHive;
    mutable bool FRefused = false;
    QString FCurrentKey;
    bool FOpen = false;
};

namespace Platform
{
// Adds a saved document to the desktop's list of recently used files (the freedesktop.org bookmark file);
// false when that list could not be updated. The list is rewritten only when it could be read whole; one
// that is no regular file, or too large, is left as it is (and the user told once).
bool AddToRecentDocs(const QString &Path);
// The recently used list's file; tests point it elsewhere (an empty path restores the default).
QString RecentDocsFile();
void SetRecentDocsFile(const QString &Path);
} // namespace Platform
