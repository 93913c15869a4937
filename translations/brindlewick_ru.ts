<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>Нет потока для обращения к файловой системе: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>Ожидание файловой системы прервано</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>Файловая система перестала отвечать: нет ответа в течение %1 с</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Нет файла &quot;%1&quot; в &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(и так далее)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>Внимание:  Отменить это действие будет невозможно!</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>Новые имена файлов:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Продолжить?</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>Некоторые файлы не содержат заменяемого текста.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>Эти файлы не будут переименованы.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать папку &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>Не удаётся переименовать &quot;%1&quot;: имя &quot;%2&quot; тем временем заняла другая программа</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>Не удаётся переименовать &quot;%1&quot;: &quot;%2&quot; уже существует</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>Не удаётся переименовать в &quot;%1&quot;: &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать папку &quot;%1&quot; на диск: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>Это не путь к диску: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>Нет диска %1</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>Файловая система &quot;%1&quot; перестала отвечать</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>Не удаётся опросить папку &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть папку &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>Это не имя файла: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>Недопустимое имя файла &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>Имя файла не является допустимым текстом: &quot;%1&quot;</translation>
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
        <translation>Все файлы переименованы, но записать папку на диск не удалось.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Файл: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>Новое имя: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Причина: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>Запланированные изменения не соответствуют выделению</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>Показанной папки больше нет по прежнему пути</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>Этого имени нет в списке: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>выбран %n</numerusform>
            <numerusform>выбрано %n</numerusform>
            <numerusform>выбрано %n</numerusform>
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
        <translation>Переименование файлов...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>Переименованы не все файлы!</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - Ошибка</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>Переименование файлов завершено.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - Успешно</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>Brindlewick не изменяет известные системные файлы!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>Добавить в &amp;начало</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>Добавить в &amp;конец</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;Заменить текст</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;Учитывать регистр</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>Добавляемый текст:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Заменить на:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>Что заменить:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>Диски и папки</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;все</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>&amp;Снять выделение</translation>
    </message>
</context>
</TS>
