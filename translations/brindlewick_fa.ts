<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>AnswerWait</name>
    <message>
        <source>No thread to ask the file system on: %1</source>
        <translation>رشته‌ای برای پرس‌وجو از سیستم فایل در دسترس نیست: %1</translation>
    </message>
    <message>
        <source>The wait for the file system was given up</source>
        <translation>از انتظار برای سیستم فایل صرف‌نظر شد</translation>
    </message>
    <message>
        <source>The file system stopped answering: no answer for %1 s</source>
        <translation>سیستم فایل دیگر پاسخ نمی‌دهد: %1 ثانیه بدون پاسخ</translation>
    </message>
</context>
<context>
    <name>FileSystemObject</name>
    <message>
        <source>No file &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>فایل &quot;%1&quot; در &quot;%2&quot; وجود ندارد</translation>
    </message>
</context>
<context>
    <name>NameBuilders</name>
    <message>
        <source>(etcetera)</source>
        <translation>(و غیره)</translation>
    </message>
    <message>
        <source>Warning:  There is no undo!</source>
        <translation>هشدار:  این کار قابل بازگشت نیست!</translation>
    </message>
    <message>
        <source>Renamed Files:</source>
        <translation>فایل‌های تغییرنام‌یافته:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>آیا می‌خواهید ادامه دهید؟</translation>
    </message>
    <message>
        <source>Some files did not contain the string to be replaced.</source>
        <translation>نام برخی از فایل‌ها متنی را که باید جایگزین شود نداشت.</translation>
    </message>
    <message>
        <source>Those files will not be renamed.</source>
        <translation>نام این فایل‌ها تغییر نخواهد کرد.</translation>
    </message>
</context>
<context>
    <name>PosixPlatform</name>
    <message>
        <source>Cannot read folder &quot;%1&quot;: %2</source>
        <translation>نمی‌توان پوشهٔ &quot;%1&quot; را خواند: %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; was taken by another program meanwhile</source>
        <translation>نمی‌توان نام &quot;%1&quot; را تغییر داد: &quot;%2&quot; در این فاصله توسط برنامهٔ دیگری اشغال شد</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;: &quot;%2&quot; already exists</source>
        <translation>نمی‌توان نام &quot;%1&quot; را تغییر داد: &quot;%2&quot; از قبل وجود دارد</translation>
    </message>
    <message>
        <source>Cannot rename to &quot;%1&quot;: &quot;%2&quot;: %3</source>
        <translation>نمی‌توان نام را به &quot;%1&quot; تغییر داد: &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Cannot flush folder &quot;%1&quot;: %2</source>
        <translation>نمی‌توان پوشهٔ &quot;%1&quot; را روی دیسک ثبت کرد: %2</translation>
    </message>
    <message>
        <source>Not a drive path: &quot;%1&quot;</source>
        <translation>این مسیر درایو نیست: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No drive %1</source>
        <translation>درایو %1 وجود ندارد</translation>
    </message>
    <message>
        <source>The file system of &quot;%1&quot; stopped answering</source>
        <translation>سیستم فایل &quot;%1&quot; دیگر پاسخ نمی‌دهد</translation>
    </message>
    <message>
        <source>Cannot ask folder &quot;%1&quot;: %2</source>
        <translation>نمی‌توان از پوشهٔ &quot;%1&quot; پرس‌وجو کرد: %2</translation>
    </message>
    <message>
        <source>Cannot open folder &quot;%1&quot;: %2</source>
        <translation>نمی‌توان پوشهٔ &quot;%1&quot; را باز کرد: %2</translation>
    </message>
    <message>
        <source>Not a file name: &quot;%1&quot;</source>
        <translation>این یک نام فایل نیست: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid file name &quot;%1&quot;</source>
        <translation>نام فایل &quot;%1&quot; نامعتبر است</translation>
    </message>
    <message>
        <source>File name is not valid text: &quot;%1&quot;</source>
        <translation>نام فایل متن معتبری نیست: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RenameRun</name>
    <message>
        <source>Every file was renamed, but the folder could not be flushed to disk.</source>
        <translation>نام همهٔ فایل‌ها تغییر کرد، اما ثبت پوشه روی دیسک ممکن نشد.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>فایل: %1</translation>
    </message>
    <message>
        <source>New name: %1</source>
        <translation>نام جدید: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>علت: %1</translation>
    </message>
    <message>
        <source>The plan does not match the selection</source>
        <translation>طرح تغییر نام با فایل‌های انتخاب‌شده مطابقت ندارد</translation>
    </message>
    <message>
        <source>The listed folder is no longer at its path</source>
        <translation>پوشهٔ فهرست‌شده دیگر در مسیر خود نیست</translation>
    </message>
    <message>
        <source>Not a name the list shows: &quot;%1&quot;</source>
        <translation>این نام در فهرست نیست: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>brindlewick::ReportList</name>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files, then how many are selected</comment>
        <translation>%1، %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n فایل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n انتخاب‌شده</numerusform>
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
        <translation>تغییر نام فایل‌ها...</translation>
    </message>
    <message>
        <source>Not all files were renamed!</source>
        <translation>نام همهٔ فایل‌ها تغییر نکرد!</translation>
    </message>
    <message>
        <source>Brindlewick - Error</source>
        <translation>Brindlewick - خطا</translation>
    </message>
    <message>
        <source>File renaming complete.</source>
        <translation>تغییر نام فایل‌ها به پایان رسید.</translation>
    </message>
    <message>
        <source>Brindlewick - Success</source>
        <translation>Brindlewick - موفقیت</translation>
    </message>
    <message>
        <source>Brindlewick will not edit known system files!</source>
        <translation>برنامهٔ Brindlewick فایل‌های سیستمی شناخته‌شده را ویرایش نمی‌کند!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>Attach to &amp;Beginning</source>
        <translation>افزودن به &amp;ابتدا</translation>
    </message>
    <message>
        <source>Attach to &amp;End</source>
        <translation>افزودن به &amp;پایان</translation>
    </message>
    <message>
        <source>&amp;Replace Text</source>
        <translation>&amp;جایگزینی متن</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;تمایز حروف کوچک و بزرگ</translation>
    </message>
    <message>
        <source>Text to add:</source>
        <translation>متن افزودنی:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>جایگزینی با:</translation>
    </message>
    <message>
        <source>Text to replace:</source>
        <translation>متن مورد جایگزینی:</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>تغییر نام فایل‌ها</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>فایل‌ها</translation>
    </message>
    <message>
        <source>Drives and folders</source>
        <translation>درایوها و پوشه‌ها</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>پیشرفت</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>انتخاب &amp;همه</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>&amp;لغو انتخاب همه</translation>
    </message>
</context>
</TS>
