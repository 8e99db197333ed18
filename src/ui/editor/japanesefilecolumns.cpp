#include "editor/japanesefilecolumns.h"

#include <QFileSystemModel>
#include <QLocale>

namespace zuvo {

namespace {

constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;

} // namespace

QVariant JapaneseFileColumns::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!files || role != Qt::DisplayRole
        || (index.column() != SizeColumn && index.column() != DateColumn))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (index.column() == SizeColumn)
        return files->isDir(source) ? QString() : japanese.formattedDataSize(files->size(source));
    return japanese.toString(files->lastModified(source), QLocale::ShortFormat);
}

} // namespace zuvo
