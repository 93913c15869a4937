<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>Nessun thread con cui interrogare il file system: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>L'attesa del file system è stata abbandonata</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>Il file system ha smesso di rispondere: nessuna risposta da %1 s</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Nessun file &quot;%1&quot; in &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(eccetera)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>Attenzione:  L'operazione non può essere annullata!</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>File rinominati:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Continuare?</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>Alcuni file non contenevano il testo da sostituire.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>Tali file non verranno rinominati.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere la cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>Impossibile rinominare &quot;%1&quot;: nel frattempo &quot;%2&quot; è stato occupato da un altro programma</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>Impossibile rinominare &quot;%1&quot;: &quot;%2&quot; esiste già</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>Impossibile rinominare in &quot;%1&quot;: &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere su disco la cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>Non è il percorso di un'unità: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>L'unità %1 non esiste</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>Il file system di &quot;%1&quot; ha smesso di rispondere</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>Impossibile interrogare la cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire la cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>Non è un nome di file: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>Nome di file non valido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>Il nome del file non è un testo valido: &quot;%1&quot;</translation>
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
        <translation>Tutti i file sono stati rinominati, ma non è stato possibile scrivere la cartella su disco.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>Nuovo nome: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>I nomi previsti non corrispondono alla selezione</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>La cartella elencata non si trova più nel suo percorso</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>Non è un nome che l'elenco mostra: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n selezionato</numerusform>
            <numerusform>%n selezionati</numerusform>
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
        <translation>Rinomina dei file...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>Non tutti i file sono stati rinominati!</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - Errore</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>Rinomina dei file completata.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - Operazione riuscita</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>Brindlewick non modifica i file di sistema noti!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>Aggiungi all'&amp;inizio</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>Aggiungi alla &amp;fine</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;Sostituisci testo</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>Testo da aggiungere:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Sostituisci con:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>Testo cercato:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>Unità e cartelle</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
</context>
</TS>
