// The program's languages: every text of every language translated, with the same
// placeholders, line breaks and menu keys as the English; and the language chosen by
// the locale, the English texts kept exactly for C and for languages not translated.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdlib>
#include <functional>
#include <map>
#include <set>

#include "ChildProcess.h"
#include "QtPrinting.h"
#include "app/QuorvixWindows.h"
#include "app/Translations.h"

namespace {

struct Message {
    QString context, source, translation;
    bool unfinished = false;
};

std::vector<Message> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") messages.push_back({context, {}, {}});
        if (xml.name() == u"source") messages.back().source = xml.readElementText();
        if (xml.name() == u"translation") {
            messages.back().unfinished = xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ":" << xml.lineNumber() << ": " << xml.errorString().toStdString();
    return messages;
}

std::multiset<QString> Placeholders(const QString& text) {
    std::multiset<QString> found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text)) found.insert(match.captured());
    return found;
}

// A menu key: "&" before a letter, not "&&" and not an HTML entity ("&rarr;").
bool HasMenuKey(const QString& text) {
    return QRegularExpression(QStringLiteral("(^|[^&])&(?![a-z]+;)\\w"), QRegularExpression::UseUnicodePropertiesOption).match(text).hasMatch();
}

using Environment = std::vector<std::pair<const char*, const char*>>;

// Runs `read` on the game's windows under a locale, in a child process of its own (the
// system's locale is read once a process), in a scratch home and folder; returns the
// child's failure, or "" with what `read` gave in `answer`.
std::string UnderLocale(const Environment& environment, const std::function<QString(QuorvixWindows&)>& read,
                        QString& answer) {
    QTemporaryDir home;
    const std::string result = RunInChild([&]() -> std::string {
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
        for (const auto& [name, value] : environment) setenv(name, value, 1);
        setenv("HOME", home.path().toLocal8Bit().constData(), 1);
        setenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
        setenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit().constData(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (!QDir::setCurrent(home.path())) return "cannot enter the scratch folder";
        int argc = 1;
        char name[] = "translations_tests";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        InstallTranslations(app);
        QuorvixWindows windows(QStringLiteral(QUORVIX_SOURCE_DIR));
        // Marked, so that the answer is not taken for a failure.
        return "answer:" + read(windows).toStdString();
    });
    if (result.rfind("answer:", 0) != 0) return result;
    answer = QString::fromStdString(result.substr(7));
    return "";
}

QString FirstMenu(QuorvixWindows& windows) { return windows.form1.menuBar()->actions().at(0)->text(); }

// Every text the windows show or name for screen readers, a line each:
// "window/object/kind", a tab, the text.
QString WindowTexts(QuorvixWindows& windows) {
    QStringList lines;
    // Objects without a name are told apart by their place among their window's.
    const auto add = [&](QWidget* window, QObject* object, const QString& kind, const QString& text) {
        const QString name = object->objectName().isEmpty()
                                 ? QStringLiteral("#%1").arg(window->findChildren<QObject*>().indexOf(object))
                                 : object->objectName();
        if (!text.trimmed().isEmpty())
            lines << window->objectName() + QLatin1Char('/') + name + QLatin1Char('/') + kind + QLatin1Char('\t') + text;
    };
    for (QWidget* window : std::initializer_list<QWidget*>{&windows.form1, &windows.form2, &windows.form3, &windows.form4,
                                                            &windows.about, &windows.help}) {
        add(window, window, QStringLiteral("title"), window->windowTitle());
        for (QWidget* widget : window->findChildren<QWidget*>()) add(window, widget, QStringLiteral("name"), widget->accessibleName());
        for (QLabel* label : window->findChildren<QLabel*>()) add(window, label, QStringLiteral("text"), label->text());
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) add(window, button, QStringLiteral("text"), button->text());
        for (QGroupBox* box : window->findChildren<QGroupBox*>()) add(window, box, QStringLiteral("title"), box->title());
        for (QAction* action : window->findChildren<QAction*>()) add(window, action, QStringLiteral("action"), action->text());
    }
    return lines.join(QLatin1Char('\n'));
}

std::map<QString, QString> ByPlace(const QString& lines) {
    std::map<QString, QString> texts;
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        texts[line.left(tab)] = line.mid(tab + 1);
    }
    return texts;
}

}  // namespace

// A text left out of the translations shows in English in every language: compared
// with the English windows, nothing of the Polish ones may be the same, but names,
// numbers and "OK".
TEST(Translations, NoWindowTextLeftInEnglish) {
    QString englishLines, polishLines;
    ASSERT_EQ(UnderLocale({}, WindowTexts, englishLines), "");
    ASSERT_EQ(UnderLocale({{"LANGUAGE", "pl"}}, WindowTexts, polishLines), "");
    const std::map<QString, QString> english = ByPlace(englishLines), polish = ByPlace(polishLines);
    ASSERT_GT(english.size(), 100u);
    const QRegularExpression same(QStringLiteral("^(OK|Quorvix|Quorvix: animals|none|\\W*\\d*\\W*)$"));
    QStringList untranslated;
    for (const auto& [where, text] : english)
        if (polish.count(where) && polish.at(where) == text && !same.match(text).hasMatch())
            untranslated << where + QLatin1Char(' ') + text;
    EXPECT_EQ(untranslated, QStringList());
}

TEST(Translations, EveryTextTranslatedWithItsPlaceholdersLineBreaksAndKeys) {
    const std::vector<Message> english = ReadTs(QStringLiteral(QUORVIX_SOURCE_DIR "/translations/quorvix_de.ts"));
    ASSERT_GE(english.size(), 90u);
    for (const char* language : {"de", "fr", "es", "it", "pl"}) {
        const std::vector<Message> messages =
            ReadTs(QStringLiteral(QUORVIX_SOURCE_DIR "/translations/quorvix_%1.ts").arg(QLatin1String(language)));
        EXPECT_EQ(messages.size(), english.size()) << language;
        for (const Message& m : messages) {
            const std::string where = std::string(language) + " " + m.context.toStdString() + ": " + m.source.left(60).toStdString();
            EXPECT_FALSE(m.unfinished) << where;
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << where;
            EXPECT_EQ(m.translation.startsWith(QLatin1Char('\n')), m.source.startsWith(QLatin1Char('\n'))) << where;
            EXPECT_EQ(m.translation.count(QLatin1Char('\n')) > 0, m.source.count(QLatin1Char('\n')) > 0) << where;
            EXPECT_EQ(HasMenuKey(m.translation), HasMenuKey(m.source)) << where;
        }
    }
}

TEST(Translations, ChosenByTheLocale) {
    struct Case {
        Environment environment;
        const char* firstMenu;
    };
    const Case cases[] = {
        {{}, "&Game"},
        {{{"LANG", "C"}}, "&Game"},
        {{{"LANGUAGE", "de"}}, "&Spiel"},
        {{{"LANG", "fr_FR.UTF-8"}}, "&Jeu"},
        {{{"LC_ALL", "es_ES.UTF-8"}}, "&Juego"},
        {{{"LANG", "it_IT.UTF-8"}}, "&Gioco"},
        {{{"LANGUAGE", "pl:de"}}, "&Gra"},
        {{{"LANG", "en_GB.UTF-8"}}, "&Game"},
        {{{"LANGUAGE", "sv"}}, "&Game"},  // not translated: English
    };
    for (const Case& c : cases) {
        QString title;
        EXPECT_EQ(UnderLocale(c.environment, FirstMenu, title), "") << c.firstMenu;
        EXPECT_EQ(title, QString::fromUtf8(c.firstMenu)) << (c.environment.empty() ? "" : c.environment[0].second);
    }
}
