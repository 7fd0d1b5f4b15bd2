// SPDX-License-Identifier: GPL-3.0-or-later
// The English questions' people, things and stories.
#include "content/generator/bank.h"

namespace {

constexpr Range Any{1, 99999};

Bank made()
{
    Bank b;
    b.people = Banks::people(u"Mia Ava Zara Priya Lily Aisha Ella Ruby Maya Chloe Grace Nia Sofia Hana Amara Isla Leah "
                             u"Freya Yasmin Mei",
                             u"Tom Leo Sam Omar Ben Noah Finn Raj Kai Yusuf Jack Amir Ivan Oscar Theo Luca Max Ethan "
                             u"Tariq Jun");
    b.small = Banks::things({{u"sticker", u"stickers"}, {u"marble", u"marbles"}, {u"shell", u"shells"},
                             {u"stamp", u"stamps"}, {u"bead", u"beads"}, {u"card", u"cards"}, {u"button", u"buttons"},
                             {u"crayon", u"crayons"}, {u"conker", u"conkers"}, {u"badge", u"badges"}});
    b.fruit = Banks::things({{u"apple", u"apples"}, {u"pear", u"pears"}, {u"plum", u"plums"}, {u"orange", u"oranges"},
                             {u"cherry", u"cherries"}, {u"strawberry", u"strawberries"}, {u"lemon", u"lemons"},
                             {u"peach", u"peaches"}, {u"apricot", u"apricots"}});
    b.bakes = Banks::things({{u"cake", u"cakes", false, 2, 6}, {u"biscuit", u"biscuits", false, 2, 3},
                             {u"muffin", u"muffins", false, 2, 4}, {u"bread roll", u"bread rolls", false, 2, 3},
                             {u"cupcake", u"cupcakes", false, 2, 5}, {u"cookie", u"cookies", false, 2, 3},
                             {u"doughnut", u"doughnuts", false, 2, 3}});
    b.foods = Banks::things({{u"pizza", u"pizzas"}, {u"cake", u"cakes"}, {u"pie", u"pies"},
                             {u"sandwich", u"sandwiches"}, {u"chocolate bar", u"chocolate bars"},
                             {u"pancake", u"pancakes"}});
    b.vehicles = Banks::things({{u"car", u"cars", false, 3, 4}, {u"people carrier", u"people carriers", false, 5, 7},
                                {u"minibus", u"minibuses", false, 8, 16}, {u"coach", u"coaches", false, 20, 60}});
    b.cheap = Banks::things({{u"pencil", u"pencils", false, 2, 3}, {u"rubber", u"rubbers", false, 2, 3},
                             {u"ruler", u"rulers", false, 2, 4}, {u"drink", u"drinks", false, 2, 4},
                             {u"comic", u"comics", false, 3, 6}, {u"ball", u"balls", false, 3, 10},
                             {u"kite", u"kites", false, 6, 15}, {u"sticker book", u"sticker books", false, 3, 8},
                             {u"yo-yo", u"yo-yos", false, 3, 6}, {u"notebook", u"notebooks", false, 2, 5},
                             {u"sharpener", u"sharpeners", false, 2, 3}, {u"glue stick", u"glue sticks", false, 2, 4},
                             {u"bag of sweets", u"bags of sweets", false, 2, 5},
                             {u"skipping rope", u"skipping ropes", false, 3, 8},
                             {u"hair clip", u"hair clips", false, 2, 5},
                             {u"ice cream", u"ice creams", false, 2, 4}});
    b.dear = Banks::things({{u"toy car", u"toy cars", false, 5, 15}, {u"book", u"books", false, 6, 20},
                            {u"computer game", u"computer games", false, 15, 50},
                            {u"T-shirt", u"T-shirts", false, 8, 25},
                            {u"cap", u"caps", false, 8, 20}, {u"jigsaw puzzle", u"jigsaw puzzles", false, 8, 25},
                            {u"football", u"footballs", false, 10, 30}, {u"lunchbox", u"lunchboxes", false, 6, 15},
                            {u"board game", u"board games", false, 15, 40}, {u"backpack", u"backpacks", false, 15, 50},
                            {u"pair of shorts", u"pairs of shorts", false, 8, 25},
                            {u"teddy bear", u"teddy bears", false, 10, 30}, {u"paint set", u"paint sets", false, 8, 25},
                            {u"torch", u"torches", false, 6, 20}, {u"water bottle", u"water bottles", false, 6, 15},
                            {u"pencil case", u"pencil cases", false, 5, 15},
                            {u"pair of trainers", u"pairs of trainers", false, 25, 80},
                            {u"watch", u"watches", false, 15, 60}});
    b.big = Banks::things({{u"bike", u"bikes", false, 100, 600}, {u"tablet", u"tablets", false, 150, 600},
                           {u"scooter", u"scooters", false, 50, 200}, {u"tent", u"tents", false, 60, 400},
                           {u"guitar", u"guitars", false, 80, 500}, {u"coat", u"coats", false, 40, 150},
                           {u"camera", u"cameras", false, 100, 800}, {u"keyboard", u"keyboards", false, 100, 500},
                           {u"games console", u"games consoles", false, 200, 500},
                           {u"telescope", u"telescopes", false, 80, 400}});
    b.bulk = Banks::things({{u"T-shirt", u"T-shirts", false, 8, 25}, {u"football", u"footballs", false, 10, 30},
                            {u"book", u"books", false, 5, 20}, {u"tennis racket", u"tennis rackets", false, 15, 60},
                            {u"cycle helmet", u"cycle helmets", false, 15, 50},
                            {u"theatre ticket", u"theatre tickets", false, 10, 40},
                            {u"tablet", u"tablets", false, 120, 400},
                            {u"microscope", u"microscopes", false, 80, 300}, {u"tent", u"tents", false, 60, 300},
                            {u"keyboard", u"keyboards", false, 100, 350}});
    b.family = Banks::things({{u"sofa", u"sofas", false, 300, 1500}, {u"fridge", u"fridges", false, 300, 1200},
                              {u"television", u"televisions", false, 200, 1500},
                              {u"washing machine", u"washing machines", false, 250, 900},
                              {u"laptop", u"laptops", false, 300, 1200}});

    b.adding = {
        {u"{n} has {a} {things} and gets {b} more. How many {things} does <he|she> have now?",
         {2, 50}, {1, 30}, {3, 80}, Nouns::Small},
        {u"There are {a} {things} in a box and {b} more on the table. How many {things} are there altogether?",
         {2, 60}, {2, 60}, {4, 100}, Nouns::Small},
        {u"There are {a} ducks on the pond, and {b} more land on it. How many ducks are on the pond now?",
         {2, 20}, {1, 12}, {3, 30}},
        {u"{n} picks {a} {things} and {m} picks {b}. How many {things} do they pick altogether?",
         {2, 40}, {2, 40}, {4, 70}, Nouns::Fruit},
        {u"{n} reads {a} pages on Saturday and {b} pages on Sunday. How many pages does <he|she> read altogether?",
         {3, 80}, {3, 80}, {6, 150}},
        {u"A bus has {a} passengers. At the next stop, {b} more get on. How many passengers are on the bus now?",
         {2, 50}, {1, 20}, {3, 70}},
        {u"In a class there are {a} girls and {b} boys. How many children are in the class?",
         {6, 18}, {6, 18}, {15, 32}},
        {u"There are {a} boys and {b} girls at a sports day. How many children are there altogether?",
         {30, 300}, {30, 300}, {60, 600}},
        {u"{n} scores {a} points in the first game and {b} points in the second. How many points does <he|she> score "
         u"in all?", {2, 99}, {2, 99}, {4, 150}},
        {u"There are {a} cars in the car park, and {b} more arrive. How many cars are in the car park now?",
         {2, 90}, {1, 40}, {3, 120}},
        {u"A baker makes {a} {things} in the morning and {b} in the afternoon. How many {things} does the baker "
         u"make?", {10, 120}, {10, 120}, {20, 200}, Nouns::Bakes},
        {u"A cafe sells {a} ice creams on Saturday and {b} on Sunday. How many ice creams does it sell at the "
         u"weekend?", {10, 300}, {10, 300}, {20, 500}},
        {u"A farm tank holds {a} ^ of water. The farmer pours in {b} ^ more. How much water is in the tank now?",
         {50, 900}, {20, 500}, {100, 1200}},
        {u"A school has {a} girls and {b} boys. How many children are there in the school?",
         {120, 600}, {120, 600}, {250, 1200}},
        {u"A family drives {a} ~ on the first day of a holiday and {b} ~ on the second. How far do they drive "
         u"altogether?", {40, 600}, {40, 600}, {80, 1000}},
        {u"A builder moves {a} @ of sand in the morning and {b} @ in the afternoon. How much sand is moved "
         u"altogether?", {20, 900}, {20, 900}, {40, 1500}},
        {u"On Friday, {a} people watched the school play, and on Saturday {b} more. How many people watched it "
         u"altogether?", {50, 600}, {50, 600}, {100, 1200}},
        {u"A library has {a} story books and {b} other books. How many books does it have?",
         {200, 9999}, {200, 9999}, {400, 20000}},
        {u"A plane flies {a} ~ to one city and then {b} ~ to another. How far does it fly altogether?",
         {300, 9999}, {300, 9999}, {600, 15000}},
        {u"A football ground had {a} fans on Saturday and {b} fans on Sunday. How many fans came on the two days?",
         {2000, 60000}, {2000, 60000}, {4000, 99999}},
        {u"A museum had {a} visitors in May and {b} visitors in June. How many visitors came in the two months?",
         {1000, 50000}, {1000, 50000}, {2000, 99999}},
        {u"A town has {a} people living north of the river and {b} living south of it. How many people live in the "
         u"town?", {1000, 60000}, {1000, 60000}, {2000, 99999}},
    };
    b.takingAway = {
        {u"There are {a} birds in a tree. Then {b} of them fly away. How many birds are left?",
         {3, 20}, {1, 15}, {1, 19}},
        {u"{n} has {a} {things} and gives {b} of them to {m}. How many {things} does {n} have left?",
         {3, 60}, {1, 40}, {1, 59}, Nouns::Small},
        {u"There are {a} {things} in a bowl. The family eats {b} of them. How many {things} are left in the bowl?",
         {4, 20}, {2, 10}, {1, 18}, Nouns::Fruit},
        {u"{n} has {a} {things}. <He|She> loses {b} of them. How many {things} does <he|she> have now?",
         {3, 60}, {1, 20}, {1, 59}, Nouns::Small},
        {u"A bus has {a} passengers. At the station, {b} of them get off. How many passengers are left on the bus?",
         {10, 70}, {2, 50}, {1, 68}},
        {u"There are {a} children in the pool. Then {b} of them get out. How many children are still in the pool?",
         {10, 40}, {2, 30}, {1, 38}},
        {u"{n} has {a} beads. <He|She> uses {b} of them to make a necklace. How many beads are left?",
         {20, 200}, {10, 150}, {1, 190}},
        {u"A box of plates weighs {a} @. A box of toys weighs {b} @. How much heavier is the box of plates?",
         {5, 20}, {2, 15}, {1, 18}},
        {u"A water tank holds {a} ^. Then {b} ^ are used to water the garden. How much water is left in the tank?",
         {100, 900}, {20, 400}, {10, 880}},
        {u"A book has {a} pages. {n} has read {b} of them. How many pages does <he|she> still have to read?",
         {40, 600}, {10, 500}, {5, 590}},
        {u"A family has to drive {a} ~ to get to the sea. They have driven {b} ~ so far. How much further do they "
         u"have to drive?", {50, 900}, {10, 800}, {10, 890}},
        {u"A school printed {a} tickets for a show and sold {b} of them. How many tickets were not sold?",
         {100, 800}, {50, 750}, {5, 750}},
        {u"A car park has {a} spaces, and {b} cars are parked in it. How many spaces are free?",
         {30, 900}, {10, 850}, {1, 890}},
        {u"A farmer had {a} sheep and sold {b} of them at the market. How many sheep does the farmer have now?",
         {20, 2000}, {10, 1500}, {10, 1990}},
        {u"A plane has to fly {a} ~. It has flown {b} ~ so far. How far does it still have to fly?",
         {500, 9999}, {100, 9000}, {100, 9899}},
        {u"A stadium has {a} seats. At today's match, {b} seats are taken. How many seats are empty?",
         {5000, 90000}, {2000, 85000}, {100, 88000}},
        {u"A town has {a} people. Last year {b} people moved away and nobody new came. How many people live in the "
         u"town now?", {2000, 99999}, {100, 20000}, {1000, 99000}},
        {u"A factory made {a} toys this month and has sent {b} of them to the shops. How many toys are still at the "
         u"factory?", {1000, 99999}, {500, 90000}, {100, 99000}},
    };
    b.groups = {
        {u"There are {b} boxes with {a} {things} in each box. How many {things} are there?",
         {2, 12}, {2, 12}, Any, Nouns::Small},
        {u"{n} puts {a} {things} on each of {b} plates. How many {things} are on the plates?",
         {2, 6}, {2, 8}, Any, Nouns::Fruit},
        {u"A garden has {b} rows with {a} carrots in each row. How many carrots are there?", {2, 20}, {2, 12}},
        {u"{n} buys {b} packs of {things}. There are {a} {things} in each pack. How many {things} does <he|she> buy?",
         {2, 12}, {2, 6}, Any, Nouns::Bakes},
        {u"A minibus has {b} rows of {a} seats. How many seats are there?", {2, 4}, {3, 6}},
        {u"{n} reads {a} pages every day for {b} days. How many pages does <he|she> read?", {2, 30}, {2, 14}},
        {u"A pet shop has {b} fish tanks. Each one holds {a} ^ of water. How much water do the tanks hold "
         u"altogether?", {20, 150}, {2, 12}},
        {u"A crate of apples weighs {a} @. How much do {b} crates weigh?", {5, 25}, {2, 50}},
        {u"{n} cycles {a} ~ every day for {b} days. How far does <he|she> cycle altogether?", {2, 20}, {2, 14}},
        {u"A school orders {b} boxes of pencils with {a} pencils in each box. How many pencils is that?",
         {10, 50}, {2, 40}},
        {u"A cinema has {b} rows of {a} seats. How many seats are there?", {10, 30}, {5, 25}},
        {u"A lorry carries {b} sacks that each weigh {a} @. What is the weight of the load?", {10, 50}, {5, 80}},
        {u"A plane flies {a} ~ every day for {b} days. How far does it fly?", {200, 2000}, {2, 30}},
        {u"A farm has {b} fields with {a} sheep in each field. How many sheep are there?", {5, 80}, {2, 30}},
        {u"A shop sells {a} newspapers every day. How many does it sell in {b} days?", {20, 400}, {2, 31}},
        {u"A box holds {a} eggs. How many eggs are there in {b} boxes?", {6, 6}, {2, 50}},
        {u"A bag of rice weighs {a} @. How much do {b} bags weigh?", {2, 25}, {2, 50}},
        {u"Each page of {n}'s album holds {a} stamps. How many stamps fill {b} pages?", {2, 12}, {2, 50}},
        {u"A lift can carry {a} people. How many people can it carry in {b} trips?", {4, 12}, {2, 30}},
        {u"There are {b} tables in the dining hall, with {a} children at each table. How many children is that?",
         {4, 10}, {3, 30}},
        {u"A theatre has {b} rows of {a} seats. How many seats are there?", {20, 60}, {10, 40}},
        {u"An orchard has {b} rows of {a} apple trees. How many apple trees are there?", {10, 60}, {5, 40}},
        {u"A baker bakes {a} loaves every day. How many loaves does the baker bake in {b} days?", {100, 400}, {2, 31}},
        {u"A train carries {a} passengers on each trip and makes {b} trips a day. How many passengers does it carry "
         u"in a day?", {100, 480}, {2, 24}},
        {u"A school buys {b} boxes of paper with {a} sheets in each box. How many sheets is that?",
         {100, 500}, {5, 48}},
        {u"A factory packs {a} bottles in each crate. How many bottles fill {b} crates?", {12, 48}, {10, 99}},
        {u"A hen lays {a} eggs a week. How many eggs does it lay in {b} weeks?", {3, 7}, {2, 52}},
        {u"Each of the {b} children in a year group reads {a} books in the holidays. How many books do they read "
         u"altogether?", {2, 9}, {20, 90}},
    };
    b.counts = {
        {2, u"How many legs do %1 birds have altogether?", u"A bird has 2 legs."},
        {4, u"How many legs do %1 dogs have altogether?", u"A dog has 4 legs."},
        {8, u"How many legs do %1 spiders have altogether?", u"A spider has 8 legs."},
        {6, u"How many legs do %1 beetles have altogether?", u"A beetle has 6 legs."},
        {6, u"How many legs do %1 ladybirds have altogether?", u"A ladybird has 6 legs."},
        {2, u"How many wheels do %1 bikes have altogether?", u"A bike has 2 wheels."},
        {3, u"How many wheels do %1 tricycles have altogether?", u"A tricycle has 3 wheels."},
        {4, u"How many wheels do %1 cars have altogether?", u"A car has 4 wheels."},
        {5, u"How many fingers are there on %1 hands?", u"A hand has 5 fingers."},
        {7, u"How many days are there in %1 weeks?", u"A week has 7 days."},
        {8, u"How many arms do %1 octopuses have altogether?", u"An octopus has 8 arms."},
    };
    b.sharing = {
        {u"Share {a} {things} equally between {b} children. How many {things} does each child get?",
         {4, 40}, {2, 5}, {2, 10}, Nouns::Small},
        {u"{n} shares {a} {things} equally among {b} friends. How many {things} does each friend get?",
         {4, 30}, {2, 6}, {2, 6}, Nouns::Fruit},
        {u"{n} and {m} share {a} {things} equally. How many {things} does each of them get?",
         {4, 40}, {2, 2}, {2, 20}, Nouns::Small},
        {u"A relay race of {a} ~ is shared equally by {b} runners. How far does each runner go?",
         {4, 40}, {2, 8}, {1, 10}},
        {u"A farmer pours {a} ^ of water equally into {b} troughs. How much water goes into each trough?",
         {20, 999}, {2, 12}, {10, 200}},
        {u"A farmer packs {a} @ of potatoes into {b} sacks of the same weight. How much does each sack weigh?",
         {10, 999}, {2, 20}, {5, 50}},
        {u"A school has {a} children in {b} classes of the same size. How many children are in each class?",
         {30, 999}, {2, 30}, {15, 32}},
        {u"A teacher puts {a} books on {b} shelves, the same number on each shelf. How many books go on each shelf?",
         {10, 400}, {2, 10}, {5, 40}},
        {u"A train has {a} seats in {b} carriages, the same number in each. How many seats are in each carriage?",
         {40, 999}, {2, 12}, {20, 80}},
        {u"A class of {a} children sits at {b} tables, the same number at each table. How many children sit at each "
         u"table?", {15, 32}, {3, 8}, {2, 8}},
        {u"A baker shares {a} {things} equally between {b} trays. How many {things} go on each tray?",
         {12, 120}, {2, 10}, {4, 20}, Nouns::Bakes},
        {u"Over {b} days, a family drives {a} ~, the same distance each day. How far do they drive each day?",
         {100, 999}, {2, 7}, {50, 400}},
    };
    b.grouping = {
        {u"There are {a} children in a PE lesson. They get into teams of {b}. How many teams are there?",
         {15, 32}, {2, 8}, {2, 16}},
        {u"{n} has {a} {things} and puts {b} in each box. How many boxes does <he|she> fill?",
         {4, 60}, {2, 12}, {2, 12}, Nouns::Bakes},
        {u"A farmer packs {a} eggs into boxes of {b}. How many boxes are filled?", {12, 999}, {6, 6}, {2, 99}},
        {u"The caretaker puts out {a} chairs in rows of {b}. How many rows are there?", {20, 400}, {5, 25}, {2, 30}},
        {u"{n} plants {a} seeds, {b} in each pot. How many pots does <he|she> need?", {4, 60}, {2, 10}, {2, 12}},
        {u"A shop puts {a} pencils into packs of {b}. How many packs does it make?", {20, 600}, {4, 12}, {2, 60}},
        {u"{n} sticks {a} stickers in <his|her> album, {b} on each page. How many pages does <he|she> fill?",
         {4, 120}, {2, 12}, {2, 12}},
        {u"A baker has {a} bread rolls and puts {b} in each bag. How many bags does the baker fill?",
         {12, 200}, {4, 12}, {2, 30}},
    };
    b.filled = {
        {u"{n} has {a} stamps and puts {b} on each page of an album. How many pages can <he|she> fill?",
         {7, 200}, {3, 12}, {2, 30}},
        {u"A baker has {a} {things} and packs them in boxes of {b}. How many boxes can the baker fill?",
         {7, 200}, {3, 12}, {2, 30}, Nouns::Bakes},
        {u"A farmer has {a} eggs and puts them in boxes of {b}. How many boxes can the farmer fill?",
         {13, 999}, {6, 6}, {2, 99}},
    };
    b.needed = {
        {u"There are {a} children going camping, and each tent sleeps {b}. How many tents do they need so that "
         u"everyone has a bed?", {7, 60}, {2, 8}, {2, 20}},
        {u"A school takes {a} children on a trip. Each {thing} takes {b} children. How many {things} are needed so "
         u"that nobody is left behind?", {7, 300}, {3, 60}, {2, 12}, Nouns::Vehicles, 1},
        {u"A class of {a} children has to sit at tables for {b}. How many tables are needed so that everyone has a "
         u"seat?", {15, 32}, {4, 8}, {2, 8}},
        {u"{n} has {a} photos to put in an album. Each page holds {b} photos. How many pages does <he|she> need for "
         u"all of them?", {7, 200}, {3, 12}, {2, 30}},
    };
    b.parts = {
        {u"{n} has {a} {things} and gives {p} of them to {m}. How many {things} does <he|she> give away?",
         {4, 40}, Any, Any, Nouns::Small},
        {u"{n} has {a} {things}. <He|She> puts {p} of them in a box. How many {things} go in the box?",
         {4, 40}, Any, Any, Nouns::Small},
        {u"There are {a} ducks on a pond. Then {p} of them swim away. How many ducks swim away?", {4, 30}},
        {u"{n} picks {a} {things}, and {p} of them are ripe. How many ripe {things} are there?",
         {4, 40}, Any, Any, Nouns::Fruit},
        {u"A tray holds {a} {things}. {n} gives {p} of them to <his|her> class. How many {things} does <he|she> "
         u"give?", {4, 36}, Any, Any, Nouns::Bakes},
        {u"There are {a} children in a class, and {p} of them walk to school. How many children walk to school?",
         {15, 32}},
        {u"A water tank holds {a} ^ when it is full. It is {p} full. How much water is in it?", {40, 300}},
        {u"A family drives {a} ~ to the coast. They stop for lunch when they have driven {p} of the way. How far "
         u"have they driven by lunch?", {60, 600}},
        {u"A bag holds {a} @ of flour. A baker uses {p} of it. How much flour does the baker use?", {10, 50}},
        {u"A school has {a} children, and {p} of them have a packed lunch. How many children have a packed lunch?",
         {100, 999}},
        {u"A cartoon lasts {a} minutes. {n} has watched {p} of it. How many minutes has <he|she> watched?", {10, 30}},
        {u"A film lasts {a} minutes. {n} has watched {p} of it. How many minutes has <he|she> watched?", {60, 180}},
        {u"A farmer has {a} sheep, and {p} of them are in the top field. How many sheep are in the top field?",
         {10, 999}},
        {u"A reading challenge is {a} pages long. {n} has read {p} of it. How many pages has <he|she> read?",
         {50, 600}},
    };
    b.twoParts = {
        {u"{n} has {a} sweets. {P} of them are red and {q} are green. The rest are yellow. How many are yellow?",
         {6, 60}},
        {u"There are {a} children in a school club. {P} of them walk to school and {q} come by bus. The rest come by "
         u"car. How many come by car?", {12, 40}},
        {u"A farmer has {a} animals. {P} of them are sheep and {q} are cows. The rest are goats. How many goats are "
         u"there?", {12, 240}},
    };
    b.cutUp = {
        {u"{A thing} is cut into quarters. How many pieces are there?", {1, 1}, {4, 4}, Any, Nouns::Foods},
        {u"Two {things} are each cut into quarters. How many pieces are there?", {2, 2}, {4, 4}, Any, Nouns::Foods},
        {u"Two {things} are each cut in half. How many pieces are there?", {2, 2}, {2, 2}, Any, Nouns::Foods},
        {u"Three {things} are each cut in half. How many pieces are there?", {3, 3}, {2, 2}, Any, Nouns::Foods},
    };
    b.eaten = {
        {u"{n} cuts {a thing} into quarters and eats {c} of the pieces. How many pieces are left?",
         {1, 1}, {4, 4}, {2, 3}, Nouns::Foods},
        {u"{n} cuts two {things} into quarters for a picnic. The family eats {c} of the pieces. How many pieces are "
         u"left?", {2, 2}, {4, 4}, {1, 6}, Nouns::Foods},
        {u"{n} cuts two {things} in half and shares them with <his|her> friends. They eat {c} of the pieces. How "
         u"many pieces are left?", {2, 2}, {2, 2}, {1, 3}, Nouns::Foods},
        {u"Three {things} are cut in half for a party, and the children eat {c} of the pieces. How many pieces are "
         u"left?", {3, 3}, {2, 2}, {1, 5}, Nouns::Foods},
    };

    b.together = {
        {u"{A thing} costs {a} $ and {a thing2} costs {b} $. How much do they cost together, in $?"},
        {u"{n} buys {a thing} for {a} $ and {a thing2} for {b} $. What is the total cost in $?"},
    };
    b.spent = {
        {u"{n} has {a} $ and spends {b} $ on {a thing}. How much does <he|she> have left, in $?", {5, 100}},
        {u"{n}'s family has saved {a} $ and spends {b} $ on {a thing}. How much is left, in $?", {200, 2000}},
        {u"After the summer fair, the school has {a} $. It spends {b} $ on {a thing}. How much is left, in $?",
         {200, 2000}},
        {u"{n}'s grandparents have {a} $ to spend. They buy {a thing} for {b} $. How much do they have left, in $?",
         {200, 2000}},
    };
    b.paid = {
        {u"{n} pays for {a thing} that costs {b} $ with a note of {a} $. How much change does <he|she> get, in $?",
         {5, 100}},
        {u"{A thing} costs {b} $. {n} pays with {a} $. How much change does <he|she> get, in $?", {5, 100}},
    };
    b.several = {
        {u"{A thing} costs {a} $. How much do {b} of them cost, in $?", {2, 60}, {2, 6}},
        {u"{n} buys {b} {things} at {a} $ each. How much does <he|she> pay, in $?", {2, 60}, {2, 6}},
    };
    b.saved = {
        {u"{n} saves {a} $ every week. How much has <he|she> saved after {b} weeks, in $?", {2, 20}, {2, 12}},
        {u"{n} earns {a} $ a week by helping in the garden. How much does <he|she> earn in {b} weeks, in $?",
         {2, 20}, {2, 10}},
    };
    b.bought = {
        {u"A school buys {b} {things} at {a} $ each. What is the total cost in $?", {5, 400}, {4, 30}},
        {u"A holiday club buys {b} {things} at {a} $ each. How much does it pay altogether, in $?", {5, 400}, {4, 30}},
        {u"The town council buys {b} {things} for its schools at {a} $ each. How much does it spend, in $?",
         {5, 400}, {4, 30}},
    };
    b.onePrice = {
        {u"A baker sells a pack of {b} {things} for {a} $. How much is one {thing}, in $?",
         Any, {2, 12}, Any, Nouns::Bakes},
        {u"A club pays {a} $ for {b} {things}. How much does one {thing} cost, in $?", Any, {2, 30}, Any, Nouns::Bulk},
    };
    b.left = {
        {u"{n} has {a} $ and buys {b} {things} at {c} $ each. How much does <he|she> have left, in $?",
         {50, 500}, {2, 8}},
    };
    b.sale = {
        {u"{A thing} costs {a} $. In a sale, the price drops by {p}. What is the new price, in $?"},
        {u"In a sale, {a thing} that cost {a} $ is sold with {p} off. What does it cost now, in $?"},
    };
    b.tickets = {
        {u"A family buys {a} adult tickets at {b} $ each and {c} child tickets at {d} $ each. What is the total cost "
         u"in $?"},
        {u"At the zoo, an adult ticket costs {b} $ and a child ticket {d} $. How much do {a} adults and {c} children "
         u"pay, in $?"},
    };
    b.weeks = {
        {u"{n} saves {a} $ every week. How many weeks does <he|she> need to save to buy {a thing} that costs {b} $?",
         Any, Any, Any, Nouns::Big, 1},
    };
    b.shared = {
        {u"{Words b} friends share {a} $ equally. How much does each friend get, in $?", {6, 300}, {2, 6}},
        {u"A prize of {a} $ is shared equally between {b} children. How much does each child get, in $?",
         {6, 300}, {2, 6}},
    };
    b.short_ = {
        {u"{A thing} costs {a} $. {n} has {b} $. How much more does <he|she> need, in $?"},
        {u"{n} wants to buy {a thing} that costs {a} $. <He|She> has saved {b} $. How much more does <he|she> need, "
         u"in $?"},
    };
    return b;
}

} // namespace

const Bank &Banks::english()
{
    static const Bank bank = made();
    return bank;
}
