// The program's style reads the menu bar's extension icon only when it is drawn, and it is then
// the very icon of the style it is based on.

#include "app/lazyiconstyle.h"
#include "widgetapp.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(LazyIconStyle, TheExtensionIconIsTheBaseStylesWhenDrawn)
{
    zuvo::test::widgetApp();
    const QString before = QApplication::style()->name();
    auto *style = new zuvo::LazyIconStyle;
    QApplication::setStyle(style);
    {
        // A menu bar too narrow for its menus shows its extension button, with the icon.
        QMainWindow window;
        for (int n = 0; n < 12; ++n)
            window.menuBar()->addMenu(QStringLiteral("メニュー%1").arg(n));
        window.resize(120, 80);
        window.show();
        auto *extension = window.menuBar()->findChild<QToolButton *>();
        ASSERT_TRUE(extension);
        EXPECT_TRUE(extension->isVisible());
        const QIcon own
            = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        EXPECT_EQ(extension->icon().availableSizes(), own.availableSizes());
        for (qreal ratio : {1.0, 2.0})
            EXPECT_EQ(extension->icon().pixmap(QSize(16, 16), ratio).toImage(),
                      own.pixmap(QSize(16, 16), ratio).toImage());
    }
    QApplication::setStyle(QStyleFactory::create(before));
}
