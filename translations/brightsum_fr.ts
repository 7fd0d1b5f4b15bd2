<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountWindow</name>
    <message>
        <source>Welcome to Brightsum!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Existing Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have used Brightsum before, select your name </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you are new to Brightsum, type your name </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please selct a user account or create a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to start Brightsum, once you have selected a user account or created a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to exit Brightsum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdminPassword</name>
    <message>
        <source>Administrator Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feature you requested requires administrator
access. Please enter the administrator password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Password!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password you entered is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalogClock</name>
    <message>
        <source>Analog Clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerBox</name>
    <message>
        <source>Your answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApplicationWindow</name>
    <message>
        <source>Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Reading Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A critical data file has been corrupted or deleted.
Try reinstalling Brightsum. Brightsum will now exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum cannot save scores and settings on this computer: what was not saved is not kept, and what was saved before is left as it was.

%1

Please check that this file can be written:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Repaired</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Brightsum&apos;s settings file held %n line(s) that could not be read (line %1). They have been left out, and everything else in the file was kept.

%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for another Brightsum on this computer to finish saving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its first line is not one of the seven topics, so it is not a saved exercise that can be reopened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its score, clues, choices or question number are outside what an exercise can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its player&apos;s name is not one that can sign in to Brightsum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Exercise from Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum Templates (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template you have selected is not a valid template. It may not have a complete
set of twenty questions, clues, options and answers, or may not be in the correct
format. Contact the person who created/edited the template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New %1 exercise created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Exercise Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum Saved Exercises (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Open Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened as a saved exercise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise progress saved to disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct answer: Two points awarded
Wrong answer: One point deducted

Number of clues: Three
Number of choices: Three
Number of questions: Twenty
Time limit: Unlimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta Testers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question Testers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arithmetic practice for children.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Brightsum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Saved Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scores to display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View a Child&apos;s Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose progress would you like to see?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the saved scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores Not Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scores could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 score record was saved to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 score records were saved to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores Not Imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scores were imported from &quot;%1&quot;.

%2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores Imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score records added: %1.
Already on this computer, and so skipped: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musical Instruments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Skills...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new number skills exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new addition exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new subtraction exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new multiplication exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new division exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new fractions exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new money exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New from Template...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new exercise from an exercise template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to start a new exercise from an exercise template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a previously saved exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to open a previously saved Brightsum exercise (*.dat) file from your hard disk drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the currently active exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to save a currently active Brightsum exercise (*.dat) to your hard disk drive so that it can be opened in a later session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the question set of the currently active exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to print the questions of a currently active Brightsum exercise using your printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign out of your user account to allow somebody else to use Brightsum from their account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Brightsum rules and scoring system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display rules concerned with scoring points and clue and choice limitations in Brightsum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays scores of all users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display all scores that have been saved on this computer by users who have finished Brightsum exercises previously.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays scores of the current user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display scores that have been saved on this computer by the current user only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays an analog clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display an analog clock showing the current time as part of the workspace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays a digital clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display a digital clock showing the current time as part of the workspace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles sidebar visibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to set whether the sidebar is visible or hiddle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles full screen mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to set whether full screen mode is enabled or disabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the active window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close all the windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile the windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cascade the windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the focus to the next window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the focus to the previous window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template Editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launches the Template Editor to create and edit exercise templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to create and edit exercise templates using the Template Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet Creator...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the active exercise to a math worksheet that can be printed or saved as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Worksheet Creator to create a math worksheet from the active exercise for printing or saving to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the options dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display the Brightsum options and customize Brightsum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to learn more about the software you love.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s New?...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays a list of new features in Brightsum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to learn more about the new features introduced in this version of Brightsum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information and checks for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display information about the exact version and build of this edition of Brightsum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays acknowledgements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display acknowledgements information about this edition of Brightsum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays about information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to display contact information and information about this edition of Brightsum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins a new exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays high scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum 4.0, released December 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum 3.0, May 2025</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum 2.0, June 2024</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum 1.0, September 2023</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum 4.0 is made by the Halvane team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Brightsum, %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme set to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds set to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in as: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DigitalClock</name>
    <message>
        <source>Digital Clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Brightsum %1 Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum %1 Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created with Brightsum. Visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer: </source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstRun</name>
    <message>
        <source>First Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Brightsum. To customize your student/child&apos;s
Brightsum experience, select from the options below. These
settings can be changed later from the Options dialog.

It is essential that you set an administrator password. This
will be used to access several administrator-only features.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Metric (metre, kilogram, second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imperial (foot, pound, second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System of Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An administrator password is already set and stays as it is.
It can be changed from the Options dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twenty new questions, from easier to harder, take the place of the template&apos;s questions. Nothing is saved until you choose Save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MDIWindow</name>
    <message>
        <source>No clues left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 clue left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 clues left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No choices left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 choice left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 choices left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a whole number and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Answer (hit enter):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2. %3. %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clues depleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have finished using all three clues.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices depleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have finished using all three choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Answer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You entered an incorrect answer. Try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong answer. Score: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct answer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct answer! Score: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score could not be saved on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Exercise Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum Saved Exercises (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exercise could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved exercise to hard disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save your progress in this exercise?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum %1 Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet saved as PDF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise question font face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise question font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a dialog after a wrong answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show no dialog after a wrong answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise Question Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Face:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise Wrong Answer Dialogs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Metric (metre, kilogram, second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imperial (foot, pound, second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System of Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Small icons only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text beside icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text underneath icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Toolbar View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear saved scores and user accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all saved data and reset to original settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old administrator password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New administrator password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Private Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear saved scores and user account data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all saved data and reset to original settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the old administrator password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the new administrator password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Password!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old administrator password you entered is incorrect.
The password has not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>No pages were made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>undated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has not completed an exercise yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises completed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (undated: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores over time, oldest first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: one exercise, score %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 exercises, from %3 at first to %4 at the latest, best %5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Exercises, oldest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Made with Brightsum, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Progress Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum progress report: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum progress report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress by topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Every exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints this child&apos;s progress on one page: the table and the chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves this child&apos;s progress on one page as a PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the saved scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress report sent to the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress report saved as PDF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was written could not be read back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreCsv</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is not text in UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line is not the header &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds more than %1 records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row has more than %1 fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row has %1 fields instead of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not a topic&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clues, &quot;%1&quot;, are not a number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choices, &quot;%1&quot;, are not a number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score, &quot;%1&quot;, is not a score an exercise can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time such as 2025-03-14T15:42:07+01:00.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quote stands inside a field that does not start with one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quoted field goes on after its closing quote.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreTransfer</name>
    <message>
        <source>It is not a file that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum cannot write its settings on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. of Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. of Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View My Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Saved Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View a Child&apos;s Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See how one child&apos;s scores have changed over time, topic by topic, and print them as a report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every score record to a CSV file, to open in a spreadsheet or to take to another computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the score records of a CSV file exported on another computer. Records already here are not added twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Everybody&apos;s Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View My Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See how your scores have changed over time, topic by topic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Sample Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises to be completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently completed exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everybody&apos;s Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All saved scores have been cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores Not Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved scores could not be cleared: Brightsum cannot write its settings on this computer. Every score is still stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of clues used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of choices used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all scores saved on this computer. This will also delete Brightsum&apos;s record of completed exercises for each user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View scores that have been saved by Brightsum for exercises you have completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View scores that have been saved by Brightsum for exercises completed by all Brightsum users.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn how to use the Template Editor by opening a sample template for editing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is too large to be a settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No working copy can be made in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only part of the settings was read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreLock</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Brightsum kept the settings busy.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateEditor</name>
    <message>
        <source>Template Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to create a new template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to open a saved template (*.dat) file for editing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to save all editing done to the current template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to navigate to the previous question of the open template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to navigate to the next question of the open template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to fill the template with twenty new questions, from easier to harder, on a topic and at a level of your choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Template Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightsum Templates (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template Not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a template. The template being edited is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template Editor: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened template for editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Template Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved template to hard disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template Editor: New Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated %1 questions, level %2, set %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save this template?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a saved template from a .dat file for editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the editing done to the current template </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigates to the previous question of the template </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigates to the next question of the open template </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the template with twenty new questions on a topic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Topics</name>
    <message>
        <source>Number Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New number skills exercise created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New addition exercise created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New subtraction exercise created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New multiplication exercise created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New division exercise created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New fractions exercise created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New money exercise created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitWords</name>
    <message>
        <source>rupees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>euros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dinars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yuan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>francs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pesos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dirhams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>runds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>litres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gallons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Worksheet Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the worksheet to a printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the worksheet to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates the worksheet in the chosen way</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
