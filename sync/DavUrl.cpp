#include "sync/DavUrl.h"

#include <QCryptographicHash>
#include <QUrl>

std::string ResolveHref(const std::string& base, const std::string& href)
{
    const QUrl resolved = QUrl(QString::fromStdString(base)).resolved(QUrl::fromEncoded(QByteArray::fromStdString(href)));
    return resolved.toEncoded().toStdString();
}

std::string ResourceName(const std::string& href)
{
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(href));
    return url.fileName(QUrl::FullyDecoded).toStdString();
}

std::string ResourceNameForUid(const std::string& uid)
{
    const bool safe = !uid.empty() && uid.size() <= 200 && uid.front() != '.' &&
                      uid.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_.@") ==
                          std::string::npos;
    return (safe ? uid : HexDigest(uid)) + ".ics";
}

std::string HexDigest(const std::string& text)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha1).toHex().toStdString();
}
