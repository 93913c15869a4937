<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>Aucun thread pour interroger le système de fichiers : %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>L'attente du système de fichiers a été abandonnée</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>Le système de fichiers ne répond plus : aucune réponse depuis %1 s</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Aucun fichier &quot;%1&quot; dans &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(et ainsi de suite)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>Avertissement :  Le renommage ne peut pas être annulé !</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>Fichiers renommés :</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>Certains noms de fichiers ne contiennent pas le texte à remplacer.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>Ces fichiers ne seront pas renommés.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le dossier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>Impossible de renommer &quot;%1&quot; : &quot;%2&quot; a été pris entre-temps par un autre programme</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>Impossible de renommer &quot;%1&quot; : &quot;%2&quot; existe déjà</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>Impossible de renommer en &quot;%1&quot; : &quot;%2&quot; : %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>Impossible d'écrire le dossier &quot;%1&quot; sur le disque : %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>Ce n'est pas un chemin de lecteur : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>Le lecteur %1 n'existe pas</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>Le système de fichiers de &quot;%1&quot; ne répond plus</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>Impossible d'interroger le dossier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>Impossible d'ouvrir le dossier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>Ce n'est pas un nom de fichier : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>Nom de fichier non valide &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>Le nom de fichier n'est pas un texte valide : &quot;%1&quot;</translation>
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
        <translation>Tous les fichiers ont été renommés, mais le dossier n'a pas pu être écrit sur le disque.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>Nouveau nom : %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison : %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>Les noms prévus ne correspondent pas à la sélection</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>Le dossier affiché ne se trouve plus à son emplacement</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>La liste ne peut pas afficher ce nom : &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n sélectionné</numerusform>
            <numerusform>%n sélectionnés</numerusform>
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
        <translation>Renommage des fichiers...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>Certains fichiers n'ont pas été renommés !</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - Erreur</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>Le renommage des fichiers est terminé.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - Succès</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>Brindlewick ne modifie pas les fichiers système connus !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>Ajouter au &amp;début</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>Ajouter à la &amp;fin</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;Remplacer le texte</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>Texte à ajouter :</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>Lecteurs et dossiers</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>Tout &amp;désélectionner</translation>
    </message>
</context>
</TS>
