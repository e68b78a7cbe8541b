<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tv::TAnsiInput</name>
    <message>
        <source>The character &quot;%1&quot; cannot be used here: the project keeps its texts in the Windows-1252 character set.</source>
        <translation>Das Zeichen „%1“ kann hier nicht verwendet werden: Das Projekt speichert seine Texte im Zeichensatz Windows-1252.</translation>
    </message>
</context>
<context>
    <name>tv::TAppearanceParts</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
</context>
<context>
    <name>tv::TBuildPage</name>
    <message>
        <source>Build Scripts</source>
        <translation>Skripte erstellen</translation>
    </message>
    <message>
        <source>List what would stop a build and what the setup would do other than the project says</source>
        <translation>Zeigt, was ein Erstellen verhindern würde und wo das Setup vom Projekt abweichen würde</translation>
    </message>
    <message>
        <source>Stop waiting for the program; it goes on running on its own</source>
        <translation>Nicht mehr auf das Programm warten; es läuft selbstständig weiter</translation>
    </message>
    <message>
        <source>Built %1 (%2)</source>
        <translation>Erstellt: %1 (%2)</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to end...</source>
        <translation>Warte auf das Ende von „%1“ …</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>Errors: the build refuses to start while these stand.</source>
        <translation>Fehler: Solange diese bestehen, startet das Erstellen nicht.</translation>
    </message>
    <message>
        <source>Warnings: the setup will not do exactly what the project says.</source>
        <translation>Warnungen: Das Setup wird nicht genau das tun, was im Projekt steht.</translation>
    </message>
    <message>
        <source>Save the project, then /bBuild/b0 the deployment folder and /bCompile/b0 the setup./#Building copies only the files that changed; a clean build copies them all.</source>
        <translation>Projekt speichern, dann /bErstellen/b0 und /bKompilieren/b0./#Erstellen kopiert nur geänderte Dateien; sauber erstellen kopiert alle.</translation>
    </message>
    <message>
        <source>Copy progress</source>
        <translation>Kopierfortschritt</translation>
    </message>
    <message>
        <source>&amp;Build Tamrin Installer Script</source>
        <translation>Tamrin-Installer-Skript &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Compile Tamrin Installer setup</source>
        <translation>Tamrin-Installer-Setup &amp;kompilieren</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>C&amp;lean build (copy every file again)</source>
        <translation>&amp;Sauber erstellen (alle Dateien neu kopieren)</translation>
    </message>
    <message>
        <source>Compiler &amp;output</source>
        <translation>Compiler&amp;ausgabe</translation>
    </message>
    <message>
        <source>Stop &amp;waiting</source>
        <translation>&amp;Nicht mehr warten</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>nicht erledigt</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>tv::TColorView</name>
    <message>
        <source>Color View</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Gewählte Farbe</translation>
    </message>
</context>
<context>
    <name>tv::TCompilerOutputForm</name>
    <message>
        <source>Compiler output</source>
        <translation>Compilerausgabe</translation>
    </message>
    <message>
        <source>The compiler printed nothing.</source>
        <translation>Der Compiler hat nichts ausgegeben.</translation>
    </message>
</context>
<context>
    <name>tv::TContentsListModel</name>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>INI File</source>
        <translation>INI-Datei</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
</context>
<context>
    <name>tv::TContentsMemo</name>
    <message>
        <source>The line holds a character Windows-1252 cannot hold</source>
        <translation>Die Zeile enthält ein Zeichen, das Windows-1252 nicht darstellen kann</translation>
    </message>
</context>
<context>
    <name>tv::TCoreMessages</name>
    <message>
        <source>Script is not saved yet,/#Continue ?</source>
        <translation>Das Skript ist noch nicht gespeichert,/#Fortfahren?</translation>
    </message>
    <message>
        <source>Can not set .TVX extension to Tamrin Installer Velox</source>
        <translation>Die Endung .TVX kann nicht mit Tamrin Installer Velox verknüpft werden</translation>
    </message>
    <message>
        <source>Deployment folder may not blank,/#setup will be build in that folder</source>
        <translation>Der Bereitstellungsordner darf nicht leer sein,/#in diesem Ordner wird das Setup erstellt</translation>
    </message>
    <message>
        <source>The project is saved in %1, its paths were taken from %2. These paths can name the same files relative to the project&apos;s folder:%3/#Rewrite them so that they keep naming the same files ?</source>
        <translation>Das Projekt wird in %1 gespeichert, seine Pfade stammen aus %2. Diese Pfade können dieselben Dateien relativ zum Projektordner angeben:%3/#Sollen sie so umgeschrieben werden, dass sie weiter dieselben Dateien angeben?</translation>
    </message>
    <message>
        <source>The project is saved in %1. These paths can name the same files relative to the project&apos;s folder:%2/#Rewrite them so that they keep naming the same files ?</source>
        <translation>Das Projekt wird in %1 gespeichert. Diese Pfade können dieselben Dateien relativ zum Projektordner angeben:%2/#Sollen sie so umgeschrieben werden, dass sie weiter dieselben Dateien angeben?</translation>
    </message>
    <message>
        <source>Script has some edited fields, /#please save before continue</source>
        <translation>Das Skript enthält geänderte Felder, /#bitte speichern Sie vor dem Fortfahren</translation>
    </message>
    <message>
        <source>Can not delete %1</source>
        <translation>Kann nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>The setup will not do exactly what the project says:%1</source>
        <translation>Das Setup wird nicht genau das tun, was im Projekt steht:%1</translation>
    </message>
    <message>
        <source>The project cannot be built:%1</source>
        <translation>Das Projekt kann nicht erstellt werden:%1</translation>
    </message>
    <message>
        <source>This process will clear the folder %1 if it already exists/#Continue ?</source>
        <translation>Dabei wird der Ordner %1 geleert, falls er schon existiert/#Fortfahren?</translation>
    </message>
    <message>
        <source>The build is not complete:%1</source>
        <translation>Das Erstellen ist unvollständig:%1</translation>
    </message>
    <message>
        <source>/im{%1}/oh{4} Creating Deployment Folder</source>
        <translation>/im{%1}/oh{4} Bereitstellungsordner anlegen</translation>
    </message>
    <message>
        <source>/im{%1}/oh{4} Copying presetup &amp;&amp; data files</source>
        <translation>/im{%1}/oh{4} Presetup- und Datendateien kopieren</translation>
    </message>
    <message>
        <source>/im{%1}/oh{4} Building TZNS ini file</source>
        <translation>/im{%1}/oh{4} TZNS-INI-Datei erstellen</translation>
    </message>
    <message>
        <source>/im{%1}/oh{4} Building installation files</source>
        <translation>/im{%1}/oh{4} Installationsdateien erstellen</translation>
    </message>
    <message>
        <source>/im{%1}/oh{4} Building Tamrin Installer setup</source>
        <translation>/im{%1}/oh{4} Tamrin-Installer-Setup erstellen</translation>
    </message>
    <message>
        <source>/im{%1}/oh{4} Compiling Tamrin Installer setup</source>
        <translation>/im{%1}/oh{4} Tamrin-Installer-Setup kompilieren</translation>
    </message>
    <message>
        <source>Copying &quot;%1&quot;...&quot;</source>
        <translation>Kopiere „%1“ …</translation>
    </message>
    <message>
        <source>%1/#/#Show the compiler output ?</source>
        <translation>%1/#/#Compilerausgabe anzeigen?</translation>
    </message>
    <message>
        <source>There is no installer script to compile yet:/#build the project first.</source>
        <translation>Es gibt noch kein Installationsskript zum Kompilieren:/#Erstellen Sie zuerst das Projekt.</translation>
    </message>
    <message>
        <source>Cannot open the folder %1 of the installer script.</source>
        <translation>Der Ordner %1 des Installationsskripts kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No compiler could be started for %1:/#%2</source>
        <translation>Für %1 konnte kein Compiler gestartet werden:/#%2</translation>
    </message>
    <message>
        <source>The compiler did not make the setup program %1.</source>
        <translation>Der Compiler hat das Setup-Programm %1 nicht erzeugt.</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; ?</source>
        <translation>„%1“ ausführen?</translation>
    </message>
    <message>
        <source>No program could be started for %1:/#%2</source>
        <translation>Für %1 konnte kein Programm gestartet werden:/#%2</translation>
    </message>
    <message>
        <source>1 file, %1</source>
        <translation>1 Datei, %1</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 Dateien, %2</translation>
    </message>
    <message>
        <source>/#... and %1 more</source>
        <translation>/#… und %1 weitere</translation>
    </message>
    <message>
        <source>0 - String </source>
        <translation>0 - Text</translation>
    </message>
    <message>
        <source>1 - Numeric</source>
        <translation>1 - Zahl</translation>
    </message>
    <message>
        <source>2 - Binary</source>
        <translation>2 - Binär</translation>
    </message>
    <message>
        <source>1 file, %1, %2 unchanged</source>
        <translation>1 Datei, %1, %2 unverändert</translation>
    </message>
    <message>
        <source>%1 files, %2, %3 unchanged</source>
        <translation>%1 Dateien, %2, %3 unverändert</translation>
    </message>
    <message>
        <source>Source file %1 does not exist.</source>
        <translation>Quelldatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Readme %1 does not exist.</source>
        <translation>Liesmich-Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Licence %1 does not exist.</source>
        <translation>Lizenzdatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Title bitmap %1 does not exist.</source>
        <translation>Titelbild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Static bitmap %1 does not exist.</source>
        <translation>Statisches Bild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Source file %1 cannot be copied: %2.</source>
        <translation>Quelldatei %1 kann nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>Readme %1 cannot be copied: %2.</source>
        <translation>Liesmich-Datei %1 kann nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>Licence %1 cannot be copied: %2.</source>
        <translation>Lizenzdatei %1 kann nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>Title bitmap %1 cannot be copied: %2.</source>
        <translation>Titelbild %1 kann nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>Static bitmap %1 cannot be copied: %2.</source>
        <translation>Statisches Bild %1 kann nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>Source file %1 cannot be installed under its name: %2.</source>
        <translation>Quelldatei %1 kann nicht unter ihrem Namen installiert werden: %2.</translation>
    </message>
    <message>
        <source>Static bitmap %1 cannot be installed under its name: %2.</source>
        <translation>Statisches Bild %1 kann nicht unter seinem Namen installiert werden: %2.</translation>
    </message>
    <message>
        <source>Title bitmap %1 is no bitmap the setup can show: %2.</source>
        <translation>Titelbild %1 ist kein Bild, das das Setup zeigen kann: %2.</translation>
    </message>
    <message>
        <source>Background bitmap %1 is no bitmap the setup can show: %2.</source>
        <translation>Hintergrundbild %1 ist kein Bild, das das Setup zeigen kann: %2.</translation>
    </message>
    <message>
        <source>Static bitmap %1 is no bitmap the setup can show: %2.</source>
        <translation>Statisches Bild %1 ist kein Bild, das das Setup zeigen kann: %2.</translation>
    </message>
    <message>
        <source>its name %1 holds a &quot;\&quot;, which a Windows file name cannot hold</source>
        <translation>ihr Name %1 enthält ein „\“, das ein Windows-Dateiname nicht enthalten kann</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>sie ist ein FIFO, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>sie ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>sie ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>File %1 (row %2 of the files): %3.</source>
        <translation>Datei %1 (Zeile %2 der Dateien): %3.</translation>
    </message>
    <message>
        <source>Shortcut %1 (row %2 of the shortcuts): %3.</source>
        <translation>Verknüpfung %1 (Zeile %2 der Verknüpfungen): %3.</translation>
    </message>
    <message>
        <source>The name is empty</source>
        <translation>Der Name ist leer</translation>
    </message>
    <message>
        <source>The name holds &quot;=&quot;: the setup reads only the text before it</source>
        <translation>Der Name enthält „=“: das Setup liest nur den Text davor</translation>
    </message>
    <message>
        <source>The name begins with &quot;;&quot;: the setup reads the line as a comment</source>
        <translation>Der Name beginnt mit „;“: das Setup liest die Zeile als Kommentar</translation>
    </message>
    <message>
        <source>The name begins with &quot;[&quot;: the setup may read the line as a section</source>
        <translation>Der Name beginnt mit „[“: das Setup kann die Zeile als Abschnitt lesen</translation>
    </message>
    <message>
        <source>The name begins or ends with a blank, which the setup drops</source>
        <translation>Der Name beginnt oder endet mit einem Leerzeichen, das das Setup weglässt</translation>
    </message>
    <message>
        <source>The name holds a control character, which breaks its line</source>
        <translation>Der Name enthält ein Steuerzeichen, das seine Zeile bricht</translation>
    </message>
    <message>
        <source>Registry key to add %1, line %2: %3.</source>
        <translation>Hinzuzufügender Registrierungsschlüssel %1, Zeile %2: %3.</translation>
    </message>
    <message>
        <source>Registry key to remove %1, line %2: %3.</source>
        <translation>Zu entfernender Registrierungsschlüssel %1, Zeile %2: %3.</translation>
    </message>
    <message>
        <source>INI change %1, line %2: %3.</source>
        <translation>INI-Änderung %1, Zeile %2: %3.</translation>
    </message>
    <message>
        <source>The line holds a control character, which breaks it</source>
        <translation>Die Zeile enthält ein Steuerzeichen, das sie bricht</translation>
    </message>
    <message>
        <source>No &quot;=&quot; between the parameter name and its value</source>
        <translation>Kein „=“ zwischen dem Parameternamen und seinem Wert</translation>
    </message>
    <message>
        <source>The parameter name before &quot;=&quot; is empty</source>
        <translation>Der Parametername vor „=“ ist leer</translation>
    </message>
    <message>
        <source>No type after the value: add ,0 (string), ,1 (numeric) or ,2 (binary)</source>
        <translation>Kein Typ nach dem Wert: ,0 (Zeichenkette), ,1 (numerisch) oder ,2 (binär) anfügen</translation>
    </message>
    <message>
        <source>%1 is no type (0, 1 or 2); a comma in the value ends the value</source>
        <translation>%1 ist kein Typ (0, 1 oder 2); ein Komma im Wert beendet den Wert</translation>
    </message>
    <message>
        <source>%1 is no type: 0 (string), 1 (numeric) or 2 (binary)</source>
        <translation>%1 ist kein Typ: 0 (Zeichenkette), 1 (numerisch) oder 2 (binär)</translation>
    </message>
    <message>
        <source>Too many commas: the line is name=value,type,flags and the value may hold no comma</source>
        <translation>Zu viele Kommas: die Zeile lautet Name=Wert,Typ,Flags, und der Wert darf kein Komma enthalten</translation>
    </message>
    <message>
        <source>A numeric value is a whole number, not %1</source>
        <translation>Ein numerischer Wert ist eine ganze Zahl, nicht %1</translation>
    </message>
    <message>
        <source>A binary value is two-digit hexadecimal bytes separated by blanks, such as 07 A5 3E</source>
        <translation>Ein binärer Wert besteht aus zweistelligen Hexadezimalbytes, durch Leerzeichen getrennt, etwa 07 A5 3E</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>sie kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it does not begin as a BMP file does</source>
        <translation>sie beginnt nicht wie eine BMP-Datei</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>die Datei endet in ihrem Kopf</translation>
    </message>
    <message>
        <source>its header is of an unknown kind</source>
        <translation>ihr Kopf ist von unbekannter Art</translation>
    </message>
    <message>
        <source>its header gives no picture size</source>
        <translation>ihr Kopf nennt keine Bildgröße</translation>
    </message>
    <message>
        <source>it has %1 bits per pixel</source>
        <translation>sie hat %1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>its pixels are stored in a way the setup does not read</source>
        <translation>ihre Pixel sind so gespeichert, wie das Setup sie nicht liest</translation>
    </message>
    <message>
        <source>its pixel data lies outside the file</source>
        <translation>ihre Pixeldaten liegen außerhalb der Datei</translation>
    </message>
    <message>
        <source>the file is cut short: its pixel data ends early</source>
        <translation>die Datei ist abgeschnitten: ihre Pixeldaten enden zu früh</translation>
    </message>
    <message>
        <source>Program %1 run %2: its Application %3 holds a double quote, which ends the column early.</source>
        <translation>Programm %1, ausgeführt %2: seine Anwendung %3 enthält ein doppeltes Anführungszeichen, das die Spalte zu früh beendet.</translation>
    </message>
    <message>
        <source>Program %1 run %2: its Arguments %3 holds a double quote, which ends the column early.</source>
        <translation>Programm %1, ausgeführt %2: seine Argumente %3 enthalten ein doppeltes Anführungszeichen, das die Spalte zu früh beendet.</translation>
    </message>
    <message>
        <source>Program %1 run %2: its Working Directory %3 holds a double quote, which ends the column early.</source>
        <translation>Programm %1, ausgeführt %2: sein Arbeitsverzeichnis %3 enthält ein doppeltes Anführungszeichen, das die Spalte zu früh beendet.</translation>
    </message>
    <message>
        <source>Program %1 run %2: its Message %3 holds a double quote, which ends the column early.</source>
        <translation>Programm %1, ausgeführt %2: seine Meldung %3 enthält ein doppeltes Anführungszeichen, das die Spalte zu früh beendet.</translation>
    </message>
    <message>
        <source>Program %1 run %2 is not among the files installed to %3.</source>
        <translation>Programm %1, ausgeführt %2, ist nicht unter den Dateien, die nach %3 installiert werden.</translation>
    </message>
    <message>
        <source>before installation</source>
        <translation>vor der Installation</translation>
    </message>
    <message>
        <source>after installation</source>
        <translation>nach der Installation</translation>
    </message>
    <message>
        <source>before uninstallation</source>
        <translation>vor der Deinstallation</translation>
    </message>
    <message>
        <source>after uninstallation</source>
        <translation>nach der Deinstallation</translation>
    </message>
    <message>
        <source>Shortcut %1: its Arguments %2 holds a comma, which the setup reads as the end of the column.</source>
        <translation>Verknüpfung %1: ihre Argumente %2 enthalten ein Komma, das das Setup als Ende der Spalte liest.</translation>
    </message>
    <message>
        <source>Shortcut %1: its Working Directory %2 holds a comma, which the setup reads as the end of the column.</source>
        <translation>Verknüpfung %1: ihr Arbeitsverzeichnis %2 enthält ein Komma, das das Setup als Ende der Spalte liest.</translation>
    </message>
    <message>
        <source>Shortcut %1: the setup places it in %2; the sub-folder of its group %3 is dropped.</source>
        <translation>Verknüpfung %1: das Setup legt sie in %2 ab; der Unterordner ihrer Gruppe %3 entfällt.</translation>
    </message>
    <message>
        <source>The installation folder is %1: its rest %2 does not begin with &quot;\&quot;, so it joins the folder&apos;s name.</source>
        <translation>Der Installationsordner ist %1: sein Rest %2 beginnt nicht mit „\“ und verbindet sich so mit dem Namen des Ordners.</translation>
    </message>
    <message>
        <source>The main window&apos;s title font %1 is not on every Windows system; where it is missing, the setup shows another font.</source>
        <translation>Die Titelschrift des Hauptfensters %1 ist nicht auf jedem Windows-System; wo sie fehlt, zeigt das Setup eine andere Schrift.</translation>
    </message>
    <message>
        <source>The dialog title font %1 is not on every Windows system; where it is missing, the setup shows another font.</source>
        <translation>Die Titelschrift der Dialoge %1 ist nicht auf jedem Windows-System; wo sie fehlt, zeigt das Setup eine andere Schrift.</translation>
    </message>
    <message>
        <source>The dialog font %1 is not on every Windows system; where it is missing, the setup shows another font.</source>
        <translation>Die Dialogschrift %1 ist nicht auf jedem Windows-System; wo sie fehlt, zeigt das Setup eine andere Schrift.</translation>
    </message>
    <message>
        <source>Registry key to add %1 has no values; the setup only creates the key.</source>
        <translation>Hinzuzufügender Registrierungsschlüssel %1 hat keine Werte; das Setup legt nur den Schlüssel an.</translation>
    </message>
    <message>
        <source>%1 and %2 are both written to %3; only one of them can be there.</source>
        <translation>%1 und %2 werden beide nach %3 geschrieben; nur eine davon kann dort stehen.</translation>
    </message>
    <message>
        <source>The deployment folder is not set.</source>
        <translation>Der Bereitstellungsordner ist nicht festgelegt.</translation>
    </message>
    <message>
        <source>The project has not been saved to a file yet.</source>
        <translation>Das Projekt wurde noch nicht in einer Datei gespeichert.</translation>
    </message>
    <message>
        <source>The project file name %1 gives no project name (it starts with &quot;.&quot;).</source>
        <translation>Der Projektdateiname %1 ergibt keinen Projektnamen (er beginnt mit „.“).</translation>
    </message>
    <message>
        <source>The project file name %1 holds characters the installer script cannot name.</source>
        <translation>Der Projektdateiname %1 enthält Zeichen, die das Installationsskript nicht nennen kann.</translation>
    </message>
    <message>
        <source>The destination %1 of %2 climbs out of its folder with &quot;..&quot;.</source>
        <translation>Das Ziel %1 von %2 verlässt seinen Ordner mit „..“.</translation>
    </message>
    <message>
        <source>%1 lies inside the image folder %2, which the build clears.</source>
        <translation>%1 liegt im Abbildordner %2, den das Erstellen leert.</translation>
    </message>
    <message>
        <source>%1 is the installer script or setup program, which the build deletes.</source>
        <translation>%1 ist das Installationsskript oder Setup-Programm, das das Erstellen löscht.</translation>
    </message>
    <message>
        <source>The image folder %1 is taken by something that is not a folder.</source>
        <translation>Am Ort des Abbildordners %1 steht etwas, das kein Ordner ist.</translation>
    </message>
    <message>
        <source>The image folder %1 cannot be read (%2), so the build cannot tell whether it may clear it.</source>
        <translation>Der Abbildordner %1 kann nicht gelesen werden (%2), daher kann das Erstellen nicht prüfen, ob es ihn leeren darf.</translation>
    </message>
    <message>
        <source>The folder %1 exists and was not made by a build (it has no Presetup/TZNS.INI); the build would clear it. Empty or remove it, or choose another deployment folder or project file name.</source>
        <translation>Der Ordner %1 existiert und wurde nicht durch Erstellen angelegt (er hat kein Presetup/TZNS.INI); das Erstellen würde ihn leeren. Leeren oder entfernen Sie ihn, oder wählen Sie einen anderen Bereitstellungsordner oder Projektdateinamen.</translation>
    </message>
    <message>
        <source>its name holds &quot;|&quot;, which the project cannot store</source>
        <translation>ihr Name enthält „|“, das das Projekt nicht speichern kann</translation>
    </message>
    <message>
        <source>its name holds a line break or another control character, which the project cannot store</source>
        <translation>ihr Name enthält einen Zeilenumbruch oder ein anderes Steuerzeichen, das das Projekt nicht speichern kann</translation>
    </message>
    <message>
        <source>its name holds %1, which the Windows-1252 character set of the project cannot hold</source>
        <translation>ihr Name enthält %1, das der Zeichensatz Windows-1252 des Projekts nicht fassen kann</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>sie ist ein Verweis ins Leere</translation>
    </message>
    <message>
        <source>its name begins with &quot;.&quot;</source>
        <translation>ihr Name beginnt mit „.“</translation>
    </message>
    <message>
        <source>it is a link to a folder</source>
        <translation>sie ist ein Verweis auf einen Ordner</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the name holds &quot;=&quot;: the setup reads only the text before it</source>
        <translation>der Name enthält „=“: das Setup liest nur den Text davor</translation>
    </message>
    <message>
        <source>the name begins with &quot;;&quot;: the setup reads the line as a comment</source>
        <translation>der Name beginnt mit „;“: das Setup liest die Zeile als Kommentar</translation>
    </message>
    <message>
        <source>the name begins with &quot;[&quot;: the setup may read the line as a section</source>
        <translation>der Name beginnt mit „[“: das Setup kann die Zeile als Abschnitt lesen</translation>
    </message>
    <message>
        <source>the name begins or ends with a blank, which the setup drops</source>
        <translation>der Name beginnt oder endet mit einem Leerzeichen, das das Setup weglässt</translation>
    </message>
    <message>
        <source>the name holds a control character, which breaks its line</source>
        <translation>der Name enthält ein Steuerzeichen, das seine Zeile bricht</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not remove the link %1.</source>
        <translation>Der Verweis %1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Could not remove the old %1.</source>
        <translation>Das alte %1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Could not copy %1: %2.</source>
        <translation>%1 konnte nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 leads out of the image folder through a link; nothing was copied into it.</source>
        <translation>Der Ordner %1 führt über einen Verweis aus dem Abbildordner hinaus; nichts wurde hineinkopiert.</translation>
    </message>
    <message>
        <source>The project does not keep everything the engine files hold:%1</source>
        <translation>Das Projekt behält nicht alles, was die Dateien der Engine enthalten:%1</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot make the backup %1 of %2: %3</source>
        <translation>Die Sicherung %1 von %2 kann nicht angelegt werden: %3</translation>
    </message>
    <message>
        <source>%1 is not a project file: it has none of the sections [Start], [Main_Window] and [Dialog]</source>
        <translation>%1 ist keine Projektdatei: sie hat keinen der Abschnitte [Start], [Main_Window] und [Dialog]</translation>
    </message>
    <message>
        <source>Cannot open %1: engine scripts cannot be read here.</source>
        <translation>%1 kann nicht geöffnet werden: Skripte der Engine können hier nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: the section [%2] appears twice; only the first is read.</source>
        <translation>%1: Der Abschnitt [%2] kommt zweimal vor; nur der erste wird gelesen.</translation>
    </message>
    <message>
        <source>The path %1 holds characters the project&apos;s code page cannot hold; such paths are kept as they are and will not name their files.</source>
        <translation>Der Pfad %1 enthält Zeichen, die die Codepage des Projekts nicht fassen kann; solche Pfade bleiben, wie sie sind, und benennen ihre Dateien nicht.</translation>
    </message>
    <message>
        <source>The static bitmap %1 is not in the image folder&apos;s Presetup.</source>
        <translation>Das statische Bild %1 liegt nicht im Presetup des Abbildordners.</translation>
    </message>
    <message>
        <source>The image folder has no Presetup/%1: the project lacks everything it would hold.</source>
        <translation>Der Abbildordner hat kein Presetup/%1: dem Projekt fehlt alles, was darin stünde.</translation>
    </message>
    <message>
        <source>The image folder %1 that the script names does not exist: the project holds only what the script itself holds.</source>
        <translation>Der Abbildordner %1, den das Skript nennt, existiert nicht: das Projekt enthält nur, was das Skript selbst enthält.</translation>
    </message>
    <message>
        <source>%1 is no engine script: it names no image folder ([Config] ImagePath).</source>
        <translation>%1 ist kein Skript der Engine: es nennt keinen Abbildordner ([Config] ImagePath).</translation>
    </message>
    <message>
        <source>APP.INS lists %1, which is not in the image folder&apos;s Data: its row names a missing file.</source>
        <translation>APP.INS nennt %1, das nicht im Data des Abbildordners liegt: seine Zeile nennt eine fehlende Datei.</translation>
    </message>
    <message>
        <source>The engine files hold %1 files; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 Dateien; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 shortcuts; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 Verknüpfungen; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 registry keys to add; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 hinzuzufügende Registrierungsschlüssel; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 registry keys to delete; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 zu löschende Registrierungsschlüssel; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 INI file sections; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 Abschnitte von INI-Dateien; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 static bitmaps; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 statische Bilder; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 programs run before installation; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 vor der Installation ausgeführte Programme; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 programs run after installation; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 nach der Installation ausgeführte Programme; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 programs run before uninstallation; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 vor der Deinstallation ausgeführte Programme; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>The engine files hold %1 programs run after uninstallation; a project holds %2, so the last %3 are left out.</source>
        <translation>Die Dateien der Engine enthalten %1 nach der Deinstallation ausgeführte Programme; ein Projekt fasst %2, daher werden die letzten %3 weggelassen.</translation>
    </message>
    <message>
        <source>Data/%1 is in the image folder, but APP.INS does not list it: it is left out.</source>
        <translation>Data/%1 liegt im Abbildordner, aber APP.INS nennt es nicht: es wird weggelassen.</translation>
    </message>
    <message>
        <source>Presetup/%1 is in the image folder, but nothing the project keeps names it: it is left out.</source>
        <translation>Presetup/%1 liegt im Abbildordner, aber nichts, was das Projekt behält, nennt es: es wird weggelassen.</translation>
    </message>
    <message>
        <source>%1 [%2]: %3 becomes %4.</source>
        <translation>%1 [%2]: %3 wird zu %4.</translation>
    </message>
    <message>
        <source>%1 [%2]: %3 is not kept.</source>
        <translation>%1 [%2]: %3 wird nicht übernommen.</translation>
    </message>
    <message>
        <source>%1; nothing of it is kept.</source>
        <translation>%1; nichts davon wird übernommen.</translation>
    </message>
</context>
<context>
    <name>tv::TDCVersionInfo</name>
    <message>
        <source>Version %1.%2 (Build %3.%4)</source>
        <translation>Version %1.%2 (Build %3.%4)</translation>
    </message>
</context>
<context>
    <name>tv::TDialogPage</name>
    <message>
        <source>Dialog Windows</source>
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>Select the dialog font</source>
        <translation>Schriftart der Dialoge wählen</translation>
    </message>
    <message>
        <source>Show Dialog Title</source>
        <translation>Dialogtitel anzeigen</translation>
    </message>
    <message>
        <source>Select the dialog title font</source>
        <translation>Schriftart des Dialogtitels wählen</translation>
    </message>
    <message>
        <source>With shadow color</source>
        <translation>Mit Schattenfarbe</translation>
    </message>
    <message>
        <source>Select Main Title shadow color</source>
        <translation>Schattenfarbe des Haupttitels wählen</translation>
    </message>
    <message>
        <source>Title font</source>
        <translation>Titelschrift</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Dialoge</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Liesmich</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Path selection</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Program group</source>
        <translation>Programmgruppe</translation>
    </message>
    <message>
        <source>Start Installation</source>
        <translation>Installation starten</translation>
    </message>
    <message>
        <source>Final/ Finish</source>
        <translation>Abschluss/ Fertig</translation>
    </message>
    <message>
        <source>Select the title bitmap</source>
        <translation>Titel-Bitmap wählen</translation>
    </message>
    <message>
        <source>If using password, Password Dialog will appear before Start Installation Dialog</source>
        <translation>Mit Kennwort erscheint der Kennwortdialog vor dem Dialog „Installation starten“</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Show a dialog on the setup&apos;s screen (Escape closes)</source>
        <translation>Zeigt einen Dialog auf dem Bildschirm des Setups (Esc schließt)</translation>
    </message>
    <message>
        <source>Dialog font</source>
        <translation>Dialogschrift</translation>
    </message>
    <message>
        <source>Title Bitmap</source>
        <translation>Titel-Bitmap</translation>
    </message>
    <message>
        <source>Dialog Window Position</source>
        <translation>Position der Dialogfenster</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>tv::TFieldBinder</name>
    <message>
        <source>The character &quot;%1&quot; cannot be used here:/#the project keeps its texts in the Windows-1252 character set.</source>
        <translation>Das Zeichen „%1“ kann hier nicht verwendet werden:/#Das Projekt speichert seine Texte im Zeichensatz Windows-1252.</translation>
    </message>
</context>
<context>
    <name>tv::TFileAdd</name>
    <message>
        <source>Target: chosen folder + \%1</source>
        <translation>Ziel: gewählter Ordner + \%1</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add selected files</source>
        <translation>Ausgewählte Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected file</source>
        <translation>Ausgewählte Datei entfernen</translation>
    </message>
    <message>
        <source>Add every file of the browsed folder and its sub-folders</source>
        <translation>Alle Dateien des angezeigten Ordners und seiner Unterordner hinzufügen</translation>
    </message>
    <message>
        <source>File selection</source>
        <translation>Dateiauswahl</translation>
    </message>
    <message>
        <source>Selected files</source>
        <translation>Ausgewählte Dateien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This was not added:</source>
        <translation>Dies wurde nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>These %1 were not added:</source>
        <translation>Diese %1 wurden nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1/#holds more than %2 files, more than a project can take./#Nothing was added.</source>
        <translation>%1/#enthält mehr als %2 Dateien, mehr als ein Projekt aufnehmen kann./#Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 files were found./#Add them all ?</source>
        <translation>Es wurden %1 Dateien gefunden./#Alle hinzufügen?</translation>
    </message>
    <message>
        <source>A project holds at most %1 files: there is room for %2 more,/#and %3 are selected.</source>
        <translation>Ein Projekt enthält höchstens %1 Dateien: Es ist Platz für %2 weitere,/#ausgewählt sind %3.</translation>
    </message>
    <message>
        <source>The target path</source>
        <translation>Der Zielpfad</translation>
    </message>
</context>
<context>
    <name>tv::TFileDialogParts</name>
    <message>
        <source>Target name and/or include path</source>
        <translation>Zielname und/oder Pfad</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>%1 may not contain &quot;|&quot;:/#the project file separates its fields with it.</source>
        <translation>%1 darf kein „|“ enthalten:/#Die Projektdatei trennt damit ihre Felder.</translation>
    </message>
    <message>
        <source>Target path</source>
        <translation>Zielpfad</translation>
    </message>
</context>
<context>
    <name>tv::TFileFlags</name>
    <message>
        <source>No Log</source>
        <translation>Kein Protokoll</translation>
    </message>
    <message>
        <source>don&apos;t write to installation log-file</source>
        <translation>nicht in die Protokolldatei der Installation schreiben</translation>
    </message>
    <message>
        <source>No Version Check</source>
        <translation>Keine Versionsprüfung</translation>
    </message>
    <message>
        <source>don&apos;t check file version</source>
        <translation>Dateiversion nicht prüfen</translation>
    </message>
    <message>
        <source>Register Server</source>
        <translation>Server registrieren</translation>
    </message>
    <message>
        <source>register OLE/ActiveX server</source>
        <translation>OLE-/ActiveX-Server registrieren</translation>
    </message>
    <message>
        <source>Register Font</source>
        <translation>Schrift registrieren</translation>
    </message>
    <message>
        <source>register as font</source>
        <translation>als Schriftart registrieren</translation>
    </message>
    <message>
        <source>Don&apos;t ask user</source>
        <translation>Nicht nachfragen</translation>
    </message>
    <message>
        <source>don&apos;t ask user confirmation of overwriting existing file on version conflict</source>
        <translation>bei einem Versionskonflikt nicht nachfragen, ob die vorhandene Datei überschrieben werden soll</translation>
    </message>
    <message>
        <source>Don&apos;t overwrite</source>
        <translation>Nicht überschreiben</translation>
    </message>
    <message>
        <source>don&apos;t overwrite existing file</source>
        <translation>vorhandene Datei nicht überschreiben</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>Externe Datei</translation>
    </message>
    <message>
        <source>the file is external, i.e. does not included into the distribution package</source>
        <translation>die Datei ist extern, d. h. nicht im Installationspaket enthalten</translation>
    </message>
    <message>
        <source>Shared file</source>
        <translation>Gemeinsame Datei</translation>
    </message>
    <message>
        <source>the file is shared by several applications</source>
        <translation>die Datei wird von mehreren Anwendungen gemeinsam genutzt</translation>
    </message>
</context>
<context>
    <name>tv::TFileProperties</name>
    <message>
        <source>File Properties</source>
        <translation>Dateieigenschaften</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Properties of %1 files</source>
        <translation>Eigenschaften von %1 Dateien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>each file keeps its own path</source>
        <translation>jede Datei behält ihren eigenen Pfad</translation>
    </message>
    <message>
        <source>Choose the target&apos;s folder variable.</source>
        <translation>Wählen Sie die Ordnervariable des Ziels.</translation>
    </message>
    <message>
        <source>The target path</source>
        <translation>Der Zielpfad</translation>
    </message>
</context>
<context>
    <name>tv::TFileRun</name>
    <message>
        <source>Run Application</source>
        <translation>Anwendung ausführen</translation>
    </message>
    <message>
        <source>0 - don&apos;t show window</source>
        <translation>0 - Fenster nicht anzeigen</translation>
    </message>
    <message>
        <source>1 - display window in normal size</source>
        <translation>1 - Fenster in normaler Größe anzeigen</translation>
    </message>
    <message>
        <source>2 - display window as a maximized</source>
        <translation>2 - Fenster maximiert anzeigen</translation>
    </message>
    <message>
        <source>3 - display window as a minimized</source>
        <translation>3 - Fenster minimiert anzeigen</translation>
    </message>
    <message>
        <source>0 - Do not wait running application</source>
        <translation>0 - Nicht auf die Anwendung warten</translation>
    </message>
    <message>
        <source>1 - Wait until running application finished</source>
        <translation>1 - Warten, bis die Anwendung beendet ist</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Anwendungsname</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Window mode</source>
        <translation>Fenstermodus</translation>
    </message>
    <message>
        <source>Waiting status</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>%1 may not hold &quot;|&quot;:/#the project file separates the columns of a run entry with it.</source>
        <translation>%1 darf kein „|“ enthalten:/#Die Projektdatei trennt damit die Spalten eines Ausführungseintrags.</translation>
    </message>
    <message>
        <source>%1 may not hold a line break.</source>
        <translation>%1 darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>Application folder</source>
        <translation>Anwendungsordner</translation>
    </message>
    <message>
        <source>Working directory folder</source>
        <translation>Ordner des Arbeitsverzeichnisses</translation>
    </message>
    <message>
        <source>Working directory name</source>
        <translation>Name des Arbeitsverzeichnisses</translation>
    </message>
</context>
<context>
    <name>tv::TFileShortcuts</name>
    <message>
        <source>Shortcuts</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Group target</source>
        <translation>Zielgruppe</translation>
    </message>
    <message>
        <source>Shortcut name</source>
        <translation>Name der Verknüpfung</translation>
    </message>
    <message>
        <source>Shortcut target</source>
        <translation>Ziel der Verknüpfung</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Shortcut name may not be blank</source>
        <translation>Der Name der Verknüpfung darf nicht leer sein</translation>
    </message>
    <message>
        <source>The group target</source>
        <translation>Die Zielgruppe</translation>
    </message>
    <message>
        <source>The shortcut name</source>
        <translation>Der Name der Verknüpfung</translation>
    </message>
    <message>
        <source>The arguments</source>
        <translation>Die Argumente</translation>
    </message>
    <message>
        <source>The working directory</source>
        <translation>Das Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>The shortcut name cannot be a key of the install list:/#%1.</source>
        <translation>Der Name der Verknüpfung kann kein Schlüssel der Installationsliste sein:/#%1.</translation>
    </message>
    <message>
        <source>Group target path</source>
        <translation>Pfad der Zielgruppe</translation>
    </message>
    <message>
        <source>Working directory path</source>
        <translation>Pfad des Arbeitsverzeichnisses</translation>
    </message>
    <message>
        <source>Add &amp;Uninstaller Shortcut</source>
        <translation>Verknüpfung zum &amp;Deinstallieren hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>tv::TFilesModel</name>
    <message>
        <source>Source file not found</source>
        <translation>Quelldatei nicht gefunden</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>File Flags</source>
        <translation>Datei-Flags</translation>
    </message>
</context>
<context>
    <name>tv::TFilesPage</name>
    <message>
        <source>Files &amp; Shortcuts</source>
        <translation>Dateien &amp; Verknüpfungen</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Remove file</source>
        <translation>Datei entfernen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Create shortcut</source>
        <translation>Verknüpfung erstellen</translation>
    </message>
    <message>
        <source>Remove shortcut</source>
        <translation>Verknüpfung entfernen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften …</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>A project holds at most %1 files:/#the %2 files were not added.</source>
        <translation>Ein Projekt enthält höchstens %1 Dateien:/#Die %2 Dateien wurden nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Sure to delete ALL files ?</source>
        <translation>Wirklich ALLE Dateien entfernen?</translation>
    </message>
    <message>
        <source>There is no file to make shortcut of</source>
        <translation>Es gibt keine Datei, zu der eine Verknüpfung erstellt werden kann</translation>
    </message>
    <message>
        <source>A project holds at most %1 shortcuts:/#the shortcut was not added.</source>
        <translation>Ein Projekt enthält höchstens %1 Verknüpfungen:/#Die Verknüpfung wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Sure to delete ALL shortcuts ?</source>
        <translation>Wirklich ALLE Verknüpfungen entfernen?</translation>
    </message>
</context>
<context>
    <name>tv::TFolderPicker</name>
    <message>
        <source>Type or paste a folder; press Enter to take it</source>
        <translation>Ordner eingeben oder einfügen; Eingabetaste übernimmt ihn</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>Folder %1 does not exist,/#Create it ?</source>
        <translation>Der Ordner %1 existiert nicht,/#Anlegen?</translation>
    </message>
    <message>
        <source>Cannot create folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create...</source>
        <translation>Anlegen …</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>Create directory</source>
        <translation>Ordner anlegen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>tv::TFontView</name>
    <message>
        <source>Font Selection</source>
        <translation>Schriftauswahl</translation>
    </message>
    <message>
        <source>Font Attribute</source>
        <translation>Schriftattribute</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Size (points)</source>
        <translation>Größe (Punkt)</translation>
    </message>
    <message>
        <source>Sample Text</source>
        <translation>Beispieltext</translation>
    </message>
    <message>
        <source>Not on this computer: shown in its default face</source>
        <translation>Nicht auf diesem Computer: in der Standardschrift angezeigt</translation>
    </message>
    <message>
        <source>Not on this computer: shown in %1, which stands in for it</source>
        <translation>Nicht auf diesem Computer: ersatzweise in %1 angezeigt</translation>
    </message>
    <message>
        <source>Other fonts on this computer</source>
        <translation>Weitere Schriften auf diesem Computer</translation>
    </message>
    <message>
        <source>A setup that names one of these faces shows another on a computer that lacks it</source>
        <translation>Ein Setup, das eine dieser Schriften nennt, zeigt auf einem Computer ohne sie eine andere</translation>
    </message>
    <message>
        <source>Not on every Windows and not on this computer</source>
        <translation>Nicht auf jedem Windows und nicht auf diesem Computer</translation>
    </message>
</context>
<context>
    <name>tv::THelpWindow</name>
    <message>
        <source>Tamrin Installer Velox Manual</source>
        <translation>Tamrin Installer Velox – Handbuch</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the manual; its sections are &lt;name&gt;.&lt;this&gt;.md</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>tv::TMain</name>
    <message>
        <source>Tamvelox is a wizard-style script generator for Tamrin Installer 1.6/#Some features of Tamrin Installer are not yet supported/#in this version, for more info see readme file./# /#For detail information refer to Tamrin Installer docs./#  Tamrin Installer - /c{clblue}https://tamrin-installer.example.org/c{clblack}/#  Tamrin Installer is written by the Tamrin Installer team/#  Email: team@tamrin-installer.example.org</source>
        <translation>Tamvelox ist ein Skriptgenerator im Assistentenstil für Tamrin Installer 1.6/#Einige Funktionen von Tamrin Installer werden in dieser Version/#noch nicht unterstützt, mehr dazu in der Liesmich-Datei./# /#Ausführliche Informationen in der Dokumentation von Tamrin Installer./#  Tamrin Installer - /c{clblue}https://tamrin-installer.example.org/c{clblack}/#  Tamrin Installer wird vom Tamrin-Installer-Team entwickelt/#  E-Mail: team@tamrin-installer.example.org</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Dialog Window</source>
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>Files &amp; Shortcuts</source>
        <translation>Dateien &amp; Links</translation>
    </message>
    <message>
        <source>System Changes</source>
        <translation>Systemänderungen</translation>
    </message>
    <message>
        <source>Run App Install</source>
        <translation>Bei Installation</translation>
    </message>
    <message>
        <source>Run App Uninstall</source>
        <translation>Bei Deinstallation</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Undo	Ctrl+Z</source>
        <translation>Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Redo	Ctrl+Shift+Z</source>
        <translation>Wiederholen	Strg+Umschalt+Z</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info …</translation>
    </message>
    <message>
        <source>Create new script</source>
        <translation>Neues Skript anlegen</translation>
    </message>
    <message>
        <source>Load Tamrin Installer Script</source>
        <translation>Tamrin-Installer-Skript laden</translation>
    </message>
    <message>
        <source>Save Tamrin Installer Velox Script (*.tvx)</source>
        <translation>Tamrin-Installer-Velox-Skript speichern (*.tvx)</translation>
    </message>
    <message>
        <source>Close Tamrin Installer Velox</source>
        <translation>Tamrin Installer Velox beenden</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Previous</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>Compile is waiting for &quot;%1&quot; to end./#Stop waiting and close ?/#(The program goes on running.)</source>
        <translation>Das Kompilieren wartet auf das Ende von „%1“./#Nicht mehr warten und schließen?/#(Das Programm läuft weiter.)</translation>
    </message>
    <message>
        <source>Tamrin Installer Velox (*.tvx)</source>
        <translation>Tamrin Installer Velox (*.tvx)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 already exists./#Do you want to replace it?</source>
        <translation>%1 existiert bereits./#Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Tamrin Installer (*.tzn *.TZN)</source>
        <translation>Tamrin Installer (*.tzn *.TZN)</translation>
    </message>
</context>
<context>
    <name>tv::TMainWindowPage</name>
    <message>
        <source>Main Window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>Show Main Title</source>
        <translation>Haupttitel anzeigen</translation>
    </message>
    <message>
        <source>Select the title font</source>
        <translation>Titelschrift wählen</translation>
    </message>
    <message>
        <source>With shadow color</source>
        <translation>Mit Schattenfarbe</translation>
    </message>
    <message>
        <source>Select Main Title shadow color</source>
        <translation>Schattenfarbe des Haupttitels wählen</translation>
    </message>
    <message>
        <source>Title font</source>
        <translation>Titelschrift</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Show Application Name</source>
        <translation>Anwendungsnamen anzeigen</translation>
    </message>
    <message>
        <source>Select background top color</source>
        <translation>Obere Hintergrundfarbe wählen</translation>
    </message>
    <message>
        <source>Select background bottom color</source>
        <translation>Untere Hintergrundfarbe wählen</translation>
    </message>
    <message>
        <source>Select the background bitmap</source>
        <translation>Hintergrund-Bitmap wählen</translation>
    </message>
    <message>
        <source>Gradient Top Color</source>
        <translation>Verlauf oben</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Use Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Static Bitmap</source>
        <translation>Statische Bitmaps</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add Key</source>
        <translation>Schlüssel hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Edit key</source>
        <translation>Schlüssel bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Schlüssel entfernen</translation>
    </message>
    <message>
        <source>The setup shows at most %1 static bitmaps:/#remove one before adding another.</source>
        <translation>Das Setup zeigt höchstens %1 statische Bitmaps:/#Entfernen Sie eine, bevor Sie eine weitere hinzufügen.</translation>
    </message>
</context>
<context>
    <name>tv::TPickerWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tv::TRecentProjects</name>
    <message>
        <source>Alt+Down: recent projects</source>
        <translation>Alt+Unten: zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Keine zuletzt geöffneten Projekte</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>tv::TRunInstallPage</name>
    <message>
        <source>Run Application on Installation</source>
        <translation>Anwendungen bei der Installation ausführen</translation>
    </message>
</context>
<context>
    <name>tv::TRunListModel</name>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Argument</source>
        <translation>Argument</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Flag</translation>
    </message>
</context>
<context>
    <name>tv::TRunPage</name>
    <message>
        <source>Before Installation</source>
        <translation>Vor der Installation</translation>
    </message>
    <message>
        <source>After Installation</source>
        <translation>Nach der Installation</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Remove file</source>
        <translation>Datei entfernen</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>The list holds %1 programs, the most a project keeps./#Nothing was added.</source>
        <translation>Die Liste enthält %1 Programme, so viele, wie ein Projekt höchstens aufnimmt./#Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Before Uninstallation</source>
        <translation>Vor der Deinstallation</translation>
    </message>
    <message>
        <source>After Uninstallation</source>
        <translation>Nach der Deinstallation</translation>
    </message>
</context>
<context>
    <name>tv::TRunUninstallPage</name>
    <message>
        <source>Run Application on Uninstallation</source>
        <translation>Anwendungen bei der Deinstallation ausführen</translation>
    </message>
</context>
<context>
    <name>tv::TSetupPreview</name>
    <message>
        <source>Tamrin Installer Velox - Preview</source>
        <translation>Tamrin Installer Velox - Vorschau</translation>
    </message>
    <message>
        <source>Escape or a click closes the preview</source>
        <translation>Esc oder ein Klick schließt die Vorschau</translation>
    </message>
</context>
<context>
    <name>tv::TShortcutsModel</name>
    <message>
        <source>Program Group</source>
        <translation>Programmgruppe</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Work Directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
</context>
<context>
    <name>tv::TStartPage</name>
    <message>
        <source>Welcome to Tamrin Installer Velox !!</source>
        <translation>Willkommen bei Tamrin Installer Velox!</translation>
    </message>
    <message>
        <source>Application Info</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Select the readme file</source>
        <translation>Liesmich-Datei wählen</translation>
    </message>
    <message>
        <source>Select the license file</source>
        <translation>Lizenzdatei wählen</translation>
    </message>
    <message>
        <source>Select the deployment folder</source>
        <translation>Bereitstellungsordner wählen</translation>
    </message>
    <message>
        <source>Select Readme background color</source>
        <translation>Hintergrundfarbe der Liesmich-Datei wählen</translation>
    </message>
    <message>
        <source>Select License background color</source>
        <translation>Hintergrundfarbe der Lizenz wählen</translation>
    </message>
    <message>
        <source>Application Name</source>
        <translation>Anwendungsname</translation>
    </message>
    <message>
        <source>Installation folder</source>
        <translation>Installationsordner</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Readme File</source>
        <translation>Liesmich-Datei</translation>
    </message>
    <message>
        <source>License file</source>
        <translation>Lizenzdatei</translation>
    </message>
    <message>
        <source>Deployment folder</source>
        <translation>Bereitstellungsordner</translation>
    </message>
    <message>
        <source>Windows 95/98</source>
        <translation>Windows 95/98</translation>
    </message>
    <message>
        <source>Windows NT</source>
        <translation>Windows NT</translation>
    </message>
    <message>
        <source>Windows 2k</source>
        <translation>Windows 2k</translation>
    </message>
    <message>
        <source>Include Uninstaller</source>
        <translation>Mit Deinstallation</translation>
    </message>
    <message>
        <source>Reboot after installation</source>
        <translation>Danach neu starten</translation>
    </message>
    <message>
        <source>Target OS</source>
        <translation>Zielsystem</translation>
    </message>
    <message>
        <source>Minimum Version</source>
        <translation>Mindestversion</translation>
    </message>
    <message>
        <source>Ex. 4.0.1111</source>
        <translation>z. B. 4.0.1111</translation>
    </message>
    <message>
        <source>Extra disk space</source>
        <translation>Zusatzspeicher</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Use password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Remove references to previous version</source>
        <translation>Verweise auf die vorige Version entfernen</translation>
    </message>
    <message>
        <source>Check Window</source>
        <translation>Fenster prüfen</translation>
    </message>
    <message>
        <source>Check Mutex</source>
        <translation>Mutex prüfen</translation>
    </message>
    <message>
        <source>Auto select language</source>
        <translation>Sprache automatisch wählen</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Rich Text Files (*.rtf)</source>
        <translation>RTF-Dateien (*.rtf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select &quot;Readme&quot; file</source>
        <translation>Liesmich-Datei wählen</translation>
    </message>
    <message>
        <source>Select &quot;License&quot; file</source>
        <translation>Lizenzdatei wählen</translation>
    </message>
    <message>
        <source>Select a folder or create a new one</source>
        <translation>Wählen Sie einen Ordner oder legen Sie einen neuen an</translation>
    </message>
    <message>
        <source>Installation folder name</source>
        <translation>Name des Installationsordners</translation>
    </message>
    <message>
        <source>Group folder name</source>
        <translation>Name des Gruppenordners</translation>
    </message>
</context>
<context>
    <name>tv::TStaticBMP</name>
    <message>
        <source>Tamrin Installer Velox - Static Bitmap</source>
        <translation>Tamrin Installer Velox - Statische Bitmap</translation>
    </message>
    <message>
        <source>(Right click on bitmap for menu)</source>
        <translation>(Rechtsklick auf die Bitmap öffnet das Menü)</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>Bitmap wählen</translation>
    </message>
    <message>
        <source>Transparent Using Left-Bottom color of bitmap</source>
        <translation>Transparent mit der Farbe unten links der Bitmap</translation>
    </message>
    <message>
        <source>Coord. begin: Left-Top</source>
        <translation>Koord.-Ursprung: oben links</translation>
    </message>
    <message>
        <source>Coord. begin: Right-Top</source>
        <translation>Koord.-Ursprung: oben rechts</translation>
    </message>
    <message>
        <source>Coord. begin: Left-Bottom</source>
        <translation>Koord.-Ursprung: unten links</translation>
    </message>
    <message>
        <source>Coord. begin: Right-Bottom</source>
        <translation>Koord.-Ursprung: unten rechts</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>You have not selected a bitmap yet</source>
        <translation>Sie haben noch keine Bitmap gewählt</translation>
    </message>
    <message>
        <source>The bitmap&apos;s path may not contain a comma:/#%1</source>
        <translation>Der Pfad der Bitmap darf kein Komma enthalten:/#%1</translation>
    </message>
    <message>
        <source>The bitmap&apos;s path holds the character &quot;%1&quot;, which the project cannot keep:/#its texts are in the Windows-1252 character set.</source>
        <translation>Der Pfad der Bitmap enthält das Zeichen „%1“, das das Projekt nicht speichern kann:/#Seine Texte stehen im Zeichensatz Windows-1252.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Set this to this bitmap</source>
        <translation>Diese Bitmap übernehmen</translation>
    </message>
    <message>
        <source>Cannot read the bitmap &quot;%1&quot;:/#it is missing or not a bitmap.</source>
        <translation>Die Bitmap „%1“ kann nicht gelesen werden:/#Sie fehlt oder ist keine Bitmap.</translation>
    </message>
</context>
<context>
    <name>tv::TStaticBitmapModel</name>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Transp.</source>
        <translation>Transp.</translation>
    </message>
</context>
<context>
    <name>tv::TSystemEditWindow</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>The parameters hold %1 lines:/#a key keeps at most %2.</source>
        <translation>Die Parameter umfassen %1 Zeilen:/#Ein Schlüssel nimmt höchstens %2 auf.</translation>
    </message>
    <message>
        <source>Parameter value</source>
        <translation>Parameterwert</translation>
    </message>
</context>
<context>
    <name>tv::TSystemINIEdit</name>
    <message>
        <source>INI Changes</source>
        <translation>INI-Änderungen</translation>
    </message>
    <message>
        <source>INI file</source>
        <translation>INI-Datei</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Params</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Add parameter :</source>
        <translation>Parameter hinzufügen:</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>INI file may not blank, and remember to add a backslash, it won&apos;t be added automatically</source>
        <translation>Die INI-Datei darf nicht leer sein; denken Sie an den Backslash, er wird nicht automatisch ergänzt</translation>
    </message>
    <message>
        <source>Section may not blank</source>
        <translation>Der Abschnitt darf nicht leer sein</translation>
    </message>
    <message>
        <source>Params are Parameters under the Section of INI file</source>
        <translation>Parameter sind die Einträge im Abschnitt der INI-Datei</translation>
    </message>
    <message>
        <source>Format : /c{clnavy}&lt;parameter&gt;=&lt;value&gt;,&lt;flags&gt; /c{clbtntext}</source>
        <translation>Format : /c{clnavy}&lt;parameter&gt;=&lt;value&gt;,&lt;flags&gt; /c{clbtntext}</translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;parameter&gt; /c{clbtntext}: identifier, eg. PosX</source>
        <translation>/ow{44}/c{clnavy}&lt;parameter&gt; /c{clbtntext}: Bezeichner, z. B. PosX</translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;value&gt; /c{clbtntext}/ow{24}: the value</source>
        <translation>/ow{44}/c{clnavy}&lt;value&gt; /c{clbtntext}/ow{24}: der Wert</translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;flags&gt; /c{clbtntext}/ow{27}: flag, NO_LOG and DONT_OVERWRITE</source>
        <translation>/ow{44}/c{clnavy}&lt;flags&gt; /c{clbtntext}/ow{27}: Flag, NO_LOG und DONT_OVERWRITE</translation>
    </message>
    <message>
        <source>Sample : /c{clnavy}InstallPath=%InstallPath%</source>
        <translation>Beispiel : /c{clnavy}InstallPath=%InstallPath%</translation>
    </message>
    <message>
        <source>%1 may not hold &quot;|&quot;:/#it separates the parts of the INI key.</source>
        <translation>%1 darf kein „|“ enthalten:/#Es trennt die Teile des INI-Schlüssels.</translation>
    </message>
    <message>
        <source>That Section already exist, use edit to modify</source>
        <translation>Dieser Abschnitt ist schon vorhanden; ändern Sie ihn mit Bearbeiten</translation>
    </message>
    <message>
        <source>The list holds %1 sections, the most a project keeps.</source>
        <translation>Die Liste enthält %1 Abschnitte, so viele, wie ein Projekt höchstens aufnimmt.</translation>
    </message>
    <message>
        <source>INI file name</source>
        <translation>Name der INI-Datei</translation>
    </message>
</context>
<context>
    <name>tv::TSystemPage</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  … und %1 weitere</translation>
    </message>
    <message>
        <source>Registry &amp; INI Changes</source>
        <translation>Registrierung &amp; INI-Änderungen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import a .reg file</source>
        <translation>Eine .reg-Datei importieren</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registrierung</translation>
    </message>
    <message>
        <source>INI</source>
        <translation>INI</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Add Key</source>
        <translation>Schlüssel hinzufügen</translation>
    </message>
    <message>
        <source>Edit key</source>
        <translation>Schlüssel bearbeiten</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Schlüssel entfernen</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>The list holds %1 entries, the most a project keeps.</source>
        <translation>Die Liste enthält %1 Einträge, so viele, wie ein Projekt höchstens aufnimmt.</translation>
    </message>
    <message>
        <source>Sure to delete selected key ?</source>
        <translation>Ausgewählten Schlüssel wirklich löschen?</translation>
    </message>
    <message>
        <source>Sure to delete ALL keys ?</source>
        <translation>Wirklich ALLE Schlüssel löschen?</translation>
    </message>
    <message>
        <source>Import registry file</source>
        <translation>Registrierungsdatei importieren</translation>
    </message>
    <message>
        <source>Registry files (*.reg)</source>
        <translation>Registrierungsdateien (*.reg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>These keys are listed already:/#%1/#Merge the imported values into them ?</source>
        <translation>Diese Schlüssel sind schon vorhanden:/#%1/#Die importierten Werte mit ihnen zusammenführen?</translation>
    </message>
    <message>
        <source>Not imported:/#%1</source>
        <translation>Nicht importiert:/#%1</translation>
    </message>
    <message>
        <source>Not added, the list holds %1 keys already:/#%2</source>
        <translation>Nicht hinzugefügt, die Liste enthält schon %1 Schlüssel:/#%2</translation>
    </message>
    <message>
        <source>Not merged, a key holds %1 values at most:/#%2</source>
        <translation>Nicht zusammengeführt, ein Schlüssel enthält höchstens %1 Werte:/#%2</translation>
    </message>
    <message>
        <source>%1 holds no keys.</source>
        <translation>%1 enthält keine Schlüssel.</translation>
    </message>
    <message>
        <source>Cannot open file %1:/#%2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden:/#%2</translation>
    </message>
</context>
<context>
    <name>tv::TSystemRegEdit</name>
    <message>
        <source>Registry Key</source>
        <translation>Registrierungsschlüssel</translation>
    </message>
    <message>
        <source>Reg Add</source>
        <translation>Registrierung</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Params</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Add parameter :</source>
        <translation>Parameter hinzufügen:</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>The name of the key should begins with:</source>
        <translation>Der Name des Schlüssels sollte beginnen mit:</translation>
    </message>
    <message>
        <source>Params are Parameters under Registry Key &quot;Key&quot;,</source>
        <translation>Parameter sind die Werte unter dem Registrierungsschlüssel „Schlüssel“,</translation>
    </message>
    <message>
        <source>Format : /c{clnavy}&lt;parameter&gt;=&lt;value&gt;,&lt;type&gt;,&lt;flags&gt; /c{clbtntext}</source>
        <translation>Format : /c{clnavy}&lt;parameter&gt;=&lt;value&gt;,&lt;type&gt;,&lt;flags&gt; /c{clbtntext}</translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;parameter&gt; /c{clbtntext}: identifier, eg. PosX. It is also posible to use subkeys</source>
        <translation>/ow{44}/c{clnavy}&lt;parameter&gt; /c{clbtntext}: Bezeichner, z. B. PosX. Auch Unterschlüssel sind möglich</translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;value&gt; /c{clbtntext}/ow{24}: the value; if it is a binary parameter, defined using string contain </source>
        <translation>/ow{44}/c{clnavy}&lt;value&gt; /c{clbtntext}/ow{24}: der Wert; ein binärer Wert ist eine Zeichenkette aus </translation>
    </message>
    <message>
        <source>/ow{116} two-digits Hex which represent one-byte</source>
        <translation>/ow{116} zweistelligen Hexzahlen, je eine pro Byte</translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;type&gt; /c{clbtntext}/ow{28}: 0=string (REG_SZ), 1=numeric(REG_DWORD), 2=binary (REG_BINARY)</source>
        <translation>/ow{44}/c{clnavy}&lt;type&gt; /c{clbtntext}/ow{28}: 0=Text (REG_SZ), 1=Zahl (REG_DWORD), 2=binär (REG_BINARY)</translation>
    </message>
    <message>
        <source>/ow{44}/c{clnavy}&lt;flags&gt; /c{clbtntext}/ow{27}: flag, NO_LOG and DONT_OVERWRITE</source>
        <translation>/ow{44}/c{clnavy}&lt;flags&gt; /c{clbtntext}/ow{27}: Flag, NO_LOG und DONT_OVERWRITE</translation>
    </message>
    <message>
        <source>Add registry key</source>
        <translation>Registrierungsschlüssel hinzufügen</translation>
    </message>
    <message>
        <source>Remove registry key</source>
        <translation>Registrierungsschlüssel entfernen</translation>
    </message>
    <message>
        <source>That KEY already exist, use edit to modify</source>
        <translation>Dieser SCHLÜSSEL ist schon vorhanden; ändern Sie ihn mit Bearbeiten</translation>
    </message>
    <message>
        <source>The list holds %1 keys, the most a project keeps.</source>
        <translation>Die Liste enthält %1 Schlüssel, so viele, wie ein Projekt höchstens aufnimmt.</translation>
    </message>
    <message>
        <source>/ow{116} eg: /c{clmaroon}BinData=07 A5 3E 54, 2, DONT_OVERWRITE</source>
        <translation>/ow{116} z. B.: /c{clmaroon}BinData=07 A5 3E 54, 2, DONT_OVERWRITE</translation>
    </message>
    <message>
        <source>Key path</source>
        <translation>Schlüsselpfad</translation>
    </message>
</context>
<context>
    <name>tv::TwzAboutForm</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Internet: </source>
        <translation>Internet: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Support: </source>
        <translation>Support: </translation>
    </message>
    <message>
        <source>Total memory %1: %2</source>
        <translation>Gesamtspeicher %1: %2</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tv::TwzDialog</name>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored,/#please use another one</source>
        <translation>Das Zeichen „%1“ kann nicht gespeichert werden,/#bitte verwenden Sie ein anderes</translation>
    </message>
</context>
<context>
    <name>tv::TwzDialogForm</name>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
</context>
<context>
    <name>tv::TwzWizardTree</name>
    <message>
        <source>current step</source>
        <translation>aktueller Schritt</translation>
    </message>
    <message>
        <source>visited</source>
        <translation>besucht</translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation>Schritte des Assistenten</translation>
    </message>
</context>
</TS>
