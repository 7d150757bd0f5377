#include <QTest>

class TaxPagesTest : public QObject {
  Q_OBJECT
};

QTEST_MAIN(TaxPagesTest)
#include "TaxPagesTest.moc"
