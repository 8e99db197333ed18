#pragma once
// The platform's own style, unchanged but for one thing: the menu bar's extension icon (shown
// only when the menus do not fit the window) is read when first drawn instead of when a menu bar
// is made. Reading it asks every image format plugin whether it reads PNG files, which loads
// them all, and the SVG library with one of them, before the start screen can show.

#include <QProxyStyle>

namespace zuvo {

class LazyIconStyle : public QProxyStyle
{
public:
    // Based on the style the application would choose itself (-style, QT_STYLE_OVERRIDE, the
    // desktop's).
    LazyIconStyle() = default;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace zuvo
