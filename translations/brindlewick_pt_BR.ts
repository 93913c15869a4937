<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>Nenhuma thread para consultar o sistema de arquivos: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>A espera pelo sistema de arquivos foi abandonada</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>O sistema de arquivos parou de responder: sem resposta há %1 s</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Nenhum arquivo &quot;%1&quot; em &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(e assim por diante)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>Aviso:  Não é possível desfazer!</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>Arquivos renomeados:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Deseja continuar?</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>Alguns arquivos não continham o texto a ser substituído.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>Esses arquivos não serão renomeados.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>Não é possível ler a pasta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>Não é possível renomear &quot;%1&quot;: &quot;%2&quot; foi ocupado por outro programa nesse meio-tempo</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>Não é possível renomear &quot;%1&quot;: &quot;%2&quot; já existe</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>Não é possível renomear para &quot;%1&quot;: &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>Não é possível gravar no disco a pasta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>Não é o caminho de uma unidade: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>A unidade %1 não existe</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>O sistema de arquivos de &quot;%1&quot; parou de responder</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>Não é possível consultar a pasta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>Não é possível abrir a pasta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>Não é um nome de arquivo: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>Nome de arquivo inválido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>O nome do arquivo não é um texto válido: &quot;%1&quot;</translation>
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
        <translation>Todos os arquivos foram renomeados, mas não foi possível gravar a pasta no disco.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>Novo nome: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>Os nomes previstos não correspondem à seleção</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>A pasta listada não está mais em seu caminho</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>Não é um nome que a lista exibe: &quot;%1&quot;</translation>
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
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n selecionado</numerusform>
            <numerusform>%n selecionados</numerusform>
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
        <translation>Renomeando arquivos...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>Nem todos os arquivos foram renomeados!</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - Erro</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>Renomeação dos arquivos concluída.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - Sucesso</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>O Brindlewick não altera arquivos de sistema conhecidos!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>&amp;Adicionar ao início</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>Adicionar ao &amp;final</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;Substituir texto</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>Distinguir &amp;maiúsculas</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>Texto a adicionar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Substituir por:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>Texto a substituir:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>Unidades e pastas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>&amp;Desmarcar tudo</translation>
    </message>
</context>
</TS>
