#include "engine/export/ExportRows.h"

#include "engine/text/Cp1252.h"
#include "engine/text/TextRules.h"

ExportRows::ExportRows(int columnCount)
    : m_columns(columnCount)
{
}

qsizetype ExportRows::rowCount() const
{
    return m_columns > 0 ? static_cast<qsizetype>(m_ends.size()) / m_columns : 0;
}

QByteArrayView ExportRows::cell(qsizetype row, int column) const
{
    const auto index = static_cast<std::size_t>(row * m_columns + column);
    const qsizetype begin = index == 0 ? 0 : m_ends[index - 1];
    return QByteArrayView(m_bytes.constData() + begin, m_ends[index] - begin);
}

QString ExportRows::text(qsizetype row, int column) const
{
    const QByteArrayView bytes = cell(row, column);
    return Cp1252::decode(bytes.data(), bytes.size());
}

void ExportRows::reserveRows(qsizetype rows)
{
    m_ends.reserve(static_cast<std::size_t>(rows * m_columns));
}

void ExportRows::appendCell(QByteArrayView bytes)
{
    m_bytes.append(bytes);
    m_ends.push_back(m_bytes.size());
}

void ExportRows::appendRow(const QStringList &texts)
{
    for (int column = 0; column < m_columns; ++column) {
        const QString text = column < texts.size() ? texts.at(column) : QString();
        appendCell(Cp1252::encode(TextRules::trimmed(text)));
    }
}
