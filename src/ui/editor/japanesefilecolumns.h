#pragma once
// The size and date columns of the file dialogs in Japanese. Qt writes them in the system's
// locale ("12 bytes", "9 Dec 2026 11:00"), which on a machine set to English is English; the
// dialogs show them through this model instead.

#include <QIdentityProxyModel>

namespace zuvo {

class JapaneseFileColumns : public QIdentityProxyModel
{
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override;
};

} // namespace zuvo
