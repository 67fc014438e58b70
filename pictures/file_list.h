#pragma once
// The file lists of the album and of the picture chooser.

#include <QDir>
#include <QListWidget>

#include "storage/file_helpers.h"

// Lists the files of `folder` that match `patterns`, letter case aside.
inline void ListFiles(QListWidget* list, const QString& folder, const QStringList& patterns)
{
    list->clear();
    list->addItems(FilesMatching(folder, patterns));
}

// The full path of the selected file; empty when none is selected.
inline QString SelectedFile(const QListWidget* list, const QString& folder)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? QDir(folder).filePath(item->text()) : QString();
}
