-- ZUVEK database: the settings row, the subjects, their answers, the items.
-- Every value is kept as text; numbers are written as their text and read back
-- with a numeric conversion. The rollback journal keeps the file alone the whole
-- database, so a byte copy of it is a complete backup.
PRAGMA journal_mode = DELETE;
PRAGMA page_size = 4096;

CREATE TABLE "Theme" (
  "TH"      TEXT,
  "Name"    TEXT,
  "Adress"  TEXT,
  "Comment" TEXT
);

CREATE TABLE "IDE" (
  "Code"   TEXT NOT NULL UNIQUE,
  "FName"  TEXT,
  "LName"  TEXT,
  "Sen"    TEXT,
  "Jens"   TEXT,
  "Taahol" TEXT,
  "Tahsil" TEXT,
  "Group"  TEXT,
  "Date"   TEXT,
  "Time"   TEXT,
  "self"   TEXT
);
CREATE INDEX "IDE_FName" ON "IDE" ("FName");
CREATE INDEX "IDE_LName" ON "IDE" ("LName");
CREATE INDEX "IDE_Group" ON "IDE" ("Group");

CREATE TABLE "Answer" (
  "Code" TEXT NOT NULL UNIQUE,
  "1"  TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT,
  "6"  TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT
);

CREATE TABLE "QU" (
  "ID"  INTEGER NOT NULL UNIQUE,
  "QUs" TEXT
);
