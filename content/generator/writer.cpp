// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/writer.h"

#include <algorithm>

namespace {

constexpr int WindowAttempts = 50;

} // namespace

namespace {

QList<Person> everyone()
{
    QList<Person> people;
    const QString she = QStringLiteral("she");
    const QString her = QStringLiteral("her");
    const QString he = QStringLiteral("he");
    const QString his = QStringLiteral("his");
    for (const char *name : {"Mia", "Ava", "Zara", "Priya", "Lily", "Aisha", "Ella", "Ruby", "Maya", "Chloe", "Grace",
                             "Nia", "Sofia", "Hana", "Amara", "Isla", "Leah", "Freya", "Yasmin", "Mei"})
        people.append({QString::fromLatin1(name), she, her});
    for (const char *name : {"Tom", "Leo", "Sam", "Omar", "Ben", "Noah", "Finn", "Raj", "Kai", "Yusuf", "Jack", "Amir",
                             "Ivan", "Oscar", "Theo", "Luca", "Max", "Ethan", "Tariq", "Jun"})
        people.append({QString::fromLatin1(name), he, his});
    return people;
}

QList<Thing> things(std::initializer_list<std::pair<const char *, const char *>> names)
{
    QList<Thing> result;
    for (const auto &[one, many] : names)
        result.append({QString::fromLatin1(one), QString::fromLatin1(many)});
    return result;
}

} // namespace

Writer::Writer(SeededRandom &random)
    : m_random(random)
    , m_people(everyone())
{
    m_random.shuffle(m_people);
}

Person Writer::person()
{
    const Person &person = m_people.at(m_nextPerson % m_people.size());
    ++m_nextPerson;
    return person;
}

Thing Writer::thing(const QList<Thing> &things)
{
    QList<Thing> fresh;
    for (const Thing &thing : things) {
        if (!m_used.contains(thing.many))
            fresh.append(thing);
    }
    const Thing chosen = m_random.pick(fresh.isEmpty() ? things : fresh);
    m_used.insert(chosen.many);
    return chosen;
}

QString Writer::word(const QStringList &words)
{
    QList<Thing> asThings;
    for (const QString &word : words)
        asThings.append({word, word});
    return thing(asThings).one;
}

int Writer::graded(int low, int high)
{
    if (m_attempt >= WindowAttempts)
        return number(low, high);
    // A window half as wide as the range, sliding from its bottom to its top.
    const int span = high - low;
    const int from = low + span * m_step / (2 * m_steps);
    const int to = low + span * (m_step + m_steps + 1) / (2 * m_steps);
    return number(from, std::max(from, std::min(to, high)));
}

const QList<Thing> &Writer::smallThings()
{
    static const QList<Thing> list = things({{"sticker", "stickers"}, {"marble", "marbles"}, {"shell", "shells"},
                                             {"stamp", "stamps"}, {"bead", "beads"}, {"card", "cards"},
                                             {"button", "buttons"}, {"crayon", "crayons"}, {"pencil", "pencils"},
                                             {"conker", "conkers"}, {"badge", "badges"}, {"balloon", "balloons"}});
    return list;
}

const QList<Thing> &Writer::fruit()
{
    static const QList<Thing> list = things({{"apple", "apples"}, {"pear", "pears"}, {"plum", "plums"},
                                             {"orange", "oranges"}, {"cherry", "cherries"},
                                             {"strawberry", "strawberries"}, {"lemon", "lemons"},
                                             {"peach", "peaches"}});
    return list;
}

const QList<Thing> &Writer::bakes()
{
    static const QList<Thing> list = things({{"cake", "cakes"}, {"biscuit", "biscuits"}, {"muffin", "muffins"},
                                             {"bread roll", "bread rolls"}, {"cupcake", "cupcakes"},
                                             {"cookie", "cookies"}});
    return list;
}
