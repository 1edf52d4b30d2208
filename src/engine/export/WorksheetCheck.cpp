#include "engine/export/WorksheetCheck.h"

WorksheetCheck::WorksheetCheck(qint64 rows, int columns)
    : m_rows(rows)
    , m_columns(columns)
{
}

void WorksheetCheck::feed(const char *data, qsizetype size)
{
    m_xml.addData(QByteArray(data, size));
    readAvailable();
}

void WorksheetCheck::readAvailable()
{
    while (m_sound && !m_xml.atEnd()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (m_xml.name() == QLatin1String("row")) {
                bool number = false;
                const qint64 row = m_xml.attributes().value(QLatin1String("r")).toLongLong(&number);
                m_sound = number && row == m_nextRow && row <= m_rows;
                ++m_nextRow;
                m_cellsInRow = 0;
            } else if (m_xml.name() == QLatin1String("c")) {
                ++m_cellsInRow;
            }
            break;
        case QXmlStreamReader::EndElement:
            if (m_xml.name() == QLatin1String("row"))
                m_sound = m_cellsInRow == m_columns;
            else if (m_xml.name() == QLatin1String("worksheet"))
                m_ended = true;
            break;
        default:
            break;
        }
    }
    // The end of the pieces so far is not an error: more may come.
    if (m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        m_sound = false;
}

bool WorksheetCheck::isComplete()
{
    readAvailable();
    return m_sound && m_ended && m_nextRow == m_rows + 1 && !m_xml.hasError();
}
