<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountWindow</name>
    <message>
        <source>Welcome to Brightsum!</source>
        <translation>¡Te damos la bienvenida a Brightsum!</translation>
    </message>
    <message>
        <source>Existing Users</source>
        <translation>Usuarios existentes</translation>
    </message>
    <message>
        <source>If you have used Brightsum before, select your name </source>
        <translation>Si ya has usado Brightsum, elige tu nombre </translation>
    </message>
    <message>
        <source>New Users</source>
        <translation>Usuarios nuevos</translation>
    </message>
    <message>
        <source>If you are new to Brightsum, type your name </source>
        <translation>Si es tu primera vez en Brightsum, escribe tu nombre </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Please selct a user account or create a new one.</source>
        <translation>Elige tu nombre en la lista o escribe uno nuevo.</translation>
    </message>
    <message>
        <source>User Accounts</source>
        <translation>Cuentas de usuario</translation>
    </message>
    <message>
        <source>Click this button to start Brightsum, once you have selected a user account or created a new one</source>
        <translation>Haz clic en este botón para empezar, cuando hayas elegido tu nombre o escrito uno nuevo</translation>
    </message>
    <message>
        <source>Click this button to exit Brightsum</source>
        <translation>Haz clic en este botón para salir de Brightsum</translation>
    </message>
</context>
<context>
    <name>AdminPassword</name>
    <message>
        <source>Administrator Password</source>
        <translation>Contraseña de administrador</translation>
    </message>
    <message>
        <source>The feature you requested requires administrator
access. Please enter the administrator password:</source>
        <translation>La función que ha pedido necesita acceso de administrador.
Escriba la contraseña de administrador:</translation>
    </message>
    <message>
        <source>Incorrect Password!</source>
        <translation>¡Contraseña incorrecta!</translation>
    </message>
    <message>
        <source>The password you entered is incorrect.</source>
        <translation>La contraseña que ha escrito no es correcta.</translation>
    </message>
</context>
<context>
    <name>AnalogClock</name>
    <message>
        <source>Analog Clock</source>
        <translation>Reloj analógico</translation>
    </message>
</context>
<context>
    <name>AnswerBox</name>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
</context>
<context>
    <name>ApplicationWindow</name>
    <message>
        <source>Workspace</source>
        <translation>Área de trabajo</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>File Reading Error</source>
        <translation>Error al leer un archivo</translation>
    </message>
    <message>
        <source>A critical data file has been corrupted or deleted.
Try reinstalling Brightsum. Brightsum will now exit.</source>
        <translation>Falta un archivo de datos imprescindible o está dañado.
Pruebe a instalar Brightsum de nuevo. Brightsum se cerrará ahora.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>Brightsum cannot save scores and settings on this computer: what was not saved is not kept, and what was saved before is left as it was.

%1

Please check that this file can be written:
%2</source>
        <translation>Brightsum no puede guardar las puntuaciones y la configuración en este ordenador: lo que no se ha guardado se pierde, y lo que ya estaba guardado queda como estaba.

%1

Compruebe que se puede escribir en este archivo:
%2</translation>
    </message>
    <message>
        <source>Settings Repaired</source>
        <translation>Configuración reparada</translation>
    </message>
    <message numerus="yes">
        <source>Brightsum&apos;s settings file held %n line(s) that could not be read (line %1). They have been left out, and everything else in the file was kept.

%2</source>
        <translation>
            <numerusform>El archivo de configuración de Brightsum tenía %n línea que no se podía leer (línea %1). Se ha dejado fuera, y el resto del archivo se ha conservado.

%2</numerusform>
            <numerusform>El archivo de configuración de Brightsum tenía %n líneas que no se podían leer (línea %1). Se han dejado fuera, y el resto del archivo se ha conservado.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for another Brightsum on this computer to finish saving...</source>
        <translation>Esperando a que otro Brightsum de este ordenador termine de guardar...</translation>
    </message>
    <message>
        <source>&amp;%1. %2</source>
        <translation>&amp;%1. %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Themes</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>Its first line is not one of the seven topics, so it is not a saved exercise that can be reopened.</source>
        <translation>Su primera línea no es ninguno de los siete tipos de ejercicio, así que no es un ejercicio guardado que se pueda volver a abrir.</translation>
    </message>
    <message>
        <source>Its score, clues, choices or question number are outside what an exercise can hold.</source>
        <translation>Su puntuación, sus pistas, sus opciones o su número de pregunta no son posibles en un ejercicio.</translation>
    </message>
    <message>
        <source>Its player&apos;s name is not one that can sign in to Brightsum.</source>
        <translation>El nombre de quien lo empezó no sirve para entrar en Brightsum.</translation>
    </message>
    <message>
        <source>New Exercise from Template</source>
        <translation>Nuevo ejercicio desde plantilla</translation>
    </message>
    <message>
        <source>Brightsum Templates (*.dat)</source>
        <translation>Plantillas de Brightsum (*.dat)</translation>
    </message>
    <message>
        <source>Invalid Template</source>
        <translation>Plantilla no válida</translation>
    </message>
    <message>
        <source>The template you have selected is not a valid template. It may not have a complete
set of twenty questions, clues, options and answers, or may not be in the correct
format. Contact the person who created/edited the template.</source>
        <translation>La plantilla elegida no es válida. Puede que no tenga las veinte preguntas
con sus pistas, opciones y respuestas, o que no tenga el formato correcto.
Consulte a la persona que creó o editó la plantilla.</translation>
    </message>
    <message>
        <source>New %1 exercise created</source>
        <translation>Se ha creado un ejercicio de %1</translation>
    </message>
    <message>
        <source>Open Exercise Dialog</source>
        <translation>Abrir un ejercicio</translation>
    </message>
    <message>
        <source>Brightsum Saved Exercises (*.dat)</source>
        <translation>Ejercicios guardados de Brightsum (*.dat)</translation>
    </message>
    <message>
        <source>Cannot Open Exercise</source>
        <translation>No se puede abrir el ejercicio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened as a saved exercise.</source>
        <translation>«%1» no se puede abrir como ejercicio guardado.</translation>
    </message>
    <message>
        <source>Exercise progress saved to disk</source>
        <translation>Ejercicio guardado en el disco</translation>
    </message>
    <message>
        <source>Correct answer: Two points awarded
Wrong answer: One point deducted

Number of clues: Three
Number of choices: Three
Number of questions: Twenty
Time limit: Unlimited</source>
        <translation>Respuesta correcta: ganas dos puntos
Respuesta incorrecta: pierdes un punto

Número de pistas: tres
Número de opciones: tres
Número de preguntas: veinte
Tiempo límite: ninguno</translation>
    </message>
    <message>
        <source>Release History</source>
        <translation>Versiones anteriores</translation>
    </message>
    <message>
        <source>Beta Testers</source>
        <translation>Probadores de la versión beta</translation>
    </message>
    <message>
        <source>Question Testers</source>
        <translation>Probadores de las preguntas</translation>
    </message>
    <message>
        <source>Concept</source>
        <translation>Idea original</translation>
    </message>
    <message>
        <source>Arithmetic practice for children.</source>
        <translation>Práctica de cálculo para niños y niñas.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Índice de la ayuda</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Brightsum</source>
        <translation>Acerca de Brightsum</translation>
    </message>
    <message>
        <source>No Saved Scores</source>
        <translation>No hay puntuaciones guardadas</translation>
    </message>
    <message>
        <source>No scores to display.</source>
        <translation>Todavía no hay puntuaciones que mostrar.</translation>
    </message>
    <message>
        <source>View a Child&apos;s Progress</source>
        <translation>Ver el progreso de un niño</translation>
    </message>
    <message>
        <source>Whose progress would you like to see?</source>
        <translation>¿De quién quiere ver el progreso?</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño o niña</translation>
    </message>
    <message>
        <source>Export Scores</source>
        <translation>Exportar puntuaciones</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Reading the saved scores...</source>
        <translation>Leyendo las puntuaciones guardadas...</translation>
    </message>
    <message>
        <source>Scores Not Exported</source>
        <translation>Puntuaciones no exportadas</translation>
    </message>
    <message>
        <source>The scores could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se han podido guardar las puntuaciones en «%1»: %2</translation>
    </message>
    <message>
        <source>1 score record was saved to &quot;%2&quot;.</source>
        <translation>Se ha guardado 1 puntuación en «%2».</translation>
    </message>
    <message>
        <source>%1 score records were saved to &quot;%2&quot;.</source>
        <translation>Se han guardado %1 puntuaciones en «%2».</translation>
    </message>
    <message>
        <source>Scores Exported</source>
        <translation>Puntuaciones exportadas</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importar puntuaciones</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;All files (*)</source>
        <translation>Hojas de cálculo (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Línea %1: </translation>
    </message>
    <message>
        <source>Scores Not Imported</source>
        <translation>Puntuaciones no importadas</translation>
    </message>
    <message>
        <source>No scores were imported from &quot;%1&quot;.

%2%3</source>
        <translation>No se ha importado ninguna puntuación de «%1».

%2%3</translation>
    </message>
    <message>
        <source>Scores Imported</source>
        <translation>Puntuaciones importadas</translation>
    </message>
    <message>
        <source>Score records added: %1.
Already on this computer, and so skipped: %2.</source>
        <translation>Puntuaciones añadidas: %1.
Ya estaban en este ordenador y se han omitido: %2.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Musical Instruments</source>
        <translation>Instrumentos musicales</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>Technology</source>
        <translation>Tecnología</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Number Skills...</source>
        <translation>Números...</translation>
    </message>
    <message>
        <source>Begins a new number skills exercise</source>
        <translation>Empieza un ejercicio nuevo de Números</translation>
    </message>
    <message>
        <source>Addition...</source>
        <translation>Suma...</translation>
    </message>
    <message>
        <source>Begins a new addition exercise</source>
        <translation>Empieza un ejercicio nuevo de Suma</translation>
    </message>
    <message>
        <source>Subtraction...</source>
        <translation>Resta...</translation>
    </message>
    <message>
        <source>Begins a new subtraction exercise</source>
        <translation>Empieza un ejercicio nuevo de Resta</translation>
    </message>
    <message>
        <source>Multiplication...</source>
        <translation>Multiplicación...</translation>
    </message>
    <message>
        <source>Begins a new multiplication exercise</source>
        <translation>Empieza un ejercicio nuevo de Multiplicación</translation>
    </message>
    <message>
        <source>Division...</source>
        <translation>División...</translation>
    </message>
    <message>
        <source>Begins a new division exercise</source>
        <translation>Empieza un ejercicio nuevo de División</translation>
    </message>
    <message>
        <source>Fractions...</source>
        <translation>Fracciones...</translation>
    </message>
    <message>
        <source>Begins a new fractions exercise</source>
        <translation>Empieza un ejercicio nuevo de Fracciones</translation>
    </message>
    <message>
        <source>Money...</source>
        <translation>Dinero...</translation>
    </message>
    <message>
        <source>Begins a new money exercise</source>
        <translation>Empieza un ejercicio nuevo de Dinero</translation>
    </message>
    <message>
        <source>New from Template...</source>
        <translation>Nuevo desde plantilla...</translation>
    </message>
    <message>
        <source>Creates a new exercise from an exercise template</source>
        <translation>Crea un ejercicio nuevo a partir de una plantilla</translation>
    </message>
    <message>
        <source>Click this button to start a new exercise from an exercise template</source>
        <translation>Haz clic en este botón para empezar un ejercicio nuevo a partir de una plantilla</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Opens a previously saved exercise</source>
        <translation>Abre un ejercicio guardado</translation>
    </message>
    <message>
        <source>Click this button to open a previously saved Brightsum exercise (*.dat) file from your hard disk drive.</source>
        <translation>Haz clic en este botón para abrir un ejercicio de Brightsum que guardaste en el ordenador (archivo *.dat).</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Saves the currently active exercise</source>
        <translation>Guarda el ejercicio que estás haciendo</translation>
    </message>
    <message>
        <source>Click this button to save a currently active Brightsum exercise (*.dat) to your hard disk drive so that it can be opened in a later session.</source>
        <translation>Haz clic en este botón para guardar en el ordenador el ejercicio que estás haciendo (archivo *.dat) y terminarlo otro día.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Prints the question set of the currently active exercise</source>
        <translation>Imprime las preguntas del ejercicio que estás haciendo</translation>
    </message>
    <message>
        <source>Click this button to print the questions of a currently active Brightsum exercise using your printer.</source>
        <translation>Haz clic en este botón para imprimir las preguntas del ejercicio que estás haciendo.</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Cambiar de usuario</translation>
    </message>
    <message>
        <source>Sign out of your user account to allow somebody else to use Brightsum from their account</source>
        <translation>Sal de tu cuenta para que otra persona pueda usar Brightsum con la suya</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Rules...</source>
        <translation>Reglas...</translation>
    </message>
    <message>
        <source>Displays Brightsum rules and scoring system</source>
        <translation>Muestra las reglas de Brightsum y cómo se ganan los puntos</translation>
    </message>
    <message>
        <source>Click this button to display rules concerned with scoring points and clue and choice limitations in Brightsum.</source>
        <translation>Haz clic en este botón para ver las reglas de Brightsum: cómo se ganan y se pierden puntos, y cuántas pistas y opciones tienes.</translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation>Puntuaciones de todos</translation>
    </message>
    <message>
        <source>Displays scores of all users</source>
        <translation>Muestra las puntuaciones de todos los usuarios</translation>
    </message>
    <message>
        <source>Click this button to display all scores that have been saved on this computer by users who have finished Brightsum exercises previously.</source>
        <translation>Haz clic en este botón para ver todas las puntuaciones guardadas en este ordenador por quienes ya han terminado ejercicios de Brightsum.</translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation>Mis puntuaciones</translation>
    </message>
    <message>
        <source>Displays scores of the current user</source>
        <translation>Muestra tus puntuaciones</translation>
    </message>
    <message>
        <source>Click this button to display scores that have been saved on this computer by the current user only.</source>
        <translation>Haz clic en este botón para ver solo las puntuaciones que tú has guardado en este ordenador.</translation>
    </message>
    <message>
        <source>Analog Clock</source>
        <translation>Reloj analógico</translation>
    </message>
    <message>
        <source>Displays an analog clock</source>
        <translation>Muestra un reloj analógico</translation>
    </message>
    <message>
        <source>Click this button to display an analog clock showing the current time as part of the workspace.</source>
        <translation>Haz clic en este botón para ver un reloj con agujas que marca la hora.</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>Reloj digital</translation>
    </message>
    <message>
        <source>Displays a digital clock</source>
        <translation>Muestra un reloj digital</translation>
    </message>
    <message>
        <source>Click this button to display a digital clock showing the current time as part of the workspace.</source>
        <translation>Haz clic en este botón para ver un reloj con números que marca la hora.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Toggles sidebar visibility</source>
        <translation>Muestra u oculta la barra lateral</translation>
    </message>
    <message>
        <source>Click this button to set whether the sidebar is visible or hiddle.</source>
        <translation>Haz clic en este botón para mostrar u ocultar la barra lateral.</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Toggles full screen mode</source>
        <translation>Activa o desactiva la pantalla completa</translation>
    </message>
    <message>
        <source>Click this button to set whether full screen mode is enabled or disabled.</source>
        <translation>Haz clic en este botón para activar o desactivar la pantalla completa.</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close the active window</source>
        <translation>Cierra la ventana activa</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>Cerrar &amp;todas</translation>
    </message>
    <message>
        <source>Close all the windows</source>
        <translation>Cierra todas las ventanas</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>Tile the windows</source>
        <translation>Pone las ventanas una al lado de otra</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Casca&amp;da</translation>
    </message>
    <message>
        <source>Cascade the windows</source>
        <translation>Apila las ventanas en cascada</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Move the focus to the next window</source>
        <translation>Pasa a la ventana siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Move the focus to the previous window</source>
        <translation>Pasa a la ventana anterior</translation>
    </message>
    <message>
        <source>Template Editor...</source>
        <translation>Editor de plantillas...</translation>
    </message>
    <message>
        <source>Launches the Template Editor to create and edit exercise templates</source>
        <translation>Abre el Editor de plantillas para crear y editar plantillas de ejercicios</translation>
    </message>
    <message>
        <source>Click this button to create and edit exercise templates using the Template Editor</source>
        <translation>Abre el Editor de plantillas, donde se crean y se editan plantillas de ejercicios</translation>
    </message>
    <message>
        <source>Worksheet Creator...</source>
        <translation>Creador de fichas...</translation>
    </message>
    <message>
        <source>Convert the active exercise to a math worksheet that can be printed or saved as PDF</source>
        <translation>Convierte el ejercicio activo en una ficha de cálculo para imprimir o guardar como PDF</translation>
    </message>
    <message>
        <source>Use the Worksheet Creator to create a math worksheet from the active exercise for printing or saving to PDF</source>
        <translation>Use el Creador de fichas para hacer, a partir del ejercicio activo, una ficha de cálculo que se puede imprimir o guardar como PDF</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Displays the options dialog</source>
        <translation>Muestra las preferencias</translation>
    </message>
    <message>
        <source>Click this button to display the Brightsum options and customize Brightsum</source>
        <translation>Abre las preferencias de Brightsum para adaptar el programa</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Displays help contents</source>
        <translation>Muestra el índice de la ayuda</translation>
    </message>
    <message>
        <source>Click this button to learn more about the software you love.</source>
        <translation>Haz clic en este botón para saber más sobre Brightsum.</translation>
    </message>
    <message>
        <source>What&apos;s New?...</source>
        <translation>Novedades...</translation>
    </message>
    <message>
        <source>Displays a list of new features in Brightsum</source>
        <translation>Muestra las novedades de Brightsum</translation>
    </message>
    <message>
        <source>Click this button to learn more about the new features introduced in this version of Brightsum.</source>
        <translation>Haz clic en este botón para ver las novedades de esta versión de Brightsum.</translation>
    </message>
    <message>
        <source>Version...</source>
        <translation>Versión...</translation>
    </message>
    <message>
        <source>Displays version information and checks for updates</source>
        <translation>Muestra información sobre la versión</translation>
    </message>
    <message>
        <source>Click this button to display information about the exact version and build of this edition of Brightsum.</source>
        <translation>Haz clic en este botón para ver qué versión de Brightsum tienes.</translation>
    </message>
    <message>
        <source>Thanks...</source>
        <translation>Agradecimientos...</translation>
    </message>
    <message>
        <source>Displays acknowledgements</source>
        <translation>Muestra los agradecimientos</translation>
    </message>
    <message>
        <source>Click this button to display acknowledgements information about this edition of Brightsum.</source>
        <translation>Haz clic en este botón para ver a quién damos las gracias por esta versión de Brightsum.</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Displays about information</source>
        <translation>Muestra información sobre Brightsum</translation>
    </message>
    <message>
        <source>Click this button to display contact information and information about this edition of Brightsum.</source>
        <translation>Haz clic en este botón para ver quién hace Brightsum y cómo ponerte en contacto.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Begins a new exercise</source>
        <translation>Empieza un ejercicio nuevo</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Displays high scores</source>
        <translation>Muestra las puntuaciones</translation>
    </message>
    <message>
        <source>Brightsum %1, released December 2026</source>
        <translation>Brightsum %1, publicada en diciembre de 2026</translation>
    </message>
    <message>
        <source>Brightsum 3.0, May 2025</source>
        <translation>Brightsum 3.0, mayo de 2025</translation>
    </message>
    <message>
        <source>Brightsum 2.0, June 2024</source>
        <translation>Brightsum 2.0, junio de 2024</translation>
    </message>
    <message>
        <source>Brightsum 1.0, September 2023</source>
        <translation>Brightsum 1.0, septiembre de 2023</translation>
    </message>
    <message>
        <source>Brightsum %1 is made by the Halvane team.</source>
        <translation>Brightsum %1 es obra del equipo Halvane.</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Welcome to Brightsum, %1!</source>
        <translation>¡Hola, %1! Te damos la bienvenida a Brightsum.</translation>
    </message>
    <message>
        <source>Theme set to %1</source>
        <translation>Tema elegido: %1</translation>
    </message>
    <message>
        <source>Sounds set to %1</source>
        <translation>Sonidos elegidos: %1</translation>
    </message>
    <message>
        <source>Web: %1</source>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source>Signed in as: %1</source>
        <translation>Has entrado como: %1</translation>
    </message>
    <message>
        <source>Questions in English</source>
        <translation>Preguntas en inglés</translation>
    </message>
    <message>
        <source>These question files cannot be used, so their exercises are in English:

%1

Reinstalling Brightsum may mend them.</source>
        <translation>Estos archivos de preguntas no se pueden usar, así que sus ejercicios están en inglés:

%1

Reinstalar Brightsum debería repararlos.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Configuración no leída</translation>
    </message>
    <message>
        <source>Brightsum cannot read its settings file. It shows no names, scores or options, asks for the administrator password that file holds, and changes nothing in the file until it can read it again.

%1

%2

When the file lies on a network folder or a disk that is not there now, close Brightsum and start it again once it is. When the file is damaged, close Brightsum and move the file to another folder, to keep it for repair: Brightsum then starts afresh and asks for a new administrator password.</source>
        <translation>Brightsum no puede leer su archivo de configuración. No muestra nombres, puntuaciones ni opciones, pide la contraseña de administrador que contiene ese archivo y no cambia nada en él hasta que pueda leerlo de nuevo.

%1

%2

Si el archivo está en una carpeta de red o en un disco que ahora no está disponible, cierre Brightsum y vuelva a abrirlo cuando lo esté. Si el archivo está dañado, cierre Brightsum y mueva el archivo a otra carpeta para conservarlo y repararlo: Brightsum empezará entonces de cero y pedirá una nueva contraseña de administrador.</translation>
    </message>
    <message>
        <source>Waiting for Brightsum on the computer &quot;%1&quot; to finish saving...</source>
        <translation>Esperando a que Brightsum termine de guardar en el ordenador «%1»...</translation>
    </message>
    <message>
        <source>Close again to leave now: nothing is lost.</source>
        <translation>Cierre otra vez para salir ya: no se pierde nada.</translation>
    </message>
    <message>
        <source>Another Brightsum on this computer</source>
        <translation>Otro Brightsum en este ordenador</translation>
    </message>
    <message>
        <source>Brightsum on the computer &quot;%1&quot;</source>
        <translation>Brightsum en el ordenador «%1»</translation>
    </message>
    <message>
        <source>Waiting to Save</source>
        <translation>Esperando para guardar</translation>
    </message>
    <message>
        <source>%1 is saving. This is saved as soon as it has finished.

Stop waiting, and this change is not saved.</source>
        <translation>%1 está guardando. Este cambio se guardará en cuanto termine.

Si deja de esperar, este cambio no se guardará.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) kept when Brightsum last closed have now been saved.</source>
        <translation>
            <numerusform>%n cambio guardado al cerrar Brightsum la última vez se ha guardado ahora.</numerusform>
            <numerusform>%n cambios guardados al cerrar Brightsum la última vez se han guardado ahora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightsum could not finish saving before it closed, and could not keep what was left for the next start either: the last scores or settings are lost.

%1</source>
        <translation>Brightsum no pudo terminar de guardar antes de cerrarse, ni conservar lo que faltaba para el próximo inicio: las últimas puntuaciones o la configuración se han perdido.

%1</translation>
    </message>
    <message>
        <source>Welcome to Brightsum!</source>
        <translation>¡Te damos la bienvenida a Brightsum!</translation>
    </message>
    <message>
        <source>These files could not be read:
%1</source>
        <translation>No se han podido leer estos archivos:
%1</translation>
    </message>
    <message>
        <source>Saved %1 exercise opened</source>
        <translation>Se ha abierto el ejercicio de %1 guardado</translation>
    </message>
    <message>
        <source>Click in the exercise&apos;s window first</source>
        <translation>Haga clic primero en la ventana del ejercicio</translation>
    </message>
    <message>
        <source>Open an exercise first</source>
        <translation>Abra primero un ejercicio</translation>
    </message>
    <message>
        <source>Scores exported on another computer can be added with &quot;Import Scores...&quot; on the sidebar.</source>
        <translation>Las puntuaciones exportadas en otro ordenador se pueden añadir con «Importar puntuaciones...» en la barra lateral.</translation>
    </message>
    <message>
        <source>Share Records with Other Computers</source>
        <translation>Compartir las puntuaciones con otros ordenadores</translation>
    </message>
    <message>
        <source>This computer shares its score records through the folder %1.</source>
        <translation>Este ordenador comparte sus puntuaciones a través de la carpeta %1.</translation>
    </message>
    <message>
        <source>Choose Another Folder...</source>
        <translation>Elegir otra carpeta...</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Sharing Stopped</source>
        <translation>Ya no se comparte</translation>
    </message>
    <message>
        <source>This computer no longer shares its score records. Every record it holds stays here, those that came from other computers too.</source>
        <translation>Este ordenador ya no comparte sus puntuaciones. Todas las que contiene se quedan en él, también las que llegaron de otros ordenadores.</translation>
    </message>
    <message>
        <source>Records Not Shared</source>
        <translation>Puntuaciones no compartidas</translation>
    </message>
    <message>
        <source>The score records cannot be shared through the folder %1.

%2</source>
        <translation>Las puntuaciones no se pueden compartir a través de la carpeta %1.

%2</translation>
    </message>
    <message>
        <source>Sharing Records</source>
        <translation>Compartir las puntuaciones</translation>
    </message>
    <message>
        <source>This computer now shares its score records through the folder %1: it writes the records made on it to a file of its own there, and reads the records of every other computer that shares through the same folder, now, every two minutes and when you click Share Now.

Choose this folder on each computer of the room. Passwords and options are not shared: they stay as they are on each computer.</source>
        <translation>Este ordenador comparte ahora sus puntuaciones a través de la carpeta %1: escribe allí las puntuaciones obtenidas en él en un archivo propio, y lee las puntuaciones de todos los demás ordenadores que comparten a través de la misma carpeta, ahora, cada dos minutos y cuando usted hace clic en Compartir ahora.

Elija esta carpeta en cada ordenador del aula. Las contraseñas y las opciones no se comparten: se quedan como están en cada ordenador.</translation>
    </message>
    <message>
        <source>Sharing the score records with the other computers...</source>
        <translation>Compartiendo las puntuaciones con los demás ordenadores...</translation>
    </message>
    <message>
        <source>The score records are shared with the other computers.</source>
        <translation>Las puntuaciones se han compartido con los demás ordenadores.</translation>
    </message>
    <message>
        <source>The score records could not be shared now: they are kept on this computer.</source>
        <translation>Las puntuaciones no se han podido compartir ahora: se guardan en este ordenador.</translation>
    </message>
    <message>
        <source>Practise My Mistakes</source>
        <translation>Repasar mis errores</translation>
    </message>
    <message>
        <source>You have not got a single question wrong yet, so there is nothing to practise. Well done!

Whenever you get a question wrong, it will wait here until you know it.</source>
        <translation>Todavía no has fallado ninguna pregunta, así que no hay nada que repasar. ¡Muy bien!

Cada pregunta que falles te esperará aquí hasta que te la sepas.</translation>
    </message>
    <message>
        <source>New practice exercise created</source>
        <translation>Nuevo ejercicio de repaso creado</translation>
    </message>
    <message>
        <source>1 question to practise today</source>
        <translation>1 pregunta para repasar hoy</translation>
    </message>
    <message numerus="yes">
        <source>%n questions to practise today</source>
        <translation>
            <numerusform>%n pregunta para repasar hoy</numerusform>
            <numerusform>%n preguntas para repasar hoy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DigitalClock</name>
    <message>
        <source>Digital Clock</source>
        <translation>Reloj digital</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Brightsum %1 Exercise</source>
        <translation>Brightsum: ejercicio de %1</translation>
    </message>
    <message>
        <source>Brightsum %1 Worksheet</source>
        <translation>Brightsum: ficha de %1</translation>
    </message>
    <message>
        <source>Created with Brightsum. Visit %1</source>
        <translation>Hecho con Brightsum. Más información en %1</translation>
    </message>
    <message>
        <source>Options: </source>
        <translation>Opciones: </translation>
    </message>
    <message>
        <source>Clue: </source>
        <translation>Pista: </translation>
    </message>
    <message>
        <source>Answer: </source>
        <translation>Respuesta: </translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>You have successfully completed the exercise.

Topic		%1
Player name		%2
Number of clues		%3
Number of choices	%4
Total score		%5</source>
        <translation>¡Has terminado el ejercicio! ¡Muy bien!

Ejercicio		%1
Nombre		%2
Número de pistas	%3
Número de opciones	%4
Puntuación total	%5</translation>
    </message>
</context>
<context>
    <name>FirstRun</name>
    <message>
        <source>First Run</source>
        <translation>Primer inicio</translation>
    </message>
    <message>
        <source>Welcome to Brightsum. To customize your student/child&apos;s
Brightsum experience, select from the options below. These
settings can be changed later from the Options dialog.

It is essential that you set an administrator password. This
will be used to access several administrator-only features.</source>
        <translation>Le damos la bienvenida a Brightsum. Para adaptar Brightsum a su alumno
o a su hijo, elija las opciones de abajo. Podrá cambiarlas más tarde
en la ventana Preferencias.

Es imprescindible que elija una contraseña de administrador.
Se usará para entrar en varias funciones reservadas a los adultos.</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>&amp;Metric (metre, kilogram, second)</source>
        <translation>&amp;Métrico (metro, kilogramo, segundo)</translation>
    </message>
    <message>
        <source>&amp;Imperial (foot, pound, second)</source>
        <translation>&amp;Imperial (pie, libra, segundo)</translation>
    </message>
    <message>
        <source>System of Measurement</source>
        <translation>Sistema de medidas</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Contraseña de administrador</translation>
    </message>
    <message>
        <source>An administrator password is already set and stays as it is.
It can be changed from the Options dialog.</source>
        <translation>Ya hay una contraseña de administrador y se conserva.
Se puede cambiar en la ventana Preferencias.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The password is shown as you type it, so type it where no child can see.</source>
        <translation>La contraseña se muestra tal como la escribe: escríbala donde ningún niño pueda verla.</translation>
    </message>
    <message>
        <source>No Administrator Password</source>
        <translation>Sin contraseña de administrador</translation>
    </message>
    <message>
        <source>You have not set an administrator password. Without one, anyone who presses Enter at the password prompt can change the options, clear the scores and see every child&apos;s records.

Do you want to go on without a password?</source>
        <translation>No ha establecido una contraseña de administrador. Sin ella, cualquiera que pulse Intro cuando se pide la contraseña puede cambiar las opciones, borrar las puntuaciones y ver los resultados de todos los niños.

¿Desea continuar sin contraseña?</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate Questions</source>
        <translation>Generar preguntas</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tipo de ejercicio</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation>&amp;Tipo de ejercicio:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>Set number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>The same topic, level and set number give the same questions again, here and with brightsum-generate --seed.</source>
        <translation>Con el mismo tipo de ejercicio, el mismo nivel y el mismo número de serie se obtienen las mismas preguntas, aquí y con brightsum-generate --seed.</translation>
    </message>
    <message>
        <source>&amp;Set number:</source>
        <translation>Número de &amp;serie:</translation>
    </message>
    <message>
        <source>Twenty new questions, from easier to harder, take the place of the template&apos;s questions. Nothing is saved until you choose Save. Note the set number to make the same set again.</source>
        <translation>Veinte preguntas nuevas, de más fácil a más difícil, sustituyen a las de la plantilla. No se guarda nada hasta que elija Guardar. Anote el número de serie para volver a generar la misma serie.</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <source>ages %1 to %2</source>
        <translation>de %1 a %2 años</translation>
    </message>
</context>
<context>
    <name>MDIWindow</name>
    <message>
        <source>No clues left</source>
        <translation>No quedan pistas</translation>
    </message>
    <message>
        <source>1 clue left</source>
        <translation>Queda 1 pista</translation>
    </message>
    <message>
        <source>%1 clues left</source>
        <translation>Quedan %1 pistas</translation>
    </message>
    <message>
        <source>No choices left</source>
        <translation>No quedan opciones</translation>
    </message>
    <message>
        <source>1 choice left</source>
        <translation>Queda 1 opción</translation>
    </message>
    <message>
        <source>%1 choices left</source>
        <translation>Quedan %1 opciones</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>¡Hola!</translation>
    </message>
    <message>
        <source>%1 exercise</source>
        <translation>Ejercicio de %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Type a whole number and press Enter</source>
        <translation>Escribe un número entero y pulsa Intro</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Número de pregunta</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Your Answer (hit enter):</source>
        <translation>Tu respuesta (pulsa Intro):</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>%1. %2. %3. %4.</source>
        <translation>%1. %2. %3. %4.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Clue displayed</source>
        <translation>Pista mostrada</translation>
    </message>
    <message>
        <source>Clues depleted</source>
        <translation>No quedan pistas</translation>
    </message>
    <message>
        <source>You have finished using all three clues.</source>
        <translation>Ya has usado las tres pistas.</translation>
    </message>
    <message>
        <source>Choice displayed</source>
        <translation>Opciones mostradas</translation>
    </message>
    <message>
        <source>Choices depleted</source>
        <translation>No quedan opciones</translation>
    </message>
    <message>
        <source>You have finished using all three choices.</source>
        <translation>Ya has usado las tres opciones.</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Respuesta incorrecta</translation>
    </message>
    <message>
        <source>Wrong Answer!</source>
        <translation>¡Respuesta incorrecta!</translation>
    </message>
    <message>
        <source>You entered an incorrect answer. Try again!</source>
        <translation>Esa respuesta no es correcta. ¡Inténtalo otra vez!</translation>
    </message>
    <message>
        <source>Wrong answer. Score: %1.</source>
        <translation>Respuesta incorrecta. Puntuación: %1.</translation>
    </message>
    <message>
        <source>Correct answer!</source>
        <translation>¡Respuesta correcta!</translation>
    </message>
    <message>
        <source>Correct answer! Score: %1.</source>
        <translation>¡Respuesta correcta! Puntuación: %1.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Score Not Saved</source>
        <translation>Puntuación no guardada</translation>
    </message>
    <message>
        <source>Your score could not be saved on this computer.</source>
        <translation>No se ha podido guardar tu puntuación en este ordenador.</translation>
    </message>
    <message>
        <source>Save Exercise Dialog</source>
        <translation>Guardar el ejercicio</translation>
    </message>
    <message>
        <source>Brightsum Saved Exercises (*.dat)</source>
        <translation>Ejercicios guardados de Brightsum (*.dat)</translation>
    </message>
    <message>
        <source>Exercise Not Saved</source>
        <translation>Ejercicio no guardado</translation>
    </message>
    <message>
        <source>The exercise could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar el ejercicio en «%1»: %2</translation>
    </message>
    <message>
        <source>Saved exercise to hard disk</source>
        <translation>Ejercicio guardado en el disco</translation>
    </message>
    <message>
        <source>Do you want to save your progress in this exercise?</source>
        <translation>¿Quieres guardar lo que llevas hecho en este ejercicio?</translation>
    </message>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation>Guardar la ficha como PDF</translation>
    </message>
    <message>
        <source>Brightsum %1 Worksheet</source>
        <translation>Brightsum: ficha de %1</translation>
    </message>
    <message>
        <source>Worksheet Not Saved</source>
        <translation>Ficha no guardada</translation>
    </message>
    <message>
        <source>The worksheet could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar la ficha en «%1»: %2</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF</source>
        <translation>Ficha guardada como PDF</translation>
    </message>
    <message>
        <source>No worksheet was made: choose Print or Save as PDF</source>
        <translation>No se ha creado ninguna ficha: elija Imprimir o Guardar como PDF</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A name can be at most %1 letters long. Please choose a shorter name.</source>
        <translation>Un nombre puede tener como máximo %1 letras. Elige un nombre más corto.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break or another control character. Please type your name again.</source>
        <translation>Un nombre no puede contener saltos de línea ni otros caracteres de control. Vuelve a escribir tu nombre.</translation>
    </message>
    <message>
        <source>A name cannot contain &quot;/&quot; or &quot;\&quot;. Please choose another name.</source>
        <translation>Un nombre no puede contener «/» ni «\». Elige otro nombre.</translation>
    </message>
    <message>
        <source>A name cannot be only blanks. Please type your name.</source>
        <translation>Un nombre no puede tener solo espacios. Escribe tu nombre.</translation>
    </message>
    <message>
        <source>The name &quot;names&quot; cannot be used. Please choose another name.</source>
        <translation>No se puede usar el nombre «names». Elige otro nombre.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Localization</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exercise question font face</source>
        <translation>Tipo de letra de las preguntas</translation>
    </message>
    <message>
        <source>Exercise question font size</source>
        <translation>Tamaño de letra de las preguntas</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>Show a dialog after a wrong answer</source>
        <translation>Mostrar un cuadro después de una respuesta incorrecta</translation>
    </message>
    <message>
        <source>Show no dialog after a wrong answer</source>
        <translation>No mostrar ningún cuadro después de una respuesta incorrecta</translation>
    </message>
    <message>
        <source>Exercise Question Font</source>
        <translation>Letra de las preguntas</translation>
    </message>
    <message>
        <source>Font Face:</source>
        <translation>Tipo de letra:</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Tamaño de letra:</translation>
    </message>
    <message>
        <source>Exercise Wrong Answer Dialogs</source>
        <translation>Avisos de respuesta incorrecta</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>&amp;Metric (metre, kilogram, second)</source>
        <translation>&amp;Métrico (metro, kilogramo, segundo)</translation>
    </message>
    <message>
        <source>&amp;Imperial (foot, pound, second)</source>
        <translation>&amp;Imperial (pie, libra, segundo)</translation>
    </message>
    <message>
        <source>System of Measurement</source>
        <translation>Sistema de medidas</translation>
    </message>
    <message>
        <source>&amp;Small icons only</source>
        <translation>&amp;Solo iconos pequeños</translation>
    </message>
    <message>
        <source>&amp;Text only</source>
        <translation>Solo &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Text beside icons</source>
        <translation>Texto &amp;junto a los iconos</translation>
    </message>
    <message>
        <source>&amp;Text underneath icons</source>
        <translation>Texto &amp;debajo de los iconos</translation>
    </message>
    <message>
        <source>Standard Toolbar View</source>
        <translation>Estilo de la barra de herramientas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear saved scores and user accounts</source>
        <translation>Borrar las puntuaciones guardadas y las cuentas de usuario</translation>
    </message>
    <message>
        <source>Clear all saved data and reset to original settings</source>
        <translation>Borrar todos los datos guardados y volver a la configuración original</translation>
    </message>
    <message>
        <source>Old administrator password</source>
        <translation>Contraseña de administrador antigua</translation>
    </message>
    <message>
        <source>New administrator password</source>
        <translation>Contraseña de administrador nueva</translation>
    </message>
    <message>
        <source>Clear Private Data</source>
        <translation>Borrar datos privados</translation>
    </message>
    <message>
        <source>Clear saved scores and user account data:</source>
        <translation>Borrar las puntuaciones guardadas y las cuentas de usuario:</translation>
    </message>
    <message>
        <source>Clear all saved data and reset to original settings:</source>
        <translation>Borrar todos los datos y volver a la configuración original:</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Contraseña de administrador</translation>
    </message>
    <message>
        <source>Enter the old administrator password:</source>
        <translation>Escriba la contraseña antigua:</translation>
    </message>
    <message>
        <source>Enter the new administrator password:</source>
        <translation>Escriba la contraseña nueva:</translation>
    </message>
    <message>
        <source>Incorrect Password!</source>
        <translation>¡Contraseña incorrecta!</translation>
    </message>
    <message>
        <source>The old administrator password you entered is incorrect.
The password has not been changed.</source>
        <translation>La contraseña antigua que ha escrito no es correcta.
La contraseña no se ha cambiado.</translation>
    </message>
    <message>
        <source>The saved scores and user accounts have been cleared.</source>
        <translation>Se han borrado las puntuaciones guardadas y las cuentas de usuario.</translation>
    </message>
    <message>
        <source>All saved data have been cleared. The First Run questions come back at the next start.</source>
        <translation>Se han borrado todos los datos guardados. Las preguntas del primer inicio volverán a aparecer la próxima vez que se abra el programa.</translation>
    </message>
    <message>
        <source>Nothing was cleared: Brightsum cannot write its settings on this computer.</source>
        <translation>No se ha borrado nada: Brightsum no puede guardar su configuración en este ordenador.</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>No pages were made.</source>
        <translation>No se ha creado ninguna página.</translation>
    </message>
</context>
<context>
    <name>PracticeProgress</name>
    <message>
        <source>Topic</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Being practised</source>
        <translation>En repaso</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Para hoy</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Aprendidas</translation>
    </message>
    <message>
        <source>No question has been missed yet, so there is nothing to practise.</source>
        <translation>Todavía no se ha fallado ninguna pregunta, así que no hay nada que repasar.</translation>
    </message>
    <message>
        <source>Questions being practised: %1, due today: %2; questions known: %3.</source>
        <translation>Preguntas en repaso: %1, para repasar hoy: %2; preguntas aprendidas: %3.</translation>
    </message>
    <message>
        <source>Times tables from 1 to %1.</source>
        <translation>Tablas de multiplicar del 1 al %1.</translation>
    </message>
    <message>
        <source>Known: %1.</source>
        <translation>Aprendidas: %1.</translation>
    </message>
    <message>
        <source>Being practised: %1.</source>
        <translation>En repaso: %1.</translation>
    </message>
    <message>
        <source>No fact met yet.</source>
        <translation>Todavía no se ha visto ninguna multiplicación.</translation>
    </message>
    <message>
        <source>Facts not met yet: %1.</source>
        <translation>Multiplicaciones aún no vistas: %1.</translation>
    </message>
    <message>
        <source>Not met yet</source>
        <translation>Aún no vistas</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>undated</source>
        <translation>sin fecha</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Exercises completed</source>
        <translation>Ejercicios terminados</translation>
    </message>
    <message>
        <source>First score</source>
        <translation>Primera puntuación</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Latest score</source>
        <translation>Última puntuación</translation>
    </message>
    <message>
        <source>Last completed</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>%1 has not completed an exercise yet.</source>
        <translation>%1 todavía no ha terminado ningún ejercicio.</translation>
    </message>
    <message>
        <source>Exercises completed: %1</source>
        <translation>Ejercicios terminados: %1</translation>
    </message>
    <message>
        <source> (undated: %1)</source>
        <translation> (sin fecha: %1)</translation>
    </message>
    <message>
        <source>%1, from %2 to %3.</source>
        <translation>%1, del %2 al %3.</translation>
    </message>
    <message>
        <source>Scores over time, oldest first.</source>
        <translation>Puntuaciones a lo largo del tiempo, de la más antigua a la más reciente.</translation>
    </message>
    <message>
        <source>%1: one exercise, score %2.</source>
        <translation>%1: un ejercicio, puntuación %2.</translation>
    </message>
    <message>
        <source>%1: %2 exercises, from %3 at first to %4 at the latest, best %5.</source>
        <translation>%1: %2 ejercicios, de %3 puntos al principio a %4 en el último; la mejor puntuación, %5.</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Exercises, oldest first</source>
        <translation>Ejercicios, del más antiguo al más reciente</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Other topics</source>
        <translation>Otros temas</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Save Progress Report as PDF</source>
        <translation>Guardar el informe de progreso como PDF</translation>
    </message>
    <message>
        <source>Brightsum progress report: %1</source>
        <translation>Informe de progreso de Brightsum: %1</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Informe no guardado</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar el informe en «%1»: %2</translation>
    </message>
    <message>
        <source>Brightsum progress report</source>
        <translation>Informe de progreso de Brightsum</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Practice: %1</source>
        <translation>Repaso: %1</translation>
    </message>
    <message>
        <source>Made with Brightsum, %1</source>
        <translation>Hecho con Brightsum, %1</translation>
    </message>
    <message>
        <source>The figures by topic follow on the next page.</source>
        <translation>Los resultados por tema siguen en la página siguiente.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress: %1</source>
        <translation>Progreso: %1</translation>
    </message>
    <message>
        <source>Progress by topic</source>
        <translation>Progreso por tipo de ejercicio</translation>
    </message>
    <message>
        <source>Scores over time</source>
        <translation>Puntuaciones a lo largo del tiempo</translation>
    </message>
    <message>
        <source>Every exercise</source>
        <translation>Todos los ejercicios</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Every exercise</source>
        <translation>&amp;Todos los ejercicios</translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation>&amp;Imprimir informe...</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF...</source>
        <translation>Guardar informe como P&amp;DF...</translation>
    </message>
    <message>
        <source>Reading the saved scores...</source>
        <translation>Leyendo las puntuaciones guardadas...</translation>
    </message>
    <message>
        <source>Progress report sent to the printer</source>
        <translation>Informe de progreso enviado a la impresora</translation>
    </message>
    <message>
        <source>Progress report saved as PDF</source>
        <translation>Informe de progreso guardado como PDF</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>No. of Clues</source>
        <translation>N.º de pistas</translation>
    </message>
    <message>
        <source>No. of Choices</source>
        <translation>N.º de opciones</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>P&amp;ractice</source>
        <translation>&amp;Repaso</translation>
    </message>
    <message>
        <source>Practice by topic</source>
        <translation>Repaso por ejercicio</translation>
    </message>
    <message>
        <source>Prints this child&apos;s progress: the table and the chart on one page, and the practice on a second when there is one.</source>
        <translation>Imprime el progreso de este niño: la tabla y el gráfico en una página, y el repaso en una segunda página si lo hay.</translation>
    </message>
    <message>
        <source>Saves this child&apos;s progress as a PDF file: the table and the chart on one page, and the practice on a second when there is one.</source>
        <translation>Guarda el progreso de este niño en un archivo PDF: la tabla y el gráfico en una página, y el repaso en una segunda página si lo hay.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Stop Waiting</source>
        <translation>Dejar de esperar</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read Aloud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Hear each question, clue and choice (%1). %2 says the question again.</source>
        <translation>Escucha cada pregunta, pista y opción (%1). %2 repite la pregunta.</translation>
    </message>
    <message>
        <source>Reading aloud is not available on this computer.</source>
        <translation>La lectura en voz alta no está disponible en este ordenador.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>Another program took over the file meanwhile.</source>
        <translation>Otro programa tomó el archivo mientras tanto.</translation>
    </message>
</context>
<context>
    <name>ScoreCsv</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>The line is not text in UTF-8.</source>
        <translation>La línea no es texto en UTF-8.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The first line is not the header &quot;%1&quot;.</source>
        <translation>La primera línea no es el encabezado «%1».</translation>
    </message>
    <message>
        <source>The file holds more than %1 records.</source>
        <translation>El archivo tiene más de %1 registros.</translation>
    </message>
    <message>
        <source>The row has more than %1 fields.</source>
        <translation>La fila tiene más de %1 campos.</translation>
    </message>
    <message>
        <source>The row has %1 fields instead of %2.</source>
        <translation>La fila tiene %1 campos en lugar de %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>El nombre «%1» no se puede usar: %2</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not a topic&apos;s name.</source>
        <translation>«%1» no es el nombre de un tipo de ejercicio.</translation>
    </message>
    <message>
        <source>The clues, &quot;%1&quot;, are not a number from 0 to %2.</source>
        <translation>Las pistas, «%1», no son un número del 0 al %2.</translation>
    </message>
    <message>
        <source>The choices, &quot;%1&quot;, are not a number from 0 to %2.</source>
        <translation>Las opciones, «%1», no son un número del 0 al %2.</translation>
    </message>
    <message>
        <source>The score, &quot;%1&quot;, is not a score an exercise can have.</source>
        <translation>La puntuación, «%1», no es una puntuación posible en un ejercicio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time such as 2025-03-14T15:42:07+01:00.</source>
        <translation>«%1» no es una fecha y hora como 2025-03-14T15:42:07+01:00.</translation>
    </message>
    <message>
        <source>A quote stands inside a field that does not start with one.</source>
        <translation>Hay unas comillas dentro de un campo que no empieza por comillas.</translation>
    </message>
    <message>
        <source>A field is longer than %1 characters.</source>
        <translation>Un campo tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un campo entre comillas no se cierra.</translation>
    </message>
    <message>
        <source>A quoted field goes on after its closing quote.</source>
        <translation>Un campo entre comillas sigue después de cerrar las comillas.</translation>
    </message>
</context>
<context>
    <name>ScoreTransfer</name>
    <message>
        <source>It is not a file that can be read.</source>
        <translation>No es un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>Brightsum cannot write its settings on this computer.</source>
        <translation>Brightsum no puede guardar su configuración en este ordenador.</translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>No. of Clues</source>
        <translation>N.º de pistas</translation>
    </message>
    <message>
        <source>No. of Choices</source>
        <translation>N.º de opciones</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation>Puntuaciones de todos</translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation>Mis puntuaciones</translation>
    </message>
</context>
<context>
    <name>SharedFolder</name>
    <message>
        <source>It is not a folder that can be reached.</source>
        <translation>No es una carpeta a la que se pueda acceder.</translation>
    </message>
    <message>
        <source>Brightsum cannot write in it: %1</source>
        <translation>Brightsum no puede escribir en ella: %1</translation>
    </message>
    <message>
        <source>The shared file %1 ends in the middle of a line: it is left out until it is whole.</source>
        <translation>El archivo compartido %1 termina a mitad de una línea: se deja de lado hasta que esté completo.</translation>
    </message>
    <message>
        <source>The shared file %1 was written by a newer Brightsum: it is left out until this computer has that version too.</source>
        <translation>El archivo compartido %1 lo escribió una versión más reciente de Brightsum: se deja de lado hasta que este ordenador tenga también esa versión.</translation>
    </message>
    <message>
        <source>The shared file %1 cannot be read (line %2: %3): it is left out until it is mended.</source>
        <translation>El archivo compartido %1 no se puede leer (línea %2: %3): se deja de lado hasta que se repare.</translation>
    </message>
</context>
<context>
    <name>SharingRound</name>
    <message>
        <source>The shared folder %1 cannot be reached: the records are kept on this computer, and shared once it can be reached again.</source>
        <translation>No se puede acceder a la carpeta compartida %1: las puntuaciones se guardan en este ordenador y se compartirán cuando se pueda acceder de nuevo.</translation>
    </message>
    <message>
        <source>The shared folder can be reached again: the records are shared with the other computers.</source>
        <translation>Ya se puede acceder de nuevo a la carpeta compartida: las puntuaciones se comparten con los demás ordenadores.</translation>
    </message>
    <message>
        <source>Another computer shares records under this computer&apos;s name (a copy of its disk?): this computer now shares them under a new one.</source>
        <translation>Otro ordenador comparte puntuaciones con el nombre de este ordenador (¿una copia de su disco?): este ordenador las comparte ahora con un nombre nuevo.</translation>
    </message>
    <message>
        <source>Brightsum cannot write in the shared folder %1 (%2): the records are kept on this computer, and shared once it can.</source>
        <translation>Brightsum no puede escribir en la carpeta compartida %1 (%2): las puntuaciones se guardan en este ordenador y se compartirán cuando pueda.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>View My Scores</source>
        <translation>Ver mis puntuaciones</translation>
    </message>
    <message>
        <source>Clear Saved Scores</source>
        <translation>Borrar las puntuaciones guardadas</translation>
    </message>
    <message>
        <source>View a Child&apos;s Progress...</source>
        <translation>Ver el progreso de un niño...</translation>
    </message>
    <message>
        <source>See how one child&apos;s scores have changed over time, topic by topic, and print them as a report.</source>
        <translation>Muestra la evolución de las puntuaciones de un niño en cada tipo de ejercicio y permite imprimirla.</translation>
    </message>
    <message>
        <source>Export Scores...</source>
        <translation>Exportar puntuaciones...</translation>
    </message>
    <message>
        <source>Save every score record to a CSV file, to open in a spreadsheet or to take to another computer.</source>
        <translation>Guarda todas las puntuaciones en un archivo CSV, para una hoja de cálculo o para otro ordenador.</translation>
    </message>
    <message>
        <source>Import Scores...</source>
        <translation>Importar puntuaciones...</translation>
    </message>
    <message>
        <source>Add the score records of a CSV file exported on another computer. Records already here are not added twice.</source>
        <translation>Añade las puntuaciones de un archivo CSV de otro ordenador. Las que ya están aquí no se repiten.</translation>
    </message>
    <message>
        <source>View Everybody&apos;s Scores</source>
        <translation>Ver las puntuaciones de todos</translation>
    </message>
    <message>
        <source>View My Progress</source>
        <translation>Ver mi progreso</translation>
    </message>
    <message>
        <source>See how your scores have changed over time, topic by topic.</source>
        <translation>Mira cómo han cambiado con el tiempo tus puntuaciones en cada tipo de ejercicio.</translation>
    </message>
    <message>
        <source>Open Sample Template</source>
        <translation>Abrir la plantilla de ejemplo</translation>
    </message>
    <message>
        <source>Your page</source>
        <translation>Tu página</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Exercises to be completed</source>
        <translation>Ejercicios pendientes</translation>
    </message>
    <message>
        <source>Recently completed exercises</source>
        <translation>Ejercicios terminados hace poco</translation>
    </message>
    <message>
        <source>Performance statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Additional tasks</source>
        <translation>Más tareas</translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation>Puntuaciones de todos</translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation>Mis puntuaciones</translation>
    </message>
    <message>
        <source>Template Editor</source>
        <translation>Editor de plantillas</translation>
    </message>
    <message>
        <source>Saved Scores</source>
        <translation>Puntuaciones guardadas</translation>
    </message>
    <message>
        <source>All saved scores have been cleared.</source>
        <translation>Se han borrado todas las puntuaciones guardadas.</translation>
    </message>
    <message>
        <source>Scores Not Cleared</source>
        <translation>Puntuaciones no borradas</translation>
    </message>
    <message>
        <source>The saved scores could not be cleared: Brightsum cannot write its settings on this computer. Every score is still stored.</source>
        <translation>No se han podido borrar las puntuaciones guardadas: Brightsum no puede guardar su configuración en este ordenador. Todas las puntuaciones siguen guardadas.</translation>
    </message>
    <message>
        <source>Number of clues used: %1</source>
        <translation>Pistas usadas: %1</translation>
    </message>
    <message>
        <source>Number of choices used: %1</source>
        <translation>Opciones usadas: %1</translation>
    </message>
    <message>
        <source>Total score: %1</source>
        <translation>Puntuación total: %1</translation>
    </message>
    <message>
        <source>Remove all scores saved on this computer. This will also delete Brightsum&apos;s record of completed exercises for each user.</source>
        <translation>Borra todas las puntuaciones de este ordenador y la lista de ejercicios terminados de cada usuario.</translation>
    </message>
    <message>
        <source>View scores that have been saved by Brightsum for exercises you have completed.</source>
        <translation>Mira las puntuaciones que Brightsum ha guardado de los ejercicios que has terminado.</translation>
    </message>
    <message>
        <source>View scores that have been saved by Brightsum for exercises completed by all Brightsum users.</source>
        <translation>Mira las puntuaciones guardadas de los ejercicios que han terminado todos los usuarios.</translation>
    </message>
    <message>
        <source>Learn how to use the Template Editor by opening a sample template for editing.</source>
        <translation>Abre una plantilla de ejemplo que enseña a usar el Editor de plantillas.</translation>
    </message>
    <message>
        <source>Share Records with Other Computers...</source>
        <translation>Compartir las puntuaciones con otros ordenadores...</translation>
    </message>
    <message>
        <source>Keep one record book for a room of computers, through a shared folder they all reach. Passwords and options stay on each computer.</source>
        <translation>Llevar un solo registro de puntuaciones para toda un aula de ordenadores, a través de una carpeta compartida a la que todos acceden. Las contraseñas y las opciones se quedan en cada ordenador.</translation>
    </message>
    <message>
        <source>Share Now</source>
        <translation>Compartir ahora</translation>
    </message>
    <message>
        <source>Read the records of the other computers now, and share this computer&apos;s.</source>
        <translation>Leer ahora las puntuaciones de los demás ordenadores y compartir las de este.</translation>
    </message>
    <message>
        <source>Practise My Mistakes</source>
        <translation>Repasar mis errores</translation>
    </message>
    <message>
        <source>Answer again the questions you got wrong. Each one comes back after a day, then after longer and longer, until you know it.</source>
        <translation>Vuelve a contestar las preguntas que fallaste. Cada una vuelve al día siguiente y luego cada vez más tarde, hasta que te la sepas.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>Reward sound</source>
        <translation>Sonido de recompensa</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The changes kept in %1 cannot be read.</source>
        <translation>Los cambios guardados en %1 no se pueden leer.</translation>
    </message>
    <message>
        <source>A change of this kind cannot be kept for later.</source>
        <translation>Un cambio de este tipo no se puede conservar para más tarde.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>No working copy can be made in %1.</source>
        <translation>No se puede hacer una copia de trabajo en %1.</translation>
    </message>
    <message>
        <source>Only part of the settings was read.</source>
        <translation>Solo se ha podido leer una parte de la configuración.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a settings file can be.</source>
        <translation>Ocupa más de %1 MB, más de lo que puede ocupar un archivo de configuración.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be read.</source>
        <translation>Solo se pudieron leer %1 de sus %2 bytes.</translation>
    </message>
</context>
<context>
    <name>StoreLock</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation>No se puede crear el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used.</source>
        <translation>No se puede usar el archivo de bloqueo %1.</translation>
    </message>
</context>
<context>
    <name>TemplateEditor</name>
    <message>
        <source>Template Editor</source>
        <translation>Editor de plantillas</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nuevo...</translation>
    </message>
    <message>
        <source>Click this button to create a new template.</source>
        <translation>Haga clic en este botón para crear una plantilla nueva.</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Click this button to open a saved template (*.dat) file for editing.</source>
        <translation>Haga clic en este botón para abrir y editar una plantilla guardada (archivo *.dat).</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Click this button to save all editing done to the current template.</source>
        <translation>Haga clic en este botón para guardar los cambios de esta plantilla.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Click this button to navigate to the previous question of the open template.</source>
        <translation>Haga clic en este botón para ir a la pregunta anterior de la plantilla.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Click this button to navigate to the next question of the open template.</source>
        <translation>Haga clic en este botón para ir a la pregunta siguiente de la plantilla.</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Generar...</translation>
    </message>
    <message>
        <source>Click this button to fill the template with twenty new questions, from easier to harder, on a topic and at a level of your choice.</source>
        <translation>Haga clic en este botón para llenar la plantilla con veinte preguntas nuevas, de más fácil a más difícil, del tipo de ejercicio y el nivel que elija.</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Número de pregunta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <source>Open Template Dialog</source>
        <translation>Abrir una plantilla</translation>
    </message>
    <message>
        <source>Brightsum Templates (*.dat)</source>
        <translation>Plantillas de Brightsum (*.dat)</translation>
    </message>
    <message>
        <source>Template Not Opened</source>
        <translation>Plantilla no abierta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a template. The template being edited is kept.</source>
        <translation>«%1» es demasiado grande para ser una plantilla. Se conserva la plantilla que está editando.</translation>
    </message>
    <message>
        <source>Template Editor: %1</source>
        <translation>Editor de plantillas: %1</translation>
    </message>
    <message>
        <source>Opened template for editing</source>
        <translation>Plantilla abierta para editar</translation>
    </message>
    <message>
        <source>Save Template Dialog</source>
        <translation>Guardar la plantilla</translation>
    </message>
    <message>
        <source>Template Not Saved</source>
        <translation>Plantilla no guardada</translation>
    </message>
    <message>
        <source>The template could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar la plantilla en «%1»: %2</translation>
    </message>
    <message>
        <source>Saved template to hard disk</source>
        <translation>Plantilla guardada en el disco</translation>
    </message>
    <message>
        <source>Template Editor: New Template</source>
        <translation>Editor de plantillas: plantilla nueva</translation>
    </message>
    <message>
        <source>Generated %1 questions, level %2, set %3</source>
        <translation>Se han generado preguntas de %1, nivel %2, serie %3</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Guardar la plantilla</translation>
    </message>
    <message>
        <source>Do you want to save this template?</source>
        <translation>¿Quiere guardar esta plantilla?</translation>
    </message>
    <message>
        <source>Creates a new template</source>
        <translation>Crea una plantilla nueva</translation>
    </message>
    <message>
        <source>Opens a saved template from a .dat file for editing</source>
        <translation>Abre una plantilla guardada (.dat) para editarla</translation>
    </message>
    <message>
        <source>Saves the editing done to the current template </source>
        <translation>Guarda los cambios de esta plantilla </translation>
    </message>
    <message>
        <source>Navigates to the previous question of the template </source>
        <translation>Va a la pregunta anterior de la plantilla </translation>
    </message>
    <message>
        <source>Navigates to the next question of the open template </source>
        <translation>Va a la pregunta siguiente de la plantilla </translation>
    </message>
    <message>
        <source>Fills the template with twenty new questions on a topic</source>
        <translation>Llena la plantilla con veinte preguntas nuevas</translation>
    </message>
</context>
<context>
    <name>TimesTableMap</name>
    <message>
        <source>Times-tables map</source>
        <translation>Mapa de las tablas de multiplicar</translation>
    </message>
</context>
<context>
    <name>Topics</name>
    <message>
        <source>Number Skills</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>New number skills exercise created</source>
        <translation>Se ha creado un ejercicio de Números</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>New addition exercise created</source>
        <translation>Se ha creado un ejercicio de Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>New subtraction exercise created</source>
        <translation>Se ha creado un ejercicio de Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>New multiplication exercise created</source>
        <translation>Se ha creado un ejercicio de Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>New division exercise created</source>
        <translation>Se ha creado un ejercicio de División</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>New fractions exercise created</source>
        <translation>Se ha creado un ejercicio de Fracciones</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>New money exercise created</source>
        <translation>Se ha creado un ejercicio de Dinero</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Repaso</translation>
    </message>
</context>
<context>
    <name>UnitWords</name>
    <message>
        <source>rupees</source>
        <translation>rupias</translation>
    </message>
    <message>
        <source>euros</source>
        <translation>euros</translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>dólares</translation>
    </message>
    <message>
        <source>dinars</source>
        <translation>dinares</translation>
    </message>
    <message>
        <source>yen</source>
        <translation>yenes</translation>
    </message>
    <message>
        <source>yuan</source>
        <translation>yuanes</translation>
    </message>
    <message>
        <source>francs</source>
        <translation>francos</translation>
    </message>
    <message>
        <source>pesos</source>
        <translation>pesos</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>libras</translation>
    </message>
    <message>
        <source>dirhams</source>
        <translation>dírhams</translation>
    </message>
    <message>
        <source>runds</source>
        <translation>rands</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litros</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>millas</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>galones</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Worksheet Creator</source>
        <translation>Creador de fichas</translation>
    </message>
    <message>
        <source>Worksheet Contents</source>
        <translation>Contenido de la ficha</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Answer Choices</source>
        <translation>Opciones de respuesta</translation>
    </message>
    <message>
        <source>Clues</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Publish Method</source>
        <translation>Forma de publicar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>&amp;Guardar como PDF</translation>
    </message>
    <message>
        <source>Sends the worksheet to a printer</source>
        <translation>Envía la ficha a una impresora</translation>
    </message>
    <message>
        <source>Writes the worksheet to a PDF file</source>
        <translation>Guarda la ficha en un archivo PDF</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Creates the worksheet in the chosen way</source>
        <translation>Crea la ficha de la forma elegida</translation>
    </message>
</context>
</TS>
