#pragma once
// The wait window Form4, shown while the editor loads. It has no behaviour of its own.

#include <QWidget>

namespace zuvo {

class WaitWindow : public QWidget
{
    Q_OBJECT
public:
    explicit WaitWindow(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace zuvo
