// What the command line asks for, and what it says when it is wrong.

#include "core/command_line.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = core::Command::Kind;
Q_DECLARE_METATYPE(core::Command::Kind)

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void speaksTheLocalesLanguage();
    void namesEachChart_data();
    void namesEachChart();
};

void CommandLineTest::parses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("said");  // the start of the text, where there is one
    QTest::newRow("the window") << QStringList{} << Kind::Window << ""
                                << "";
    QTest::newRow("a file to open") << QStringList{"notes.csv"} << Kind::Window << "notes.csv"
                                    << "";
    QTest::newRow("help") << QStringList{"--help"} << Kind::Help << ""
                          << "Usage : statistique";
    QTest::newRow("short help") << QStringList{"-h"} << Kind::Help << ""
                                << "Usage : statistique";
    QTest::newRow("version") << QStringList{"--version"} << Kind::Version << ""
                             << "statistique 1.";
    QTest::newRow("parameters") << QStringList{"--stats", "notes.csv"} << Kind::Stats << "notes.csv"
                                << "";
    QTest::newRow("parameters, file first")
        << QStringList{"notes.csv", "--stats"} << Kind::Stats << "notes.csv"
        << "";
    QTest::newRow("a chart") << QStringList{"n.csv", "--chart=pie", "--second", "--export=p.svg"}
                             << Kind::Export << "n.csv"
                             << "";
    QTest::newRow("a table's chart")
        << QStringList{"--table=t.csv", "--chart=histogram", "--export=h.svg"} << Kind::ExportTable
        << "t.csv"
        << "";
    QTest::newRow("a table's box to the deciles")
        << QStringList{"--table=t.csv", "--chart=box", "--deciles", "--export=b.png"}
        << Kind::ExportTable << "t.csv"
        << "";
    QTest::newRow("a table's chart unknown")
        << QStringList{"--table=t.csv", "--chart=pie", "--export=h.svg"} << Kind::Error << ""
        << "statistique : graphique de tableau inconnu « pie »";
    QTest::newRow("a table's chart with a series")
        << QStringList{"n.csv", "--table=t.csv", "--chart=box", "--export=h.svg"} << Kind::Error
        << ""
        << "statistique : le graphique d'un tableau ne prend pas de FICHIER";
    QTest::newRow("a table alone")
        << QStringList{"--table=t.csv"} << Kind::Error << ""
        << "statistique : --table va avec --stats, ou avec --chart et --export";
    QTest::newRow("deciles without a table")
        << QStringList{"n.csv", "--chart=pie", "--deciles", "--export=p.svg"} << Kind::Error << ""
        << "statistique : --deciles va avec la boîte d'un tableau";
    QTest::newRow("an unknown option")
        << QStringList{"--bavard"} << Kind::Error << ""
        << "statistique : option inconnue « --bavard »\nEssayez « statistique --help ».";
    QTest::newRow("parameters of nothing") << QStringList{"--stats"} << Kind::Error << ""
                                           << "statistique : --stats demande un FICHIER";
    QTest::newRow("an unknown chart")
        << QStringList{"n.csv", "--chart=barres", "--export=b.png"} << Kind::Error << ""
        << "statistique : graphique inconnu « barres »";
    QTest::newRow("a chart nowhere") << QStringList{"n.csv", "--chart=pie"} << Kind::Error << ""
                                     << "statistique : --chart et --export vont ensemble";
    QTest::newRow("a value for a switch")
        << QStringList{"--stats=n.csv"} << Kind::Error << ""
        << "statistique : l'option « --stats » ne prend pas de valeur\nEssayez";
    QTest::newRow("a value missing")
        << QStringList{"n.csv", "--export=p.svg", "--chart"} << Kind::Error << ""
        << "statistique : l'option « --chart » demande une valeur";
    QTest::newRow("parameters and a chart")
        << QStringList{"--stats", "n.csv", "--chart=pie", "--export=p.svg"} << Kind::Error << ""
        << "statistique : --stats et --export ne vont pas ensemble";
    QTest::newRow("a table's parameters")
        << QStringList{"--stats", "--table=vitesses.csv", "--threshold=130"} << Kind::StatsTable
        << "vitesses.csv"
        << "";
    QTest::newRow("a table alone") << QStringList{"--table=v.csv"} << Kind::Error << ""
                                   << "statistique : --table va avec --stats";
    QTest::newRow("a threshold without a table")
        << QStringList{"--stats", "n.csv", "--threshold=3"} << Kind::Error << ""
        << "statistique : --table va avec --stats";
    QTest::newRow("a table and a series")
        << QStringList{"--stats", "n.csv", "--table=v.csv"} << Kind::Error << ""
        << "statistique : --stats --table ne prend rien d'autre";
    QTest::newRow("an exercise's corrected sheet")
        << QStringList{"--exercice=vitesses.json", "--solution", "--serie=4711"} << Kind::Exercise
        << "vitesses.json"
        << "";
    QTest::newRow("an exercise without its solution")
        << QStringList{"--exercice=vitesses.json"} << Kind::Error << ""
        << "statistique : --exercice va avec --solution";
    QTest::newRow("a series that is not a number")
        << QStringList{"--exercice=v.json", "--solution", "--serie=quarante"} << Kind::Error << ""
        << "statistique : --serie prend un nombre de 1 à 999999";
    QTest::newRow("an exercise and a chart")
        << QStringList{"--exercice=v.json", "--solution", "--chart=pie"} << Kind::Error << ""
        << "statistique : --exercice --solution ne prend que --serie";
    QTest::newRow("two files") << QStringList{"a.csv", "b.csv"} << Kind::Error << ""
                               << "statistique : un seul fichier, pas 2";
}

void CommandLineTest::parses() {
    QFETCH(QStringList, arguments);
    QFETCH(Kind, kind);
    QFETCH(QString, file);
    QFETCH(QString, said);
    const core::Command command =
        core::parseCommandLine(QStringList{u"statistique"_s} + arguments, false);
    QCOMPARE(command.kind, kind);
    QCOMPARE(command.file, file);
    QVERIFY2(said.isEmpty() ? command.text.isEmpty() : command.text.startsWith(said),
             qPrintable(command.text));
    // The same answer in English, every French text of it translated.
    const core::Command english =
        core::parseCommandLine(QStringList{u"statistique"_s} + arguments, true);
    QCOMPARE(english.kind, kind);
    if (kind == Kind::Error || kind == Kind::Help)
        QVERIFY2(english.text != command.text && !english.text.contains(u'«') &&
                     !english.text.contains(u"statistique :"_s),
                 qPrintable(english.text));
}

void CommandLineTest::speaksTheLocalesLanguage() {
    const QStringList unknown = {u"statistique"_s, u"--bavard"_s};
    QCOMPARE(core::parseCommandLine(unknown, true).text,
             u"statistique: unknown option '--bavard'\nTry 'statistique --help'."_s);
    QVERIFY(core::parseCommandLine({u"statistique"_s, u"--help"_s}, true)
                .text.startsWith(u"Usage: statistique [FILE] [OPTIONS]"_s));
}

void CommandLineTest::namesEachChart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("button");  // the main window's chart button drawing it
    QTest::newRow("sticks") << "sticks" << 0;
    QTest::newRow("pie") << "pie" << 1;
    QTest::newRow("curve") << "curve" << 2;
    QTest::newRow("both") << "both" << 3;
}

void CommandLineTest::namesEachChart() {
    QFETCH(QString, name);
    QFETCH(int, button);
    const core::Command command = core::parseCommandLine(
        {u"statistique"_s, u"n.csv"_s, u"--chart="_s + name, u"--export=g.png"_s}, false);
    QCOMPARE(command.kind, core::Command::Kind::Export);
    QCOMPARE(int(command.chosenChart), button);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
