<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>ファイルシステムに問い合わせるためのスレッドがありません: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>ファイルシステムの応答待ちを中止しました</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>ファイルシステムが応答しなくなりました: %1 秒間応答がありません</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>&quot;%2&quot; にファイル &quot;%1&quot; がありません</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(以下省略)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>警告:  この操作は元に戻せません！</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>変更後のファイル名:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>続行しますか？</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>置換する文字列を含まないファイルがあります。</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>それらのファイルの名前は変更されません。</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>フォルダー &quot;%1&quot; を読み取れません: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>&quot;%1&quot; の名前を変更できません: その間に別のプログラムが &quot;%2&quot; という名前を使用しました</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>&quot;%1&quot; の名前を変更できません: &quot;%2&quot; は既に存在します</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>&quot;%2&quot; の名前を &quot;%1&quot; に変更できません: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>フォルダー &quot;%1&quot; をディスクに書き出せません: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>ドライブのパスではありません: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>ドライブ %1 がありません</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>&quot;%1&quot; のファイルシステムが応答しなくなりました</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>フォルダー &quot;%1&quot; に問い合わせできません: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>フォルダー &quot;%1&quot; を開けません: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>ファイル名ではありません: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>ファイル名 &quot;%1&quot; は無効です</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>ファイル名が有効なテキストではありません: &quot;%1&quot;</translation>
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
        <translation>すべてのファイルの名前を変更しましたが、フォルダーをディスクに書き出せませんでした。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>新しい名前: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>変更予定が選択内容と一致しません</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>一覧表示したフォルダーが元のパスにありません</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>一覧に表示される名前ではありません: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 個を選択</numerusform>
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
        <translation>ファイル名の変更...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>名前を変更できなかったファイルがあります！</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - エラー</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>ファイル名の変更が完了しました。</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - 成功</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>Brindlewick は既知のシステムファイルを編集しません！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>先頭に追加(&amp;B)</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>末尾に追加(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>文字列を置換(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>大文字小文字を区別(&amp;C)</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>追加する文字列:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>置換後の文字列:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>置換する文字列:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>ドライブとフォルダー</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>選択をすべて解除(&amp;D)</translation>
    </message>
</context>
</TS>
