<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountWindow</name>
    <message>
        <source>Welcome to Brightsum!</source>
        <translation>Bienvenue dans Brightsum&#xa0;!</translation>
    </message>
    <message>
        <source>Existing Users</source>
        <translation>Utilisateurs existants</translation>
    </message>
    <message>
        <source>If you have used Brightsum before, select your name </source>
        <translation>Tu as déjà utilisé Brightsum&#xa0;? Choisis ton prénom </translation>
    </message>
    <message>
        <source>New Users</source>
        <translation>Nouveaux utilisateurs</translation>
    </message>
    <message>
        <source>If you are new to Brightsum, type your name </source>
        <translation>C&apos;est ta première fois&#xa0;? Tape ton prénom </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Please selct a user account or create a new one.</source>
        <translation>Choisis ton prénom dans la liste, ou tape-le si c&apos;est ta première fois.</translation>
    </message>
    <message>
        <source>User Accounts</source>
        <translation>Comptes utilisateurs</translation>
    </message>
    <message>
        <source>Click this button to start Brightsum, once you have selected a user account or created a new one</source>
        <translation>Clique sur ce bouton pour démarrer Brightsum, une fois que tu as choisi ou tapé ton prénom</translation>
    </message>
    <message>
        <source>Click this button to exit Brightsum</source>
        <translation>Clique sur ce bouton pour quitter Brightsum</translation>
    </message>
</context>
<context>
    <name>AdminPassword</name>
    <message>
        <source>Administrator Password</source>
        <translation>Mot de passe administrateur</translation>
    </message>
    <message>
        <source>The feature you requested requires administrator
access. Please enter the administrator password:</source>
        <translation>Cette fonction est réservée à l&apos;administrateur.
Veuillez saisir le mot de passe administrateur&#xa0;:</translation>
    </message>
    <message>
        <source>Incorrect Password!</source>
        <translation>Mot de passe incorrect&#xa0;!</translation>
    </message>
    <message>
        <source>The password you entered is incorrect.</source>
        <translation>Le mot de passe saisi est incorrect.</translation>
    </message>
</context>
<context>
    <name>AnalogClock</name>
    <message>
        <source>Analog Clock</source>
        <translation>Horloge analogique</translation>
    </message>
</context>
<context>
    <name>AnswerBox</name>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
</context>
<context>
    <name>ApplicationWindow</name>
    <message>
        <source>Workspace</source>
        <translation>Espace de travail</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>File Reading Error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>A critical data file has been corrupted or deleted.
Try reinstalling Brightsum. Brightsum will now exit.</source>
        <translation>Un fichier de données indispensable est endommagé ou a été supprimé.
Essayez de réinstaller Brightsum. Brightsum va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>Brightsum cannot save scores and settings on this computer: what was not saved is not kept, and what was saved before is left as it was.

%1

Please check that this file can be written:
%2</source>
        <translation>Brightsum ne peut pas enregistrer les scores et les réglages sur cet ordinateur&#xa0;: ce qui n&apos;a pas pu être enregistré est perdu, et ce qui l&apos;avait été avant reste tel quel.

%1

Vérifiez que ce fichier peut être modifié&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Settings Repaired</source>
        <translation>Réglages réparés</translation>
    </message>
    <message numerus="yes">
        <source>Brightsum&apos;s settings file held %n line(s) that could not be read (line %1). They have been left out, and everything else in the file was kept.

%2</source>
        <translation>
            <numerusform>Le fichier de réglages de Brightsum contenait %n ligne illisible (ligne %1). Elle a été laissée de côté, et tout le reste du fichier a été gardé.

%2</numerusform>
            <numerusform>Le fichier de réglages de Brightsum contenait %n lignes illisibles (ligne %1). Elles ont été laissées de côté, et tout le reste du fichier a été gardé.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for another Brightsum on this computer to finish saving...</source>
        <translation>Attente d&apos;un autre Brightsum qui enregistre sur cet ordinateur...</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Themes</source>
        <translation>&amp;Thèmes</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Barre d&apos;outils standard</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Its first line is not one of the seven topics, so it is not a saved exercise that can be reopened.</source>
        <translation>Sa première ligne n&apos;est pas l&apos;un des sept sujets&#xa0;: ce n&apos;est donc pas un exercice enregistré qu&apos;on peut rouvrir.</translation>
    </message>
    <message>
        <source>Its score, clues, choices or question number are outside what an exercise can hold.</source>
        <translation>Son score, ses indices, ses choix ou son numéro de question sont impossibles dans un exercice.</translation>
    </message>
    <message>
        <source>Its player&apos;s name is not one that can sign in to Brightsum.</source>
        <translation>Le prénom qu&apos;il contient ne permet pas de se connecter à Brightsum.</translation>
    </message>
    <message>
        <source>New Exercise from Template</source>
        <translation>Nouvel exercice d&apos;après un modèle</translation>
    </message>
    <message>
        <source>Brightsum Templates (*.dat)</source>
        <translation>Modèles Brightsum (*.dat)</translation>
    </message>
    <message>
        <source>Invalid Template</source>
        <translation>Modèle non valide</translation>
    </message>
    <message>
        <source>The template you have selected is not a valid template. It may not have a complete
set of twenty questions, clues, options and answers, or may not be in the correct
format. Contact the person who created/edited the template.</source>
        <translation>Le modèle choisi n&apos;est pas valide. Il lui manque peut-être des questions, des indices,
des choix ou des réponses (il en faut vingt de chaque), ou son format n&apos;est pas le bon.
Adressez-vous à la personne qui a créé ou modifié ce modèle.</translation>
    </message>
    <message>
        <source>New %1 exercise created</source>
        <translation>Nouvel exercice créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open Exercise Dialog</source>
        <translation>Ouvrir un exercice</translation>
    </message>
    <message>
        <source>Brightsum Saved Exercises (*.dat)</source>
        <translation>Exercices Brightsum enregistrés (*.dat)</translation>
    </message>
    <message>
        <source>Cannot Open Exercise</source>
        <translation>Impossible d&apos;ouvrir l&apos;exercice</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened as a saved exercise.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ouvert comme exercice enregistré.</translation>
    </message>
    <message>
        <source>Exercise progress saved to disk</source>
        <translation>Progression de l&apos;exercice enregistrée</translation>
    </message>
    <message>
        <source>Correct answer: Two points awarded
Wrong answer: One point deducted

Number of clues: Three
Number of choices: Three
Number of questions: Twenty
Time limit: Unlimited</source>
        <translation>Bonne réponse&#xa0;: tu gagnes deux points
Mauvaise réponse&#xa0;: tu perds un point

Nombre d&apos;indices&#xa0;: trois
Nombre de choix&#xa0;: trois
Nombre de questions&#xa0;: vingt
Temps limite&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Release History</source>
        <translation>Versions précédentes</translation>
    </message>
    <message>
        <source>Beta Testers</source>
        <translation>Testeurs de la version bêta</translation>
    </message>
    <message>
        <source>Question Testers</source>
        <translation>Testeurs des questions</translation>
    </message>
    <message>
        <source>Concept</source>
        <translation>Idée de départ</translation>
    </message>
    <message>
        <source>Arithmetic practice for children.</source>
        <translation>Des exercices de calcul pour les enfants.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Quoi de neuf&#xa0;?</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Brightsum</source>
        <translation>À propos de Brightsum</translation>
    </message>
    <message>
        <source>No Saved Scores</source>
        <translation>Aucun score enregistré</translation>
    </message>
    <message>
        <source>No scores to display.</source>
        <translation>Il n&apos;y a encore aucun score à afficher.</translation>
    </message>
    <message>
        <source>View a Child&apos;s Progress</source>
        <translation>Voir la progression d&apos;un enfant</translation>
    </message>
    <message>
        <source>Whose progress would you like to see?</source>
        <translation>De quel enfant voulez-vous voir la progression&#xa0;?</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Export Scores</source>
        <translation>Exporter les scores</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Fichiers de tableur (*.csv)</translation>
    </message>
    <message>
        <source>Reading the saved scores...</source>
        <translation>Lecture des scores enregistrés...</translation>
    </message>
    <message>
        <source>Scores Not Exported</source>
        <translation>Scores non exportés</translation>
    </message>
    <message>
        <source>The scores could not be saved to &quot;%1&quot;: %2</source>
        <translation>Les scores n&apos;ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 score record was saved to &quot;%2&quot;.</source>
        <translation>Un score a été enregistré dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 score records were saved to &quot;%2&quot;.</source>
        <translation>%1 scores ont été enregistrés dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Scores Exported</source>
        <translation>Scores exportés</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importer des scores</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;All files (*)</source>
        <translation>Fichiers de tableur (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Ligne %1&#xa0;: </translation>
    </message>
    <message>
        <source>Scores Not Imported</source>
        <translation>Scores non importés</translation>
    </message>
    <message>
        <source>No scores were imported from &quot;%1&quot;.

%2%3</source>
        <translation>Aucun score n&apos;a été importé depuis «&#xa0;%1&#xa0;».

%2%3</translation>
    </message>
    <message>
        <source>Scores Imported</source>
        <translation>Scores importés</translation>
    </message>
    <message>
        <source>Score records added: %1.
Already on this computer, and so skipped: %2.</source>
        <translation>Scores ajoutés&#xa0;: %1.
Déjà présents sur cet ordinateur, donc ignorés&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Musical Instruments</source>
        <translation>Instruments de musique</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Technology</source>
        <translation>Technologie</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Number Skills...</source>
        <translation>Nombres...</translation>
    </message>
    <message>
        <source>Begins a new number skills exercise</source>
        <translation>Commence un nouvel exercice sur les nombres</translation>
    </message>
    <message>
        <source>Addition...</source>
        <translation>Addition...</translation>
    </message>
    <message>
        <source>Begins a new addition exercise</source>
        <translation>Commence un nouvel exercice d&apos;addition</translation>
    </message>
    <message>
        <source>Subtraction...</source>
        <translation>Soustraction...</translation>
    </message>
    <message>
        <source>Begins a new subtraction exercise</source>
        <translation>Commence un nouvel exercice de soustraction</translation>
    </message>
    <message>
        <source>Multiplication...</source>
        <translation>Multiplication...</translation>
    </message>
    <message>
        <source>Begins a new multiplication exercise</source>
        <translation>Commence un nouvel exercice de multiplication</translation>
    </message>
    <message>
        <source>Division...</source>
        <translation>Division...</translation>
    </message>
    <message>
        <source>Begins a new division exercise</source>
        <translation>Commence un nouvel exercice de division</translation>
    </message>
    <message>
        <source>Fractions...</source>
        <translation>Fractions...</translation>
    </message>
    <message>
        <source>Begins a new fractions exercise</source>
        <translation>Commence un nouvel exercice sur les fractions</translation>
    </message>
    <message>
        <source>Money...</source>
        <translation>Monnaie...</translation>
    </message>
    <message>
        <source>Begins a new money exercise</source>
        <translation>Commence un nouvel exercice sur la monnaie</translation>
    </message>
    <message>
        <source>New from Template...</source>
        <translation>Nouveau d&apos;après un modèle...</translation>
    </message>
    <message>
        <source>Creates a new exercise from an exercise template</source>
        <translation>Crée un nouvel exercice à partir d&apos;un modèle</translation>
    </message>
    <message>
        <source>Click this button to start a new exercise from an exercise template</source>
        <translation>Clique sur ce bouton pour commencer un nouvel exercice à partir d&apos;un modèle</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Opens a previously saved exercise</source>
        <translation>Ouvre un exercice enregistré</translation>
    </message>
    <message>
        <source>Click this button to open a previously saved Brightsum exercise (*.dat) file from your hard disk drive.</source>
        <translation>Clique sur ce bouton pour rouvrir un exercice Brightsum enregistré (fichier *.dat) sur ton ordinateur.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Saves the currently active exercise</source>
        <translation>Enregistre l&apos;exercice en cours</translation>
    </message>
    <message>
        <source>Click this button to save a currently active Brightsum exercise (*.dat) to your hard disk drive so that it can be opened in a later session.</source>
        <translation>Clique sur ce bouton pour enregistrer l&apos;exercice en cours (fichier *.dat) sur ton ordinateur et le finir plus tard.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Prints the question set of the currently active exercise</source>
        <translation>Imprime les questions de l&apos;exercice en cours</translation>
    </message>
    <message>
        <source>Click this button to print the questions of a currently active Brightsum exercise using your printer.</source>
        <translation>Clique sur ce bouton pour imprimer les questions de l&apos;exercice en cours sur ton imprimante.</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Changer d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Sign out of your user account to allow somebody else to use Brightsum from their account</source>
        <translation>Ferme la session pour laisser quelqu&apos;un d&apos;autre utiliser Brightsum avec son prénom</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Rules...</source>
        <translation>Règles...</translation>
    </message>
    <message>
        <source>Displays Brightsum rules and scoring system</source>
        <translation>Affiche les règles de Brightsum et le calcul des points</translation>
    </message>
    <message>
        <source>Click this button to display rules concerned with scoring points and clue and choice limitations in Brightsum.</source>
        <translation>Clique sur ce bouton pour lire les règles&#xa0;: les points que tu gagnes ou perds, et combien d&apos;indices et de choix tu as.</translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation>Scores de tout le monde</translation>
    </message>
    <message>
        <source>Displays scores of all users</source>
        <translation>Affiche les scores de tous les utilisateurs</translation>
    </message>
    <message>
        <source>Click this button to display all scores that have been saved on this computer by users who have finished Brightsum exercises previously.</source>
        <translation>Clique sur ce bouton pour voir tous les scores enregistrés sur cet ordinateur par les personnes qui ont déjà terminé des exercices Brightsum.</translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation>Mes scores</translation>
    </message>
    <message>
        <source>Displays scores of the current user</source>
        <translation>Affiche les scores de la personne connectée</translation>
    </message>
    <message>
        <source>Click this button to display scores that have been saved on this computer by the current user only.</source>
        <translation>Clique sur ce bouton pour voir seulement tes scores à toi, enregistrés sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Analog Clock</source>
        <translation>Horloge analogique</translation>
    </message>
    <message>
        <source>Displays an analog clock</source>
        <translation>Affiche une horloge analogique</translation>
    </message>
    <message>
        <source>Click this button to display an analog clock showing the current time as part of the workspace.</source>
        <translation>Clique sur ce bouton pour afficher dans l&apos;espace de travail une horloge à aiguilles qui donne l&apos;heure.</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>Horloge numérique</translation>
    </message>
    <message>
        <source>Displays a digital clock</source>
        <translation>Affiche une horloge numérique</translation>
    </message>
    <message>
        <source>Click this button to display a digital clock showing the current time as part of the workspace.</source>
        <translation>Clique sur ce bouton pour afficher dans l&apos;espace de travail une horloge à chiffres qui donne l&apos;heure.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>Toggles sidebar visibility</source>
        <translation>Affiche ou cache la barre latérale</translation>
    </message>
    <message>
        <source>Click this button to set whether the sidebar is visible or hiddle.</source>
        <translation>Clique sur ce bouton pour afficher ou cacher la barre latérale.</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Toggles full screen mode</source>
        <translation>Active ou quitte le plein écran</translation>
    </message>
    <message>
        <source>Click this button to set whether full screen mode is enabled or disabled.</source>
        <translation>Clique sur ce bouton pour passer en plein écran, ou pour en sortir.</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active window</source>
        <translation>Ferme la fenêtre active</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>&amp;Tout fermer</translation>
    </message>
    <message>
        <source>Close all the windows</source>
        <translation>Ferme toutes les fenêtres</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>Tile the windows</source>
        <translation>Place les fenêtres côte à côte</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Cascade the windows</source>
        <translation>Empile les fenêtres en cascade</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Move the focus to the next window</source>
        <translation>Passe à la fenêtre suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Move the focus to the previous window</source>
        <translation>Revient à la fenêtre précédente</translation>
    </message>
    <message>
        <source>Template Editor...</source>
        <translation>Éditeur de modèles...</translation>
    </message>
    <message>
        <source>Launches the Template Editor to create and edit exercise templates</source>
        <translation>Ouvre l&apos;Éditeur de modèles pour créer et modifier des modèles d&apos;exercices</translation>
    </message>
    <message>
        <source>Click this button to create and edit exercise templates using the Template Editor</source>
        <translation>Cliquez sur ce bouton pour créer et modifier des modèles d&apos;exercices avec l&apos;Éditeur de modèles</translation>
    </message>
    <message>
        <source>Worksheet Creator...</source>
        <translation>Créateur de fiches...</translation>
    </message>
    <message>
        <source>Convert the active exercise to a math worksheet that can be printed or saved as PDF</source>
        <translation>Transforme l&apos;exercice actif en fiche de calcul à imprimer ou à enregistrer en PDF</translation>
    </message>
    <message>
        <source>Use the Worksheet Creator to create a math worksheet from the active exercise for printing or saving to PDF</source>
        <translation>Utilisez le Créateur de fiches pour faire, à partir de l&apos;exercice actif, une fiche de calcul à imprimer ou à enregistrer en PDF</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Displays the options dialog</source>
        <translation>Ouvre la fenêtre des options</translation>
    </message>
    <message>
        <source>Click this button to display the Brightsum options and customize Brightsum</source>
        <translation>Cliquez sur ce bouton pour afficher les options et régler Brightsum à votre façon</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Displays help contents</source>
        <translation>Affiche le sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Click this button to learn more about the software you love.</source>
        <translation>Clique sur ce bouton pour tout savoir sur Brightsum.</translation>
    </message>
    <message>
        <source>What&apos;s New?...</source>
        <translation>Quoi de neuf&#xa0;?...</translation>
    </message>
    <message>
        <source>Displays a list of new features in Brightsum</source>
        <translation>Affiche la liste des nouveautés de Brightsum</translation>
    </message>
    <message>
        <source>Click this button to learn more about the new features introduced in this version of Brightsum.</source>
        <translation>Clique sur ce bouton pour découvrir les nouveautés de cette version de Brightsum.</translation>
    </message>
    <message>
        <source>Version...</source>
        <translation>Version...</translation>
    </message>
    <message>
        <source>Displays version information and checks for updates</source>
        <translation>Affiche les informations sur la version</translation>
    </message>
    <message>
        <source>Click this button to display information about the exact version and build of this edition of Brightsum.</source>
        <translation>Clique sur ce bouton pour voir la version exacte de cette édition de Brightsum.</translation>
    </message>
    <message>
        <source>Thanks...</source>
        <translation>Remerciements...</translation>
    </message>
    <message>
        <source>Displays acknowledgements</source>
        <translation>Affiche les remerciements</translation>
    </message>
    <message>
        <source>Click this button to display acknowledgements information about this edition of Brightsum.</source>
        <translation>Clique sur ce bouton pour voir les remerciements de cette édition de Brightsum.</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Displays about information</source>
        <translation>Affiche les informations sur Brightsum</translation>
    </message>
    <message>
        <source>Click this button to display contact information and information about this edition of Brightsum.</source>
        <translation>Clique sur ce bouton pour voir qui a fait cette édition de Brightsum et comment nous contacter.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Begins a new exercise</source>
        <translation>Commence un nouvel exercice</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Displays high scores</source>
        <translation>Affiche les scores</translation>
    </message>
    <message>
        <source>Brightsum %1, released December 2026</source>
        <translation>Brightsum %1, sorti en décembre 2026</translation>
    </message>
    <message>
        <source>Brightsum 3.0, May 2025</source>
        <translation>Brightsum 3.0, mai 2025</translation>
    </message>
    <message>
        <source>Brightsum 2.0, June 2024</source>
        <translation>Brightsum 2.0, juin 2024</translation>
    </message>
    <message>
        <source>Brightsum 1.0, September 2023</source>
        <translation>Brightsum 1.0, septembre 2023</translation>
    </message>
    <message>
        <source>Brightsum %1 is made by the Halvane team.</source>
        <translation>Brightsum %1 est réalisé par l&apos;équipe Halvane.</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Welcome to Brightsum, %1!</source>
        <translation>Bienvenue dans Brightsum, %1&#xa0;!</translation>
    </message>
    <message>
        <source>Theme set to %1</source>
        <translation>Thème choisi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sounds set to %1</source>
        <translation>Sons choisis&#xa0;: %1</translation>
    </message>
    <message>
        <source>Web: %1</source>
        <translation>Site web&#xa0;: %1</translation>
    </message>
    <message>
        <source>Signed in as: %1</source>
        <translation>Utilisateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Questions in English</source>
        <translation>Questions en anglais</translation>
    </message>
    <message>
        <source>These question files cannot be used, so their exercises are in English:

%1

Reinstalling Brightsum may mend them.</source>
        <translation>Ces fichiers de questions sont inutilisables&#xa0;; leurs exercices sont donc en anglais&#xa0;:

%1

Réinstaller Brightsum devrait les réparer.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Réglages non lus</translation>
    </message>
    <message>
        <source>Brightsum cannot read its settings file. It shows no names, scores or options, asks for the administrator password that file holds, and changes nothing in the file until it can read it again.

%1

%2

When the file lies on a network folder or a disk that is not there now, close Brightsum and start it again once it is. When the file is damaged, close Brightsum and move the file to another folder, to keep it for repair: Brightsum then starts afresh and asks for a new administrator password.</source>
        <translation>Brightsum ne peut pas lire son fichier de réglages. Il n&apos;affiche ni noms, ni scores, ni options, demande le mot de passe administrateur que contient ce fichier et ne modifie rien dans le fichier tant qu&apos;il ne peut pas le relire.

%1

%2

Si le fichier se trouve dans un dossier réseau ou sur un disque absent pour le moment, fermez Brightsum et relancez-le quand il sera de nouveau disponible. Si le fichier est endommagé, fermez Brightsum et déplacez le fichier dans un autre dossier pour le conserver en vue d&apos;une réparation : Brightsum repart alors de zéro et demande un nouveau mot de passe administrateur.</translation>
    </message>
    <message>
        <source>Waiting for Brightsum on the computer &quot;%1&quot; to finish saving...</source>
        <translation>En attente de Brightsum sur l&apos;ordinateur « %1 », qui termine un enregistrement…</translation>
    </message>
    <message>
        <source>Close again to leave now: nothing is lost.</source>
        <translation>Fermez de nouveau pour quitter tout de suite : rien n&apos;est perdu.</translation>
    </message>
    <message>
        <source>Another Brightsum on this computer</source>
        <translation>Un autre Brightsum sur cet ordinateur</translation>
    </message>
    <message>
        <source>Brightsum on the computer &quot;%1&quot;</source>
        <translation>Brightsum sur l&apos;ordinateur « %1 »</translation>
    </message>
    <message>
        <source>Waiting to Save</source>
        <translation>En attente d&apos;enregistrement</translation>
    </message>
    <message>
        <source>%1 is saving. This is saved as soon as it has finished.

Stop waiting, and this change is not saved.</source>
        <translation>%1 est en train d&apos;enregistrer. Cette modification sera enregistrée dès qu&apos;il aura terminé.

Si vous arrêtez d&apos;attendre, cette modification n&apos;est pas enregistrée.</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) kept when Brightsum last closed have now been saved.</source>
        <translation>
            <numerusform>%n modification conservée à la dernière fermeture de Brightsum vient d&apos;être enregistrée.</numerusform>
            <numerusform>%n modifications conservées à la dernière fermeture de Brightsum viennent d&apos;être enregistrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightsum could not finish saving before it closed, and could not keep what was left for the next start either: the last scores or settings are lost.

%1</source>
        <translation>Brightsum n&apos;a pas pu terminer l&apos;enregistrement avant de se fermer, ni conserver le reste pour le prochain démarrage : les derniers scores ou réglages sont perdus.

%1</translation>
    </message>
    <message>
        <source>Welcome to Brightsum!</source>
        <translation>Bienvenue dans Brightsum&#xa0;!</translation>
    </message>
    <message>
        <source>These files could not be read:
%1</source>
        <translation>Ces fichiers n&apos;ont pas pu être lus&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Saved %1 exercise opened</source>
        <translation>Exercice de %1 enregistré ouvert</translation>
    </message>
    <message>
        <source>Click in the exercise&apos;s window first</source>
        <translation>Cliquez d&apos;abord dans la fenêtre de l&apos;exercice</translation>
    </message>
    <message>
        <source>Open an exercise first</source>
        <translation>Ouvrez d&apos;abord un exercice</translation>
    </message>
    <message>
        <source>Scores exported on another computer can be added with &quot;Import Scores...&quot; on the sidebar.</source>
        <translation>Les scores exportés sur un autre ordinateur peuvent être ajoutés avec «&#xa0;Importer des scores...&#xa0;» dans la barre latérale.</translation>
    </message>
    <message>
        <source>Share Records with Other Computers</source>
        <translation>Partager les scores avec d&apos;autres ordinateurs</translation>
    </message>
    <message>
        <source>This computer shares its score records through the folder %1.</source>
        <translation>Cet ordinateur partage ses scores par le dossier %1.</translation>
    </message>
    <message>
        <source>Choose Another Folder...</source>
        <translation>Choisir un autre dossier...</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Arrêter le partage</translation>
    </message>
    <message>
        <source>Sharing Stopped</source>
        <translation>Partage arrêté</translation>
    </message>
    <message>
        <source>This computer no longer shares its score records. Every record it holds stays here, those that came from other computers too.</source>
        <translation>Cet ordinateur ne partage plus ses scores. Tous les scores qu&apos;il contient y restent, y compris ceux venus d&apos;autres ordinateurs.</translation>
    </message>
    <message>
        <source>Records Not Shared</source>
        <translation>Scores non partagés</translation>
    </message>
    <message>
        <source>The score records cannot be shared through the folder %1.

%2</source>
        <translation>Les scores ne peuvent pas être partagés par le dossier %1.

%2</translation>
    </message>
    <message>
        <source>Sharing Records</source>
        <translation>Partage des scores</translation>
    </message>
    <message>
        <source>This computer now shares its score records through the folder %1: it writes the records made on it to a file of its own there, and reads the records of every other computer that shares through the same folder, now, every two minutes and when you click Share Now.

Choose this folder on each computer of the room. Passwords and options are not shared: they stay as they are on each computer.</source>
        <translation>Cet ordinateur partage désormais ses scores par le dossier %1&#xa0;: il y écrit les scores obtenus sur lui dans un fichier qui lui est propre, et lit les scores de chaque autre ordinateur qui partage par le même dossier, maintenant, toutes les deux minutes et quand vous cliquez sur Partager maintenant.

Choisissez ce dossier sur chaque ordinateur de la salle. Les mots de passe et les options ne sont pas partagés&#xa0;: ils restent tels quels sur chaque ordinateur.</translation>
    </message>
    <message>
        <source>Sharing the score records with the other computers...</source>
        <translation>Partage des scores avec les autres ordinateurs...</translation>
    </message>
    <message>
        <source>The score records are shared with the other computers.</source>
        <translation>Les scores sont partagés avec les autres ordinateurs.</translation>
    </message>
    <message>
        <source>The score records could not be shared now: they are kept on this computer.</source>
        <translation>Les scores n&apos;ont pas pu être partagés pour l&apos;instant&#xa0;: ils sont gardés sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Practise My Mistakes</source>
        <translation>Revoir mes erreurs</translation>
    </message>
    <message>
        <source>You have not got a single question wrong yet, so there is nothing to practise. Well done!

Whenever you get a question wrong, it will wait here until you know it.</source>
        <translation>Tu n&apos;as encore raté aucune question, il n&apos;y a donc rien à revoir. Bravo&#xa0;!

Chaque question ratée t&apos;attendra ici jusqu&apos;à ce que tu la saches.</translation>
    </message>
    <message>
        <source>New practice exercise created</source>
        <translation>Nouvel exercice de révision créé</translation>
    </message>
    <message>
        <source>1 question to practise today</source>
        <translation>1 question à revoir aujourd&apos;hui</translation>
    </message>
    <message numerus="yes">
        <source>%n questions to practise today</source>
        <translation>
            <numerusform>%n question à revoir aujourd&apos;hui</numerusform>
            <numerusform>%n questions à revoir aujourd&apos;hui</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DigitalClock</name>
    <message>
        <source>Digital Clock</source>
        <translation>Horloge numérique</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Brightsum %1 Exercise</source>
        <translation>Exercice Brightsum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Brightsum %1 Worksheet</source>
        <translation>Fiche Brightsum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Created with Brightsum. Visit %1</source>
        <translation>Créé avec Brightsum. Site web&#xa0;: %1</translation>
    </message>
    <message>
        <source>Options: </source>
        <translation>Choix&#xa0;: </translation>
    </message>
    <message>
        <source>Clue: </source>
        <translation>Indice&#xa0;: </translation>
    </message>
    <message>
        <source>Answer: </source>
        <translation>Réponse&#xa0;: </translation>
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
        <translation>Tu as terminé l&apos;exercice, bien joué&#xa0;!

Sujet		%1
Prénom		%2
Indices		%3
Choix		%4
Score		%5</translation>
    </message>
</context>
<context>
    <name>FirstRun</name>
    <message>
        <source>First Run</source>
        <translation>Premier démarrage</translation>
    </message>
    <message>
        <source>Welcome to Brightsum. To customize your student/child&apos;s
Brightsum experience, select from the options below. These
settings can be changed later from the Options dialog.

It is essential that you set an administrator password. This
will be used to access several administrator-only features.</source>
        <translation>Bienvenue dans Brightsum. Pour adapter Brightsum à votre élève
ou à votre enfant, faites vos choix ci-dessous. Vous pourrez
les modifier plus tard dans la fenêtre Options.

Il est indispensable de choisir un mot de passe administrateur.
Il protège les fonctions réservées aux adultes.</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Monnaie</translation>
    </message>
    <message>
        <source>&amp;Metric (metre, kilogram, second)</source>
        <translation>&amp;Métrique (mètre, kilogramme, seconde)</translation>
    </message>
    <message>
        <source>&amp;Imperial (foot, pound, second)</source>
        <translation>&amp;Impérial (pied, livre, seconde)</translation>
    </message>
    <message>
        <source>System of Measurement</source>
        <translation>Système de mesure</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Mot de passe administrateur</translation>
    </message>
    <message>
        <source>An administrator password is already set and stays as it is.
It can be changed from the Options dialog.</source>
        <translation>Un mot de passe administrateur existe déjà&#xa0;; il reste inchangé.
Vous pouvez le modifier dans la fenêtre Options.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The password is shown as you type it, so type it where no child can see.</source>
        <translation>Le mot de passe s&apos;affiche tel que vous le tapez&#xa0;: tapez-le hors de la vue des enfants.</translation>
    </message>
    <message>
        <source>No Administrator Password</source>
        <translation>Aucun mot de passe administrateur</translation>
    </message>
    <message>
        <source>You have not set an administrator password. Without one, anyone who presses Enter at the password prompt can change the options, clear the scores and see every child&apos;s records.

Do you want to go on without a password?</source>
        <translation>Vous n&apos;avez pas choisi de mot de passe administrateur. Sans mot de passe, il suffit d&apos;appuyer sur Entrée quand le mot de passe est demandé pour modifier les options, effacer les scores et voir les résultats de chaque enfant.

Voulez-vous continuer sans mot de passe&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate Questions</source>
        <translation>Générer des questions</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation>&amp;Sujet&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>Set number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>The same topic, level and set number give the same questions again, here and with brightsum-generate --seed.</source>
        <translation>Le même sujet, le même niveau et le même numéro de série redonnent les mêmes questions, ici comme avec brightsum-generate --seed.</translation>
    </message>
    <message>
        <source>&amp;Set number:</source>
        <translation>N&amp;uméro de série&#xa0;:</translation>
    </message>
    <message>
        <source>Twenty new questions, from easier to harder, take the place of the template&apos;s questions. Nothing is saved until you choose Save. Note the set number to make the same set again.</source>
        <translation>Vingt nouvelles questions, des plus faciles aux plus difficiles, remplacent celles du modèle. Rien n&apos;est enregistré tant que vous n&apos;avez pas choisi Enregistrer. Notez le numéro de série pour refaire la même série.</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <source>ages %1 to %2</source>
        <translation>%1 à %2 ans</translation>
    </message>
</context>
<context>
    <name>MDIWindow</name>
    <message>
        <source>No clues left</source>
        <translation>Plus aucun indice</translation>
    </message>
    <message>
        <source>1 clue left</source>
        <translation>Il reste 1 indice</translation>
    </message>
    <message>
        <source>%1 clues left</source>
        <translation>Il reste %1 indices</translation>
    </message>
    <message>
        <source>No choices left</source>
        <translation>Plus aucun choix</translation>
    </message>
    <message>
        <source>1 choice left</source>
        <translation>Il reste 1 choix</translation>
    </message>
    <message>
        <source>%1 choices left</source>
        <translation>Il reste %1 choix</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Bienvenue&#xa0;!</translation>
    </message>
    <message>
        <source>%1 exercise</source>
        <translation>Exercice&#xa0;: %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Type a whole number and press Enter</source>
        <translation>Tape un nombre entier et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Numéro de la question</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Your Answer (hit enter):</source>
        <translation>Ta réponse (appuie sur Entrée)&#xa0;:</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. %2. %3. %4.</source>
        <translation>%1. %2. %3. %4.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clue displayed</source>
        <translation>Indice affiché</translation>
    </message>
    <message>
        <source>Clues depleted</source>
        <translation>Plus d&apos;indices</translation>
    </message>
    <message>
        <source>You have finished using all three clues.</source>
        <translation>Tu as déjà utilisé tes trois indices.</translation>
    </message>
    <message>
        <source>Choice displayed</source>
        <translation>Choix affiché</translation>
    </message>
    <message>
        <source>Choices depleted</source>
        <translation>Plus de choix</translation>
    </message>
    <message>
        <source>You have finished using all three choices.</source>
        <translation>Tu as déjà utilisé tes trois choix.</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Mauvaise réponse</translation>
    </message>
    <message>
        <source>Wrong Answer!</source>
        <translation>Mauvaise réponse&#xa0;!</translation>
    </message>
    <message>
        <source>You entered an incorrect answer. Try again!</source>
        <translation>Ce n&apos;est pas la bonne réponse. Essaie encore&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong answer. Score: %1.</source>
        <translation>Mauvaise réponse. Score&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Correct answer!</source>
        <translation>Bonne réponse&#xa0;!</translation>
    </message>
    <message>
        <source>Correct answer! Score: %1.</source>
        <translation>Bonne réponse&#xa0;! Score&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Score Not Saved</source>
        <translation>Score non enregistré</translation>
    </message>
    <message>
        <source>Your score could not be saved on this computer.</source>
        <translation>Ton score n&apos;a pas pu être enregistré sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Save Exercise Dialog</source>
        <translation>Enregistrer l&apos;exercice</translation>
    </message>
    <message>
        <source>Brightsum Saved Exercises (*.dat)</source>
        <translation>Exercices Brightsum enregistrés (*.dat)</translation>
    </message>
    <message>
        <source>Exercise Not Saved</source>
        <translation>Exercice non enregistré</translation>
    </message>
    <message>
        <source>The exercise could not be saved to &quot;%1&quot;: %2</source>
        <translation>L&apos;exercice n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saved exercise to hard disk</source>
        <translation>Exercice enregistré</translation>
    </message>
    <message>
        <source>Do you want to save your progress in this exercise?</source>
        <translation>Veux-tu enregistrer ta progression dans cet exercice&#xa0;?</translation>
    </message>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation>Enregistrer la fiche en PDF</translation>
    </message>
    <message>
        <source>Brightsum %1 Worksheet</source>
        <translation>Fiche Brightsum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Worksheet Not Saved</source>
        <translation>Fiche non enregistrée</translation>
    </message>
    <message>
        <source>The worksheet could not be saved to &quot;%1&quot;: %2</source>
        <translation>La fiche n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF</source>
        <translation>Fiche enregistrée en PDF</translation>
    </message>
    <message>
        <source>No worksheet was made: choose Print or Save as PDF</source>
        <translation>Aucune fiche n&apos;a été créée&#xa0;: choisissez Imprimer ou Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Essaie encore.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>C&apos;est juste&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A name can be at most %1 letters long. Please choose a shorter name.</source>
        <translation>Un prénom peut avoir au plus %1 lettres. Choisis un prénom plus court.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break or another control character. Please type your name again.</source>
        <translation>Un prénom ne peut contenir ni retour à la ligne ni autre caractère de contrôle. Tape ton prénom à nouveau.</translation>
    </message>
    <message>
        <source>A name cannot contain &quot;/&quot; or &quot;\&quot;. Please choose another name.</source>
        <translation>Un prénom ne peut contenir ni «&#xa0;/&#xa0;» ni «&#xa0;\&#xa0;». Choisis un autre prénom.</translation>
    </message>
    <message>
        <source>A name cannot be only blanks. Please type your name.</source>
        <translation>Un prénom ne peut pas être fait que d&apos;espaces. Tape ton prénom.</translation>
    </message>
    <message>
        <source>The name &quot;names&quot; cannot be used. Please choose another name.</source>
        <translation>Le prénom «&#xa0;names&#xa0;» ne peut pas être utilisé. Choisis un autre prénom.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Localization</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exercise question font face</source>
        <translation>Police des questions</translation>
    </message>
    <message>
        <source>Exercise question font size</source>
        <translation>Taille des caractères des questions</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Activer</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Désactiver</translation>
    </message>
    <message>
        <source>Show a dialog after a wrong answer</source>
        <translation>Afficher une fenêtre après chaque mauvaise réponse</translation>
    </message>
    <message>
        <source>Show no dialog after a wrong answer</source>
        <translation>N&apos;afficher aucune fenêtre après une mauvaise réponse</translation>
    </message>
    <message>
        <source>Exercise Question Font</source>
        <translation>Police des questions</translation>
    </message>
    <message>
        <source>Font Face:</source>
        <translation>Police&#xa0;:</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Exercise Wrong Answer Dialogs</source>
        <translation>Fenêtres après une mauvaise réponse</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Monnaie</translation>
    </message>
    <message>
        <source>&amp;Metric (metre, kilogram, second)</source>
        <translation>&amp;Métrique (mètre, kilogramme, seconde)</translation>
    </message>
    <message>
        <source>&amp;Imperial (foot, pound, second)</source>
        <translation>&amp;Impérial (pied, livre, seconde)</translation>
    </message>
    <message>
        <source>System of Measurement</source>
        <translation>Système de mesure</translation>
    </message>
    <message>
        <source>&amp;Small icons only</source>
        <translation>&amp;Petites icônes seules</translation>
    </message>
    <message>
        <source>&amp;Text only</source>
        <translation>&amp;Texte seul</translation>
    </message>
    <message>
        <source>&amp;Text beside icons</source>
        <translation>Texte à &amp;côté des icônes</translation>
    </message>
    <message>
        <source>&amp;Text underneath icons</source>
        <translation>Texte s&amp;ous les icônes</translation>
    </message>
    <message>
        <source>Standard Toolbar View</source>
        <translation>Affichage de la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear saved scores and user accounts</source>
        <translation>Effacer les scores enregistrés et les comptes utilisateurs</translation>
    </message>
    <message>
        <source>Clear all saved data and reset to original settings</source>
        <translation>Effacer toutes les données enregistrées et revenir aux réglages d&apos;origine</translation>
    </message>
    <message>
        <source>Old administrator password</source>
        <translation>Ancien mot de passe administrateur</translation>
    </message>
    <message>
        <source>New administrator password</source>
        <translation>Nouveau mot de passe administrateur</translation>
    </message>
    <message>
        <source>Clear Private Data</source>
        <translation>Effacer les données personnelles</translation>
    </message>
    <message>
        <source>Clear saved scores and user account data:</source>
        <translation>Effacer les scores enregistrés et les comptes utilisateurs&#xa0;:</translation>
    </message>
    <message>
        <source>Clear all saved data and reset to original settings:</source>
        <translation>Tout effacer et revenir aux réglages d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Mot de passe administrateur</translation>
    </message>
    <message>
        <source>Enter the old administrator password:</source>
        <translation>Saisissez l&apos;ancien mot de passe administrateur&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the new administrator password:</source>
        <translation>Saisissez le nouveau mot de passe administrateur&#xa0;:</translation>
    </message>
    <message>
        <source>Incorrect Password!</source>
        <translation>Mot de passe incorrect&#xa0;!</translation>
    </message>
    <message>
        <source>The old administrator password you entered is incorrect.
The password has not been changed.</source>
        <translation>L&apos;ancien mot de passe administrateur saisi est incorrect.
Le mot de passe n&apos;a pas été changé.</translation>
    </message>
    <message>
        <source>The saved scores and user accounts have been cleared.</source>
        <translation>Les scores enregistrés et les comptes utilisateurs ont été effacés.</translation>
    </message>
    <message>
        <source>All saved data have been cleared. The First Run questions come back at the next start.</source>
        <translation>Toutes les données enregistrées ont été effacées. Les questions du premier démarrage reviendront au prochain lancement.</translation>
    </message>
    <message>
        <source>Nothing was cleared: Brightsum cannot write its settings on this computer.</source>
        <translation>Rien n&apos;a été effacé&#xa0;: Brightsum ne peut pas enregistrer ses réglages sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>No pages were made.</source>
        <translation>Aucune page n&apos;a été produite.</translation>
    </message>
</context>
<context>
    <name>PracticeProgress</name>
    <message>
        <source>Topic</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Being practised</source>
        <translation>En révision</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Acquises</translation>
    </message>
    <message>
        <source>No question has been missed yet, so there is nothing to practise.</source>
        <translation>Aucune question n&apos;a encore été ratée&#xa0;: il n&apos;y a rien à revoir.</translation>
    </message>
    <message>
        <source>Questions being practised: %1, due today: %2; questions known: %3.</source>
        <translation>Questions en révision&#xa0;: %1, à revoir aujourd&apos;hui&#xa0;: %2&#xa0;; questions acquises&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Times tables from 1 to %1.</source>
        <translation>Tables de multiplication de 1 à %1.</translation>
    </message>
    <message>
        <source>Known: %1.</source>
        <translation>Acquises&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Being practised: %1.</source>
        <translation>En révision&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No fact met yet.</source>
        <translation>Aucune multiplication vue pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Facts not met yet: %1.</source>
        <translation>Multiplications pas encore vues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Not met yet</source>
        <translation>Pas encore vues</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>undated</source>
        <translation>sans date</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Exercises completed</source>
        <translation>Exercices terminés</translation>
    </message>
    <message>
        <source>First score</source>
        <translation>Premier score</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Latest score</source>
        <translation>Dernier score</translation>
    </message>
    <message>
        <source>Last completed</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <source>%1 has not completed an exercise yet.</source>
        <translation>%1 n&apos;a encore terminé aucun exercice.</translation>
    </message>
    <message>
        <source>Exercises completed: %1</source>
        <translation>Exercices terminés&#xa0;: %1</translation>
    </message>
    <message>
        <source> (undated: %1)</source>
        <translation> (sans date&#xa0;: %1)</translation>
    </message>
    <message>
        <source>%1, from %2 to %3.</source>
        <translation>%1, du %2 au %3.</translation>
    </message>
    <message>
        <source>Scores over time, oldest first.</source>
        <translation>Scores au fil du temps, du plus ancien au plus récent.</translation>
    </message>
    <message>
        <source>%1: one exercise, score %2.</source>
        <translation>%1&#xa0;: un exercice, score %2.</translation>
    </message>
    <message>
        <source>%1: %2 exercises, from %3 at first to %4 at the latest, best %5.</source>
        <translation>%1&#xa0;: %2 exercices, score %3 au premier et %4 au dernier, meilleur score %5.</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Exercises, oldest first</source>
        <translation>Exercices, du plus ancien au plus récent</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Other topics</source>
        <translation>Autres sujets</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Save Progress Report as PDF</source>
        <translation>Enregistrer le bilan en PDF</translation>
    </message>
    <message>
        <source>Brightsum progress report: %1</source>
        <translation>Bilan de progression Brightsum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation>Bilan non enregistré</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;: %2</source>
        <translation>Le bilan n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Brightsum progress report</source>
        <translation>Bilan de progression Brightsum</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Practice: %1</source>
        <translation>Révision&#xa0;: %1</translation>
    </message>
    <message>
        <source>Made with Brightsum, %1</source>
        <translation>Réalisé avec Brightsum, %1</translation>
    </message>
    <message>
        <source>The figures by topic follow on the next page.</source>
        <translation>Les résultats par sujet figurent à la page suivante.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress: %1</source>
        <translation>Progression&#xa0;: %1</translation>
    </message>
    <message>
        <source>Progress by topic</source>
        <translation>Progression par sujet</translation>
    </message>
    <message>
        <source>Scores over time</source>
        <translation>Scores au fil du temps</translation>
    </message>
    <message>
        <source>Every exercise</source>
        <translation>Tous les exercices</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Every exercise</source>
        <translation>&amp;Tous les exercices</translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation>&amp;Imprimer le bilan...</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF...</source>
        <translation>Enregistrer le bilan en P&amp;DF...</translation>
    </message>
    <message>
        <source>Reading the saved scores...</source>
        <translation>Lecture des scores enregistrés...</translation>
    </message>
    <message>
        <source>Progress report sent to the printer</source>
        <translation>Bilan envoyé à l&apos;imprimante</translation>
    </message>
    <message>
        <source>Progress report saved as PDF</source>
        <translation>Bilan enregistré en PDF</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé le</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>No. of Clues</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>No. of Choices</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>P&amp;ractice</source>
        <translation>&amp;Révision</translation>
    </message>
    <message>
        <source>Practice by topic</source>
        <translation>Révision par sujet</translation>
    </message>
    <message>
        <source>Prints this child&apos;s progress: the table and the chart on one page, and the practice on a second when there is one.</source>
        <translation>Imprime la progression de cet enfant&#xa0;: le tableau et le graphique sur une page, et la révision sur une deuxième page s&apos;il y en a une.</translation>
    </message>
    <message>
        <source>Saves this child&apos;s progress as a PDF file: the table and the chart on one page, and the practice on a second when there is one.</source>
        <translation>Enregistre la progression de cet enfant dans un fichier PDF&#xa0;: le tableau et le graphique sur une page, et la révision sur une deuxième page s&apos;il y en a une.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Stop Waiting</source>
        <translation>Arrêter d&apos;attendre</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read Aloud</source>
        <translation>Lire à voix haute</translation>
    </message>
    <message>
        <source>Hear each question, clue and choice (%1). %2 says the question again.</source>
        <translation>Écoute chaque question, chaque indice et chaque choix (%1). %2 redit la question.</translation>
    </message>
    <message>
        <source>Reading aloud is not available on this computer.</source>
        <translation>La lecture à voix haute n&apos;est pas disponible sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>Another program took over the file meanwhile.</source>
        <translation>Un autre programme a pris le fichier entre-temps.</translation>
    </message>
</context>
<context>
    <name>ScoreCsv</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>The line is not text in UTF-8.</source>
        <translation>La ligne n&apos;est pas du texte en UTF-8.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The first line is not the header &quot;%1&quot;.</source>
        <translation>La première ligne n&apos;est pas l&apos;en-tête «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file holds more than %1 records.</source>
        <translation>Le fichier contient plus de %1 scores.</translation>
    </message>
    <message>
        <source>The row has more than %1 fields.</source>
        <translation>La ligne a plus de %1 champs.</translation>
    </message>
    <message>
        <source>The row has %1 fields instead of %2.</source>
        <translation>La ligne a %1 champs au lieu de %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>Le prénom «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not a topic&apos;s name.</source>
        <translation>Le sujet «&#xa0;%1&#xa0;» n&apos;est pas un nom de sujet.</translation>
    </message>
    <message>
        <source>The clues, &quot;%1&quot;, are not a number from 0 to %2.</source>
        <translation>Les indices, «&#xa0;%1&#xa0;», ne sont pas un nombre de 0 à %2.</translation>
    </message>
    <message>
        <source>The choices, &quot;%1&quot;, are not a number from 0 to %2.</source>
        <translation>Les choix, «&#xa0;%1&#xa0;», ne sont pas un nombre de 0 à %2.</translation>
    </message>
    <message>
        <source>The score, &quot;%1&quot;, is not a score an exercise can have.</source>
        <translation>Le score, «&#xa0;%1&#xa0;», n&apos;est pas un score possible pour un exercice.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time such as 2025-03-14T15:42:07+01:00.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date et une heure comme 2025-03-14T15:42:07+01:00.</translation>
    </message>
    <message>
        <source>A quote stands inside a field that does not start with one.</source>
        <translation>Un guillemet se trouve dans un champ qui ne commence pas par un guillemet.</translation>
    </message>
    <message>
        <source>A field is longer than %1 characters.</source>
        <translation>Un champ dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>A quoted field goes on after its closing quote.</source>
        <translation>Un champ entre guillemets continue après son guillemet fermant.</translation>
    </message>
</context>
<context>
    <name>ScoreTransfer</name>
    <message>
        <source>It is not a file that can be read.</source>
        <translation>Ce n&apos;est pas un fichier lisible.</translation>
    </message>
    <message>
        <source>Brightsum cannot write its settings on this computer.</source>
        <translation>Brightsum ne peut pas enregistrer ses réglages sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>No. of Clues</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>No. of Choices</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation>Scores de tout le monde</translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation>Mes scores</translation>
    </message>
</context>
<context>
    <name>SharedFolder</name>
    <message>
        <source>It is not a folder that can be reached.</source>
        <translation>Ce n&apos;est pas un dossier accessible.</translation>
    </message>
    <message>
        <source>Brightsum cannot write in it: %1</source>
        <translation>Brightsum ne peut pas y écrire&#xa0;: %1</translation>
    </message>
    <message>
        <source>The shared file %1 ends in the middle of a line: it is left out until it is whole.</source>
        <translation>Le fichier partagé %1 s&apos;arrête au milieu d&apos;une ligne&#xa0;: il est laissé de côté jusqu&apos;à ce qu&apos;il soit complet.</translation>
    </message>
    <message>
        <source>The shared file %1 was written by a newer Brightsum: it is left out until this computer has that version too.</source>
        <translation>Le fichier partagé %1 a été écrit par une version plus récente de Brightsum&#xa0;: il est laissé de côté jusqu&apos;à ce que cet ordinateur ait lui aussi cette version.</translation>
    </message>
    <message>
        <source>The shared file %1 cannot be read (line %2: %3): it is left out until it is mended.</source>
        <translation>Le fichier partagé %1 ne peut pas être lu (ligne %2&#xa0;: %3)&#xa0;: il est laissé de côté jusqu&apos;à ce qu&apos;il soit réparé.</translation>
    </message>
</context>
<context>
    <name>SharingRound</name>
    <message>
        <source>The shared folder %1 cannot be reached: the records are kept on this computer, and shared once it can be reached again.</source>
        <translation>Le dossier partagé %1 est inaccessible&#xa0;: les scores sont gardés sur cet ordinateur, et seront partagés dès qu&apos;il sera de nouveau accessible.</translation>
    </message>
    <message>
        <source>The shared folder can be reached again: the records are shared with the other computers.</source>
        <translation>Le dossier partagé est de nouveau accessible&#xa0;: les scores sont partagés avec les autres ordinateurs.</translation>
    </message>
    <message>
        <source>Another computer shares records under this computer&apos;s name (a copy of its disk?): this computer now shares them under a new one.</source>
        <translation>Un autre ordinateur partage des scores sous le nom de cet ordinateur (une copie de son disque&#xa0;?)&#xa0;: cet ordinateur les partage désormais sous un nouveau nom.</translation>
    </message>
    <message>
        <source>Brightsum cannot write in the shared folder %1 (%2): the records are kept on this computer, and shared once it can.</source>
        <translation>Brightsum ne peut pas écrire dans le dossier partagé %1 (%2)&#xa0;: les scores sont gardés sur cet ordinateur, et seront partagés dès qu&apos;il le pourra.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>View My Scores</source>
        <translation>Voir mes scores</translation>
    </message>
    <message>
        <source>Clear Saved Scores</source>
        <translation>Effacer les scores enregistrés</translation>
    </message>
    <message>
        <source>View a Child&apos;s Progress...</source>
        <translation>Voir la progression d&apos;un enfant...</translation>
    </message>
    <message>
        <source>See how one child&apos;s scores have changed over time, topic by topic, and print them as a report.</source>
        <translation>Voir les progrès d&apos;un enfant, sujet par sujet, et les imprimer sous forme de bilan.</translation>
    </message>
    <message>
        <source>Export Scores...</source>
        <translation>Exporter les scores...</translation>
    </message>
    <message>
        <source>Save every score record to a CSV file, to open in a spreadsheet or to take to another computer.</source>
        <translation>Enregistrer tous les scores dans un fichier CSV, pour un tableur ou un autre ordinateur.</translation>
    </message>
    <message>
        <source>Import Scores...</source>
        <translation>Importer des scores...</translation>
    </message>
    <message>
        <source>Add the score records of a CSV file exported on another computer. Records already here are not added twice.</source>
        <translation>Ajouter les scores d&apos;un fichier CSV venu d&apos;un autre ordinateur, sans les doublons.</translation>
    </message>
    <message>
        <source>View Everybody&apos;s Scores</source>
        <translation>Voir les scores de tout le monde</translation>
    </message>
    <message>
        <source>View My Progress</source>
        <translation>Voir ma progression</translation>
    </message>
    <message>
        <source>See how your scores have changed over time, topic by topic.</source>
        <translation>Voir comment tes scores ont évolué, sujet par sujet.</translation>
    </message>
    <message>
        <source>Open Sample Template</source>
        <translation>Ouvrir le modèle d&apos;exemple</translation>
    </message>
    <message>
        <source>Your page</source>
        <translation>Ta page</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Exercises to be completed</source>
        <translation>Exercices à faire</translation>
    </message>
    <message>
        <source>Recently completed exercises</source>
        <translation>Exercices terminés récemment</translation>
    </message>
    <message>
        <source>Performance statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Additional tasks</source>
        <translation>Autres actions</translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation>Scores de tout le monde</translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation>Mes scores</translation>
    </message>
    <message>
        <source>Template Editor</source>
        <translation>Éditeur de modèles</translation>
    </message>
    <message>
        <source>Saved Scores</source>
        <translation>Scores enregistrés</translation>
    </message>
    <message>
        <source>All saved scores have been cleared.</source>
        <translation>Tous les scores enregistrés ont été effacés.</translation>
    </message>
    <message>
        <source>Scores Not Cleared</source>
        <translation>Scores non effacés</translation>
    </message>
    <message>
        <source>The saved scores could not be cleared: Brightsum cannot write its settings on this computer. Every score is still stored.</source>
        <translation>Les scores enregistrés n&apos;ont pas pu être effacés&#xa0;: Brightsum ne peut pas enregistrer ses réglages sur cet ordinateur. Tous les scores sont toujours là.</translation>
    </message>
    <message>
        <source>Number of clues used: %1</source>
        <translation>Indices utilisés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Number of choices used: %1</source>
        <translation>Choix utilisés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total score: %1</source>
        <translation>Score total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remove all scores saved on this computer. This will also delete Brightsum&apos;s record of completed exercises for each user.</source>
        <translation>Supprimer tous les scores de cet ordinateur, et la liste des exercices terminés de chaque utilisateur.</translation>
    </message>
    <message>
        <source>View scores that have been saved by Brightsum for exercises you have completed.</source>
        <translation>Voir les scores des exercices que tu as terminés.</translation>
    </message>
    <message>
        <source>View scores that have been saved by Brightsum for exercises completed by all Brightsum users.</source>
        <translation>Voir les scores de tous les utilisateurs, pour tous les exercices terminés.</translation>
    </message>
    <message>
        <source>Learn how to use the Template Editor by opening a sample template for editing.</source>
        <translation>Apprendre à se servir de l&apos;Éditeur de modèles en ouvrant un modèle d&apos;exemple.</translation>
    </message>
    <message>
        <source>Share Records with Other Computers...</source>
        <translation>Partager les scores avec d&apos;autres ordinateurs...</translation>
    </message>
    <message>
        <source>Keep one record book for a room of computers, through a shared folder they all reach. Passwords and options stay on each computer.</source>
        <translation>Tenir un seul registre des scores pour toute une salle d&apos;ordinateurs, par un dossier partagé auquel ils ont tous accès. Les mots de passe et les options restent propres à chaque ordinateur.</translation>
    </message>
    <message>
        <source>Share Now</source>
        <translation>Partager maintenant</translation>
    </message>
    <message>
        <source>Read the records of the other computers now, and share this computer&apos;s.</source>
        <translation>Lire dès maintenant les scores des autres ordinateurs, et partager ceux de cet ordinateur.</translation>
    </message>
    <message>
        <source>Practise My Mistakes</source>
        <translation>Revoir mes erreurs</translation>
    </message>
    <message>
        <source>Answer again the questions you got wrong. Each one comes back after a day, then after longer and longer, until you know it.</source>
        <translation>Réponds de nouveau aux questions que tu as ratées. Chacune revient le lendemain, puis de plus en plus tard, jusqu&apos;à ce que tu la saches.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>Reward sound</source>
        <translation>Son de récompense</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The changes kept in %1 cannot be read.</source>
        <translation>Les modifications conservées dans %1 ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>A change of this kind cannot be kept for later.</source>
        <translation>Une modification de ce type ne peut pas être conservée pour plus tard.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>No working copy can be made in %1.</source>
        <translation>Impossible de faire une copie de travail dans %1.</translation>
    </message>
    <message>
        <source>Only part of the settings was read.</source>
        <translation>Les réglages n&apos;ont été lus qu&apos;en partie.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a settings file can be.</source>
        <translation>Il dépasse %1 Mo, plus qu&apos;un fichier de réglages ne peut contenir.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be read.</source>
        <translation>Seuls %1 de ses %2 octets ont pu être lus.</translation>
    </message>
</context>
<context>
    <name>StoreLock</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation>Le fichier de verrou %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used.</source>
        <translation>Le fichier de verrou %1 ne peut pas être utilisé.</translation>
    </message>
</context>
<context>
    <name>TemplateEditor</name>
    <message>
        <source>Template Editor</source>
        <translation>Éditeur de modèles</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Barre d&apos;outils standard</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nouveau...</translation>
    </message>
    <message>
        <source>Click this button to create a new template.</source>
        <translation>Cliquez sur ce bouton pour créer un nouveau modèle.</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Click this button to open a saved template (*.dat) file for editing.</source>
        <translation>Cliquez sur ce bouton pour ouvrir un modèle enregistré (fichier *.dat) et le modifier.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Click this button to save all editing done to the current template.</source>
        <translation>Cliquez sur ce bouton pour enregistrer toutes les modifications du modèle.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Click this button to navigate to the previous question of the open template.</source>
        <translation>Cliquez sur ce bouton pour aller à la question précédente du modèle.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Click this button to navigate to the next question of the open template.</source>
        <translation>Cliquez sur ce bouton pour aller à la question suivante du modèle.</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Générer...</translation>
    </message>
    <message>
        <source>Click this button to fill the template with twenty new questions, from easier to harder, on a topic and at a level of your choice.</source>
        <translation>Cliquez sur ce bouton pour remplir le modèle avec vingt nouvelles questions, des plus faciles aux plus difficiles, sur le sujet et au niveau de votre choix.</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Numéro de la question</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <source>Open Template Dialog</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>Brightsum Templates (*.dat)</source>
        <translation>Modèles Brightsum (*.dat)</translation>
    </message>
    <message>
        <source>Template Not Opened</source>
        <translation>Modèle non ouvert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a template. The template being edited is kept.</source>
        <translation>«&#xa0;%1&#xa0;» est trop gros pour être un modèle. Le modèle en cours de modification est conservé.</translation>
    </message>
    <message>
        <source>Template Editor: %1</source>
        <translation>Éditeur de modèles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Opened template for editing</source>
        <translation>Modèle ouvert pour modification</translation>
    </message>
    <message>
        <source>Save Template Dialog</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Template Not Saved</source>
        <translation>Modèle non enregistré</translation>
    </message>
    <message>
        <source>The template could not be saved to &quot;%1&quot;: %2</source>
        <translation>Le modèle n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saved template to hard disk</source>
        <translation>Modèle enregistré</translation>
    </message>
    <message>
        <source>Template Editor: New Template</source>
        <translation>Éditeur de modèles&#xa0;: nouveau modèle</translation>
    </message>
    <message>
        <source>Generated %1 questions, level %2, set %3</source>
        <translation>Questions générées&#xa0;: %1, niveau %2, série %3</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Do you want to save this template?</source>
        <translation>Voulez-vous enregistrer ce modèle&#xa0;?</translation>
    </message>
    <message>
        <source>Creates a new template</source>
        <translation>Crée un nouveau modèle</translation>
    </message>
    <message>
        <source>Opens a saved template from a .dat file for editing</source>
        <translation>Ouvre un modèle enregistré (fichier .dat) pour le modifier</translation>
    </message>
    <message>
        <source>Saves the editing done to the current template </source>
        <translation>Enregistre les modifications du modèle </translation>
    </message>
    <message>
        <source>Navigates to the previous question of the template </source>
        <translation>Va à la question précédente du modèle </translation>
    </message>
    <message>
        <source>Navigates to the next question of the open template </source>
        <translation>Va à la question suivante du modèle </translation>
    </message>
    <message>
        <source>Fills the template with twenty new questions on a topic</source>
        <translation>Remplit le modèle avec vingt nouvelles questions sur un sujet</translation>
    </message>
</context>
<context>
    <name>TimesTableMap</name>
    <message>
        <source>Times-tables map</source>
        <translation>Carte des tables de multiplication</translation>
    </message>
</context>
<context>
    <name>Topics</name>
    <message>
        <source>Number Skills</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>New number skills exercise created</source>
        <translation>Nouvel exercice sur les nombres créé</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>New addition exercise created</source>
        <translation>Nouvel exercice d&apos;addition créé</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>New subtraction exercise created</source>
        <translation>Nouvel exercice de soustraction créé</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>New multiplication exercise created</source>
        <translation>Nouvel exercice de multiplication créé</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>New division exercise created</source>
        <translation>Nouvel exercice de division créé</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>New fractions exercise created</source>
        <translation>Nouvel exercice sur les fractions créé</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Monnaie</translation>
    </message>
    <message>
        <source>New money exercise created</source>
        <translation>Nouvel exercice sur la monnaie créé</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Révision</translation>
    </message>
</context>
<context>
    <name>UnitWords</name>
    <message>
        <source>rupees</source>
        <translation>roupies</translation>
    </message>
    <message>
        <source>euros</source>
        <translation>euros</translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>dollars</translation>
    </message>
    <message>
        <source>dinars</source>
        <translation>dinars</translation>
    </message>
    <message>
        <source>yen</source>
        <translation>yens</translation>
    </message>
    <message>
        <source>yuan</source>
        <translation>yuans</translation>
    </message>
    <message>
        <source>francs</source>
        <translation>francs</translation>
    </message>
    <message>
        <source>pesos</source>
        <translation>pesos</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>livres</translation>
    </message>
    <message>
        <source>dirhams</source>
        <translation>dirhams</translation>
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
        <translation>litres</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>miles</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>gallons</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Worksheet Creator</source>
        <translation>Créateur de fiches</translation>
    </message>
    <message>
        <source>Worksheet Contents</source>
        <translation>Contenu de la fiche</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Answer Choices</source>
        <translation>Choix de réponses</translation>
    </message>
    <message>
        <source>Clues</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Publish Method</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>&amp;Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Sends the worksheet to a printer</source>
        <translation>Envoie la fiche à une imprimante</translation>
    </message>
    <message>
        <source>Writes the worksheet to a PDF file</source>
        <translation>Enregistre la fiche dans un fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Creates the worksheet in the chosen way</source>
        <translation>Crée la fiche de la façon choisie</translation>
    </message>
</context>
</TS>
