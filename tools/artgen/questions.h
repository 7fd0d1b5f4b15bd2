// SPDX-License-Identifier: GPL-3.0-or-later
// Reading question files and deciding what a question's picture shows.
// Only numbers written in the question itself are ever drawn, so a picture
// never gives the answer away as a number.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace art {

// The seven topics in their fixed order.
QStringList topicNames();

// Question texts of a question file: the first line of each of the twenty
// five-line records (fewer when the file is short). Empty when unreadable.
QStringList readQuestionTexts(const QString &path);

enum class Op { None, Add, Subtract, Multiply, Divide };

// What kind of thing a counter picture shows.
enum class Thing { Dot, Star, Bird, Apple, Sweet, Cake, Pencil, Bead, Child, Book, Dog, Egg, Seat, Pumpkin };

// A unit placeholder of the question text: "~" distance, "^" volume, "@" mass.
enum class Measure { None, Distance, Volume, Mass };

// What holds a volume: a jug unless the question names a bottle or a tank.
enum class Vessel { Jug, Bottle, Tank };

// The language of the few words a picture writes: "of" in "3/4 of 20" and
// the place-value headings.
enum class Language { English, French, Spanish };

struct Fraction {
    int top = 0;    // 0 when unknown ("1/?")
    int bottom = 0; // 0 when unknown
};

enum class Kind {
    Counters,     // numbers[0] op numbers[1] as small groups of things
    TenFrames,    // two numbers up to 20 in ten-frames
    BaseTen,      // tens rods and ones cubes for each number (Add, Subtract, Multiply: groups)
    NumberLine,   // see LineMode
    Column,       // written column sum of the numbers with op
    Array,        // numbers[0] rows of numbers[1] things
    AreaModel,    // numbers[0] x numbers[1] split into tens and ones
    Sharing,      // numbers[0] things shared between numbers[1] plates
    Grouping,     // numbers[0] things put in groups of numbers[1]
    Bar,          // see BarMode
    Pies,         // numbers[0] wholes each cut into fractions[0].bottom parts
    FractionBars, // equivalent fractions: fractions[0] over fractions[1]
    FractionOf,   // fractions[0] of numbers[0]
    Money,        // amounts as coins and notes, counts as "x n"
    Measure,      // road, jug or scale labelled with the numbers
    Sequence,     // numbers in stepping stones with "?" where one is missing
    PlaceValue,   // numbers[0] in a place-value chart (empty boxes when none)
    Equation,     // numbers with op and "?" in place of the missing one
    NumberCards,  // the numbers or digits on cards
};

enum class LineMode { Hop, Round, Between, Difference };
enum class BarMode { Share, PartKnown, GroupsOf };
// Array: turned to give bigger things, kept as the rows the question names,
// or seats in a bus seen from above, its rows running across it.
enum class ArrayMode { Free, Rows, Bus };
// Grouping: what the "?" asks, how many groups or what is left over.
enum class GroupsAsked { Count, Remainder };

struct Scene {
    Kind kind = Kind::NumberCards;
    Op op = Op::None; // FractionOf: Subtract asks for the rest once the
                      // fraction is taken away ("the price drops by 1/4")
    QList<int> numbers;
    QList<Fraction> fractions;
    Thing thing = Thing::Dot;
    Measure measure = Measure::None;
    LineMode lineMode = LineMode::Hop;
    BarMode barMode = BarMode::Share;
    ArrayMode arrayMode = ArrayMode::Free;
    GroupsAsked groupsAsked = GroupsAsked::Count;
    Vessel vessel = Vessel::Jug;
    int missing = -1;      // Equation/Sequence: position of the unknown
    int roundTo = 10;      // LineMode::Round
    bool emphasis = false; // PlaceValue: highlight the digit numbers[1];
                           // Pies: numbers[0] loose pieces instead of wholes
    QList<bool> amounts;   // Money: whether each number is an amount of money
    Language language = Language::English; // set by the caller, not by describe()
};

// Integers written with digits, in reading order, leaving out the parts of
// fractions like "3/4".
QList<int> integersIn(const QString &text);
QList<Fraction> fractionsIn(const QString &text);

Scene describe(const QString &topic, const QString &question);

} // namespace art
