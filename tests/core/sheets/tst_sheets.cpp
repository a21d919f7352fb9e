// A class's sheets with no window: pupil i gets series S + i − 1 and that series' data;
// the key's answers are those the corrected sheet of that series prints, read back from
// its text; the pupils read from a number, a list of names or a CSV column.

#include "core/numbers.h"
#include "core/sheets/sheets.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
namespace sheets = core::sheets;

namespace {

core::Exercise shipped(const QString& name) {
    const auto read = core::readExerciseFile(QStringLiteral(QT_TESTCASE_SOURCEDIR) +
                                             u"/../data/exercices/"_s + name);
    if (!read.value)
        qFatal("%s: %s", qPrintable(name), qPrintable(core::exerciseFault(read.error)));
    return *read.value;
}

// The answers as the corrected sheet of series n prints them, "Réponse : …" lines.
QStringList printedAnswers(const core::Exercise& e, quint32 n) {
    QStringList answers;
    const QString text = core::correctedSheet(core::withNewData(e, n), n);
    static const QRegularExpression line(u"^   Réponse : (.*)$"_s,
                                         QRegularExpression::MultilineOption);
    for (auto m = line.globalMatch(text); m.hasNext();) answers << m.next().captured(1);
    return answers;
}

}  // namespace

class SheetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void seriesAndAnswers_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("pupils");
        QTest::addColumn<quint32>("first");
        QTest::newRow("un exercice, trois élèves")
            << QStringList{u"01-controles-de-vitesse.json"_s}
            << QStringList{u"Alice"_s, u"Bruno"_s, u"Chloé"_s} << quint32(7);
        QTest::newRow("deux exercices, à partir de 1")
            << QStringList{u"03-pointures.json"_s, u"06-tailles-classes-inegales.json"_s}
            << sheets::numberedPupils(2) << quint32(1);
        QTest::newRow("deux séries dans l'exercice")
            << QStringList{u"04-deux-classes-comparees.json"_s} << QStringList{u"Dé"_s}
            << quint32(999999);
    }
    void seriesAndAnswers() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, pupils);
        QFETCH(quint32, first);
        std::vector<core::Exercise> chosen;
        for (const QString& f : files) chosen.push_back(shipped(f));
        const auto sheetList = sheets::sheetsFor(chosen, pupils, first);
        const auto key = sheets::answerKeyFor(chosen, pupils, first);
        QCOMPARE(qsizetype(sheetList.size()), pupils.size());
        QCOMPARE(qsizetype(key.size()), pupils.size());
        for (qsizetype i = 0; i < pupils.size(); ++i) {
            const auto& sheet = sheetList[size_t(i)];
            const quint32 series = first + quint32(i);
            QCOMPARE(sheet.pupil, pupils[i]);
            QCOMPARE(sheet.series, series);
            QCOMPARE(key[size_t(i)].series, series);
            QCOMPARE(sheet.exercises.size(), chosen.size());
            for (size_t k = 0; k < chosen.size(); ++k) {
                const auto& part = sheet.exercises[k];
                // The sheet's data are that series' own, and another series' are not.
                const auto drawn = core::dataTable(core::withNewData(chosen[k], series));
                QCOMPARE(part.data.lines, drawn.lines);
                QVERIFY(part.data.lines !=
                        core::dataTable(core::withNewData(chosen[k], series + 1)).lines);
                QCOMPARE(key[size_t(i)].exercises[k].data.lines, drawn.lines);
                QCOMPARE(part.questions.size(), chosen[k].questions.size());
                QStringList answers;
                for (const auto& a : key[size_t(i)].exercises[k].answers) {
                    answers << a.answer;
                    QVERIFY(!a.solution.isEmpty());
                }
                QCOMPARE(answers, printedAnswers(chosen[k], series));
            }
        }
    }

    void pupilsOfText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("un nom par ligne, lignes vides sautées")
            << "Alice Martin\n\n  Bruno Petit \r\nChlo\xc3\xa9\n"_ba
            << QStringList{u"Alice Martin"_s, u"Bruno Petit"_s, u"Chloé"_s};
        QTest::newRow("colonne Nom d'un CSV")
            << "Pr\xc3\xa9nom;Nom;Classe\nAlice;Martin;2nde A\nBruno;\"Petit; fils\";2nde A\n"_ba
            << QStringList{u"Martin"_s, u"Petit; fils"_s};
        QTest::newRow("première colonne sans en-tête connu")
            << "Liste\tNote\nZo\xe9\t12\nYann\t\n"_ba << QStringList{u"Zoé"_s, u"Yann"_s};
        QTest::newRow("rien") << "\n  \n"_ba << QStringList{};
        QTest::newRow("guillemet ouvert") << "Nom;X\n\"Alice;1\n"_ba << QStringList{};
    }
    void pupilsOfText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        const auto read = sheets::pupilsOfText(bytes);
        QCOMPARE(bool(read), !names.isEmpty());
        if (read)
            QCOMPARE(*read.value, names);
        else
            QVERIFY(!read.error.why.isEmpty());
    }

    void numbers_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("count");  // 0: refused
        QTest::newRow("3") << u"3"_s << 3;
        QTest::newRow("1") << u" 1 "_s << 1;
        QTest::newRow("0") << u"0"_s << 0;
        QTest::newRow("négatif") << u"-4"_s << 0;
        QTest::newRow("trop") << u"1001"_s << 0;
        QTest::newRow("ni nombre ni fichier") << u"/nulle/part.txt"_s << 0;
    }
    void numbers() {
        QFETCH(QString, argument);
        QFETCH(int, count);
        const auto read = sheets::readPupils(argument);
        QCOMPARE(bool(read), count > 0);
        if (!read) return;
        QCOMPARE(read.value->size(), count);
        QCOMPARE(read.value->last(), u"Élève %1"_s.arg(count));
    }

    void faults_data() {
        QTest::addColumn<int>("pupils");
        QTest::addColumn<quint32>("first");
        QTest::addColumn<bool>("refused");
        QTest::newRow("juste à la limite") << 2 << quint32(999998) << false;
        QTest::newRow("au-delà de la dernière série") << 3 << quint32(999998) << true;
        QTest::newRow("série 0") << 1 << quint32(0) << true;
        QTest::newRow("aucun élève") << 0 << quint32(1) << true;
    }
    void faults() {
        QFETCH(int, pupils);
        QFETCH(quint32, first);
        QFETCH(bool, refused);
        QCOMPARE(!sheets::fault(pupils, first).isEmpty(), refused);
    }
};

QTEST_APPLESS_MAIN(SheetsTest)
#include "tst_sheets.moc"
