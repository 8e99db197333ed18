#pragma once
// What screen readers are told of the controls the program paints itself. Qt describes its own
// widgets; a picture that acts as a button, the icon tray and the grid register here how their
// accessible interface is made, and the one factory installed with Qt asks these makers.

#include <QAccessibleWidget>

namespace zuvo {

using AccessibleMaker = QAccessibleInterface *(*)(QObject *object);

// Makes the accessible interface of the objects whose class is exactly `type` with `make`.
void RegisterAccessible(const QMetaObject &type, AccessibleMaker make);

// A painted picture that acts as a control: a push button, a list item or a mere picture.
class ActingPicture
{
public:
    virtual ~ActingPicture() = default;
    virtual QAccessible::Role actingRole() const = 0;
    // What a left click on it does.
    virtual void press() = 0;
    // A list item that is the chosen one.
    virtual bool isPicked() const { return false; }
};

// The interface of a widget that is an ActingPicture: its role, the widget's accessible name
// and description (the description falling back to its tool tip), and Press where it acts.
class ActingPictureAccessible : public QAccessibleWidget
{
public:
    explicit ActingPictureAccessible(QWidget *widget);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

    static QAccessibleInterface *make(QObject *object);

private:
    ActingPicture *picture() const;
    bool acts() const;
};

// The keys that press a button that has the keyboard focus: Space, Enter and Return.
bool IsPressKey(int key);

// Announces that the accessible name of `object` changed (a label's new text), so that screen
// readers hear it.
void AnnounceNameChange(QObject *object);

} // namespace zuvo
