// Finds a window's controls by their object names ("Text1", "Command2") for tests.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace hl::test {

/// The child of `parent` (at any depth) named `name` and of type T. A missing name or a control
/// of another type stops the test run at once with a message that names it: a renamed control
/// must not turn into a null pointer three lines later.
template <class T> T* Child(QObject* parent, const char* name) {
    if (!parent)
        qFatal("Child(\"%s\"): no parent object to look in", name);
    if (T* found = parent->findChild<T*>(QString::fromLatin1(name)))
        return found;
    const QByteArray where = parent->objectName().toLatin1();
    const char* wanted = T::staticMetaObject.className();
    if (QObject* other = parent->findChild<QObject*>(QString::fromLatin1(name)))
        qFatal("Child(\"%s\") in \"%s\": it is a %s, not a %s", name, where.constData(),
               other->metaObject()->className(), wanted);
    qFatal("Child(\"%s\") in \"%s\": no %s of that name", name, where.constData(), wanted);
    return nullptr;
}

/// Child() for a name held as text, as a data-driven test fetches it.
template <class T> T* Child(QObject* parent, const QString& name) {
    return Child<T>(parent, name.toLatin1().constData());
}

/// The same search without the stop: null when there is no such child (for asserting that a
/// control is absent).
template <class T> T* FindChild(QObject* parent, const char* name) {
    return parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

} // namespace hl::test
