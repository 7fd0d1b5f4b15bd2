// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/seededrandom.h"

#include <QList>
#include <QSet>
#include <QString>

// Someone in a question, with the words that stand for them later in it.
struct Person
{
    QString name;
    QString he;  // "he" or "she"
    QString his; // "his" or "her"
};

// Something counted, in the singular and the plural.
struct Thing
{
    QString one;
    QString many;
    QString of(int count) const { return count == 1 ? one : many; }
};

// What the topics draw on while they write a set: random numbers, and people
// and things dealt so that one set seldom meets the same name twice.
class Writer
{
public:
    explicit Writer(SeededRandom &random);

    int number(int low, int high) { return m_random.between(low, high); }
    bool chance(int percent) { return m_random.chance(percent); }
    template<typename T>
    const T &pick(const QList<T> &items)
    {
        return m_random.pick(items);
    }
    SeededRandom &random() { return m_random; }

    // The next person of the set's shuffled list.
    Person person();
    // One of these things, not yet used in the set while others are left.
    Thing thing(const QList<Thing> &things);
    QString word(const QStringList &words);

    // The slot now written, within its band: harder numbers come later in a band.
    void setStep(int step, int steps)
    {
        m_step = step;
        m_steps = steps;
    }
    // From low to high, growing from the band's first slot to its last.
    int graded(int low, int high);
    // A slot that keeps being refused (every number of its window already
    // used, say) may take numbers from the whole range.
    void setAttempt(int attempt) { m_attempt = attempt; }

    // Things often counted in the questions.
    static const QList<Thing> &smallThings();
    static const QList<Thing> &fruit();
    static const QList<Thing> &bakes();

private:
    SeededRandom &m_random;
    QList<Person> m_people;
    int m_nextPerson = 0;
    QSet<QString> m_used;
    int m_step = 0;
    int m_steps = 1;
    int m_attempt = 0;
};
