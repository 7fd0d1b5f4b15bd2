// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/draft.h"
#include "content/generator/words.h"

#include <QList>
#include <QString>

// Someone in a question.
struct Person
{
    QString name;
    bool girl = false;
};

// Something counted, bought or carried, in the singular and the plural, with
// its gender (French and Spanish articles and endings follow it) and, for a
// thing bought, the prices it sells for; for a vehicle, the children it takes.
struct Thing
{
    QString one;
    QString many;
    bool feminine = false;
    Range range;
};

// The kinds of things a story may count. A story names its kind; the thing is
// drawn when the story is told.
enum class Nouns { None, Small, Fruit, Bakes, Foods, Vehicles, Cheap, Dear, Big, Bulk, Family };

// A question told as a little story, for numbers within its ranges: {a} and {b}
// its numbers, the answer in its own range, so that every quantity is one a
// child believes (a box a child can carry, a class of 15 to 32).
//
// In the form: {a} to {d} the numbers, {words a} a number in words; {p} and {q}
// parts in words ("three quarters"); {n} and {m} two people ({de n}: "de Léa",
// "d'Anaïs"), <x|y> x for a boy
// and y for a girl (the first person); {thing}, {things}, {a thing}, {the
// thing}, {the things}, {de things} the noun with its article, and {thing2}...
// a second noun; {x|y} x for a masculine noun and y for a feminine one. A key
// with a capital (as {A thing}) starts a sentence.
struct Story
{
    const char16_t *form;
    Range a{0, 99999};
    Range b{0, 99999};
    Range answer{1, 99999};
    Nouns nouns = Nouns::None;
    // The number (0 {a}, 1 {b}) that the thing's own range must hold: its
    // price, or the children a vehicle takes; -1 for none.
    int nounHolds = -1;
};

// A multiplication told as legs, wheels or fingers: how many each one has.
struct Count
{
    int each;
    const char16_t *question; // %1 how many of them
    const char16_t *one;      // what the clue says about one
};

// Everything a language's questions tell: its people, things and stories,
// written for that language rather than translated word for word.
struct Bank
{
    QList<Person> people;
    QList<Thing> small, fruit, bakes, foods, vehicles, cheap, dear, big, bulk, family;

    QList<Story> adding;     // {a} + {b}
    QList<Story> takingAway; // {a} - {b}
    QList<Story> groups;     // {b} groups of {a}
    QList<Count> counts;
    QList<Story> sharing;  // {a} shared among {b}
    QList<Story> grouping; // {a} in groups of {b}
    QList<Story> filled;   // {a} in groups of {b}: the whole groups
    QList<Story> needed;   // {a} in groups of {b}: the groups that hold everyone
    QList<Story> parts;    // {p} of {a}
    QList<Story> twoParts; // {a} less {p} of it and {q} of it
    QList<Story> cutUp;    // {thing} cut in {b} pieces each, {a} wholes: how many pieces
    QList<Story> eaten;    // ... and {c} pieces eaten: how many left

    // Money: {a} a price, {thing} what is bought at it.
    QList<Story> together; // {thing} at {a} and {thing2} at {b}
    QList<Story> spent;    // has {a}, spends {b} on {thing}
    QList<Story> paid;     // pays with a note of {a} for {thing} at {b}
    QList<Story> several;  // {b} of {thing} at {a}
    QList<Story> saved;    // {a} a week for {b} weeks
    QList<Story> bought;   // a school or club buys {b} {things} at {a}
    QList<Story> onePrice; // {b} {things} for {a}: one of them
    QList<Story> left;     // has {a}, buys {b} {things} at {c}
    QList<Story> sale;     // {thing} at {a}, the price down by {p}
    QList<Story> tickets;  // {a} adults at {b}, {c} children at {d}
    QList<Story> weeks;    // saves {a} a week for {thing} at {b}
    QList<Story> shared;   // {b} friends share {a}
    QList<Story> short_;   // {thing} costs {a}, has {b}: how much more
};

namespace Banks {
const Bank &of(Tongue tongue);

// A thing as the banks write it: its two forms, its gender, its range.
struct Named
{
    const char16_t *one;
    const char16_t *many;
    bool feminine = false;
    int low = 0;
    int high = 0;
};
QList<Thing> things(std::initializer_list<Named> named);
// Names separated by spaces.
QList<Person> people(const char16_t *girls, const char16_t *boys);

const Bank &english();
const Bank &french();
const Bank &spanish();
} // namespace Banks
