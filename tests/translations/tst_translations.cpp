// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped translations against the code: every text the code holds is in every language,
// finished, with the same place markers and access key as the English.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

class TranslationsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyTextFinished_data();
    void everyTextFinished();

private:
    QTemporaryDir work_;
    QString fromCode_;
};

namespace
{

struct Message {
    QString key; // context, source and comment
    QString source;
    QStringList translations; // one per plural form
    bool finished = false;
};

QList<Message> messagesOf(const QString &file)
{
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&ts);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == "name"_L1) {
            context = xml.readElementText();
            continue;
        }
        if (xml.name() != "message"_L1)
            continue;
        const bool numerus = xml.attributes().value("numerus"_L1) == "yes"_L1;
        Message message;
        QString comment;
        while (xml.readNextStartElement()) {
            if (xml.name() == "source"_L1) {
                message.source = xml.readElementText();
            } else if (xml.name() == "comment"_L1) {
                comment = xml.readElementText();
            } else if (xml.name() == "translation"_L1) {
                message.finished = xml.attributes().value("type"_L1).isEmpty();
                if (!numerus)
                    message.translations.append(xml.readElementText());
                while (numerus && xml.readNextStartElement())
                    message.translations.append(xml.readElementText());
            } else {
                xml.skipCurrentElement();
            }
        }
        message.key = context + u'|' + message.source + u'|' + comment;
        messages.append(message);
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QStringList placeMarkers(const QString &text)
{
    static const QRegularExpression marker(u"%(\\d|n)"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

int accessKeys(const QString &text)
{
    return int(text.count(u'&') - 2 * text.count(u"&&"_s));
}

} // namespace

void TranslationsTest::initTestCase()
{
    // What the code holds today, read by the same tool that refreshes the shipped files.
    QVERIFY(work_.isValid());
    fromCode_ = work_.filePath(u"code_en.ts"_s);
    QStringList arguments = u"" BRINDLEWICK_TRANSLATED_SOURCES ""_s.split(u'|', Qt::SkipEmptyParts);
    for (const QString &include : u"" BRINDLEWICK_TRANSLATED_INCLUDES ""_s.split(u'|'))
        arguments.append(u"-I"_s + include);
    arguments << u"-no-obsolete"_s << u"-locations"_s << u"none"_s << u"-ts"_s << fromCode_;
    QProcess lupdate;
    lupdate.start(u"" BRINDLEWICK_LUPDATE ""_s, arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    QVERIFY(messagesOf(fromCode_).size() > 40);
}

void TranslationsTest::everyTextFinished_data()
{
    QTest::addColumn<QString>("file");
    const QDir shipped(u"" BRINDLEWICK_TRANSLATIONS_DIR ""_s);
    const QStringList files = shipped.entryList({u"brindlewick_*.ts"_s}, QDir::Files);
    QVERIFY(files.size() >= 11);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << shipped.filePath(file);
}

void TranslationsTest::everyTextFinished()
{
    QFETCH(QString, file);
    // English is the language of the code: its file holds only the plural forms.
    const bool english = file.endsWith(u"_en.ts"_s);
    QHash<QString, Message> translated;
    for (const Message &message : messagesOf(file))
        translated.insert(message.key, message);
    QVERIFY(!translated.isEmpty());

    for (const Message &wanted : messagesOf(fromCode_)) {
        const bool plural = wanted.source.contains(u"%n"_s);
        if (english && !plural)
            continue;
        const QString where = wanted.key + u": "_s;
        const auto found = translated.constFind(wanted.key);
        QVERIFY2(found != translated.cend(), qPrintable(where + u"missing"_s));
        QVERIFY2(found->finished, qPrintable(where + u"unfinished"_s));
        QVERIFY2(!found->translations.isEmpty(), qPrintable(where + u"empty"_s));
        for (const QString &translation : found->translations) {
            const QString said = where + translation;
            QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(said));
            // %n may go unsaid in a form for one thing only ("one file").
            QStringList markers = placeMarkers(translation);
            if (plural && !markers.contains(u"%n"_s))
                markers.append(u"%n"_s), markers.sort();
            QVERIFY2(markers == placeMarkers(wanted.source), qPrintable(said));
            QVERIFY2(accessKeys(translation) == accessKeys(wanted.source), qPrintable(said));
        }
    }
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
