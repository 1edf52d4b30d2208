#pragma once

#include <QObject>
#include <QString>
#include <QTest>

#include <source_location>

namespace TestTools {

// A stand-in for a missing child: never deleted, so that a test which goes
// on using it after the failure cannot crash the suite.
template<typename T>
T *standIn()
{
    return new T;
}

// The child of `parent` (at any depth) with that objectName. A missing child
// fails the running test function, at the caller's line, and the remaining
// test functions of the suite still run; the stand-in returned meanwhile
// lets the failed function reach its end without a crash.
template<typename T = QObject>
T *child(const QObject *parent, const QString &name,
         std::source_location where = std::source_location::current())
{
    if (parent) {
        if (T *found = parent->findChild<T *>(name))
            return found;
    }
    const QString what = QStringLiteral("no %1 named \"%2\" in %3")
                             .arg(QString::fromLatin1(T::staticMetaObject.className()), name,
                                  parent ? parent->objectName() : QStringLiteral("(nothing)"));
    QTest::qFail(qPrintable(what), where.file_name(), static_cast<int>(where.line()));
    return standIn<T>();
}

} // namespace TestTools
