#pragma once

#include <QString>
#include <QStringList>

// The entries of the message table by what they say; the numbers are the lines of the message files.
enum class Msg : int
{
    NumberDistribution = 0,
    Draws = 1,
    CrossSumTitle = 2,
    SuperNumberFrequency = 3,
    SearchThresholdQuestion = 4,
    TipTest = 5,
    HitFoundOn = 6,
    GoOn = 7,
    DrawFound = 8,
    Pairs = 9,
    Found = 10,
    Triples = 11,
    TicketNumber = 12,
    CrossSumDistribution = 13,
    CrossSumAxis = 14,
    Quads = 15,
    Stop = 16,
    CalculationOf = 17,
    PairForming = 18,
    TripleForming = 19,
    QuadForming = 20,
    OverdueNumbers = 21,
    NeighboursOfLastDraw = 22,
    GenerationStarted = 23,
    Tip = 24,
    ChangeOptionsForAllTips = 25,
    TipsGenerated = 26,
    Unused27 = 27,
    OverdueQuestion = 28,
    TipDistribution = 29,
    LuckyNumber = 30,
    LuckyNumberPrompt = 31,
    LuckyNumberIsNow = 32,
    BacktestHeading = 33,
    LuckyNumberError = 34,
    Unused35 = 35,
    ChooseNumbers = 36,
    OnlineSubmission = 37,
    OverdueSuperNumber = 38,
    CompareDrawResult = 39,
    SimilarityDatabase = 40,
    SimilarityNext = 41,
    SimilaritySecond = 42,
    SimilarityThird = 43,
    PrimesPerTip = 44,
    WerePrimes = 45,
    OddPerTip = 46,
    WereOdd = 47,
    EvenPerTip = 48,
    WereEven = 49,
    ClearAllQuestion = 50,
    ClearAllCaption = 51,
    Unused52 = 52,
    Unused53 = 53,
    TicketNumberQuestion = 54,
    TipFileNotCreated = 55,
};

// The indexed texts that operations join at run time. A language file replaces the whole list;
// an index past its end reads as empty text.
class MessageTable
{
public:
    MessageTable();

    QString text(int index) const
    {
        return index >= 0 && index < m_texts.size() ? m_texts.at(index) : QString();
    }
    QString text(Msg id) const { return text(int(id)); }
    void replaceAll(const QStringList& lines) { m_texts = lines; }
    int size() const { return int(m_texts.size()); }

    static QStringList defaults();

private:
    QStringList m_texts;
};
