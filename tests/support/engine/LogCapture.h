#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Records what the program logs while it lives, instead of printing it:
// tests read the detail a failure left in its category.
class LogCapture
{
public:
    struct Entry
    {
        QString category;
        QtMsgType type;
        QString message;
    };

    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    const QList<Entry> &entries() const { return m_entries; }
    // The messages of one category, oldest first.
    QStringList messages(const QString &category) const;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QList<Entry> m_entries;
    QtMessageHandler m_previous = nullptr;
};
