#pragma once

#include <QString>

// The directory of the running executable with a trailing separator. Pages are always found
// from here, never from the current directory.
QString ProgramDirectory();

// The local page of a tree entry: ProgramDirectory + "data/" + text + ".htm", concatenated
// exactly, nothing trimmed or escaped.
QString ChapterPagePath(const QString &text);
