#pragma once

#include <QtCore/QMetaObject>
#include <QtCore/QVector>

#include <algorithm>
#include <initializer_list>
#include <type_traits>

// The meta-object of every public class that has one of its own, in class-name order. Defined in
// the source the build generates from the list of public classes.
QVector<const QMetaObject *> mirokitPublicMetaObjects();

// A pair of a class's name and the meta-object it reaches; a class without Q_OBJECT or Q_GADGET
// reaches its base's meta-object, or none.
struct PublicClass
{
    const char *name;
    const QMetaObject *metaObject;
};

template <typename T, typename = void>
struct MetaObjectLookup
{
    static const QMetaObject *get() { return nullptr; }
};

template <typename T>
struct MetaObjectLookup<T, std::void_t<decltype(&T::staticMetaObject)>>
{
    static const QMetaObject *get() { return &T::staticMetaObject; }
};

#define metaObjectOf(T) PublicClass{#T, MetaObjectLookup<T>::get()}

// Keeps the meta-objects that belong to the class itself, not to a base, in class-name order.
inline QVector<const QMetaObject *> ownMetaObjects(std::initializer_list<PublicClass> classes)
{
    QVector<const QMetaObject *> own;
    for (const PublicClass &c : classes) {
        if (c.metaObject && qstrcmp(c.metaObject->className(), c.name) == 0)
            own.append(c.metaObject);
    }
    std::sort(own.begin(), own.end(), [](const QMetaObject *a, const QMetaObject *b) {
        return qstrcmp(a->className(), b->className()) < 0;
    });
    own.erase(std::unique(own.begin(), own.end()), own.end());
    return own;
}
