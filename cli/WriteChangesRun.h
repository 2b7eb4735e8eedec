#pragma once
// write --changed on the command line: run Write Changes, show its progress, report what it did.
#include "image/CloneImage.h"
#include "link/RadioSession.h"

// Runs Write Changes of the given halves on session, the backup going to backupFolder. On stderr: the
// backup's name and "n records differed, n written, all verified" (a progress line while it runs on a
// terminal). With json, stdout gets {"differed", "written", "verified", "backup", "records": [{"address",
// "record"}], "differences": [...]}. Returns ExitOk, ExitDifferent when a written record does not read back
// as written, or the failure's status.
int WriteChangesToRadio(RadioSession &session, const CloneImage &image, bool settings, bool memory, bool json,
                        const QString &backupFolder);
