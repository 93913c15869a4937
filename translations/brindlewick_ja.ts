<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenameRun</name>
    <message>
        <source>Every file was renamed, but the folder could not be flushed to disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brindlewick::frmMain</name>
    <message>
        <source>Brindlewick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renaming Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
