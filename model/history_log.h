#pragma once
// The history file: one block of lines appended per fish that died. It stays
// in code page 932 until a block needs characters beyond it; then the whole
// file, earlier blocks included, becomes UTF-8 with a BOM.

#include <QString>
#include <QStringList>

bool AppendHistoryBlock(const QString& path, const QStringList& lines);
