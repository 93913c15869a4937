<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>Brak wątku do odpytania systemu plików: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>Zrezygnowano z czekania na system plików</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>System plików przestał odpowiadać: brak odpowiedzi od %1 s</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Brak pliku &quot;%1&quot; w &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(i tak dalej)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>Uwaga:  Tej operacji nie można cofnąć!</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>Nowe nazwy plików:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>Niektóre pliki nie zawierają tekstu do zamiany.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>Nazwy tych plików nie zostaną zmienione.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać folderu &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>Nie można zmienić nazwy &quot;%1&quot;: w międzyczasie inny program zajął nazwę &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>Nie można zmienić nazwy &quot;%1&quot;: &quot;%2&quot; już istnieje</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>Nie można zmienić nazwy na &quot;%1&quot;: &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać folderu &quot;%1&quot; na dysku: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>To nie jest ścieżka dysku: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>Brak dysku %1</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>System plików &quot;%1&quot; przestał odpowiadać</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>Nie można odpytać folderu &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć folderu &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>To nie jest nazwa pliku: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>Nieprawidłowa nazwa pliku &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>Nazwa pliku nie jest prawidłowym tekstem: &quot;%1&quot;</translation>
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
        <translation>Nazwy wszystkich plików zostały zmienione, ale nie udało się zapisać folderu na dysku.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>Nowa nazwa: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Przyczyna: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>Zaplanowane zmiany nie odpowiadają zaznaczeniu</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>Wyświetlany folder nie znajduje się już w swojej lokalizacji</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>Tej nazwy nie ma na liście: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n zaznaczony</numerusform>
            <numerusform>%n zaznaczone</numerusform>
            <numerusform>%n zaznaczonych</numerusform>
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
        <translation>Zmiana nazw plików...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>Nazwy nie wszystkich plików zostały zmienione!</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - Błąd</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>Zmiana nazw plików zakończona.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - Sukces</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>Brindlewick nie zmienia znanych plików systemowych!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>Dodaj na &amp;początku</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>Dodaj na &amp;końcu</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;Zamień tekst</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;Wielkość liter</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>Tekst do dodania:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Zamień na:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>Tekst do zamiany:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Zmień nazwy</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>Dyski i foldery</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>&amp;Odznacz wszystko</translation>
    </message>
</context>
</TS>
