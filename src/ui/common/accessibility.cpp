#include "common/accessibility.h"

#include <QHash>
#include <QWidget>

namespace zuvo {

namespace {

QHash<QString, AccessibleMaker> &makers()
{
    static QHash<QString, AccessibleMaker> registered;
    return registered;
}

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    const AccessibleMaker make = makers().value(className);
    return make ? make(object) : nullptr;
}

} // namespace

void RegisterAccessible(const QMetaObject &type, AccessibleMaker make)
{
    if (makers().isEmpty())
        QAccessible::installFactory(factory);
    makers().insert(QString::fromLatin1(type.className()), make);
}

ActingPictureAccessible::ActingPictureAccessible(QWidget *widget)
    : QAccessibleWidget(widget)
{
}

QAccessibleInterface *ActingPictureAccessible::make(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && dynamic_cast<ActingPicture *>(widget) ? new ActingPictureAccessible(widget)
                                                           : nullptr;
}

ActingPicture *ActingPictureAccessible::picture() const
{
    return dynamic_cast<ActingPicture *>(widget());
}

bool ActingPictureAccessible::acts() const
{
    const QAccessible::Role r = role();
    return r == QAccessible::Button || r == QAccessible::ListItem;
}

QAccessible::Role ActingPictureAccessible::role() const
{
    return picture() ? picture()->actingRole() : QAccessible::Graphic;
}

QAccessible::State ActingPictureAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (role() == QAccessible::ListItem) {
        s.selectable = true;
        s.selected = picture()->isPicked();
    }
    return s;
}

QStringList ActingPictureAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (acts())
        names.prepend(pressAction());
    return names;
}

void ActingPictureAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && acts() && widget()->isEnabled())
        picture()->press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList ActingPictureAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction() && widget()->focusPolicy() != Qt::NoFocus)
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

bool IsPressKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void AnnounceNameChange(QObject *object)
{
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace zuvo
