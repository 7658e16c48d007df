// The credit labels open the user guide where the platform found it, as a file URL, and
// open nothing when it is missing.

#include "support/guitest.h"

#include "widgets/creditlabel.h"
#include "workbench/convers.h"

#include <QTest>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

class TestUserGuide : public QObject
{
    Q_OBJECT

private slots:
    void creditLabelsOpenTheGuide_data();
    void creditLabelsOpenTheGuide();
};

void TestUserGuide::creditLabelsOpenTheGuide_data()
{
    QTest::addColumn<QString>("guide");
    QTest::addColumn<QString>("home");

    QTest::newRow("installed guide") << u"/usr/share/mirandel/site/index.html"_s
                                     << u"file:///usr/share/mirandel/site/index.html"_s;
    QTest::newRow("blank and accent in the folder")
        << u"/home/anne/Vol été/site/index.html"_s
        << u"file:///home/anne/Vol %C3%A9t%C3%A9/site/index.html"_s.replace(u' ', u"%20"_s);
    // A '#' in a folder name must not become the page's fragment.
    QTest::newRow("hash in the folder is not the fragment")
        << u"/opt/tools#2/site/index.html"_s << u"file:///opt/tools%232/site/index.html"_s;
    QTest::newRow("guide missing opens nothing") << QString() << QString();
}

void TestUserGuide::creditLabelsOpenTheGuide()
{
    QFETCH(QString, guide);
    QFETCH(QString, home);
    Running run;
    run.platform.guide = guide;
    TFrmConversion& main = run.program->conversion();

    QTest::mouseClick(main.Label4, Qt::LeftButton);
    QTest::mouseClick(main.Label10, Qt::LeftButton);

    const QString sponsor = home.isEmpty() ? QString() : home + u"#sponsor"_s;
    QCOMPARE(run.platform.shellOpened, (QStringList{home, sponsor}));
    QCOMPARE(run.program->homePage(), home);
    QCOMPARE(run.program->sponsorPage(), sponsor);
}

QTEST_MAIN(TestUserGuide)
#include "tst_userguide.moc"
