#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The file copy behind backup and restore, shared by both directions. No
// widgets here: the screen shows what this module reports.
namespace Backup {

// Bytes per block: the unit in which the copy reads, writes and may pause.
inline constexpr qint64 BlockSize = 4048;

// Called before each block with the number of bytes that block will carry.
using BlockObserver = std::function<void(qint64 blockBytes)>;

// Copies `source` to `destination` byte for byte and returns 1, or 0 on failure.
//
// The bytes go to a temporary file beside `destination`, which replaces it in
// one rename only once every byte is written: an earlier file of that name stays
// as it was until then, and a failed copy leaves no partial file and no
// temporary behind. The length of `source` is taken once, at the start.
//
// Between blocks the window gets a turn to handle its pending events: before
// the first block, then at least every 10 ms (the caller must keep its own
// buttons from starting a second copy meanwhile). On failure `failureText`
// receives the text of the box the caller shows: the program's sentence, CR LF,
// and the system's description of what went wrong.
int CopyDatabaseFile(const QString& source, const QString& destination,
                     QString* failureText = nullptr, const BlockObserver& observer = {});

// The failure box text for a system description.
QString copyFailureText(const QString& systemDescription);

// The program's own folder: backup and restore find the database and the Back
// folder below it, whatever the working folder is.
QString programFolder();
// Points programFolder() elsewhere (tests use their temporary folder); empty
// text returns to the folder the program file lies in.
void setProgramFolder(const QString& folder);
// programFolder() + "/DBZVK/DBZVK.mdb": source of a backup, destination of a restore.
QString databaseFile();
// programFolder() + "/Back": where the file dialogs start.
QString backFolder();

} // namespace Backup
