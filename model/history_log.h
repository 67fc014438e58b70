#pragma once
// The history file: one block of lines appended per fish that died. It stays
// in code page 932 until a block needs characters beyond it; then the whole
// file, earlier blocks included, becomes UTF-8 with a BOM, if the earlier
// blocks read back exactly. If not, they are left as they are and the new
// block is written in code page 932 with "？" for what it cannot hold.

#include <QString>
#include <QStringList>

bool AppendHistoryBlock(const QString& path, const QStringList& lines);
