<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>没有用于查询文件系统的线程：%1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>已放弃等待文件系统</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>文件系统已停止响应：%1 秒内无响应</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>&quot;%2&quot; 中没有文件 &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>（其余从略）</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>警告：  此操作无法撤销！</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>重命名后的文件：</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>是否继续？</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>部分文件不包含要替换的文本。</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>这些文件将不会被重命名。</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>无法读取文件夹 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>无法重命名 &quot;%1&quot;：在此期间 &quot;%2&quot; 已被其他程序占用</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>无法重命名 &quot;%1&quot;：&quot;%2&quot; 已存在</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>无法将 &quot;%2&quot; 重命名为 &quot;%1&quot;：%3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>无法将文件夹 &quot;%1&quot; 写入磁盘：%2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>不是驱动器路径：&quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>驱动器 %1 不存在</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>&quot;%1&quot; 的文件系统已停止响应</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>无法查询文件夹 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>无法打开文件夹 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>不是文件名：&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>无效的文件名 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>文件名不是有效的文本：&quot;%1&quot;</translation>
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
        <translation>所有文件均已重命名，但无法将文件夹写入磁盘。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>新名称：%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>重命名计划与所选内容不符</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>列出的文件夹已不在原路径</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>不是列表中显示的名称：&quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>已选择 %n 个</numerusform>
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
        <translation>重命名文件...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>并非所有文件都已重命名！</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - 错误</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>文件重命名完成。</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - 成功</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>Brindlewick 不会编辑已知的系统文件！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>添加到开头(&amp;B)</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>添加到末尾(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>替换文本(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>要添加的文本：</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>替换为：</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>要替换的文本：</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>重命名文件</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>驱动器和文件夹</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>取消全选(&amp;D)</translation>
    </message>
</context>
</TS>
