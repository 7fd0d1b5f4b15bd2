// SPDX-License-Identifier: GPL-3.0-or-later
// Las personas, las cosas y las historias de las preguntas en español.
#include "content/generator/bank.h"

namespace {

constexpr Range Any{1, 99999};
constexpr bool F = true; // femenino

Bank made()
{
    Bank b;
    b.people = Banks::people(u"Lucía Martina Sofía Paula Valeria Carmen Daniela Alba Julia Sara Irene Noa Elena Aitana "
                             u"Claudia Vega Olivia Ainhoa Nerea Marta",
                             u"Hugo Mateo Pablo Daniel Álvaro Leo Manuel Javier Adrián Diego Marcos Lucas Martín "
                             u"Alejandro Iker Mario Bruno Gonzalo Sergio Unai");
    b.small = Banks::things({{u"pegatina", u"pegatinas", F}, {u"canica", u"canicas", F}, {u"concha", u"conchas", F},
                             {u"sello", u"sellos"}, {u"cromo", u"cromos"}, {u"botón", u"botones"},
                             {u"lápiz de color", u"lápices de colores"}, {u"chapa", u"chapas", F},
                             {u"castaña", u"castañas", F}, {u"piedra pintada", u"piedras pintadas", F}});
    b.fruit = Banks::things({{u"manzana", u"manzanas", F}, {u"pera", u"peras", F}, {u"ciruela", u"ciruelas", F},
                             {u"naranja", u"naranjas", F}, {u"cereza", u"cerezas", F}, {u"fresa", u"fresas", F},
                             {u"limón", u"limones"}, {u"melocotón", u"melocotones"}, {u"mandarina", u"mandarinas", F},
                             {u"albaricoque", u"albaricoques"}});
    b.bakes = Banks::things({{u"magdalena", u"magdalenas", F, 2, 3}, {u"galleta", u"galletas", F, 2, 3},
                             {u"bollo", u"bollos", false, 2, 4}, {u"pastel", u"pasteles", false, 2, 6},
                             {u"panecillo", u"panecillos", false, 2, 3}, {u"cruasán", u"cruasanes", false, 2, 3},
                             {u"rosquilla", u"rosquillas", F, 2, 3}, {u"napolitana", u"napolitanas", F, 2, 3}});
    b.foods = Banks::things({{u"pizza", u"pizzas", F}, {u"pastel", u"pasteles"}, {u"tarta", u"tartas", F},
                             {u"bocadillo", u"bocadillos"}, {u"tableta de chocolate", u"tabletas de chocolate", F},
                             {u"tortilla", u"tortillas", F}});
    b.vehicles = Banks::things({{u"coche", u"coches", false, 3, 4}, {u"monovolumen", u"monovolúmenes", false, 5, 7},
                                {u"microbús", u"microbuses", false, 8, 16}, {u"autocar", u"autocares", false, 20, 60}});
    b.cheap = Banks::things({{u"lápiz", u"lápices", false, 2, 3}, {u"goma", u"gomas", F, 2, 3},
                             {u"regla", u"reglas", F, 2, 4}, {u"refresco", u"refrescos", false, 2, 4},
                             {u"cómic", u"cómics", false, 3, 6}, {u"pelota", u"pelotas", F, 3, 10},
                             {u"cometa", u"cometas", F, 6, 15}, {u"álbum de cromos", u"álbumes de cromos", false, 3, 8},
                             {u"yoyó", u"yoyós", false, 3, 6}, {u"cuaderno", u"cuadernos", false, 2, 5},
                             {u"sacapuntas", u"sacapuntas", false, 2, 3},
                             {u"barra de pegamento", u"barras de pegamento", F, 2, 4},
                             {u"bolsa de chucherías", u"bolsas de chucherías", F, 2, 5},
                             {u"comba", u"combas", F, 3, 8}, {u"horquilla", u"horquillas", F, 2, 5},
                             {u"helado", u"helados", false, 2, 4}});
    b.dear = Banks::things({{u"coche de juguete", u"coches de juguete", false, 5, 15},
                            {u"libro", u"libros", false, 6, 20},
                            {u"videojuego", u"videojuegos", false, 15, 50}, {u"camiseta", u"camisetas", F, 8, 25},
                            {u"gorra", u"gorras", F, 8, 20}, {u"puzle", u"puzles", false, 8, 25},
                            {u"balón", u"balones", false, 10, 30}, {u"fiambrera", u"fiambreras", F, 6, 15},
                            {u"juego de mesa", u"juegos de mesa", false, 15, 40}, {u"mochila", u"mochilas", F, 15, 50},
                            {u"pantalón corto", u"pantalones cortos", false, 8, 25},
                            {u"peluche", u"peluches", false, 10, 30},
                            {u"caja de pinturas", u"cajas de pinturas", F, 8, 25},
                            {u"linterna", u"linternas", F, 6, 20}, {u"cantimplora", u"cantimploras", F, 6, 15},
                            {u"estuche", u"estuches", false, 5, 15},
                            {u"par de zapatillas", u"pares de zapatillas", false, 25, 80},
                            {u"reloj", u"relojes", false, 15, 60}});
    b.big = Banks::things({{u"bicicleta", u"bicicletas", F, 100, 600}, {u"tableta", u"tabletas", F, 150, 600},
                           {u"patinete", u"patinetes", false, 50, 200},
                           {u"tienda de campaña", u"tiendas de campaña", F, 60, 400},
                           {u"guitarra", u"guitarras", F, 80, 500}, {u"abrigo", u"abrigos", false, 40, 150},
                           {u"cámara de fotos", u"cámaras de fotos", F, 100, 800},
                           {u"teclado", u"teclados", false, 100, 500}, {u"videoconsola", u"videoconsolas", F, 200, 500},
                           {u"telescopio", u"telescopios", false, 80, 400}});
    b.bulk = Banks::things({{u"camiseta", u"camisetas", F, 8, 25}, {u"balón", u"balones", false, 10, 30},
                            {u"libro", u"libros", false, 5, 20}, {u"raqueta de tenis", u"raquetas de tenis", F, 15, 60},
                            {u"casco de bici", u"cascos de bici", false, 15, 50},
                            {u"entrada de teatro", u"entradas de teatro", F, 10, 40},
                            {u"tableta", u"tabletas", F, 120, 400}, {u"microscopio", u"microscopios", false, 80, 300},
                            {u"tienda de campaña", u"tiendas de campaña", F, 60, 300},
                            {u"teclado", u"teclados", false, 100, 350}});
    b.family = Banks::things({{u"sofá", u"sofás", false, 300, 1500},
                              {u"frigorífico", u"frigoríficos", false, 300, 1200},
                              {u"televisor", u"televisores", false, 200, 1500},
                              {u"lavadora", u"lavadoras", F, 250, 900},
                              {u"ordenador portátil", u"ordenadores portátiles", false, 300, 1200}});

    b.adding = {
        {u"{n} tiene {a} {things} y le dan {b} más. ¿Cuánt{os|as} {things} tiene ahora?",
         {2, 50}, {1, 30}, {3, 80}, Nouns::Small},
        {u"Hay {a} {things} en una caja y {b} en la mesa. ¿Cuánt{os|as} {things} hay en total?",
         {2, 60}, {2, 60}, {4, 100}, Nouns::Small},
        {u"Hay {a} patos en el estanque y llegan {b} más. ¿Cuántos patos hay ahora en el estanque?",
         {2, 20}, {1, 12}, {3, 30}},
        {u"{n} coge {a} {things} y {m} coge {b}. ¿Cuánt{os|as} {things} han cogido en total?",
         {2, 40}, {2, 40}, {4, 70}, Nouns::Fruit},
        {u"{n} lee {a} páginas el sábado y {b} páginas el domingo. ¿Cuántas páginas lee en total?",
         {3, 80}, {3, 80}, {6, 150}},
        {u"En un autobús van {a} pasajeros. En la siguiente parada suben {b} más. ¿Cuántos pasajeros van ahora en el "
         u"autobús?", {2, 50}, {1, 20}, {3, 70}},
        {u"En una clase hay {a} niñas y {b} niños. ¿Cuántos alumnos hay en la clase?", {6, 18}, {6, 18}, {15, 32}},
        {u"En la jornada deportiva hay {a} niños y {b} niñas. ¿Cuántos alumnos hay en total?",
         {30, 300}, {30, 300}, {60, 600}},
        {u"{n} consigue {a} puntos en la primera partida y {b} en la segunda. ¿Cuántos puntos consigue en total?",
         {2, 99}, {2, 99}, {4, 150}},
        {u"En el aparcamiento hay {a} coches y llegan {b} más. ¿Cuántos coches hay ahora en el aparcamiento?",
         {2, 90}, {1, 40}, {3, 120}},
        {u"Un panadero hace {a} {things} por la mañana y {b} por la tarde. ¿Cuánt{os|as} {things} hace en todo el "
         u"día?", {10, 120}, {10, 120}, {20, 200}, Nouns::Bakes},
        {u"Una heladería vende {a} helados el sábado y {b} el domingo. ¿Cuántos helados vende el fin de semana?",
         {10, 300}, {10, 300}, {20, 500}},
        {u"El depósito de una granja tiene {a} ^ de agua. El granjero echa {b} ^ más. ¿Cuánta agua hay ahora en el "
         u"depósito?", {50, 900}, {20, 500}, {100, 1200}},
        {u"Un colegio tiene {a} niñas y {b} niños. ¿Cuántos alumnos hay en el colegio?",
         {120, 600}, {120, 600}, {250, 1200}},
        {u"En las vacaciones, una familia recorre {a} ~ el primer día y {b} ~ el segundo. ¿Qué distancia recorre en "
         u"total?", {40, 600}, {40, 600}, {80, 1000}},
        {u"Un albañil lleva {a} @ de arena por la mañana y {b} @ por la tarde. ¿Cuánta arena lleva en total?",
         {20, 900}, {20, 900}, {40, 1500}},
        {u"El viernes, {a} personas vieron la función del colegio, y el sábado, {b}. ¿Cuántas personas la vieron en "
         u"total?", {50, 600}, {50, 600}, {100, 1200}},
        {u"Una biblioteca tiene {a} cuentos y {b} libros de otro tipo. ¿Cuántos libros tiene en total?",
         {200, 9999}, {200, 9999}, {400, 20000}},
        {u"Un avión vuela {a} ~ hasta una ciudad y luego {b} ~ hasta otra. ¿Qué distancia recorre en total?",
         {300, 9999}, {300, 9999}, {600, 15000}},
        {u"Al estadio fueron {a} aficionados el sábado y {b} el domingo. ¿Cuántos aficionados fueron en los dos "
         u"días?", {2000, 60000}, {2000, 60000}, {4000, 99999}},
        {u"Un museo recibió {a} visitantes en mayo y {b} en junio. ¿Cuántos visitantes recibió en los dos meses?",
         {1000, 50000}, {1000, 50000}, {2000, 99999}},
        {u"Una ciudad tiene {a} habitantes al norte del río y {b} al sur. ¿Cuántos habitantes tiene la ciudad?",
         {1000, 60000}, {1000, 60000}, {2000, 99999}},
    };
    b.takingAway = {
        {u"Hay {a} pájaros en un árbol. Luego se van volando {b}. ¿Cuántos pájaros quedan?", {3, 20}, {1, 15}, {1, 19}},
        {u"{n} tiene {a} {things} y le da {b} a {m}. ¿Cuánt{os|as} {things} le quedan a {n}?",
         {3, 60}, {1, 40}, {1, 59}, Nouns::Small},
        {u"Hay {a} {things} en un frutero. La familia se come {b}. ¿Cuánt{os|as} {things} quedan en el frutero?",
         {4, 20}, {2, 10}, {1, 18}, Nouns::Fruit},
        {u"{n} tiene {a} {things}. Pierde {b}. ¿Cuánt{os|as} {things} tiene ahora?",
         {3, 60}, {1, 20}, {1, 59}, Nouns::Small},
        {u"En un autobús van {a} pasajeros. En la estación se bajan {b}. ¿Cuántos pasajeros quedan en el autobús?",
         {10, 70}, {2, 50}, {1, 68}},
        {u"Hay {a} niños en la piscina. Luego salen {b}. ¿Cuántos niños siguen en la piscina?",
         {10, 40}, {2, 30}, {1, 38}},
        {u"{n} tiene {a} cuentas de colores. Usa {b} para hacer un collar. ¿Cuántas cuentas le quedan?",
         {20, 200}, {10, 150}, {1, 190}},
        {u"Una caja de platos pesa {a} @. Una caja de juguetes pesa {b} @. ¿Cuánto más pesa la caja de platos?",
         {5, 20}, {2, 15}, {1, 18}},
        {u"Un depósito tiene {a} ^ de agua. Se usan {b} ^ para regar el huerto. ¿Cuánta agua queda en el depósito?",
         {100, 900}, {20, 400}, {10, 880}},
        {u"Un libro tiene {a} páginas. {n} ha leído {b}. ¿Cuántas páginas le quedan por leer?",
         {40, 600}, {10, 500}, {5, 590}},
        {u"Para llegar a la playa, una familia tiene que recorrer {a} ~. Ya ha recorrido {b} ~. ¿Qué distancia le "
         u"queda por recorrer?", {50, 900}, {10, 800}, {10, 890}},
        {u"Un colegio imprimió {a} entradas para la función y vendió {b}. ¿Cuántas entradas no se vendieron?",
         {100, 800}, {50, 750}, {5, 750}},
        {u"Un aparcamiento tiene {a} plazas, y hay {b} coches aparcados. ¿Cuántas plazas quedan libres?",
         {30, 900}, {10, 850}, {1, 890}},
        {u"Un pastor tenía {a} ovejas y vendió {b} en el mercado. ¿Cuántas ovejas tiene ahora?",
         {20, 2000}, {10, 1500}, {10, 1990}},
        {u"Un avión tiene que recorrer {a} ~. Ya ha recorrido {b} ~. ¿Qué distancia le queda por recorrer?",
         {500, 9999}, {100, 9000}, {100, 9899}},
        {u"Un estadio tiene {a} asientos. En el partido de hoy hay {b} asientos ocupados. ¿Cuántos asientos quedan "
         u"vacíos?", {5000, 90000}, {2000, 85000}, {100, 88000}},
        {u"Una ciudad tenía {a} habitantes. El año pasado se fueron {b} y no llegó nadie nuevo. ¿Cuántos habitantes "
         u"tiene ahora?", {2000, 99999}, {100, 20000}, {1000, 99000}},
        {u"Una fábrica hizo {a} juguetes este mes y ya ha enviado {b} a las tiendas. ¿Cuántos juguetes quedan en la "
         u"fábrica?", {1000, 99999}, {500, 90000}, {100, 99000}},
    };
    b.groups = {
        {u"Hay {b} cajas con {a} {things} en cada caja. ¿Cuánt{os|as} {things} hay?",
         {2, 12}, {2, 12}, Any, Nouns::Small},
        {u"{n} pone {a} {things} en cada uno de los {b} platos. ¿Cuánt{os|as} {things} hay en los platos?",
         {2, 6}, {2, 8}, Any, Nouns::Fruit},
        {u"En el huerto hay {b} filas con {a} zanahorias en cada fila. ¿Cuántas zanahorias hay?", {2, 20}, {2, 12}},
        {u"{n} compra {b} paquetes de {things}. En cada paquete hay {a} {things}. ¿Cuánt{os|as} {things} compra?",
         {2, 12}, {2, 6}, Any, Nouns::Bakes},
        {u"Un microbús tiene {b} filas de {a} asientos. ¿Cuántos asientos hay?", {2, 4}, {3, 6}},
        {u"{n} lee {a} páginas cada día durante {b} días. ¿Cuántas páginas lee?", {2, 30}, {2, 14}},
        {u"Una tienda de animales tiene {b} peceras. En cada una caben {a} ^ de agua. ¿Cuánta agua cabe en todas las "
         u"peceras?", {20, 150}, {2, 12}},
        {u"Una caja de manzanas pesa {a} @. ¿Cuánto pesan {b} cajas?", {5, 25}, {2, 50}},
        {u"{n} recorre {a} ~ en bici cada día durante {b} días. ¿Qué distancia recorre en total?", {2, 20}, {2, 14}},
        {u"Un colegio encarga {b} cajas de lápices con {a} lápices en cada caja. ¿Cuántos lápices son?",
         {10, 50}, {2, 40}},
        {u"Un cine tiene {b} filas de {a} butacas. ¿Cuántas butacas hay?", {10, 30}, {5, 25}},
        {u"Un camión lleva {b} sacos de {a} @ cada uno. ¿Cuánto pesa la carga?", {10, 50}, {5, 80}},
        {u"Un avión recorre {a} ~ cada día durante {b} días. ¿Qué distancia recorre?", {200, 2000}, {2, 30}},
        {u"Una granja tiene {b} prados con {a} ovejas en cada uno. ¿Cuántas ovejas hay?", {5, 80}, {2, 30}},
        {u"Un quiosco vende {a} periódicos al día. ¿Cuántos vende en {b} días?", {20, 400}, {2, 31}},
        {u"En una caja caben {a} huevos. ¿Cuántos huevos hay en {b} cajas?", {6, 6}, {2, 50}},
        {u"Un saco de arroz pesa {a} @. ¿Cuánto pesan {b} sacos?", {2, 25}, {2, 50}},
        {u"Cada página del álbum de {n} tiene {a} sellos. ¿Cuántos sellos hay en {b} páginas?", {2, 12}, {2, 50}},
        {u"En un ascensor caben {a} personas. ¿Cuántas personas puede subir en {b} viajes?", {4, 12}, {2, 30}},
        {u"En el comedor hay {b} mesas con {a} niños en cada mesa. ¿Cuántos niños son?", {4, 10}, {3, 30}},
        {u"Un teatro tiene {b} filas de {a} butacas. ¿Cuántas butacas hay?", {20, 60}, {10, 40}},
        {u"En una huerta hay {b} filas de {a} manzanos. ¿Cuántos manzanos hay?", {10, 60}, {5, 40}},
        {u"Una panadería hace {a} barras de pan cada día. ¿Cuántas barras hace en {b} días?", {100, 400}, {2, 31}},
        {u"Un tren lleva {a} viajeros en cada trayecto y hace {b} trayectos al día. ¿Cuántos viajeros lleva en un "
         u"día?", {100, 480}, {2, 24}},
        {u"Un colegio compra {b} paquetes de {a} folios. ¿Cuántos folios son?", {100, 500}, {5, 48}},
        {u"Una fábrica mete {a} botellas en cada caja. ¿Cuántas botellas hacen falta para llenar {b} cajas?",
         {12, 48}, {10, 99}},
        {u"Una gallina pone {a} huevos a la semana. ¿Cuántos huevos pone en {b} semanas?", {3, 7}, {2, 52}},
        {u"En vacaciones, cada uno de los {b} alumnos de un curso lee {a} libros. ¿Cuántos libros leen entre todos?",
         {2, 9}, {20, 90}},
    };
    b.counts = {
        {2, u"¿Cuántas patas tienen %1 pájaros en total?", u"Un pájaro tiene 2 patas."},
        {4, u"¿Cuántas patas tienen %1 perros en total?", u"Un perro tiene 4 patas."},
        {8, u"¿Cuántas patas tienen %1 arañas en total?", u"Una araña tiene 8 patas."},
        {6, u"¿Cuántas patas tienen %1 escarabajos en total?", u"Un escarabajo tiene 6 patas."},
        {6, u"¿Cuántas patas tienen %1 mariquitas en total?", u"Una mariquita tiene 6 patas."},
        {2, u"¿Cuántas ruedas tienen %1 bicicletas en total?", u"Una bicicleta tiene 2 ruedas."},
        {3, u"¿Cuántas ruedas tienen %1 triciclos en total?", u"Un triciclo tiene 3 ruedas."},
        {4, u"¿Cuántas ruedas tienen %1 coches en total?", u"Un coche tiene 4 ruedas."},
        {5, u"¿Cuántos dedos hay en %1 manos?", u"Una mano tiene 5 dedos."},
        {7, u"¿Cuántos días hay en %1 semanas?", u"Una semana tiene 7 días."},
        {8, u"¿Cuántos brazos tienen %1 pulpos en total?", u"Un pulpo tiene 8 brazos."},
    };
    b.sharing = {
        {u"Reparte {a} {things} a partes iguales entre {b} niños. ¿Cuánt{os|as} {things} le tocan a cada uno?",
         {4, 40}, {2, 5}, {2, 10}, Nouns::Small},
        {u"{n} reparte {a} {things} a partes iguales entre {b} amigos. ¿Cuánt{os|as} {things} le tocan a cada amigo?",
         {4, 30}, {2, 6}, {2, 6}, Nouns::Fruit},
        {u"{n} y {m} se reparten {a} {things} a partes iguales. ¿Cuánt{os|as} {things} le tocan a cada uno?",
         {4, 40}, {2, 2}, {2, 20}, Nouns::Small},
        {u"Una carrera de relevos de {a} ~ se reparte a partes iguales entre {b} corredores. ¿Qué distancia corre "
         u"cada uno?", {4, 40}, {2, 8}, {1, 10}},
        {u"Un granjero echa {a} ^ de agua en {b} abrevaderos, la misma cantidad en cada uno. ¿Cuánta agua echa en "
         u"cada abrevadero?", {20, 999}, {2, 12}, {10, 200}},
        {u"Un agricultor mete {a} @ de patatas en {b} sacos que pesan lo mismo. ¿Cuánto pesa cada saco?",
         {10, 999}, {2, 20}, {5, 50}},
        {u"Un colegio tiene {a} alumnos repartidos en {b} clases iguales. ¿Cuántos alumnos hay en cada clase?",
         {30, 999}, {2, 30}, {15, 32}},
        {u"La maestra coloca {a} libros en {b} estantes, los mismos en cada estante. ¿Cuántos libros pone en cada "
         u"estante?", {10, 400}, {2, 10}, {5, 40}},
        {u"Un tren tiene {a} asientos repartidos en {b} vagones iguales. ¿Cuántos asientos hay en cada vagón?",
         {40, 999}, {2, 12}, {20, 80}},
        {u"Una clase de {a} alumnos se sienta en {b} mesas, los mismos en cada mesa. ¿Cuántos alumnos se sientan en "
         u"cada mesa?", {15, 32}, {3, 8}, {2, 8}},
        {u"Un panadero reparte {a} {things} en {b} bandejas a partes iguales. ¿Cuánt{os|as} {things} pone en cada "
         u"bandeja?", {12, 120}, {2, 10}, {4, 20}, Nouns::Bakes},
        {u"En {b} días, una familia recorre {a} ~, la misma distancia cada día. ¿Qué distancia recorre cada día?",
         {100, 999}, {2, 7}, {50, 400}},
    };
    b.grouping = {
        {u"En educación física, los {a} alumnos de la clase hacen equipos de {b}. ¿Cuántos equipos hay?",
         {15, 32}, {2, 8}, {2, 16}},
        {u"{n} tiene {a} {things} y pone {b} en cada caja. ¿Cuántas cajas llena?",
         {4, 60}, {2, 12}, {2, 12}, Nouns::Bakes},
        {u"Un granjero mete {a} huevos en cajas de {b}. ¿Cuántas cajas llena?", {12, 999}, {6, 6}, {2, 99}},
        {u"El conserje coloca {a} sillas en filas de {b}. ¿Cuántas filas hay?", {20, 400}, {5, 25}, {2, 30}},
        {u"{n} planta {a} semillas, {b} en cada maceta. ¿Cuántas macetas necesita?", {4, 60}, {2, 10}, {2, 12}},
        {u"Una tienda pone {a} lápices en paquetes de {b}. ¿Cuántos paquetes hace?", {20, 600}, {4, 12}, {2, 60}},
        {u"{n} pega {a} pegatinas en su álbum, {b} en cada página. ¿Cuántas páginas llena?",
         {4, 120}, {2, 12}, {2, 12}},
        {u"Un panadero tiene {a} panecillos y mete {b} en cada bolsa. ¿Cuántas bolsas llena?",
         {12, 200}, {4, 12}, {2, 30}},
    };
    b.filled = {
        {u"{n} tiene {a} sellos y pega {b} en cada página de su álbum. ¿Cuántas páginas puede llenar del todo?",
         {7, 200}, {3, 12}, {2, 30}},
        {u"Un panadero tiene {a} {things} y {los|las} guarda en cajas de {b}. ¿Cuántas cajas puede llenar del todo?",
         {7, 200}, {3, 12}, {2, 30}, Nouns::Bakes},
        {u"Un granjero tiene {a} huevos y los mete en cajas de {b}. ¿Cuántas cajas llenas consigue?",
         {13, 999}, {6, 6}, {2, 99}},
    };
    b.needed = {
        {u"Van de campamento {a} niños, y en cada tienda de campaña duermen {b}. ¿Cuántas tiendas necesitan para que "
         u"todos tengan sitio?", {7, 60}, {2, 8}, {2, 20}},
        {u"Un colegio lleva a {a} alumnos de excursión. En cada {thing} caben {b} alumnos. ¿Cuánt{os|as} {things} "
         u"hacen falta para que no se quede nadie?", {7, 300}, {3, 60}, {2, 12}, Nouns::Vehicles, 1},
        {u"Una clase de {a} alumnos tiene que sentarse en mesas de {b}. ¿Cuántas mesas hacen falta para que todos "
         u"tengan sitio?", {15, 32}, {4, 8}, {2, 8}},
        {u"{n} quiere poner {a} fotos en un álbum. En cada página caben {b} fotos. ¿Cuántas páginas necesita para "
         u"ponerlas todas?", {7, 200}, {3, 12}, {2, 30}},
    };
    b.parts = {
        {u"{n} tiene {a} {things} y le da {p} a {m}. ¿Cuánt{os|as} {things} le da?", {4, 40}, Any, Any, Nouns::Small},
        {u"{n} tiene {a} {things}. Guarda {p} en una caja. ¿Cuánt{os|as} {things} guarda en la caja?",
         {4, 40}, Any, Any, Nouns::Small},
        {u"Hay {a} patos en el estanque. Luego se van volando {p} de ellos. ¿Cuántos patos se van volando?", {4, 30}},
        {u"{n} coge {a} {things}, y {p} de ell{os|as} están madur{os|as}. ¿Cuánt{os|as} {things} madur{os|as} hay?",
         {4, 40}, Any, Any, Nouns::Fruit},
        {u"En una bandeja hay {a} {things}. {n} le regala {p} a su clase. ¿Cuánt{os|as} {things} regala?",
         {4, 36}, Any, Any, Nouns::Bakes},
        {u"En una clase de {a} alumnos, {p} van andando al colegio. ¿Cuántos alumnos van andando?", {15, 32}},
        {u"Un depósito de {a} ^ está lleno de agua. Se usa {p} para regar el huerto. ¿Cuánta agua se usa?", {40, 300}},
        {u"Una familia tiene que recorrer {a} ~ para llegar a la costa. Paran a comer cuando han recorrido {p} del "
         u"camino. ¿Qué distancia han recorrido antes de comer?", {60, 600}},
        {u"Un saco tiene {a} @ de harina. Un panadero usa {p}. ¿Cuánta harina usa?", {10, 50}},
        {u"Un colegio tiene {a} alumnos, y {p} de ellos comen en el comedor. ¿Cuántos alumnos comen en el comedor?",
         {100, 999}},
        {u"Unos dibujos animados duran {a} minutos. {n} ha visto {p}. ¿Cuántos minutos ha visto?", {10, 30}},
        {u"Una película dura {a} minutos. {n} ya ha visto {p}. ¿Cuántos minutos ha visto?", {60, 180}},
        {u"Un pastor tiene {a} ovejas, y {p} de ellas están en el prado de arriba. ¿Cuántas ovejas hay en el prado "
         u"de arriba?", {10, 999}},
        {u"En un reto de lectura hay que leer {a} páginas. {n} ya ha leído {p}. ¿Cuántas páginas ha leído?", {50, 600}},
    };
    b.twoParts = {
        {u"{n} tiene {a} caramelos. {P} son rojos y {q} son verdes. Los demás son amarillos. ¿Cuántos caramelos son "
         u"amarillos?", {6, 60}},
        {u"En un club hay {a} niños. {P} van andando al colegio, {q} van en autobús y los demás van en coche. "
         u"¿Cuántos van en coche?", {12, 40}},
        {u"Un granjero tiene {a} animales. {P} son ovejas y {q} son vacas. Los demás son cabras. ¿Cuántas cabras "
         u"tiene?", {12, 240}},
    };
    b.cutUp = {
        {u"Cortamos {a thing} en cuartos. ¿Cuántos trozos hay?", {1, 1}, {4, 4}, Any, Nouns::Foods},
        {u"Cortamos dos {things} en cuartos. ¿Cuántos trozos hay en total?", {2, 2}, {4, 4}, Any, Nouns::Foods},
        {u"Cortamos dos {things} por la mitad. ¿Cuántas mitades hay?", {2, 2}, {2, 2}, Any, Nouns::Foods},
        {u"Cortamos tres {things} por la mitad. ¿Cuántas mitades hay?", {3, 3}, {2, 2}, Any, Nouns::Foods},
    };
    b.eaten = {
        {u"{n} corta {a thing} en cuatro trozos y se come {c}. ¿Cuántos trozos quedan?",
         {1, 1}, {4, 4}, {2, 3}, Nouns::Foods},
        {u"Para la merienda, {n} corta dos {things} en cuartos. La familia se come {c} trozos. ¿Cuántos trozos "
         u"quedan?", {2, 2}, {4, 4}, {1, 6}, Nouns::Foods},
        {u"{n} corta dos {things} por la mitad para sus amigos, y se comen {c} mitades. ¿Cuántas mitades quedan?",
         {2, 2}, {2, 2}, {1, 2}, Nouns::Foods},
        {u"Para una fiesta cortamos tres {things} por la mitad. Los niños se comen {c} mitades. ¿Cuántas mitades "
         u"quedan?", {3, 3}, {2, 2}, {1, 4}, Nouns::Foods},
    };

    b.together = {
        {u"{A thing} cuesta {a} $ y {a thing2} cuesta {b} $. ¿Cuánto cuesta todo, en $?"},
        {u"{n} compra {a thing} por {a} $ y {a thing2} por {b} $. ¿Cuánto paga en total, en $?"},
    };
    b.spent = {
        {u"{n} tiene {a} $ y gasta {b} $ en {a thing}. ¿Cuánto le queda, en $?", {5, 100}},
        {u"La familia de {n} ha ahorrado {a} $. Se gasta {b} $ en {a thing}. ¿Cuánto le queda, en $?", {200, 2000}},
        {u"Tras la fiesta de fin de curso, el colegio tiene {a} $. Gasta {b} $ en {a thing}. ¿Cuánto le queda, en $?",
         {200, 2000}},
        {u"Los abuelos de {n} tienen {a} $ ahorrados. Compran {a thing} por {b} $. ¿Cuánto les queda, en $?",
         {200, 2000}},
    };
    b.paid = {
        {u"{n} compra {a thing} que cuesta {b} $ y paga con un billete de {a} $. ¿Cuánto le devuelven, en $?",
         {5, 100}},
        {u"{A thing} cuesta {b} $. {n} paga con {a} $. ¿Cuánto le devuelven, en $?", {5, 100}},
    };
    b.several = {
        {u"{A thing} cuesta {a} $. ¿Cuánto cuestan {b} {things}, en $?", {2, 60}, {2, 6}},
        {u"{n} compra {b} {things} a {a} $ cada un{o|a}. ¿Cuánto paga, en $?", {2, 60}, {2, 6}},
    };
    b.saved = {
        {u"{n} ahorra {a} $ cada semana. ¿Cuánto ha ahorrado después de {b} semanas, en $?", {2, 20}, {2, 12}},
        {u"{n} gana {a} $ a la semana ayudando en el huerto. ¿Cuánto gana en {b} semanas, en $?", {2, 20}, {2, 10}},
    };
    b.bought = {
        {u"Un colegio compra {b} {things} a {a} $ cada un{o|a}. ¿Cuánto paga en total, en $?", {5, 400}, {4, 30}},
        {u"Un campamento de verano compra {b} {things} a {a} $ cada un{o|a}. ¿Cuánto cuesta todo, en $?",
         {5, 400}, {4, 30}},
        {u"El ayuntamiento compra {b} {things} para sus colegios a {a} $ cada un{o|a}. ¿Cuánto gasta, en $?",
         {5, 400}, {4, 30}},
    };
    b.onePrice = {
        {u"Una panadería vende {b} {things} por {a} $. ¿Cuánto cuesta {a thing}, en $?",
         Any, {2, 12}, Any, Nouns::Bakes},
        {u"Un club paga {a} $ por {b} {things}. ¿Cuánto cuesta {a thing}, en $?", Any, {2, 30}, Any, Nouns::Bulk},
    };
    b.left = {
        {u"{n} tiene {a} $ y compra {b} {things} a {c} $ cada un{o|a}. ¿Cuánto le queda, en $?", {50, 500}, {2, 8}},
    };
    b.sale = {
        {u"{A thing} cuesta {a} $. En las rebajas le quitan {p} al precio. ¿Cuál es el nuevo precio, en $?"},
    };
    b.tickets = {
        {u"Una familia compra {a} entradas de adulto a {b} $ cada una y {c} entradas infantiles a {d} $ cada una. "
         u"¿Cuánto paga en total, en $?"},
        {u"En el zoo, la entrada de adulto cuesta {b} $ y la infantil, {d} $. ¿Cuánto pagan {a} adultos y {c} niños, "
         u"en $?"},
    };
    b.weeks = {
        {u"{n} ahorra {a} $ cada semana. ¿Cuántas semanas tiene que ahorrar para comprar {a thing} que cuesta {b} $?",
         Any, Any, Any, Nouns::Big, 1},
    };
    b.shared = {
        {u"{Words b} amigos se reparten {a} $ a partes iguales. ¿Cuánto le toca a cada uno, en $?", {6, 300}, {2, 6}},
        {u"Un premio de {a} $ se reparte a partes iguales entre {b} niños. ¿Cuánto le toca a cada niño, en $?",
         {6, 300}, {2, 6}},
    };
    b.short_ = {
        {u"{A thing} cuesta {a} $. {n} tiene {b} $. ¿Cuánto le falta, en $?"},
        {u"{n} quiere comprar {a thing} que cuesta {a} $. Ya ha ahorrado {b} $. ¿Cuánto le falta, en $?"},
    };
    return b;
}

} // namespace

const Bank &Banks::spanish()
{
    static const Bank bank = made();
    return bank;
}
