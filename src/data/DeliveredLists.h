#pragma once

#include <QByteArray>
#include <QMultiHash>
#include <QString>

// Every version of the word, number and heading lists the program was ever delivered with,
// by SHA-256: dic/delivered.sha256 among the delivered files, one "<hex>  <list>" line per
// version as sha256sum writes them. A list equal to one of them is not the user's own work.
// The list delivered today counts even when that file is missing or lacks it.
class DeliveredLists {
public:
    static constexpr const char* FileName = "dic/delivered.sha256";

    explicit DeliveredLists(const QString& deliveredDir);

    // True when the bytes are a delivered version of the list at `relative` ("dic/rnum.dic").
    bool IsDelivered(const QString& relative, const QByteArray& bytes) const;

    // The lowercase hexadecimal SHA-256 of the bytes.
    static QByteArray Checksum(const QByteArray& bytes);

private:
    QString deliveredDir_;
    QMultiHash<QString, QByteArray> known_; // list file name -> checksum
};
