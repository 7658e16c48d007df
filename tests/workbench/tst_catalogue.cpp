// The unit catalogue and the kerosene correction table, without windows.

#include "common/error.h"
#include "workbench/catalogue.h"
#include "workbench/kerosene.h"

#include <QTest>

using namespace mirandel;
using namespace mirandel::catalogue;
using namespace Qt::StringLiterals;

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void captions();
    void factors_data();
    void factors();
    void onePairCategoriesIgnoreThePairIndex();
    void noRowApplies_data();
    void noRowApplies();
    void keroseneFactorIsReadFromTheCorrectionText();
    void correctionTableInBothWrittenForms();
};

void TestCatalogue::captions()
{
    QCOMPARE(categoryCaptions(),
             (QStringList{u"Lenghts"_s, u"Area"_s, u"Volumes"_s, u"Capacity"_s, u"Mass"_s,
                          u"Force"_s, u"Torque"_s, u"Pressure"_s, u"Temperatures"_s, u"Fow"_s,
                          u"Mass/volume  kéroséne"_s, u"Speed MPH >KM/hr"_s}));
    QCOMPARE(pairCaptions(Lengths),
             (QStringList{u"inch <> mm"_s, u" ft  <> m"_s, u" NM  <> Km"_s}));
    QCOMPARE(pairCaptions(Volumes), (QStringList{u"cu.in <> cm3"_s, u"cu.ft<> m3"_s}));
    QCOMPARE(pairCaptions(Temperatures), QStringList());
    QCOMPARE(pairCaptions(Flow), QStringList{u"cu.ft/min<> litres/mn"_s});
    QVERIFY(hasSeveralPairs(Torque));
    QVERIFY(!hasSeveralPairs(Mass));
    QVERIFY(!hasSeveralPairs(Temperatures));
}

void TestCatalogue::factors_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("pair");
    QTest::addColumn<double>("topToBottom");
    QTest::addColumn<QString>("bottomSuffix");
    QTest::addColumn<double>("bottomToTop");
    QTest::addColumn<QString>("topSuffix");
    const struct
    {
        int category, pair;
        double down;
        const char16_t* downSuffix;
        double up;
        const char16_t* upSuffix;
    } rows[] = {
        {0, 0, 25.4, u" mm", 0.03937, u" in"},
        {0, 1, 0.3048, u" m", 3.2808, u" ft"},
        {0, 2, 1.852, u" km", 0.54, u" NM"},
        {1, 0, 6.4516, u" cm2", 0.155, u" sq.in"},
        {1, 1, 0.092903, u" m2", 10.764, u" sq.ft"},
        {2, 0, 16.387, u" cm3", 0.061, u" cu.in"},
        {2, 1, 0.0283, u" m3", 35.314, u" cu.ft"},
        {3, 0, 0.47, u" l", 2.11, u" US pint"},
        {3, 1, 3.78, u" l", 0.26, u" US gal"},
        {4, 0, 0.4536, u" kg", 2.2046, u" lb"},
        {5, 0, 0.4448, u" daN", 2.248, u" lbf"},
        {6, 0, 0.1356, u" m.daN", 7.3756, u" ft.lbf"},
        {6, 1, 0.0113, u" m.daN", 88.51, u" in.lbf"},
        {7, 0, 0.06895, u" bar", 14.5, u" psi"},
        {9, 0, 28.333, u" l/mn", 0.035295, u" cu.ft/min"},
        {11, 0, 1.609344, u" KmH", 0.6213712, u" MPH"},
    };
    for (const auto& r : rows)
        QTest::addRow("%d/%d", r.category, r.pair)
            << r.category << r.pair << r.down << QString::fromUtf16(r.downSuffix) << r.up
            << QString::fromUtf16(r.upSuffix);
}

void TestCatalogue::factors()
{
    QFETCH(int, category);
    QFETCH(int, pair);
    const auto down = lookupFactor(category, pair, Direction::Haut, u"1.0000"_s, u'.');
    const auto up = lookupFactor(category, pair, Direction::Bas, u"1.0000"_s, u'.');
    QVERIFY(down && up);
    QTEST(down->factor, "topToBottom");
    QTEST(down->suffix, "bottomSuffix");
    QTEST(up->factor, "bottomToTop");
    QTEST(up->suffix, "topSuffix");
}

void TestCatalogue::onePairCategoriesIgnoreThePairIndex()
{
    for (int pair : {-1, 0, 3}) {
        const auto factor = lookupFactor(Mass, pair, Direction::Haut, QString(), u'.');
        QVERIFY(factor);
        QCOMPARE(factor->factor, 0.4536);
    }
}

void TestCatalogue::noRowApplies_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("pair");
    QTest::newRow("temperatures") << int(Temperatures) << 0;
    QTest::newRow("lengths without a selected pair") << int(Lengths) << -1;
    QTest::newRow("area past its pairs") << int(Area) << 2;
    QTest::newRow("no category") << -1 << 0;
}

void TestCatalogue::noRowApplies()
{
    QFETCH(int, category);
    QFETCH(int, pair);
    QVERIFY(!lookupFactor(category, pair, Direction::Bas, u"1.0000"_s, u'.'));
}

void TestCatalogue::keroseneFactorIsReadFromTheCorrectionText()
{
    const auto litresPerPound = lookupFactor(Kerosene, 0, Direction::Haut, u"1,0000"_s, u',');
    QCOMPARE(litresPerPound->factor, 0.5669962805043999);
    QCOMPARE(litresPerPound->suffix, u" l"_s);
    const auto poundsPerLitre = lookupFactor(Kerosene, 0, Direction::Bas, u"0.9953"_s, u'.');
    QCOMPARE(poundsPerLitre->factor, static_cast<double>(0.9953L * 1.76368));
    QCOMPARE(poundsPerLitre->suffix, u" lbs"_s);
    try {
        lookupFactor(Kerosene, 0, Direction::Bas, u"1,0000"_s, u'.');
        QFAIL("a factor written with the other separator must not parse");
    } catch (const MirandelError& error) {
        QCOMPARE(error.message(), u"'1,0000' n'est pas une valeur en virgule flottante correcte"_s);
    }
}

void TestCatalogue::correctionTableInBothWrittenForms()
{
    const QStringList comma = kerosene::correctionList(u',');
    const QStringList point = kerosene::correctionList(u'.');
    QCOMPARE(comma.size(), 53);
    QCOMPARE(comma.first(), u"1,0249"_s);
    QCOMPARE(point.last(), u"0.9766"_s);
    QCOMPARE(kerosene::correctionText(15, u'.'), u"1.0000"_s);
    QCOMPARE(kerosene::correctionText(30, u','), u"0,9860"_s);
    QCOMPARE(kerosene::correctionText(20, u'.'), u"0.9953"_s);
    for (int i = 0; i < 53; ++i)
        QCOMPARE(QString(comma[i]).replace(u',', u'.'), point[i]);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
