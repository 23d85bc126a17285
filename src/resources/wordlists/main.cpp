// mirokit-wordlists <js.api> <qml.api>
//
// Writes the script word lists of the library in the API file format of QScintilla's QsciAPIs, one
// entry a line: `Class.member(parameters)` for slots, invokable methods and signals, `Class.property`
// for properties, and the class name alone. Each public class lists every member a script reaches
// on it, its bases' (Qt's included) as well as its own.
//
// js.api is for JavaScript run in a QJSEngine: C++ parameter types, signals by their name (a script
// connects with `object.signal.connect(function)`). qml.api is for QML: parameter types in QML's
// spelling (string, real, var, ...) and signals as their handlers (`onValueChanged`).

#include "publicmetaobjects.h"

#include <QtCore/QMetaMethod>
#include <QtCore/QMetaProperty>
#include <QtCore/QSaveFile>
#include <QtCore/QStringList>

#include <cstdio>

namespace {

enum class Dialect { JavaScript, Qml };

QString qmlTypeName(const QByteArray &cppType)
{
    static const QHash<QByteArray, QString> names = {
        {"QString", QStringLiteral("string")}, {"double", QStringLiteral("real")},
        {"float", QStringLiteral("real")},     {"qreal", QStringLiteral("real")},
        {"QVariant", QStringLiteral("var")},   {"QColor", QStringLiteral("color")},
        {"QDate", QStringLiteral("date")},     {"QDateTime", QStringLiteral("date")},
        {"QFont", QStringLiteral("font")},     {"QStringList", QStringLiteral("list<string>")},
        {"QVariantList", QStringLiteral("list")}, {"QUrl", QStringLiteral("url")},
        {"QPointF", QStringLiteral("point")},  {"QPoint", QStringLiteral("point")},
        {"QSizeF", QStringLiteral("size")},    {"QSize", QStringLiteral("size")},
        {"QRectF", QStringLiteral("rect")},    {"QRect", QStringLiteral("rect")},
    };
    return names.value(cppType, QString::fromLatin1(cppType));
}

QString typeName(const QByteArray &cppType, Dialect dialect)
{
    return dialect == Dialect::Qml ? qmlTypeName(cppType) : QString::fromLatin1(cppType);
}

QString parameterList(const QMetaMethod &method, Dialect dialect)
{
    const QList<QByteArray> types = method.parameterTypes();
    const QList<QByteArray> names = method.parameterNames();
    QStringList parameters;
    for (int i = 0; i < types.size(); ++i) {
        QString parameter = typeName(types.at(i), dialect);
        if (!names.value(i).isEmpty())
            parameter += QLatin1Char(' ') + QString::fromLatin1(names.at(i));
        parameters.append(parameter);
    }
    return parameters.join(QStringLiteral(", "));
}

// Public slots and invokable methods, and every signal; Qt's private helpers (_q_) are no API.
bool isScriptVisible(const QMetaMethod &method)
{
    if (method.methodType() == QMetaMethod::Constructor || method.name().startsWith("_q_"))
        return false;
    return method.methodType() == QMetaMethod::Signal || method.access() == QMetaMethod::Public;
}

QString memberName(const QMetaMethod &method, Dialect dialect)
{
    QString name = QString::fromLatin1(method.name());
    if (dialect == Dialect::Qml && method.methodType() == QMetaMethod::Signal)
        name = QLatin1String("on") + name.at(0).toUpper() + name.mid(1);
    return name;
}

// The entries of one class: its name, then its members and those of its bases.
QStringList entries(const QMetaObject *metaObject, Dialect dialect)
{
    const QString className = QString::fromLatin1(metaObject->className());
    const QString prefix = className + QLatin1Char('.');
    QStringList lines(className);
    for (const QMetaObject *level = metaObject; level; level = level->superClass()) {
        const int firstMethod = level->superClass() ? level->superClass()->methodCount() : 0;
        for (int i = firstMethod; i < level->methodCount(); ++i) {
            const QMetaMethod method = level->method(i);
            if (isScriptVisible(method))
                lines.append(prefix + memberName(method, dialect) + QLatin1Char('(')
                             + parameterList(method, dialect) + QLatin1Char(')'));
        }
        const int firstProperty = level->superClass() ? level->superClass()->propertyCount() : 0;
        for (int i = firstProperty; i < level->propertyCount(); ++i)
            lines.append(prefix + QString::fromLatin1(level->property(i).name()));
    }
    return lines;
}

bool writeList(const QString &fileName, Dialect dialect)
{
    QStringList lines;
    for (const QMetaObject *metaObject : mirokitPublicMetaObjects())
        lines += entries(metaObject, dialect);
    lines.sort();
    // Overloads that differ only in defaulted parameters give the same entry more than once.
    lines.removeDuplicates();

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // UTF-8 written directly: text streams choose their encoding differently in Qt 5 and Qt 6.
    for (const QString &line : qAsConst(lines)) {
        file.write(line.toUtf8());
        file.write("\n");
    }
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mirokit-wordlists <js.api> <qml.api>\n");
        return 2;
    }
    const bool written = writeList(QString::fromLocal8Bit(argv[1]), Dialect::JavaScript)
            && writeList(QString::fromLocal8Bit(argv[2]), Dialect::Qml);
    if (!written) {
        std::fprintf(stderr, "mirokit-wordlists: cannot write the word lists\n");
        return 1;
    }
    return 0;
}
