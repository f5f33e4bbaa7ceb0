#pragma once

#include <QString>
#include <QStringList>

// The indexed texts that operations join at run time. A language file replaces the whole list;
// an index past its end reads as empty text.
class MessageTable
{
public:
    MessageTable();

    QString text(int index) const { return index >= 0 && index < m_texts.size() ? m_texts.at(index) : QString(); }
    void replaceAll(const QStringList& lines) { m_texts = lines; }
    int size() const { return int(m_texts.size()); }

    static QStringList defaults();

private:
    QStringList m_texts;
};
