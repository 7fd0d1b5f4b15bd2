// SPDX-License-Identifier: GPL-3.0-or-later
// Les personnes, les choses et les histoires des questions en français.
#include "content/generator/bank.h"

namespace {

constexpr Range Any{1, 99999};
constexpr bool F = true; // féminin

Bank made()
{
    Bank b;
    b.people = Banks::people(u"Léa Chloé Inès Jade Louise Manon Emma Zoé Lina Yasmine Sarah Alice Rose Nour Maëlle "
                             u"Anaïs Mila Salomé Clara Lou",
                             u"Hugo Lucas Nathan Louis Adam Gabriel Jules Noah Mathis Rayan Karim Théo Arthur Ibrahim "
                             u"Malo Tom Léo Ethan Enzo Youssef");
    b.small = Banks::things({{u"bille", u"billes", F}, {u"coquillage", u"coquillages"}, {u"timbre", u"timbres"},
                             {u"perle", u"perles", F}, {u"carte", u"cartes", F}, {u"bouton", u"boutons"},
                             {u"crayon de couleur", u"crayons de couleur"}, {u"autocollant", u"autocollants"},
                             {u"marron", u"marrons"}, {u"image", u"images", F}, {u"gommette", u"gommettes", F}});
    b.fruit = Banks::things({{u"pomme", u"pommes", F}, {u"poire", u"poires", F}, {u"prune", u"prunes", F},
                             {u"orange", u"oranges", F}, {u"cerise", u"cerises", F}, {u"fraise", u"fraises", F},
                             {u"citron", u"citrons"}, {u"pêche", u"pêches", F}, {u"abricot", u"abricots"},
                             {u"mandarine", u"mandarines", F}});
    b.bakes = Banks::things({{u"gâteau", u"gâteaux", false, 2, 6}, {u"biscuit", u"biscuits", false, 2, 3},
                             {u"muffin", u"muffins", false, 2, 4}, {u"petit pain", u"petits pains", false, 2, 3},
                             {u"croissant", u"croissants", false, 2, 3}, {u"madeleine", u"madeleines", F, 2, 3},
                             {u"crêpe", u"crêpes", F, 2, 4}, {u"cookie", u"cookies", false, 2, 3}});
    b.foods = Banks::things({{u"pizza", u"pizzas", F}, {u"gâteau", u"gâteaux"}, {u"tarte", u"tartes", F},
                             {u"sandwich", u"sandwichs"}, {u"tablette de chocolat", u"tablettes de chocolat", F},
                             {u"crêpe", u"crêpes", F}});
    b.vehicles = Banks::things({{u"voiture", u"voitures", F, 3, 4}, {u"monospace", u"monospaces", false, 5, 7},
                                {u"minibus", u"minibus", false, 8, 16}, {u"car", u"cars", false, 20, 60}});
    b.cheap = Banks::things({{u"crayon", u"crayons", false, 2, 3}, {u"gomme", u"gommes", F, 2, 3},
                             {u"règle", u"règles", F, 2, 4}, {u"boisson", u"boissons", F, 2, 4},
                             {u"bande dessinée", u"bandes dessinées", F, 3, 6}, {u"balle", u"balles", F, 3, 10},
                             {u"cerf-volant", u"cerfs-volants", false, 6, 15},
                             {u"album d'autocollants", u"albums d'autocollants", false, 3, 8},
                             {u"yoyo", u"yoyos", false, 3, 6}, {u"cahier", u"cahiers", false, 2, 5},
                             {u"taille-crayon", u"taille-crayons", false, 2, 3},
                             {u"tube de colle", u"tubes de colle", false, 2, 4},
                             {u"sachet de bonbons", u"sachets de bonbons", false, 2, 5},
                             {u"corde à sauter", u"cordes à sauter", F, 3, 8}, {u"barrette", u"barrettes", F, 2, 5},
                             {u"glace", u"glaces", F, 2, 4}});
    b.dear = Banks::things({{u"petite voiture", u"petites voitures", F, 5, 15}, {u"livre", u"livres", false, 6, 20},
                            {u"jeu vidéo", u"jeux vidéo", false, 15, 50}, {u"tee-shirt", u"tee-shirts", false, 8, 25},
                            {u"casquette", u"casquettes", F, 8, 20}, {u"puzzle", u"puzzles", false, 8, 25},
                            {u"ballon de foot", u"ballons de foot", false, 10, 30},
                            {u"boîte à goûter", u"boîtes à goûter", F, 6, 15},
                            {u"jeu de société", u"jeux de société", false, 15, 40},
                            {u"sac à dos", u"sacs à dos", false, 15, 50}, {u"short", u"shorts", false, 8, 25},
                            {u"ours en peluche", u"ours en peluche", false, 10, 30},
                            {u"boîte de peinture", u"boîtes de peinture", F, 8, 25},
                            {u"lampe de poche", u"lampes de poche", F, 6, 20}, {u"gourde", u"gourdes", F, 6, 15},
                            {u"trousse", u"trousses", F, 5, 15},
                            {u"paire de baskets", u"paires de baskets", F, 25, 80},
                            {u"montre", u"montres", F, 15, 60}});
    b.big = Banks::things({{u"vélo", u"vélos", false, 100, 600}, {u"tablette", u"tablettes", F, 150, 600},
                           {u"trottinette", u"trottinettes", F, 50, 200}, {u"tente", u"tentes", F, 60, 400},
                           {u"guitare", u"guitares", F, 80, 500}, {u"manteau", u"manteaux", false, 40, 150},
                           {u"appareil photo", u"appareils photo", false, 100, 800},
                           {u"piano électrique", u"pianos électriques", false, 150, 500},
                           {u"console de jeux", u"consoles de jeux", F, 200, 500},
                           {u"télescope", u"télescopes", false, 80, 400}});
    b.bulk = Banks::things({{u"tee-shirt", u"tee-shirts", false, 8, 25}, {u"ballon", u"ballons", false, 10, 30},
                            {u"livre", u"livres", false, 5, 20},
                            {u"raquette de tennis", u"raquettes de tennis", F, 15, 60},
                            {u"casque de vélo", u"casques de vélo", false, 15, 50},
                            {u"place de théâtre", u"places de théâtre", F, 10, 40},
                            {u"tablette", u"tablettes", F, 120, 400}, {u"microscope", u"microscopes", false, 80, 300},
                            {u"tente", u"tentes", F, 60, 300},
                            {u"piano électrique", u"pianos électriques", false, 100, 350}});
    b.family = Banks::things({{u"canapé", u"canapés", false, 300, 1500},
                              {u"réfrigérateur", u"réfrigérateurs", false, 300, 1200},
                              {u"télévision", u"télévisions", F, 200, 1500},
                              {u"lave-linge", u"lave-linge", false, 250, 900},
                              {u"ordinateur portable", u"ordinateurs portables", false, 300, 1200}});

    b.adding = {
        {u"{n} a {a} {things}, et on lui en donne {b} de plus. Combien {de things} a-t-<il|elle> maintenant ?",
         {2, 50}, {1, 30}, {3, 80}, Nouns::Small},
        {u"Il y a {a} {things} dans une boîte et {b} sur la table. Combien {de things} y a-t-il en tout ?",
         {2, 60}, {2, 60}, {4, 100}, Nouns::Small},
        {u"Il y a {a} canards sur la mare, et {b} autres viennent s'y poser. Combien de canards y a-t-il sur la mare "
         u"maintenant ?", {2, 20}, {1, 12}, {3, 30}},
        {u"{n} cueille {a} {things} et {m} en cueille {b}. Combien {de things} ont été cueilli{s|es} en tout ?",
         {2, 40}, {2, 40}, {4, 70}, Nouns::Fruit},
        {u"{n} lit {a} pages samedi et {b} pages dimanche. Combien de pages lit-<il|elle> en tout ?",
         {3, 80}, {3, 80}, {6, 150}},
        {u"Il y a {a} passagers dans un bus. À l'arrêt suivant, {b} autres montent. Combien de passagers y a-t-il "
         u"dans le bus maintenant ?", {2, 50}, {1, 20}, {3, 70}},
        {u"Dans une classe, il y a {a} filles et {b} garçons. Combien d'élèves y a-t-il dans la classe ?",
         {6, 18}, {6, 18}, {15, 32}},
        {u"À la fête du sport, il y a {a} garçons et {b} filles. Combien d'enfants y a-t-il en tout ?",
         {30, 300}, {30, 300}, {60, 600}},
        {u"{n} marque {a} points à la première partie et {b} points à la deuxième. Combien de points "
         u"marque-t-<il|elle> en tout ?", {2, 99}, {2, 99}, {4, 150}},
        {u"Il y a {a} voitures sur le parking, puis {b} autres arrivent. Combien de voitures y a-t-il sur le parking "
         u"maintenant ?", {2, 90}, {1, 40}, {3, 120}},
        {u"Un boulanger fait {a} {things} le matin et {b} l'après-midi. Combien {de things} fait-il dans la journée "
         u"?", {10, 120}, {10, 120}, {20, 200}, Nouns::Bakes},
        {u"Un glacier vend {a} glaces samedi et {b} dimanche. Combien de glaces vend-il pendant le week-end ?",
         {10, 300}, {10, 300}, {20, 500}},
        {u"La citerne d'une ferme contient {a} ^ d'eau. Le fermier en ajoute {b} ^. Combien d'eau y a-t-il "
         u"maintenant dans la citerne ?", {50, 900}, {20, 500}, {100, 1200}},
        {u"Une école compte {a} filles et {b} garçons. Combien d'élèves y a-t-il dans l'école ?",
         {120, 600}, {120, 600}, {250, 1200}},
        {u"Pendant les vacances, une famille roule {a} ~ le premier jour et {b} ~ le deuxième. Quelle distance "
         u"parcourt-elle en tout ?", {40, 600}, {40, 600}, {80, 1000}},
        {u"Un maçon transporte {a} @ de sable le matin et {b} @ l'après-midi. Combien de sable transporte-t-il en "
         u"tout ?", {20, 900}, {20, 900}, {40, 1500}},
        {u"Vendredi, {a} personnes ont vu le spectacle de l'école, et samedi, {b}. Combien de personnes l'ont vu en "
         u"tout ?", {50, 600}, {50, 600}, {100, 1200}},
        {u"Une bibliothèque a {a} albums et {b} romans. Combien de livres a-t-elle en tout ?",
         {200, 9999}, {200, 9999}, {400, 20000}},
        {u"Un avion parcourt {a} ~ jusqu'à une première ville, puis {b} ~ jusqu'à une autre. Quelle distance "
         u"parcourt-il en tout ?", {300, 9999}, {300, 9999}, {600, 15000}},
        {u"Un stade a accueilli {a} spectateurs samedi et {b} dimanche. Combien de spectateurs sont venus en deux "
         u"jours ?", {2000, 60000}, {2000, 60000}, {4000, 99999}},
        {u"Un musée a reçu {a} visiteurs en mai et {b} en juin. Combien de visiteurs sont venus pendant ces deux "
         u"mois ?", {1000, 50000}, {1000, 50000}, {2000, 99999}},
        {u"Une ville compte {a} habitants au nord de la rivière et {b} au sud. Combien d'habitants compte la ville ?",
         {1000, 60000}, {1000, 60000}, {2000, 99999}},
    };
    b.takingAway = {
        {u"Il y a {a} oiseaux dans un arbre. Puis {b} s'envolent. Combien d'oiseaux reste-t-il ?",
         {3, 20}, {1, 15}, {1, 19}},
        {u"{n} a {a} {things} et en donne {b} à {m}. Combien {de things} reste-t-il à {n} ?",
         {3, 60}, {1, 40}, {1, 59}, Nouns::Small},
        {u"Il y a {a} {things} dans une coupe. La famille en mange {b}. Combien {de things} reste-t-il dans la coupe "
         u"?", {4, 20}, {2, 10}, {1, 18}, Nouns::Fruit},
        {u"{n} a {a} {things}. <Il|Elle> en perd {b}. Combien {de things} a-t-<il|elle> maintenant ?",
         {3, 60}, {1, 20}, {1, 59}, Nouns::Small},
        {u"Il y a {a} passagers dans un bus. À la gare, {b} descendent. Combien de passagers reste-t-il dans le bus "
         u"?", {10, 70}, {2, 50}, {1, 68}},
        {u"Il y a {a} enfants à la piscine. Puis {b} sortent de l'eau. Combien d'enfants sont encore dans l'eau ?",
         {10, 40}, {2, 30}, {1, 38}},
        {u"{n} a {a} perles. <Il|Elle> en utilise {b} pour faire un collier. Combien de perles lui reste-t-il ?",
         {20, 200}, {10, 150}, {1, 190}},
        {u"Un carton de vaisselle pèse {a} @. Un carton de jouets pèse {b} @. De combien le carton de vaisselle "
         u"est-il plus lourd ?", {5, 20}, {2, 15}, {1, 18}},
        {u"Une cuve contient {a} ^ d'eau. On en utilise {b} ^ pour arroser le jardin. Combien d'eau reste-t-il dans "
         u"la cuve ?", {100, 900}, {20, 400}, {10, 880}},
        {u"Un livre a {a} pages. {n} en a lu {b}. Combien de pages lui reste-t-il à lire ?",
         {40, 600}, {10, 500}, {5, 590}},
        {u"Pour aller à la mer, une famille doit parcourir {a} ~. Elle a déjà parcouru {b} ~. Quelle distance lui "
         u"reste-t-il à parcourir ?", {50, 900}, {10, 800}, {10, 890}},
        {u"Une école a imprimé {a} billets pour la kermesse et en a vendu {b}. Combien de billets n'ont pas été "
         u"vendus ?", {100, 800}, {50, 750}, {5, 750}},
        {u"Un parking a {a} places, et {b} voitures y sont garées. Combien de places sont libres ?",
         {30, 900}, {10, 850}, {1, 890}},
        {u"Un éleveur avait {a} moutons. Il en a vendu {b} au marché. Combien de moutons lui reste-t-il ?",
         {20, 2000}, {10, 1500}, {10, 1990}},
        {u"Un avion doit parcourir {a} ~. Il a déjà parcouru {b} ~. Quelle distance lui reste-t-il à parcourir ?",
         {500, 9999}, {100, 9000}, {100, 9899}},
        {u"Un stade a {a} places. Pour le match d'aujourd'hui, {b} places sont occupées. Combien de places sont "
         u"vides ?", {5000, 90000}, {2000, 85000}, {100, 88000}},
        {u"Une ville comptait {a} habitants. L'an dernier, {b} habitants sont partis et personne n'est arrivé. "
         u"Combien d'habitants compte-t-elle maintenant ?", {2000, 99999}, {100, 20000}, {1000, 99000}},
        {u"Une usine a fabriqué {a} jouets ce mois-ci et en a déjà envoyé {b} aux magasins. Combien de jouets sont "
         u"encore à l'usine ?", {1000, 99999}, {500, 90000}, {100, 99000}},
    };
    b.groups = {
        {u"Il y a {b} boîtes avec {a} {things} dans chaque boîte. Combien {de things} y a-t-il ?",
         {2, 12}, {2, 12}, Any, Nouns::Small},
        {u"{n} pose {a} {things} sur chacune des {b} assiettes. Combien {de things} y a-t-il sur les assiettes ?",
         {2, 6}, {2, 8}, Any, Nouns::Fruit},
        {u"Dans le potager, il y a {b} rangées de {a} carottes. Combien de carottes y a-t-il ?", {2, 20}, {2, 12}},
        {u"{n} achète {b} paquets {de things}. Il y a {a} {things} dans chaque paquet. Combien {de things} "
         u"achète-t-<il|elle> ?", {2, 12}, {2, 6}, Any, Nouns::Bakes},
        {u"Un minibus a {b} rangées de {a} sièges. Combien de sièges y a-t-il ?", {2, 4}, {3, 6}},
        {u"{n} lit {a} pages par jour pendant {b} jours. Combien de pages lit-<il|elle> ?", {2, 30}, {2, 14}},
        {u"Une animalerie a {b} aquariums. Chacun contient {a} ^ d'eau. Combien d'eau contiennent tous les aquariums "
         u"?", {20, 150}, {2, 12}},
        {u"Une cagette de pommes pèse {a} @. Combien pèsent {b} cagettes ?", {5, 25}, {2, 50}},
        {u"{n} fait {a} ~ à vélo chaque jour pendant {b} jours. Quelle distance parcourt-<il|elle> en tout ?",
         {2, 20}, {2, 14}},
        {u"Une école commande {b} boîtes de {a} crayons. Combien de crayons cela fait-il ?", {10, 50}, {2, 40}},
        {u"Un cinéma a {b} rangées de {a} fauteuils. Combien de fauteuils y a-t-il ?", {10, 30}, {5, 25}},
        {u"Un camion transporte {b} sacs de {a} @ chacun. Quel est le poids du chargement ?", {10, 50}, {5, 80}},
        {u"Un avion parcourt {a} ~ chaque jour pendant {b} jours. Quelle distance parcourt-il ?", {200, 2000}, {2, 30}},
        {u"Une ferme a {b} prés avec {a} moutons dans chaque pré. Combien de moutons y a-t-il ?", {5, 80}, {2, 30}},
        {u"Un marchand de journaux vend {a} journaux par jour. Combien en vend-il en {b} jours ?", {20, 400}, {2, 31}},
        {u"Une boîte contient {a} œufs. Combien d'œufs y a-t-il dans {b} boîtes ?", {6, 6}, {2, 50}},
        {u"Un sac de riz pèse {a} @. Combien pèsent {b} sacs ?", {2, 25}, {2, 50}},
        {u"Chaque page de l'album {de n} contient {a} timbres. Combien de timbres y a-t-il sur {b} pages ?",
         {2, 12}, {2, 50}},
        {u"Un ascenseur peut transporter {a} personnes. Combien de personnes peut-il transporter en {b} voyages ?",
         {4, 12}, {2, 30}},
        {u"À la cantine, il y a {b} tables de {a} enfants. Combien d'enfants cela fait-il ?", {4, 10}, {3, 30}},
        {u"Un théâtre a {b} rangées de {a} fauteuils. Combien de places y a-t-il ?", {20, 60}, {10, 40}},
        {u"Un verger a {b} rangées de {a} pommiers. Combien de pommiers y a-t-il ?", {10, 60}, {5, 40}},
        {u"Un boulanger fait {a} baguettes chaque jour. Combien de baguettes fait-il en {b} jours ?",
         {100, 400}, {2, 31}},
        {u"Un train transporte {a} voyageurs à chaque trajet et fait {b} trajets par jour. Combien de voyageurs "
         u"transporte-t-il en une journée ?", {100, 480}, {2, 24}},
        {u"Une école achète {b} paquets de {a} feuilles. Combien de feuilles cela fait-il ?", {100, 500}, {5, 48}},
        {u"Une usine range {a} bouteilles dans chaque caisse. Combien de bouteilles faut-il pour remplir {b} caisses "
         u"?", {12, 48}, {10, 99}},
        {u"Une poule pond {a} œufs par semaine. Combien d'œufs pond-elle en {b} semaines ?", {3, 7}, {2, 52}},
        {u"Pendant les vacances, chacun des {b} élèves de l'école lit {a} livres. Combien de livres sont lus en tout "
         u"?", {2, 9}, {20, 90}},
    };
    b.counts = {
        {2, u"Combien de pattes ont %1 oiseaux en tout ?", u"Un oiseau a 2 pattes."},
        {4, u"Combien de pattes ont %1 chiens en tout ?", u"Un chien a 4 pattes."},
        {8, u"Combien de pattes ont %1 araignées en tout ?", u"Une araignée a 8 pattes."},
        {6, u"Combien de pattes ont %1 scarabées en tout ?", u"Un scarabée a 6 pattes."},
        {6, u"Combien de pattes ont %1 coccinelles en tout ?", u"Une coccinelle a 6 pattes."},
        {2, u"Combien de roues ont %1 vélos en tout ?", u"Un vélo a 2 roues."},
        {3, u"Combien de roues ont %1 tricycles en tout ?", u"Un tricycle a 3 roues."},
        {4, u"Combien de roues ont %1 voitures en tout ?", u"Une voiture a 4 roues."},
        {5, u"Combien de doigts y a-t-il sur %1 mains ?", u"Une main a 5 doigts."},
        {7, u"Combien de jours y a-t-il dans %1 semaines ?", u"Une semaine compte 7 jours."},
        {8, u"Combien de bras ont %1 pieuvres en tout ?", u"Une pieuvre a 8 bras."},
    };
    b.sharing = {
        {u"Partage {a} {things} de façon égale entre {b} enfants. Combien {de things} chaque enfant reçoit-il ?",
         {4, 40}, {2, 5}, {2, 10}, Nouns::Small},
        {u"{n} partage {a} {things} entre {b} amis, autant pour chacun. Combien {de things} chaque ami reçoit-il ?",
         {4, 30}, {2, 6}, {2, 6}, Nouns::Fruit},
        {u"{n} et {m} se partagent {a} {things} en parts égales. Combien {de things} chacun reçoit-il ?",
         {4, 40}, {2, 2}, {2, 20}, Nouns::Small},
        {u"Une course de relais de {a} ~ est partagée en parts égales entre {b} coureurs. Quelle distance court "
         u"chaque coureur ?", {4, 40}, {2, 8}, {1, 10}},
        {u"Un fermier verse {a} ^ d'eau dans {b} abreuvoirs, autant dans chacun. Combien d'eau verse-t-il dans "
         u"chaque abreuvoir ?", {20, 999}, {2, 12}, {10, 200}},
        {u"Un agriculteur met {a} @ de pommes de terre dans {b} sacs de même poids. Combien pèse chaque sac ?",
         {10, 999}, {2, 20}, {5, 50}},
        {u"Une école compte {a} élèves répartis dans {b} classes de même taille. Combien y a-t-il d'élèves dans "
         u"chaque classe ?", {30, 999}, {2, 30}, {15, 32}},
        {u"La maîtresse range {a} livres sur {b} étagères, autant sur chaque étagère. Combien de livres met-elle sur "
         u"chaque étagère ?", {10, 400}, {2, 10}, {5, 40}},
        {u"Un train a {a} places réparties dans {b} wagons identiques. Combien de places y a-t-il dans chaque wagon "
         u"?", {40, 999}, {2, 12}, {20, 80}},
        {u"Une classe de {a} élèves s'installe à {b} tables, autant à chaque table. Combien d'élèves y a-t-il à "
         u"chaque table ?", {15, 32}, {3, 8}, {2, 8}},
        {u"Un boulanger répartit {a} {things} sur {b} plateaux, autant sur chacun. Combien {de things} met-il sur "
         u"chaque plateau ?", {12, 120}, {2, 10}, {4, 20}, Nouns::Bakes},
        {u"En {b} jours, une famille parcourt {a} ~, la même distance chaque jour. Quelle distance parcourt-elle "
         u"chaque jour ?", {100, 999}, {2, 7}, {50, 400}},
    };
    b.grouping = {
        {u"En sport, les {a} élèves de la classe forment des équipes de {b}. Combien y a-t-il d'équipes ?",
         {15, 32}, {2, 8}, {2, 16}},
        {u"{n} a {a} {things} et en met {b} dans chaque boîte. Combien de boîtes remplit-<il|elle> ?",
         {4, 60}, {2, 12}, {2, 12}, Nouns::Bakes},
        {u"Un fermier range {a} œufs dans des boîtes de {b}. Combien de boîtes remplit-il ?",
         {12, 999}, {6, 6}, {2, 99}},
        {u"Le gardien de l'école installe {a} chaises en rangées de {b}. Combien y a-t-il de rangées ?",
         {20, 400}, {5, 25}, {2, 30}},
        {u"{n} plante {a} graines, {b} dans chaque pot. Combien de pots lui faut-il ?", {4, 60}, {2, 10}, {2, 12}},
        {u"Un magasin range {a} crayons dans des paquets de {b}. Combien de paquets obtient-il ?",
         {20, 600}, {4, 12}, {2, 60}},
        {u"{n} colle {a} autocollants dans son album, {b} par page. Combien de pages remplit-<il|elle> ?",
         {4, 120}, {2, 12}, {2, 12}},
        {u"Un boulanger a {a} petits pains et en met {b} dans chaque sachet. Combien de sachets remplit-il ?",
         {12, 200}, {4, 12}, {2, 30}},
    };
    b.filled = {
        {u"{n} a {a} timbres et en colle {b} sur chaque page de son album. Combien de pages peut-<il|elle> remplir "
         u"entièrement ?", {7, 200}, {3, 12}, {2, 30}},
        {u"Un boulanger a {a} {things} et les range dans des boîtes de {b}. Combien de boîtes pleines peut-il "
         u"remplir ?", {7, 200}, {3, 12}, {2, 30}, Nouns::Bakes},
        {u"Un fermier a {a} œufs et les range dans des boîtes de {b}. Combien de boîtes pleines obtient-il ?",
         {13, 999}, {6, 6}, {2, 99}},
    };
    b.needed = {
        {u"Pour la classe verte, il y a {a} enfants, et chaque tente peut accueillir {b} enfants. Combien de tentes "
         u"faut-il pour que chacun ait une place ?", {7, 60}, {2, 8}, {2, 20}},
        {u"Une école emmène {a} enfants en sortie. Chaque {thing} peut transporter {b} enfants. Combien {de things} "
         u"faut-il pour que personne ne reste à l'école ?", {7, 300}, {3, 60}, {2, 12}, Nouns::Vehicles, 1},
        {u"Une classe de {a} élèves doit s'asseoir à des tables de {b}. Combien de tables faut-il pour que chacun "
         u"ait une place ?", {15, 32}, {4, 8}, {2, 8}},
        {u"{n} veut ranger {a} photos dans un album. Chaque page contient {b} photos. Combien de pages lui faut-il "
         u"pour toutes les ranger ?", {7, 200}, {3, 12}, {2, 30}},
    };
    b.parts = {
        {u"{n} a {a} {things} et en donne {p} à {m}. Combien {de things} donne-t-<il|elle> ?",
         {4, 40}, Any, Any, Nouns::Small},
        {u"{n} a {a} {things}. <Il|Elle> en range {p} dans une boîte. Combien {de things} met-<il|elle> dans la "
         u"boîte ?", {4, 40}, Any, Any, Nouns::Small},
        {u"Il y a {a} canards sur la mare. Puis {p} d'entre eux s'envolent. Combien de canards s'envolent ?", {4, 30}},
        {u"{n} cueille {a} {things}, et {p} d'entre {eux|elles} sont bien mûr{s|es}. Combien {de things} sont "
         u"mûr{s|es} ?", {4, 40}, Any, Any, Nouns::Fruit},
        {u"Sur un plateau, il y a {a} {things}. {n} en offre {p} à sa classe. Combien {de things} offre-t-<il|elle> "
         u"?", {4, 36}, Any, Any, Nouns::Bakes},
        {u"Dans une classe de {a} élèves, {p} des élèves viennent à l'école à pied. Combien d'élèves viennent à pied "
         u"?", {15, 32}},
        {u"Une cuve de {a} ^ est pleine d'eau. On en utilise {p} pour arroser le jardin. Combien d'eau a-t-on "
         u"utilisée ?", {40, 300}},
        {u"Une famille doit parcourir {a} ~ pour aller à la mer. Elle s'arrête pour déjeuner après avoir parcouru "
         u"{p} du trajet. Quelle distance a-t-elle parcourue avant le déjeuner ?", {60, 600}},
        {u"Un sac contient {a} @ de farine. Un boulanger en utilise {p}. Combien de farine utilise-t-il ?", {10, 50}},
        {u"Une école compte {a} élèves, et {p} d'entre eux mangent à la cantine. Combien d'élèves mangent à la "
         u"cantine ?", {100, 999}},
        {u"Un dessin animé dure {a} minutes. {n} en a regardé {p}. Combien de minutes a-t-<il|elle> regardées ?",
         {10, 30}},
        {u"Un film dure {a} minutes. {n} en a déjà regardé {p}. Combien de minutes a-t-<il|elle> regardées ?",
         {60, 180}},
        {u"Un éleveur a {a} moutons, et {p} d'entre eux sont dans le pré du haut. Combien de moutons sont dans le "
         u"pré du haut ?", {10, 999}},
        {u"Pour un défi lecture, il faut lire {a} pages. {n} en a lu {p}. Combien de pages a-t-<il|elle> lues ?",
         {50, 600}},
    };
    b.twoParts = {
        {u"{n} a {a} bonbons. {P} des bonbons sont rouges et {q} sont verts. Les autres sont jaunes. Combien de "
         u"bonbons sont jaunes ?", {6, 60}},
        {u"Dans un club, il y a {a} enfants. {P} des enfants viennent à pied et {q} viennent en bus. Les autres "
         u"viennent en voiture. Combien d'enfants viennent en voiture ?", {12, 40}},
        {u"Un fermier a {a} animaux. {P} des animaux sont des moutons et {q} sont des vaches. Les autres sont des "
         u"chèvres. Combien de chèvres a-t-il ?", {12, 240}},
    };
    b.cutUp = {
        {u"On coupe {a thing} en quatre parts égales. Combien y a-t-il de parts ?", {1, 1}, {4, 4}, Any, Nouns::Foods},
        {u"On coupe deux {things} en quatre parts égales. Combien y a-t-il de parts en tout ?",
         {2, 2}, {4, 4}, Any, Nouns::Foods},
        {u"On coupe deux {things} en deux. Combien y a-t-il de moitiés ?", {2, 2}, {2, 2}, Any, Nouns::Foods},
        {u"On coupe trois {things} en deux. Combien y a-t-il de moitiés ?", {3, 3}, {2, 2}, Any, Nouns::Foods},
    };
    b.eaten = {
        {u"{n} coupe {a thing} en quatre parts et en mange {c}. Combien de parts reste-t-il ?",
         {1, 1}, {4, 4}, {2, 3}, Nouns::Foods},
        {u"Pour le pique-nique, {n} coupe deux {things} en quatre parts chacun{|e}. La famille en mange {c}. Combien "
         u"de parts reste-t-il ?", {2, 2}, {4, 4}, {1, 6}, Nouns::Foods},
        {u"{n} coupe deux {things} en deux pour ses amis. Ils en mangent {c}. Combien de moitiés reste-t-il ?",
         {2, 2}, {2, 2}, {1, 3}, Nouns::Foods},
        {u"Pour une fête, on coupe trois {things} en deux. Les enfants en mangent {c}. Combien de moitiés reste-t-il "
         u"?", {3, 3}, {2, 2}, {1, 5}, Nouns::Foods},
    };

    b.together = {
        {u"{A thing} coûte {a} $ et {a thing2} coûte {b} $. Combien coûte le tout, en $ ?"},
        {u"{n} achète {a thing} à {a} $ et {a thing2} à {b} $. Combien paie-t-<il|elle> en tout, en $ ?"},
    };
    b.spent = {
        {u"{n} a {a} $ et dépense {b} $ pour {a thing}. Combien lui reste-t-il, en $ ?", {5, 100}},
        {u"La famille {de n} a économisé {a} $. Elle dépense {b} $ pour {a thing}. Combien lui reste-t-il, en $ ?",
         {200, 2000}},
        {u"Après la kermesse, l'école dispose de {a} $. Elle dépense {b} $ pour {a thing}. Combien lui reste-t-il, "
         u"en $ ?",
         {200, 2000}},
        {u"Les grands-parents {de n} ont {a} $ de côté. Ils achètent {a thing} à {b} $. Combien leur reste-t-il, "
         u"en $ ?",
         {200, 2000}},
    };
    b.paid = {
        {u"{n} achète {a thing} à {b} $ et paie avec un billet de {a} $. Combien doit-on lui rendre, en $ ?", {5, 100}},
        {u"{A thing} coûte {b} $. {n} paie avec {a} $. Combien doit-on lui rendre, en $ ?", {5, 100}},
    };
    b.several = {
        {u"{A thing} coûte {a} $. Combien coûtent {b} {things}, en $ ?", {2, 60}, {2, 6}},
        {u"{n} achète {b} {things} à {a} $ pièce. Combien paie-t-<il|elle>, en $ ?", {2, 60}, {2, 6}},
    };
    b.saved = {
        {u"{n} met {a} $ de côté chaque semaine. Combien a-t-<il|elle> économisé au bout de {b} semaines, en $ ?",
         {2, 20}, {2, 12}},
        {u"{n} gagne {a} $ par semaine en aidant au jardin. Combien gagne-t-<il|elle> en {b} semaines, en $ ?",
         {2, 20}, {2, 10}},
    };
    b.bought = {
        {u"Une école achète {b} {things} à {a} $ pièce. Combien paie-t-elle en tout, en $ ?", {5, 400}, {4, 30}},
        {u"Le centre de loisirs achète {b} {things} à {a} $ {l'un|l'une}. Quel est le prix total, en $ ?",
         {5, 400}, {4, 30}},
        {u"La mairie achète {b} {things} pour ses écoles à {a} $ pièce. Combien dépense-t-elle, en $ ?",
         {5, 400}, {4, 30}},
    };
    b.onePrice = {
        {u"Une boulangerie vend {b} {things} pour {a} $. Combien coûte {a thing}, en $ ?",
         Any, {2, 12}, Any, Nouns::Bakes},
        {u"Un club paie {a} $ pour {b} {things}. Combien coûte {a thing}, en $ ?", Any, {2, 30}, Any, Nouns::Bulk},
    };
    b.left = {
        {u"{n} a {a} $ et achète {b} {things} à {c} $ pièce. Combien lui reste-t-il, en $ ?", {50, 500}, {2, 8}},
    };
    b.sale = {
        {u"{A thing} coûte {a} $. Pendant les soldes, on enlève {p} de son prix. Quel est son nouveau prix, en $ ?"},
    };
    b.tickets = {
        {u"Une famille achète {a} billets adulte à {b} $ et {c} billets enfant à {d} $. Combien paie-t-elle en tout, "
         u"en $ ?"},
        {u"Au zoo, un billet adulte coûte {b} $ et un billet enfant {d} $. Combien paient {a} adultes et {c} "
         u"enfants, en $ ?"},
    };
    b.weeks = {
        {u"{n} met {a} $ de côté chaque semaine. Combien de semaines lui faut-il pour acheter {a thing} à {b} $ ?",
         Any, Any, Any, Nouns::Big, 1},
    };
    b.shared = {
        {u"{Words b} amis se partagent {a} $ de façon égale. Combien chacun reçoit-il, en $ ?", {6, 300}, {2, 6}},
        {u"Un prix de {a} $ est partagé de façon égale entre {b} enfants. Combien chaque enfant reçoit-il, en $ ?",
         {6, 300}, {2, 6}},
    };
    b.short_ = {
        {u"{A thing} coûte {a} $. {n} a {b} $. Combien lui manque-t-il, en $ ?"},
        {u"{n} veut acheter {a thing} à {a} $. <Il|Elle> a déjà économisé {b} $. Combien lui manque-t-il, en $ ?"},
    };
    return b;
}

} // namespace

const Bank &Banks::french()
{
    static const Bank bank = made();
    return bank;
}
