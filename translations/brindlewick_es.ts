<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>No hay ningún hilo para consultar el sistema de archivos: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>Se abandonó la espera al sistema de archivos</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>El sistema de archivos dejó de responder: sin respuesta durante %1 s</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>No existe el archivo &quot;%1&quot; en &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(etcétera)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>Advertencia:  ¡No se puede deshacer!</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>Archivos renombrados:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>¿Desea continuar?</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>Algunos archivos no contenían el texto que se iba a sustituir.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>Esos archivos no se renombrarán.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>No se puede leer la carpeta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>No se puede renombrar &quot;%1&quot;: otro programa ha ocupado &quot;%2&quot; mientras tanto</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>No se puede renombrar &quot;%1&quot;: &quot;%2&quot; ya existe</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>No se puede renombrar a &quot;%1&quot;: &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>No se puede escribir en el disco la carpeta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>No es la ruta de una unidad: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>No existe la unidad %1</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>El sistema de archivos de &quot;%1&quot; dejó de responder</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>No se puede consultar la carpeta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>No se puede abrir la carpeta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>No es un nombre de archivo: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>Nombre de archivo no válido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>El nombre de archivo no es un texto válido: &quot;%1&quot;</translation>
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
        <translation>Se renombraron todos los archivos, pero la carpeta no se pudo escribir en el disco.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>Nombre nuevo: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>Los nombres previstos no coinciden con la selección</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>La carpeta mostrada ya no está en su ruta</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>No es un nombre que muestre la lista: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n seleccionado</numerusform>
            <numerusform>%n seleccionados</numerusform>
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
        <translation>Renombrando archivos...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>¡No se renombraron todos los archivos!</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - Error</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>Se completó el cambio de nombre de los archivos.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - Éxito</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>¡Brindlewick no modifica los archivos de sistema conocidos!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>Añadir al &amp;principio</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>Añadir al &amp;final</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;Sustituir texto</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>Texto a añadir:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Sustituir por:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>Texto a sustituir:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>Unidades y carpetas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>&amp;Deseleccionar todo</translation>
    </message>
</context>
</TS>
