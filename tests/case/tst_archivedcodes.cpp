#include "case/ArchivedCodes.h"

#include <QTest>

// Whether saving under a code would replace an examination already in the archive.
class TestArchivedCodes : public QObject
{
    Q_OBJECT
private slots:
    void wouldOverwrite_data();
    void wouldOverwrite();
};

void TestArchivedCodes::wouldOverwrite_data()
{
    QTest::addColumn<QString>("archived");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("overwrites");
    const struct
    {
        const char *row, *archived, *code, *name;
        bool overwrites;
    } rows[] = {
        {"same spelling", "KISS.mtr", "KISS", "", true},
        {"file in lower case", "kiss.mtr", "KISS", "", true},
        {"mixed case typed", "Kiss.mtr", "kIsS", "", true},
        {"accented letters", "öböl.mtr", "ÖBÖL", "", true},
        {"prefix only", "KISS.mtr", "KIS", "", false},
        {"longer", "KISS.mtr", "KISSE", "", false},
        // The file that saving writes decides: a code with a dot names its own file, and a
        // slash, backslash, colon or ".." in a code is written as "_" in the file name.
        {"another code's first part", "AB.x.mtr", "AB", "", false},
        {"code with a dot", "AB.x.mtr", "AB.X", "", true},
        {"slash and underscore", "A_B.mtr", "A/B", "", true},
        {"backslash and underscore", "A_B.mtr", "A\\B", "", true},
        {"colon and underscore", "A_B.mtr", "A:B", "", true},
        {"two dots", "A__B.mtr", "A..B", "", true},
        {"underscore is not dropped", "A_B.mtr", "AB", "", false},
        // Saving with an empty code files the examination under the name.
        {"empty code, the name's file", "Kiss Ede.mtr", "", "kiss ede", true},
        {"empty code, another name", "Kiss Ede.mtr", "", "Kiss", false},
        {"a code, the name not looked at", "Kiss Ede.mtr", "KE", "Kiss Ede", false},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << QString::fromUtf8(r.archived) << QString::fromUtf8(r.code) << QString::fromUtf8(r.name)
                             << r.overwrites;
}

void TestArchivedCodes::wouldOverwrite()
{
    QFETCH(QString, archived);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(bool, overwrites);
    const ArchivedCodes archive({QStringLiteral("DEMO01.mtr"), archived});
    QCOMPARE(archive.codes().last(), archived.section(QLatin1Char('.'), 0, 0));
    QCOMPARE(archive.wouldOverwrite(code, name), overwrites);
}

QTEST_GUILESS_MAIN(TestArchivedCodes)
#include "tst_archivedcodes.moc"
