// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/bank.h"
#include "content/seededrandom.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// What a story is told with besides its form.
struct Telling
{
    Telling(const QList<int> &told = {}, const QStringList &fractions = {}, const Thing *first = nullptr,
        const Thing *second = nullptr)
        : numbers(told)
        , parts(fractions)
        , noun(first)
        , noun2(second)
    {
    }

    QList<int> numbers;           // {a}, {b}, {c}, {d}
    QStringList parts;            // {p}, {q}
    const Thing *noun = nullptr;  // else drawn from the story's kind
    const Thing *noun2 = nullptr; // {thing2}, else another of the same kind
};

// What the topics draw on while they write a set: random numbers, the
// language's words and stories, and people and things dealt so that one set
// seldom meets the same name, thing or story twice.
class Writer
{
public:
    Writer(SeededRandom &random, Tongue tongue);

    Tongue tongue() const { return m_tongue; }
    const Bank &bank() const { return *m_bank; }

    int number(int low, int high) { return m_random.between(low, high); }
    bool chance(int percent) { return m_random.chance(percent); }
    template <typename T> const T &pick(const QList<T> &items) { return m_random.pick(items); }
    SeededRandom &random() { return m_random; }

    QString say(const Said &said) const { return Words::in(m_tongue, said); }
    QString say(const Said &said, std::initializer_list<int> numbers) const
    {
        return Words::in(m_tongue, said, numbers);
    }
    QString listed(const QList<int> &numbers) const { return Words::listed(m_tongue, numbers); }

    // The next person of the set's shuffled list.
    Person person();
    // One of these things, not yet used in the set while others are left; with
    // a price, only things whose range holds it (null when none does).
    const Thing *thing(const QList<Thing> &things, int price = -1);
    const QList<Thing> &things(Nouns nouns) const;

    // One of the stories whose ranges hold the numbers and the draft's answer,
    // told: the text, its quantities and the story go into the draft. A story
    // not yet told in the set comes first. False when none fits.
    bool tell(Draft &draft, const QList<Story> &stories, const Telling &telling);
    // A form told with these numbers and things, people drawn as it needs them.
    QString told(const QString &form, const Telling &telling);
    // A story and things of an accepted question are not used again while others fit.
    void keep(const Draft &draft);

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
    void setAttempt(int attempt)
    {
        m_attempt = attempt;
        m_drawnThings.clear();
    }
    int attempt() const { return m_attempt; }

private:
    QString noun(const QString &key, const Thing &thing) const;
    bool holds(Nouns nouns, const Thing *thing) const;

    SeededRandom &m_random;
    Tongue m_tongue;
    const Bank *m_bank;
    QList<Person> m_people;
    int m_nextPerson = 0;
    QSet<const Thing *> m_usedThings;  // by the questions kept
    QSet<const Thing *> m_drawnThings; // by the draft now written
    QSet<const void *> m_toldStories;
    int m_step = 0;
    int m_steps = 1;
    int m_attempt = 0;
};
