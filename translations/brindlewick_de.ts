<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>Kein Thread für die Abfrage des Dateisystems: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>Das Warten auf das Dateisystem wurde aufgegeben</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>Das Dateisystem antwortet nicht mehr: seit %1 s keine Antwort</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Keine Datei &quot;%1&quot; in &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(und so weiter)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>Warnung:  Das Umbenennen kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>Umbenannte Dateien:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>Einige Dateinamen enthalten den zu ersetzenden Text nicht.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>Diese Dateien werden nicht umbenannt.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>Ordner &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>&quot;%1&quot; kann nicht umbenannt werden: &quot;%2&quot; wurde inzwischen von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>&quot;%1&quot; kann nicht umbenannt werden: &quot;%2&quot; existiert bereits</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>Umbenennen in &quot;%1&quot; nicht möglich: &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>Ordner &quot;%1&quot; kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>Kein Laufwerkspfad: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>Laufwerk %1 existiert nicht</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>Das Dateisystem von &quot;%1&quot; antwortet nicht mehr</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>Ordner &quot;%1&quot; kann nicht abgefragt werden: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>Ordner &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>Kein Dateiname: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>Ungültiger Dateiname &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>Der Dateiname ist kein gültiger Text: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RenameRun</name>
    <message>
        <source>Every file was renamed, but the folder could not be flushed to disk.</source>
        <translation>Alle Dateien wurden umbenannt, aber der Ordner konnte nicht auf den Datenträger geschrieben werden.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>Neuer Name: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>Die geplanten Namen passen nicht zur Auswahl</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>Der angezeigte Ordner befindet sich nicht mehr an seinem Pfad</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>Diesen Namen kann die Liste nicht anzeigen: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n ausgewählt</numerusform>
            <numerusform>%n ausgewählt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brindlewick::frmMain</name>
    <message>
        <source>Brindlewick</source>
        <translation>Brindlewick</translation>
    </message>
    <message>
        <source>Renaming Files...</source>
        <translation>Dateien umbenennen...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>Nicht alle Dateien wurden umbenannt!</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - Fehler</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>Das Umbenennen der Dateien ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - Erfolg</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>Brindlewick bearbeitet keine bekannten Systemdateien!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>Am &amp;Anfang anfügen</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>Am &amp;Ende anfügen</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;Text ersetzen</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>Anzufügender Text:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>Laufwerke und Ordner</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
</context>
</TS>
