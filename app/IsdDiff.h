#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace kx2 {

// What two ISD files of one database differ in.
struct IsdDiff {
    QStringList differences; // one line per field: "Lok 38: Name in A 'Köf II', in B 'Köf III'"
    QString error;           // a file unreadable, not a table file, or the two of different kinds
    bool ok() const { return error.isEmpty(); }
};

// Compares two table files of the same database record by record: locomotives by address,
// accessories and feedback contacts by address over both files' ranges, routes by number with
// their entries as the editor shows them. The kind is taken from each file's first line.
// A record never written (all bytes 0xFF) and one written, if only with its record number, differ;
// record numbers themselves are left out of every comparison.
IsdDiff diffIsdFiles(const QString& pathA, const QString& pathB);

// Two backup folders compared database by database: "Lokomotiven" and what their files differ in.
struct BackupFolderDiff {
    QString database;
    IsdDiff diff;
};
std::vector<BackupFolderDiff> diffBackupFolders(const QString& folderA, const QString& folderB);

} // namespace kx2
